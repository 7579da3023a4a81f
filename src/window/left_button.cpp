// The left-button press: the unit ruler, the driving-point list and the
// diagram buttons first, then whatever the current mode does with a click.

#include "window/dchild.h"

#include <algorithm>
#include <string>

#include "animate/animator.h"
#include "model/adding.h"
#include "model/device_mapping.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/buttons.h"
#include "paint/hit_test.h"
#include "paint/points_draw.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/drawing_services.h"
#include "window/lookup.h"
#include "window/mouse_support.h"
#include "window/paint_link.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

using namespace mouse_support;

namespace {

constexpr int kRulerBottom = 22;   // the unit ruler lies above this y
constexpr int kRulerLeft = 60;
constexpr int kDriverListRight = 80;
constexpr double kSnapDistance = 10.0;  // a click this near a point means the point
constexpr double kMirrorLineLength = 40.0;

}  // namespace

void Dchild::EvLButtonDown(DevPoint point)
{
    if (objects().action_state() == astate::kAnimation)
        return;
    // A press that begins a mouse operation notes the drawing as it is; the
    // press, the moves and the release are then compared with that. Noted on
    // a marked drawing too: a save during the drag clears the mark, and what
    // the drag changes after it still counts.
    if (!mouse_dc_)
        press_fingerprint_ = saved_form_fingerprint();
    left_press(point);
    mark_if_changed_since_press();
}

void Dchild::left_press(DevPoint point)
{
    ObjectTable& t = objects();
    t.mouse_x() = point.x;
    t.mouse_y() = point.y;

    // The computation list and, below it, the driving points, one per row.
    const int last_quantity = t.last_quantity();
    const int top = last_quantity >= 0 ? kListTop : 1;
    const int row = (point.y - top) / kRowHeight;

    if (t.unit_segment_a() == 0 && last_quantity >= 0 && point.x > kRulerLeft &&
        point.y < kRulerBottom) {
        draw_action(3);
        draw_action(1);
        t.action_state() = astate::kUnitRuler;
        t.placing() = 0;
        t.recompute() = 0;
        t.dragged_index() = 1;
        return;
    }

    const int last_driver = t.last_driver();
    if (last_driver >= 0 && row >= 0 && last_quantity < row &&
        row <= last_quantity + last_driver + 1 && point.x <= kDriverListRight) {
        t.current_driver() = row - last_quantity - 1;
        t.pending_command() = anim_id::kSelectDriver;
        t.action_state() = anim_mode::kDriverSelect;
        invalidate(true);
        return;
    }

    if (const int k = button_hit(diagram, 0, 0); k != 0) {
        draw_action(3);
        draw_button(diagram, *mouse_dc_, k, kButtonPressed);
        t.button_down() = 1;
        t.pending_command() = 0;
        t.action_state() = 0;
        return;
    }

    // A mouse operation still runs: this press is not for us.
    if (mouse_dc_)
        return;
    draw_action(3);
    t.record_count() = t.count();

    const int mode = t.action_state();
    switch (mode) {
    case astate::kPlacing:
        t.from_clicks() = 1;
        if (t.pending_command() == otype::kFreePoint)
            add_point(diagram, kAddPoint, scratch());
        else if (t.pending_command() == otype::kText || t.pending_command() == otype::kAnimationButton ||
                 t.pending_command() == otype::kHideButton)
            services_.obj_step(*this, 1, &scratch(), 0);
        break;
    case astate::kFirstPick:
    case astate::kFirstPick + 1:
    case astate::kFirstPick + 2:
    case astate::kFirstPick + 3:
    case astate::kFirstPick + 4:
    case astate::kFirstPick + 5:
    case astate::kFirstPick + 6:
    case astate::kLastPick:
        services_.cons_click(*this, point);
        break;
    case anim_mode::kDriverPick:
        pick_driving_point();
        break;
    case anim_mode::kLocusFirst:
        if (pick_nearest(diagram, point, 0) > 0)
            services_.cm_animation(*this, anim_id::kLocusFirstPick);
        break;
    case anim_mode::kLocusSecond: {
        const int k = std::clamp(t.last_locus(), 0, kMaxDrivers - 1);
        if (pick_nearest(diagram, point, 0) > 0 && t.picked_index() != t.locus_object(k))
            services_.cm_animation(*this, anim_id::kLocusSecondPick);
        break;
    }
    case anim_mode::kGraphQuantity:
        services_.cm_animation(*this, anim_id::kGraphQuantity);
        break;
    case kOperandMode:
        services_.measure_cmd(*this, measure_code::kPickOperand);
        break;
    case cmd::kDragPoint:
        start_point_drag();
        break;
    case cmd::kMoveName:
        start_name_move();
        break;
    case cmd::kTranslate:
        t.placing() = 0;
        t.recompute() = 0;
        t.dragged_index() = 1;
        set_position(t[rec::kAnimation], t.mouse_x(), t.mouse_y());
        draw_action(1);
        break;
    case cmd::kRotate:
        choose_rotation_centre();
        break;
    case astate::kRotating:
        t.placing() = 0;
        t.recompute() = 0;
        t.dragged_index() = 1;
        set_position(t[rec::kMouse13], t.mouse_x(), t.mouse_y());
        draw_action(1);
        t.pending_command() = 0;
        break;
    case cmd::kResize:
        choose_resize_reference();
        break;
    case astate::kResizing:
        start_resize();
        break;
    case cmd::kStepByStep:
        // No object left to draw: the click changes nothing at all.
        if (step_cursor >= t.record_count())
            return;
        step_through_click();
        break;
    case cmd::kDrawStatement:
        services_.draw_statement_step(*this);
        break;
    case cmd::kMirror:
        start_mirror_line();
        break;
    case anim_mode::kSelfTrace:
        services_.trace_mouse(*this, 1, point);
        break;
    case cmd::kCopyPartAsBlock:
        if (t.pending_command() == cmd::kCopyPartAsBlock) {
            if (pick_nearest(diagram, point, 0) > 0)
                block_cmd(1);
        } else {
            block_cmd(3);
        }
        break;
    case otype::kHideButton:
        add_to_hide_list();
        break;
    case cmd::kCopyToClipboard:
        t.placing() = 0;
        t.recompute() = 0;
        t.dragged_index() = 0;
        draw_action(1);
        set_position(t[rec::kAnimation], t.mouse_x(), t.mouse_y());
        set_position(t[rec::kMouse13], t.mouse_x(), t.mouse_y());
        break;
    default:
        set_status3("");
        break;
    }
}

void Dchild::mark_if_changed_since_press()
{
    // A click or drag that added, moved or changed nothing leaves the
    // drawing as saved.
    if (press_fingerprint_)
        mark_if_changed(*press_fingerprint_);
}

void Dchild::pick_driving_point()
{
    ObjectTable& t = objects();
    const int picked = pick_nearest(diagram, mouse_point(t), 0);
    if (picked <= 0 || !is_movable_point(t, picked))
        return;
    if (t.last_driver() >= kMaxDrivers - 1) {
        set_status1("");
        return;
    }
    const int k = std::max(t.last_driver() + 1, 0);
    t.last_driver() = k;
    t.driver_point(k) = picked;
    t.driver_path(k) = 0;
    t.driver_speed(k) = 2;
    t.current_driver() = k;
    draw_dot(diagram, *mouse_dc_, picked, kRed);
    set_status3(joined(load_string(wsid::kPoint), ": ", t[picked].name_view()));
    invalidate(true);
}

void Dchild::start_point_drag()
{
    ObjectTable& t = objects();
    const int picked = pick_nearest(diagram, mouse_point(t), 0);
    if (picked <= 0)
        return;
    const Dpoint& o = t[picked];
    set_status3(joined(load_string(wsid::kDrag), " ", shown_name(o)));
    if (is_movable_point(t, picked) || o.type == otype::kText || o.cls == oclass::kButton) {
        t.placing() = 0;
        t.recompute() = 1;
        t.state_label_style() = 0;
        t.dragged_index() = picked;
        draw_action(1);
    } else {
        // Named, but not dragged: the moves that follow do nothing.
        t.picked_index() = 0;
    }
}

void Dchild::start_name_move()
{
    ObjectTable& t = objects();
    const int picked = pick_nearest(diagram, mouse_point(t), 0);
    if (picked <= 0 || t[picked].type == otype::kText)
        return;
    draw_action(1);
    set_status3(joined(load_string(wsid::kNameOf), " ", t[picked].name_view()));
    t.placing() = 0;
    t.recompute() = 0;
    t.dragged_index() = 1;
    draw_point_name(diagram, *mouse_dc_, picked, kWhite);
    Dpoint& o = t[picked];
    const DevPoint mouse = mouse_point(t);
    o.name_dx = name_offset(mouse.x, p_to_dev(t, o.x));
    o.name_dy = name_offset(mouse.y, p_to_dev(t, o.y));
    draw_point_name(diagram, *mouse_dc_, picked, o.colour);
}

void Dchild::choose_rotation_centre()
{
    ObjectTable& t = objects();
    Dpoint& centre = t[rec::kAnimation];
    set_position(centre, t.mouse_x(), t.mouse_y());
    const int picked = pick_nearest(diagram, mouse_point(t), 1);
    if (picked > 0 && p_dist(t, picked, rec::kAnimation) < kSnapDistance)
        set_position(centre, t[picked].x, t[picked].y);
    draw_dot(diagram, *mouse_dc_, rec::kAnimation, kRed);
    set_status1(load_string(wsid::kRotatePrompt));
    t.action_state() = astate::kRotating;
}

void Dchild::choose_resize_reference()
{
    ObjectTable& t = objects();
    const int picked = pick_nearest(diagram, mouse_point(t), 1);
    if (picked <= 0)
        return;
    draw_dot(diagram, *mouse_dc_, picked, kRed);
    scratch().arg[0] = picked;
    set_status1(load_string(wsid::kResizeDragPrompt));
    set_status3(load_string(wsid::kChangeSizeTitle));
    t.action_state() = astate::kResizing;
}

void Dchild::start_resize()
{
    ObjectTable& t = objects();
    t.placing() = 0;
    t.recompute() = 0;
    t.dragged_index() = 1;
    const Dpoint& reference = t.get(scratch().arg[0]);
    set_position(scratch(), reference.x, reference.y);
    scratch().aux1.set_double(t.mouse_x());
    set_status1(load_string(wsid::kResizeDragPrompt));
    set_status3(load_string(wsid::kChangeSizeTitle));
    draw_action(1);
    t.pending_command() = 0;
}

void Dchild::step_through_click()
{
    ObjectTable& t = objects();
    t.placing() = 0;
    t.recompute() = 0;
    paint_one_object(diagram, *mouse_dc_, step_cursor);
    ++step_cursor;
    if (step_cursor >= t.record_count()) {
        draw_action(0);
        t.command_lock() = 1;
        update_toolbox();
    } else {
        set_status1(load_string(wsid::kStepPrompt) + services_.obj_text(*this, 1, step_cursor));
    }
}

void Dchild::start_mirror_line()
{
    ObjectTable& t = objects();
    t.placing() = 0;
    t.recompute() = 0;
    t.dragged_index() = 1;
    Dpoint& anchor = t[rec::kAnimation];
    const int picked = pick_nearest(diagram, mouse_point(t), 0);
    if (picked > 0 && p_dist(t, picked, rec::kState) < kSnapDistance)
        set_position(anchor, t[picked].x, t[picked].y);
    else
        set_position(anchor, t.mouse_x(), t.mouse_y());
    set_position(t[rec::kMouse13], anchor.x + kMirrorLineLength, anchor.y);
}

void Dchild::add_to_hide_list()
{
    ObjectTable& t = objects();
    const int picked = pick_nearest(diagram, mouse_point(t), 0);
    if (picked <= 0)
        return;
    // The button placed last collects the list; anything else there has none.
    Dpoint& button = t[t.count() - 1];
    if (button.type != otype::kHideButton)
        return;
    const std::size_t used = button.hide_entries();
    for (std::size_t e = 0; e < used; ++e)
        if (button.hide_list[e] == picked)
            return;
    button.add_hide_entry(picked);
}
