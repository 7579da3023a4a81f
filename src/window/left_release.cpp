// The left-button release: fires a pressed diagram button and finishes what
// the press began (mirror, clipboard rectangle, self-drawn trace, a segment or
// circle dragged out of its first point), then gives the mouse back.

#include "window/dchild.h"

#include <QImage>

#include <algorithm>

#include "animate/animator.h"
#include "model/adding.h"
#include "model/derived_points.h"
#include "model/device_mapping.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/buttons.h"
#include "paint/clip_copy.h"
#include "paint/conics.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/drawing_services.h"
#include "window/figure_transforms.h"
#include "window/mouse_support.h"
#include "window/status_panes.h"
#include "window/ui_services.h"
#include "window/window_strings.h"

using namespace mouse_support;

namespace {

constexpr double kSnapDistance = 10.0;
// A clipboard picture larger than this on either side is cut to it.
constexpr int kMaxClipSide = 8192;

}  // namespace

void Dchild::EvLButtonUp(DevPoint point)
{
    left_release(point);
    // Also when a key step or a dialog has ended the operation already: what
    // the drag changed before counts.
    mark_if_changed_since_press();
    press_fingerprint_.reset();
}

void Dchild::left_release(DevPoint point)
{
    ObjectTable& t = objects();
    if (t.action_state() == astate::kAnimation)
        return;

    if (t.button_down() != 0) {
        if (const int k = button_hit(diagram, 0, 0); k != 0) {
            t.button_down() = 0;
            if (mouse_dc_)
                draw_button(diagram, *mouse_dc_, k, kButtonNormal);
            draw_action(4);
            button_hit(diagram, 1, k);
            return;
        }
    }
    if (!mouse_dc_)
        return;

    switch (t.action_state()) {
    case cmd::kDragPoint:
    case cmd::kTranslate:
    case cmd::kResize:
    case astate::kRotating:
        if (t.outer_mode() == cmd::kDrawStatement)
            t.action_state() = cmd::kDrawStatement;
        break;
    case cmd::kMoveName:
        if (const int k = t.picked_index(); k > 0) {
            set_status3(t[k].type == otype::kText ? std::string() : load_string(wsid::kNameTitle));
            if (t.outer_mode() == cmd::kDrawStatement)
                t.action_state() = cmd::kDrawStatement;
        }
        break;
    case astate::kUnitRuler:
        draw_action(0);
        break;
    case cmd::kMirror:
        mirror_current_block();
        break;
    case anim_mode::kSelfTrace:
        services_.trace_mouse(*this, 3, point);
        break;
    case cmd::kCopyToClipboard:
        copy_rectangle_to_clipboard();
        break;
    case astate::kFirstPick + 1:  // a segment or circle dragged out of its first point
        finish_dragged_element(point);
        break;
    default:
        break;
    }
    draw_action(2);
    draw_action(4);
}

void Dchild::mirror_current_block()
{
    ObjectTable& t = objects();
    const int count = t.count();
    for (int i = rec::kFirstObject; i < count; ++i)
        if (t[i].cls == oclass::kPoint && in_move_scope(t, t[i]))
            cal_reflection(t, i, i, rec::kAnimation, rec::kMouse13);
    invalidate(true);
}

void Dchild::copy_rectangle_to_clipboard()
{
    ObjectTable& t = objects();
    draw_action(2);
    const Dpoint& a = t.get(rec::kAnimation);
    const Dpoint& b = t.get(rec::kMouse13);
    const int left = trunc_to_int(std::min(a.x, b.x), kDeviceLimit);
    const int right = trunc_to_int(std::max(a.x, b.x), kDeviceLimit);
    const int top = trunc_to_int(std::min(a.y, b.y), kDeviceLimit);
    const int bottom = trunc_to_int(std::max(a.y, b.y), kDeviceLimit);
    const int width = std::min(right - left, kMaxClipSide);
    const int height = std::min(bottom - top, kMaxClipSide);

    // An empty rectangle gives no picture; the command still ends.
    if (width > 0 && height > 0) {
        Surface picture(width, height, kWhite);
        ImageDC dc(picture);
        dc.set_bk_mode(BkMode::Transparent);
        g_clip_copy = 1;
        // The picture's origin is the rectangle's top left corner.
        shift_objects(diagram, -left, -top, MovedClasses::PointsTextsButtons);
        shift_loci(diagram, -left, -top);
        paint_diagram(diagram, dc, 1);
        if (ui_.clipboard)
            ui_.clipboard->put_image(picture.image());
        shift_objects(diagram, left, top, MovedClasses::PointsTextsButtons);
        shift_loci(diagram, left, top);
        // The samples were taken from the shifted points.
        const int count = t.count();
        for (int i = rec::kFirstObject; i < count; ++i)
            if (otype::is_conic(t[i].type))
                conic_points(diagram, i);
    }
    invalidate(true);
    g_clip_copy = 0;
    t.action_state() = 0;
}

void Dchild::finish_dragged_element(DevPoint release)
{
    ObjectTable& t = objects();
    const int command = t.pending_command();
    const int first = scratch().arg[0];
    if ((command != otype::kSegment && command != otype::kCircle) ||
        !(p_dist(t, first, rec::kState) > kSnapDistance))
        return;

    Dpoint work = scratch();
    t.picked_index() = rec::kFirstObject;
    set_position(t[rec::kSettings1], release.x, release.y);
    t.record_count() = t.count();

    // The point nearest to the release, among the placed points.
    int nearest = 0;
    for (int i = rec::kFirstObject; i < t.record_count(); ++i) {
        const Dpoint& o = t[i];
        if (o.cls != oclass::kPoint)
            continue;
        if (p_to_dev(t, o.x) == 0 && p_to_dev(t, o.y) == 0)
            continue;
        if (nearest == 0 ||
            p_dist(t, i, rec::kSettings1) < p_dist(t, nearest, rec::kSettings1))
            nearest = i;
    }

    int end = 0;
    if (nearest != 0 && p_dist(t, nearest, rec::kState) < kSnapDistance) {
        end = nearest;
        // Wipe the rubber line; the new element is drawn over it.
        const Pen old = mouse_dc_->select_pen(kWhitePen);
        draw_segment(diagram, *mouse_dc_, first, rec::kState);
        mouse_dc_->select_pen(old);
    } else {
        // A free point at the release, without the element's parents.
        Dpoint free_point = work;
        free_point.type = otype::kFreePoint;
        free_point.arg.fill(0);
        set_position(free_point, t.mouse_x(), t.mouse_y());
        add_point(diagram, kAddPoint, free_point);
        end = t.new_index();
    }

    if (t.outer_mode() == astate::kAnimation)
        work.colour = kGreen;
    const int element = command == otype::kSegment ? add_segment(diagram, 0, first, end, work)
                                                   : add_circle(diagram, 0, first, end, work);
    t.action_state() = astate::kFirstPick;

    if (t.outer_mode() == astate::kAnimation) {
        const int k = t.current_driver();
        if (element != 0 && k >= 0 && k < kMaxDrivers)
            t.driver_path(k) = element;
        draw_action(0);
    } else {
        services_.cons_step(*this, 0, nullptr, 0);
    }
}
