#pragma once
// What a drawing window owns that the model and the painter use, and the narrow
// interface through which the model reaches the window's other parts.

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "model/dpoint.h"
#include "model/object_table.h"

class MessageBoxes;  // platform/dialogs.h

// One sample of a locus, in device values (two points for line and circle loci).
struct LocusNode {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};

// The model's neighbours: the painter, the window, the Script Manager, the
// computation list and the animation. Every call defaults to doing nothing, so
// the model runs (and is tested) without any of them.
class DiagramHooks {
public:
    virtual ~DiagramHooks() = default;

    // Window: invalidate the whole client area with the background erased.
    virtual void invalidate() {}

    // Painter, on the device context of the current mouse operation.
    // draw_one re-solves object k from its parents, then draws it.
    virtual void draw_one(int /*k*/) {}
    // Draws point k where it stands, without re-solving it.
    virtual void draw_point(int /*k*/) {}
    // Draws line, segment or circle k.
    virtual void draw_line(int /*k*/) {}
    // Makes the sample points of conic k anew from its parents' positions.
    virtual void resample_conic(int /*k*/) {}

    // Script Manager (only when its window is open).
    virtual bool script_manager_open() const { return false; }
    virtual void script_append_line(int /*object_index*/) {}
    virtual void script_update_line(int /*pos*/) {}
    // Lines from_pos..end_pos-1 rewritten in a row, with painting off; one by
    // one unless the list can rewrite them at once.
    virtual void script_update_lines(int from_pos, int end_pos)
    {
        for (int pos = from_pos; pos < end_pos; ++pos)
            script_update_line(pos);
    }
    virtual void script_delete_line(int /*pos*/) {}
    virtual void script_refill() {}

    // Computation list. pt_in_quantity(1): is the object index held in
    // record_count an operand of a measurement? measure_cmd(-103): lower every
    // measurement operand above the index held in record_count.
    virtual bool pt_in_quantity(int /*mode*/) { return false; }
    virtual void measure_cmd(int /*code*/) {}
    // Releases the expression tokens of every entry of the computation list.
    virtual void release_expression_tokens() {}
    // A new, empty computation list of 20 entries.
    virtual void reset_computation_list() {}

    // Animation reset (step 0, 400 steps, 1 ms, no driving point, no locus).
    // The model resets its own counters and lists before calling it.
    virtual void reset_animation() {}

    // Construction state machine at step -1: builds the object of a complete record.
    virtual void build_from_record(Dpoint& /*rec*/) {}

    // Message boxes for confirmations; null means every question is answered Yes
    // and every notice is dropped.
    virtual MessageBoxes* message_boxes() { return nullptr; }
};

struct Diagram {
    // Creates the table with its reserved records, the pending record (blue,
    // size 1, named "x", then given the pen settings), and applies the
    // reserved-record reset. `hooks` may be null (no neighbours).
    explicit Diagram(DiagramHooks* hooks = nullptr);

    ObjectTable table;
    // The record each command fills before the object is built.
    Dpoint pending;
    // Full name of the command in progress for the command line (record 1
    // name holds at most 9 characters of it).
    std::string command_name;

    // Locus sample lists, one per locus slot, newest sample first.
    std::array<std::deque<LocusNode>, 8> locus_lists;
    // The self-drawn trace of a driving point and the node the animation stands at.
    std::vector<WorldPoint> self_trace;
    std::size_t trace_cursor = 0;

    // The neighbours; never null (a no-op instance when none was given).
    DiagramHooks& hooks() { return *hooks_; }
    void set_hooks(DiagramHooks* hooks);

    // Reserved-record reset: presets of records 0 to 3 and 12, empty restore
    // stack, new computation list, animation reset (locus lists emptied),
    // current block 1 and block count 1.
    void reset_reserved_records();

private:
    DiagramHooks* hooks_;
};
