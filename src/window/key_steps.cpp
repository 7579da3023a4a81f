// Arrow keys: step the current block or driving point in the selection modes,
// and continue a drag, translation, rotation or resize by one world unit.

#include "window/dchild.h"

#include <cmath>

#include "animate/animator.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/paint_diagram.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/figure_transforms.h"
#include "window/move_point.h"
#include "window/rotate_diagram.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

namespace {

constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

struct Step {
    int dx = 0;
    int dy = 0;
};

Step key_step(unsigned key)
{
    switch (key) {
    case kKeyLeft: return {-1, 0};
    case kKeyUp: return {0, -1};
    case kKeyRight: return {1, 0};
    case kKeyDown: return {0, 1};
    default: return {};
    }
}

}  // namespace

void Dchild::EvKeyDown(unsigned key)
{
    // A step moves what the file stores, also when it ends a mouse drag
    // whose release will then find no operation.
    const ChangeWatch watch(*this);
    ObjectTable& t = objects();
    const Step step = key_step(key);
    const int mode = t.action_state();

    // Up steps the selection on, Down back, within first..last; the prompt
    // says when it stands at an end already. True when it moved.
    const auto step_selection = [&](auto& value, int first, int last) {
        const bool up = key == kKeyUp;
        if (up ? value < last : value > first) {
            value += up ? 1 : -1;
            set_status1(load_string(wsid::kSelectBlockPrompt));
            return true;
        }
        set_status1(load_string(up ? wsid::kLastBlock : wsid::kFirstBlock));
        return false;
    };
    if (mode == cmd::kSelectBlock && (key == kKeyUp || key == kKeyDown)) {
        step_selection(t.current_block(), 1, t.block_count());
        invalidate(true);
    } else if (mode == anim_mode::kDriverSelect && (key == kKeyUp || key == kKeyDown)) {
        if (step_selection(t.current_driver(), 0, t.last_driver()))
            invalidate(true);
    }

    if (mode != cmd::kDragPoint && mode != cmd::kTranslate && mode != astate::kRotating &&
        mode != astate::kResizing)
        return;

    // Each step has its own off-screen image; a running mouse drag's image is
    // replaced, and the step ends the drag.
    draw_action(1);
    draw_action(3);
    clear_off_screen();
    const bool moved = t.drag_moved() != 0;
    const bool turning = t.pending_command() == 0 && moved;

    switch (mode) {
    case cmd::kDragPoint:
        if (moved) {
            t.mouse_x() += step.dx;
            t.mouse_y() += step.dy;
            // The drag's state may have been settled by a repaint since the press.
            t.placing() = 0;
            t.recompute() = 1;
            t.dragged_index() = t.picked_index();
            move_point(diagram, *mem_dc_, 1);
            show_off_screen();
            draw_action(2);
            draw_action(4);
            return;
        }
        break;
    case cmd::kTranslate:
        shift_objects(diagram, step.dx, step.dy, MovedClasses::All);
        break;
    case astate::kRotating:
        if (turning) {
            t.mouse_x() += step.dx;
            t.mouse_y() += step.dy;
            const double a = std::atan(p_tan_angle(t, rec::kMouse13, rec::kAnimation, rec::kState));
            const Dpoint& centre = t.get(rec::kAnimation);
            rotate_objects(diagram, WorldPoint{centre.x, centre.y}, a, MovedClasses::All, false);
            Dpoint& previous = t[rec::kMouse13];
            previous.x = t.mouse_x() - step.dx;
            previous.y = t.mouse_y() - step.dy;
            mark_rotation_centre(*mem_dc_, centre.x, centre.y);
        }
        break;
    case astate::kResizing:
        if (turning) {
            t.mouse_x() += step.dx;
            t.mouse_y() += step.dy;
            Dpoint& s = scratch();
            const double f = resize_factor(t.mouse_x(), s.aux1.as_double());
            s.aux1.set_double(t.mouse_x());
            scale_about(diagram, f, s.arg[0], WorldPoint{s.x, s.y}, MovedClasses::All, false);
        }
        break;
    default:
        break;
    }
    paint_diagram(diagram, *mem_dc_, 1);
    show_off_screen();
    draw_action(2);
    draw_action(4);
}
