// Mouse moves: live feedback of the running mouse operation, or, when none
// runs, a word about the object under the cursor in status pane 2.

#include "window/dchild.h"

#include <cmath>
#include <string>

#include "animate/animator.h"
#include "model/device_mapping.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/feedback.h"
#include "paint/hit_test.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/drawing_services.h"
#include "window/figure_transforms.h"
#include "window/mouse_support.h"
#include "window/move_point.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

using namespace mouse_support;

namespace {

constexpr int kRulerBottom = 22;
constexpr int kRulerHintLeft = 65;
constexpr double kRulerHintEnd = 60.0;  // the hint ends at 2 units past this x
constexpr double kRulerOrigin = 55.55;

void set_position(Dpoint& r, DevPoint p)
{
    r.x = p.x;
    r.y = p.y;
}

}  // namespace

void Dchild::EvMouseMove(DevPoint point)
{
    if (!mouse_dc_) {
        hover(point);
        return;
    }
    if (objects().leave_trace() == 0)
        clear_off_screen();
    move_feedback(point);
}

void Dchild::clear_off_screen()
{
    if (mem_dc_)
        mem_dc_->fill_rect(DevRect{0, 0, off_surface_.width(), off_surface_.height()}, kWhiteBrush);
}

void Dchild::show_off_screen()
{
    if (!mouse_dc_ || !mem_dc_)
        return;
    const int w = std::min(surface_.width(), off_surface_.width());
    const int h = std::min(surface_.height(), off_surface_.height());
    mouse_dc_->bit_blt(0, 0, w, h, *mem_dc_, 0, 0, BlitOp::Copy);
    update();
}

void Dchild::move_feedback(DevPoint point)
{
    ObjectTable& t = objects();
    // The off-screen modes need their image; a key step may have taken it.
    const auto off_screen = [this]() -> DeviceContext* { return mem_dc_.get(); };

    switch (t.action_state()) {
    case cmd::kDragPoint:
        if (t.picked_index() > 0 && off_screen()) {
            set_position(t[rec::kState], point);
            t.drag_moved() = 1;
            move_point(diagram, *mem_dc_, 1);
            show_off_screen();
        }
        break;
    case cmd::kMoveName: {
        const int k = t.picked_index();
        if (k > 0 && t[k].type != otype::kText && off_screen()) {
            Dpoint& o = t[k];
            o.name_dx = name_offset(point.x, p_to_dev(t, o.x));
            o.name_dy = name_offset(point.y, p_to_dev(t, o.y));
            paint_diagram(diagram, *mem_dc_, 1);
            show_off_screen();
        }
        break;
    }
    case cmd::kTranslate:
        if (off_screen()) {
            Dpoint& anchor = t[rec::kAnimation];
            const double dx = point.x - anchor.x;
            const double dy = point.y - anchor.y;
            shift_objects(diagram, dx, dy, MovedClasses::PointsTextsButtons);
            shift_loci(diagram, dx, dy);
            set_position(anchor, point);
            paint_diagram(diagram, *mem_dc_, 1);
            show_off_screen();
        }
        break;
    case astate::kRotating:
        if (t.pending_command() == 0 && off_screen()) {
            t.drag_moved() = 1;
            set_position(t[rec::kState], point);
            const double angle = std::atan(p_tan_angle(t, rec::kMouse13, rec::kAnimation, rec::kState));
            rotate_diagram(*mem_dc_, angle);
            set_position(t[rec::kMouse13], point);
            show_off_screen();
        }
        break;
    case astate::kResizing:
        if (t.pending_command() == 0 && off_screen()) {
            t.drag_moved() = 1;
            set_position(t[rec::kState], point);
            Dpoint& s = scratch();
            const double f = resize_factor(point.x, s.aux1.as_double());
            s.aux1.set_double(point.x);
            scale_about(diagram, f, s.arg[0], WorldPoint{s.x, s.y}, MovedClasses::PointsTexts, true);
            paint_diagram(diagram, *mem_dc_, 1);
            show_off_screen();
        }
        break;
    case cmd::kMirror: {
        const Pen old = mouse_dc_->select_pen(kWhitePen);
        draw_segment(diagram, *mouse_dc_, rec::kAnimation, rec::kMouse13);
        set_position(t[rec::kMouse13], point);
        mouse_dc_->select_pen(pens[2]);
        draw_segment(diagram, *mouse_dc_, rec::kAnimation, rec::kMouse13);
        mouse_dc_->select_pen(old);
        paint_diagram(diagram, *mouse_dc_, 1);
        update();
        break;
    }
    case astate::kUnitRuler:
        if (t.last_quantity() >= 0 && point.x > kRulerHintLeft && point.y < kRulerBottom && off_screen()) {
            const double unit = (point.x - kRulerOrigin) * 0.5;
            t.unit_length() = unit;
            t.static_unit() = unit;
            paint_diagram(diagram, *mem_dc_, 1);
            show_off_screen();
        }
        break;
    case astate::kFirstPick + 1: {  // the first end or the centre is picked
        const int command = t.pending_command();
        if (command != otype::kSegment && command != otype::kCircle)
            break;
        const int first = scratch().arg[0];
        const auto band = [&] {
            if (command == otype::kSegment)
                draw_segment(diagram, *mouse_dc_, first, rec::kState);
            else
                draw_arc_cpq(diagram, *mouse_dc_, first, rec::kState, rec::kState);
        };
        const Pen old = mouse_dc_->select_pen(kWhitePen);
        band();
        set_position(t[rec::kState], point);
        mouse_dc_->select_pen(pens[2]);
        band();
        mouse_dc_->select_pen(old);
        t.placing() = 0;
        t.recompute() = 0;
        t.state_label_style() = 0;
        t.dragged_index() = 1;
        paint_diagram(diagram, *mouse_dc_, 1);
        update();
        break;
    }
    case anim_mode::kSelfTrace:
        services_.trace_mouse(*this, 2, point);
        break;
    case cmd::kCopyToClipboard:
        if (off_screen()) {
            Dpoint& corner = t[rec::kMouse13];
            set_position(corner, point);
            paint_diagram(diagram, *mem_dc_, 1);
            const Pen old_pen = mem_dc_->select_pen(pens[2]);
            const Brush old_brush = mem_dc_->select_brush(kHollowBrush);
            const Dpoint& anchor = t.get(rec::kAnimation);
            const int ax = p_to_dev(t, anchor.x);
            const int ay = p_to_dev(t, anchor.y);
            mem_dc_->rectangle(std::min(ax, point.x), std::min(ay, point.y), std::max(ax, point.x),
                               std::max(ay, point.y));
            mem_dc_->select_pen(old_pen);
            mem_dc_->select_brush(old_brush);
            show_off_screen();
        }
        break;
    default:
        break;
    }
}

void Dchild::hover(DevPoint point)
{
    ObjectTable& t = objects();
    const int k = pick_nearest(diagram, point, 0);
    if (t.last_quantity() >= 0 && point.x > kRulerHintLeft &&
        point.x < 2.0 * t.unit_length() + kRulerHintEnd && point.y < kRulerBottom)
        set_status1(load_string(wsid::kUnitHint));
    if (k <= 0) {
        set_status2("");
        return;
    }
    const Dpoint& o = t[k];
    std::string text;
    if (o.type == otype::kFreePoint)
        text = joined(std::string(o.name_view()), ": ", load_string(wsid::kFreePointWord));
    else if (o.type >= otype::kOnLine && o.type <= otype::kOnRcircle)
        text = joined(std::string(o.name_view()), ": ", load_string(wsid::kSemiFreePointWord));
    else if (o.type == otype::kText)
        text = joined(load_string(wsid::kTextLabel), ": ", o.text_view());
    else if (o.cls == oclass::kButton)
        text = load_string(wsid::kButtonWord);
    else if (o.cls == oclass::kPoint)
        text = joined(std::string(o.name_view()), ": ", load_string(wsid::kFixedPointWord));
    else
        text = services_.obj_text(*this, 1, k);
    set_status2(text);
}
