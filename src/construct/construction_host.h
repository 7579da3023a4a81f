#pragma once
// What the construction commands need of the drawing window they run in.
//
// The state machines live below the window layer, so they reach the window
// through this interface: its diagram, the status panes, the client drawing
// context of the running mouse operation, the one-line input dialog and the
// few window operations they trigger. A drawing window implements it through
// a small adapter; tests implement it with a script.

#include <string_view>

#include "model/diagram.h"
#include "platform/device_context.h"

class InputDialog;

// The computation list and the calculator, as far as the measuring commands
// use them. Every call defaults to doing nothing.
class MeasurementLink {
public:
    virtual ~MeasurementLink() = default;
    // -102: append the pending measurement as a quantity; 462: derive the unit
    // length from the dynamic-unit segment.
    virtual void measure_cmd(int /*code*/) {}
    virtual bool calculator_open() const { return false; }
    virtual void close_calculator() {}
};

// A link that measures nothing and knows no calculator.
MeasurementLink& no_measurement();

class ConstructionHost {
public:
    virtual ~ConstructionHost() = default;

    virtual Diagram& diagram() = 0;
    ObjectTable& table() { return diagram().table; }
    Dpoint& pending() { return diagram().pending; }

    // Status pane 1 (prompt), 2 (object under the mouse) or 3 (command line).
    virtual void set_status(int pane, std::string_view text) = 0;

    // The client drawing context of the running mouse operation; null when
    // none, and then no feedback is drawn.
    virtual DeviceContext* mouse_dc() = 0;
    // Releases the mouse capture and the client drawing context.
    virtual void release_mouse() {}
    // Ends the pending command: no command, action state 0, origin mode 0,
    // the three status panes emptied.
    virtual void end_command();
    // Repaints the whole drawing, background erased.
    virtual void invalidate() { diagram().hooks().invalidate(); }

    // The one-line input; null answers every question with Cancel.
    virtual InputDialog* input() { return nullptr; }

    // The step routine of the conclusion predicates (it ignores other commands).
    virtual void pick_conclusion(int /*step*/, Dpoint& /*rec*/) {}
    // Turns every point and text about the rotation centre (record 12) by
    // `angle` radians and repaints on dc (null: the window's own surface).
    virtual void rotate_diagram(DeviceContext* /*dc*/, double /*angle*/) {}
    // Runs the object dialog on a working copy; nonzero when it was changed.
    virtual int modify_object(Dpoint& /*copy*/) { return 0; }

    virtual MeasurementLink& measurement() { return no_measurement(); }
};
