#include "paint/draw_objects.h"

#include <cmath>
#include <vector>

#include "model/derived_points.h"
#include "model/device_mapping.h"
#include "model/intersections.h"
#include "model/on_curve.h"
#include "model/primitives.h"
#include "paint/clip_copy.h"
#include "paint/conics.h"
#include "paint/feedback.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint/paint_support.h"
#include "paint/points_draw.h"

namespace {

constexpr int kCircleCentre = 1;   // scratch record of three-point circles and ticks
constexpr long double kTwelfth = 1.0L / 12.0L;
constexpr double kTickHalf = 3.0;

// Action states in which the diagram is being transformed as a whole, so a
// conic's parents move without a recompute.
bool transforming(int action_state)
{
    switch (action_state) {
    case cmd::kTranslate:
    case astate::kRotating:
    case astate::kResizing:
    case cmd::kMirror:
    case cmd::kRotateByPickedAngle:
    case cmd::kRotateByTypedAngle:
        return true;
    default:
        return false;
    }
}

void draw_conic(Diagram& d, DeviceContext& dc, int i)
{
    ObjectTable& t = d.table;
    if (g_clip_copy || t.recompute() || transforming(t.action_state()) || t.get(i).samples.empty())
        conic_points(d, i);
    for (const WorldPoint& s : t.get(i).samples)
        dc.ellipse(p_to_dev(t, s.x - 1), p_to_dev(t, s.y - 1), p_to_dev(t, s.x + 1),
                   p_to_dev(t, s.y + 1));
}

// The arc through a, b and c; two segments when they lie on one line.
void draw_arc3(Diagram& d, DeviceContext& dc, int a, int b, int c)
{
    ObjectTable& t = d.table;
    if (std::fabs(area3(t, a, b, c)) < kCollinearArea) {
        draw_segment(d, dc, a, b);
        draw_segment(d, dc, b, c);
        return;
    }
    cal_circumcenter(t, kCircleCentre, a, b, a, c);
    const int da = static_cast<int>(p_angle(t, kCircleCentre, a));
    const int db = static_cast<int>(p_angle(t, kCircleCentre, b));
    const int dc_ = static_cast<int>(p_angle(t, kCircleCentre, c));
    // p has the smaller direction, q the larger.
    const bool c_first = da > dc_;
    const int p = c_first ? c : a;
    const int q = c_first ? a : c;
    const int dp = c_first ? dc_ : da;
    const int dq = c_first ? da : dc_;
    if (dp < db && db < dq)
        draw_arc_cpq(d, dc, kCircleCentre, p, q);
    else
        draw_arc_cpq(d, dc, kCircleCentre, q, p);
}

// Eleven ticks 6 units long across ab, dividing it into twelve parts.
void draw_marked_segment(Diagram& d, DeviceContext& dc, int a, int b)
{
    ObjectTable& t = d.table;
    for (int k = 1; k <= 11; ++k) {
        const long double f = k * kTwelfth;
        const Dpoint& pa = t.get(a);
        const Dpoint& pb = t.get(b);
        t[kCircleCentre].x = static_cast<double>(pa.x + f * (pb.x - pa.x));
        t[kCircleCentre].y = static_cast<double>(pa.y + f * (pb.y - pa.y));
        cal_tline_dist(t, 2, kCircleCentre, a, b, kCircleCentre, kTickHalf, a);
        cal_reflection(t, 3, 2, a, b);
        draw_segment(d, dc, 2, 3);
    }
}

// An open line through the listed points; nothing when one of them is missing.
void draw_polyline(Diagram& d, DeviceContext& dc, const Dpoint& object)
{
    ObjectTable& t = d.table;
    std::vector<DevPoint> points;
    points.reserve(object.polyline.size());
    for (int k : object.polyline) {
        if (!t.contains(k) || paint_support::is_unplaced(t, k))
            return;
        points.push_back(paint_support::dev_pos(t, k));
    }
    if (points.size() >= 2)
        dc.polyline(points);
}

}  // namespace

Pen line_object_pen(ObjectTable& t, const Dpoint& object)
{
    const Colour colour = paint_support::block_highlighted(t, object) ? kRed : object.colour;
    const PenStyle style = pen_style_from_int(object.pen_style);
    const int width =
        style == PenStyle::Solid && is_print_mode(t) ? 2 * object.size + 4 : object.size;
    return Pen{colour, width, style};
}

int draw_line_obj(Diagram& d, DeviceContext& dc, int i)
{
    ObjectTable& t = d.table;
    if (t.get(i).shown == 0)
        return 0;
    const Dpoint& object = t.get(i);
    const int a = object.arg[0], b = object.arg[1], c = object.arg[2];
    const Pen previous_pen = dc.select_pen(line_object_pen(t, object));
    const Brush previous_brush = dc.brush();

    switch (object.type) {
    case otype::kSegment:
        draw_segment(d, dc, a, b);
        break;
    case otype::kCircle:
        draw_arc_cpq(d, dc, a, b, b);
        break;
    case otype::kOneWayArrow:
    case otype::kTwoWayArrow:
        draw_length_mark(d, dc, -1, i, a, b, object.type, object.colour);
        break;
    case otype::kArc:
        draw_arc_cpq(d, dc, a, b, c);
        break;
    case otype::kThreePointCircle:
        // Three points on one line have no circle through them.
        if (std::fabs(area3(t, a, b, c)) >= kCollinearArea) {
            cal_circumcenter(t, kCircleCentre, a, b, a, c);
            draw_arc_cpq(d, dc, kCircleCentre, a, a);
        }
        break;
    case otype::kEllipse:
    case otype::kHyperbola:
    case otype::kParabola:
        draw_conic(d, dc, i);
        break;
    case otype::kThreePointArc:
        draw_arc3(d, dc, a, b, c);
        break;
    case otype::kMarkedSegment:
        draw_marked_segment(d, dc, a, b);
        break;
    case otype::kPolyline:
        draw_polyline(d, dc, object);
        break;
    default:
        break;
    }

    dc.select_brush(previous_brush);
    dc.select_pen(previous_pen);
    return 1;
}

int draw_mark_obj(Diagram& d, DeviceContext& dc, int i)
{
    ObjectTable& t = d.table;
    if (t.get(i).shown == 0)
        return 0;
    const Dpoint& object = t.get(i);
    const int a = object.arg[0], b = object.arg[1], c = object.arg[2];
    const PenStyle style = object.pen_style == 0 ? PenStyle::Solid : pen_style_from_int(object.pen_style);
    const Pen previous = dc.select_pen(Pen{object.colour, 1, style});
    switch (object.type) {
    case otype::kSegmentMark:
        draw_segment_mark(d, &dc, 1, i, a, b);
        break;
    case otype::kAngleMark:
    case otype::kFilledAngleMark:
        draw_mark(d, &dc, 1, i, b, c, a);
        break;
    case otype::kRadiusMark:
        draw_length_mark(d, dc, 1, i, a, b, object.type, object.colour);
        break;
    default:
        draw_fill(d, dc, i, 1);
        break;
    }
    dc.select_pen(previous);
    return 1;
}
