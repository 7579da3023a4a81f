#pragma once
// What the animation, the loci and the computation list need of the drawing
// window that owns them. The window layer implements it; tests answer it
// with a small stand-in.

#include <string_view>

#include "model/diagram.h"
#include "platform/device_context.h"

class InputDialog;
class MessageBoxes;

class AnimationHost {
public:
    virtual ~AnimationHost() = default;

    virtual Diagram& diagram() = 0;
    ObjectTable& table() { return diagram().table; }

    // Status pane 1 (prompt), 2 or 3 (command title).
    virtual void set_status(int pane, std::string_view text) = 0;
    // Repaint the whole client area with the background erased.
    virtual void invalidate() = 0;
    // The window's operation codes: 0 ends the command (mode 0, panes
    // emptied), 1 makes the off-screen image, 2 frees it, 3 takes the mouse
    // operation's context, 4 releases it.
    virtual void draw_action(int code) = 0;
    // The mouse operation's context and the off-screen image; null when none.
    virtual DeviceContext* mouse_dc() = 0;
    virtual DeviceContext* mem_dc() = 0;
    // Copies the off-screen image to the window.
    virtual void show_off_screen() = 0;

    // One step of a drag: the picked object to the mouse position, then the
    // diagram painted on dc (full 0: re-solved only, nothing drawn).
    virtual void move_point(DeviceContext& dc, int full) = 0;
    // Whether object k is a point that can be dragged.
    virtual bool is_movable_point(int k) = 0;
    // Starts a construction command as its menu item does (135 segment, 136 circle).
    virtual void cons_mode_cmd(int id) = 0;

    // The animation timer (id 1).
    virtual void start_timer(int interval_ms) = 0;
    virtual void stop_timer() = 0;

    // The calculator dialog of this drawing: shown (or brought forward),
    // refreshed after a change of the expression, closed.
    virtual void open_calculator() = 0;
    virtual void refresh_calculator() = 0;
    virtual void close_calculator() = 0;

    // Null: every question is cancelled and notices are dropped.
    virtual MessageBoxes* message_boxes() = 0;
    virtual InputDialog* input() = 0;
};
