#pragma once
// What a drawing window takes from the subsystems above the painter:
// the construction engine and object commands, animation and measurement,
// files, export and printing, the Script Manager and the prover.
//
// Each subsystem overrides what it provides and answers provides() for its
// handlers; the enablers keep the commands of a handler that nobody provides
// disabled. Defaults do nothing, so a drawing window runs without any of them.

#include <string>
#include <vector>

#include "platform/device_context.h"
#include "window/command_table.h"

class AnimationServices;
class Dchild;
struct Dpoint;

class DrawingServices {
public:
    virtual ~DrawingServices() = default;

    // True when the handler of this kind is available. The window's own
    // handlers (draw_action, drag_mode_cmd, block_cmd, toggle_view_flag,
    // upd_attr_buf) and the model's restore_last need no provider;
    // cons_mode_cmd needs the construction engine.
    virtual bool provides(CommandHandler handler) const;

    // --- Construction engine and object commands ---
    virtual void cons_step(Dchild&, int /*step*/, Dpoint* /*rec*/, int /*flag*/) {}
    // A left click while a construction collects its points (modes 11 to 18).
    virtual void cons_click(Dchild&, DevPoint /*mouse*/) {}
    // The state machine of the object commands; the left button calls step 1
    // to place a text or a button (mode 10).
    virtual void obj_step(Dchild&, int /*step*/, Dpoint* /*rec*/, int /*flag*/) {}
    // Starts the command line in status pane 3 (name and n slots "#").
    virtual void cmd_begin(Dchild&, const std::string& /*name*/, int /*nargs*/) {}
    // One-line text of object k (style 1: the short form).
    virtual std::string obj_text(Dchild&, int /*style*/, int /*k*/) { return {}; }
    // Pen size, line colour and pen style into the pending record; also command 464.
    virtual void upd_attr_buf(Dchild& win);
    virtual void set_color(Dchild&, int /*id*/) {}
    virtual void line_width(Dchild&) {}
    virtual void line_style(Dchild&) {}
    virtual void font_size(Dchild&) {}

    // --- Animation, loci, measurement ---
    // What the painter asks of the animation (quantities, driving points,
    // loci); the default paints nothing.
    virtual AnimationServices& animation();
    virtual void cm_animation(Dchild&, int /*id*/) {}
    // The self-drawn trace of a driving point: phase 1 press, 2 move, 3 release.
    virtual void trace_mouse(Dchild&, int /*phase*/, DevPoint /*point*/) {}
    // A tick of one of the window's timers (the animation timer is id 1).
    virtual void ev_timer(Dchild&, int /*id*/) {}
    virtual void measure_cmd(Dchild&, int /*id*/) {}
    // Is the object index held in record_count an operand of a measurement?
    virtual bool pt_in_quantity(Dchild&, int /*mode*/) { return false; }
    virtual void release_expression_tokens(Dchild&) {}
    // The computation list as the point file stores it, one text per entry;
    // none without a computation list.
    virtual std::vector<std::string> saved_expressions(Dchild&) { return {}; }
    // A new, empty computation list; the animation fields preset.
    virtual void reset_computation_list(Dchild&) {}
    virtual void reset_animation(Dchild&) {}
    // The calculator dialog is forgotten (the drawing was preset).
    virtual void forget_calculator() {}
    // The window is going away: stop its animation and release its lists.
    virtual void release_drawing(Dchild&) {}

    // --- Files, export, printing ---
    // Reads a point file into the window; false (after a message) when it
    // could not be read.
    virtual bool fig_read(Dchild&, const std::string& /*path*/) { return true; }
    // Saves (Save As for an untitled drawing); false when nothing was saved
    // (failure or cancel).
    virtual bool fig_save(Dchild&) { return false; }
    virtual bool fig_save_as(Dchild&) { return false; }
    // The drawing now has a new file name (after a Save As).
    virtual void saved_as(Dchild&) {}
    virtual void save_ps(Dchild&) {}
    virtual void save_bitmap(Dchild&) {}
    virtual void print(Dchild&) {}
    virtual void printer_setup(Dchild&) {}
    virtual void print_preview(Dchild&) {}

    // --- Script Manager ---
    virtual void open_script_manager() {}
    virtual bool script_manager_open() const { return false; }
    // The drawing the Script Manager shows changed (activation, close).
    virtual void script_show_drawing(Dchild* /*win*/) {}
    virtual void script_refresh() {}
    // Line edits of the drawing's list, only while the Script Manager shows it.
    virtual void script_append_line(Dchild&, int /*object_index*/) {}
    virtual void script_update_line(Dchild&, int /*pos*/) {}
    virtual void script_update_lines(Dchild& win, int from_pos, int end_pos)
    {
        for (int pos = from_pos; pos < end_pos; ++pos)
            script_update_line(win, pos);
    }
    virtual void script_delete_line(Dchild&, int /*pos*/) {}
    virtual void script_refill(Dchild&) {}

    // --- Prover ---
    // Opens the prover window; returns at once (the window stays open).
    virtual void run_prover_app() {}
    virtual void draw_script(Dchild&) {}
    // One left click while the prover's statement is drawn (mode 221).
    virtual void draw_statement_step(Dchild&) {}
    // Number of records in the prover's point table.
    virtual int prover_point_count() const { return 0; }
};

// A provider of nothing: every later subsystem's command stays disabled.
DrawingServices& no_drawing_services();
