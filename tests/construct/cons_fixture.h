#pragma once
// A drawing driven by scripted clicks: the host of the construction commands
// is a stand-in window whose panes, dialogs, repaints and turns are recorded,
// and whose painting hooks really compute and draw on a recording context.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "construct/cons_engine.h"
#include "construct/construction_host.h"
#include "model/diagram.h"
#include "paint/draw_objects.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"
#include "platform/dialogs.h"
#include "platform/recording_dc.h"

namespace cons_test {

struct RecordingMeasurement : MeasurementLink {
    std::vector<int> codes;
    // Operands of each -102 measurement: the pending record's picks.
    std::vector<std::array<std::int32_t, 8>> operands;
    const Dpoint* pending = nullptr;
    bool calculator = false;
    int calculator_closed = 0;

    void measure_cmd(int code) override
    {
        codes.push_back(code);
        if (pending)
            operands.push_back(pending->arg);
    }
    bool calculator_open() const override { return calculator; }
    void close_calculator() override
    {
        ++calculator_closed;
        calculator = false;
    }
};

class ScriptedHost : public ConstructionHost, public DiagramHooks {
public:
    ScriptedHost() : d(this)
    {
        ObjectTable& t = d.table;
        // As a new drawing window sets them.
        t.pen_colour() = kBlack;
        t.font_colour() = kBlack;
        t.brush_colour() = kGreen;
        measure.pending = &d.pending;
    }

    Diagram d;
    RecordingDC dc;
    bool dc_held = true;
    std::array<std::string, 3> panes;
    ScriptedInputDialog dialogs;
    ScriptedMessageBoxes boxes;
    RecordingMeasurement measure;
    int invalidations = 0;
    int releases = 0;
    int ended = 0;
    std::vector<double> turns;
    std::vector<int> conclusion_steps;
    // The object dialog: edits the copy and answers nonzero when set.
    std::function<int(Dpoint&)> object_dialog;
    bool script_open = false;
    std::vector<int> script_updates;

    ObjectTable& t() { return d.table; }
    Dpoint& pend() { return d.pending; }

    // --- ConstructionHost ---
    Diagram& diagram() override { return d; }
    void set_status(int pane, std::string_view text) override { panes.at(pane - 1) = std::string(text); }
    DeviceContext* mouse_dc() override { return dc_held ? &dc : nullptr; }
    void release_mouse() override
    {
        ++releases;
        dc_held = false;
    }
    void end_command() override
    {
        ++ended;
        ConstructionHost::end_command();
    }
    void invalidate() override { ++invalidations; }
    InputDialog* input() override { return &dialogs; }
    void pick_conclusion(int step, Dpoint&) override { conclusion_steps.push_back(step); }
    void rotate_diagram(DeviceContext*, double angle) override { turns.push_back(angle); }
    int modify_object(Dpoint& copy) override { return object_dialog ? object_dialog(copy) : 0; }
    MeasurementLink& measurement() override { return measure; }

    // --- DiagramHooks: painting really computes and draws ---
    void draw_one(int k) override { ::draw_one(d, paint_dc(), k); }
    void draw_point(int k) override { ::draw_point(d, paint_dc(), k); }
    void draw_line(int k) override { draw_line_obj(d, paint_dc(), k); }
    bool script_manager_open() const override { return script_open; }
    void script_update_line(int pos) override { script_updates.push_back(pos); }
    void build_from_record(Dpoint& rec) override { cons_step(*this, -1, &rec, 0); }
    MessageBoxes* message_boxes() override { return &boxes; }

    // --- Scripting ---
    // A free point at (x, y); returns its index.
    int point(double x, double y, const char* name)
    {
        Dpoint p(101, name);
        p.cls = 1;
        p.size = 2;
        p.x = x;
        p.y = y;
        return d.table.append(p);
    }

    // Chooses a construction command from the menu.
    void start(int id)
    {
        ObjectTable& tab = d.table;
        tab.pending_command() = id;
        tab.action_state() = 11;
        tab.no_choice_pending() = 1;
        d.pending = Dpoint::of_type(id, tab.current_block());
        d.pending.colour = tab.pen_colour();
        d.pending.pen_style = tab.pen_style_setting();
        d.pending.size = tab.pen_size_setting();
        cons_step(*this, 0, &d.pending, 0);
    }

    // A left click at device (x, y) as the left-button handler delivers it.
    void click(int x, int y)
    {
        ObjectTable& tab = d.table;
        tab.mouse_x() = x;
        tab.mouse_y() = y;
        tab.record_count() = tab.count();
        dc_held = true;
        const int s = tab.action_state();
        if (s >= 11 && s <= 18)
            cons_click(*this, DevPoint{x, y});
        else if (s == 10)
            cons_step(*this, 1, &d.pending, 0);
    }
    // A click on object k's position.
    void click_on(int k) { click(static_cast<int>(d.table[k].x), static_cast<int>(d.table[k].y)); }
    // Clicks on the objects in turn.
    void click_on_each(std::initializer_list<int> ks)
    {
        for (const int k : ks)
            click_on(k);
    }

    // The blue selection rings drawn so far, at their device centres.
    std::vector<DevPoint> rings(Colour colour) const
    {
        std::vector<DevPoint> out;
        for (const RecordedCall& c : dc.calls_named("ellipse"))
            if (c.state.pen.colour == colour && c.args[2] - c.args[0] == 4)
                out.push_back({c.args[0] + 2, c.args[1] + 2});
        return out;
    }
    // Green (on) or white (off) line_to calls drawn so far.
    std::size_t rubber_strokes(Colour colour) const
    {
        std::size_t n = 0;
        for (const RecordedCall& c : dc.calls_named("line_to"))
            if (c.state.pen.colour == colour)
                ++n;
        return n;
    }

    const std::string& prompt() const { return panes[0]; }
    const std::string& cmdline() const { return panes[2]; }
    int last() { return d.table.count() - 1; }

private:
    DeviceContext& paint_dc() { return dc; }
};

}  // namespace cons_test
