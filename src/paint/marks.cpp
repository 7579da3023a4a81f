#include "paint/marks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/derived_points.h"
#include "model/device_mapping.h"
#include "model/intersections.h"
#include "model/numeric.h"
#include "model/on_curve.h"
#include "model/primitives.h"
#include "paint/feedback.h"
#include "paint/hit_test.h"
#include "paint/paint_support.h"
#include "paint/points_draw.h"

using paint_support::dev_pos;
using paint_support::is_unplaced;

namespace {

// Segment-length mark.
constexpr double kDimensionDistance = 10.0;
constexpr double kTickNear = 6.0;

// Angle marks.
constexpr double kSmallestRadius = 2.0;
constexpr double kRightAngleDot = 0.5;
constexpr double kSmallestAngle = 1.0;
constexpr double kLabelBeyondArc = 8.0;
constexpr int kAnglePenWidth = 2;

// Arrows.
constexpr int kLongestHead = 8;
constexpr long double kBarbFactor = 0.4L;

void put(ObjectTable& t, int r, double x, double y)
{
    t[r].x = x;
    t[r].y = y;
}

// Label offset (world units) of an angle mark by the bisector's direction.
struct Offset {
    int ox, oy;
};
Offset angle_label_offset(int delta)
{
    if (delta > 0 && delta < 45)
        return {-1, -4};
    if (delta >= 45 && delta < 135)
        return {-2, -3};
    if (delta > 135 && delta <= 225)
        return {-1, -2};
    if (delta > 225 && delta < 315)
        return {0, 5};
    if (delta > 315 && delta < 360)
        return {0, -5};
    return {0, 0};
}

// The head of an arrow at `tip`, its barbs pointing back toward `tail`,
// h units long; records 1 to 3.
void arrow_head(Diagram& d, DeviceContext& dc, int tip, int tail, int h)
{
    ObjectTable& t = d.table;
    const double across = static_cast<double>(kBarbFactor * h);
    cal_pline_dist(t, 1, tail, tail, tip, tip, h, tail);
    cal_tline_dist(t, 2, 1, tail, tip, 1, across, tail);
    cal_reflection(t, 3, 2, tail, tip);
    draw_segment(d, dc, tip, 2);
    draw_segment(d, dc, tip, 3);
}

}  // namespace

void draw_segment_mark(Diagram& d, DeviceContext* dc, int mode, int i, int a, int b,
                       DevPoint mouse)
{
    ObjectTable& t = d.table;
    if (is_unplaced(t, a) || is_unplaced(t, b))
        return;
    // Record 1 gives the side: a->b turned a quarter turn counter-clockwise.
    cal_square_pos(t, 1, a, b);
    cal_tline_dist(t, 2, a, a, b, a, kDimensionDistance, 1);
    cal_tline_dist(t, 3, a, a, b, a, kTickNear, 1);
    put(t, 4, 2.0 * t.get(2).x - t.get(3).x, 2.0 * t.get(2).y - t.get(3).y);
    // The same three distances at b: parallels to ab meet the perpendicular at b.
    cal_inter_ll(t, 5, 2, a, b, b, a, 1);
    cal_inter_ll(t, 6, 3, a, b, b, a, 1);
    cal_inter_ll(t, 7, 4, a, b, b, a, 1);

    if (mode == kPickMode) {
        put(t, 8, mouse.x, mouse.y);
        cal_inter_lt(t, 9, 2, 2, 5, 8, 2, 5);
        if (p_dist(t, 8, 9) < kMarkPickDistance && foot_between(t, 9, 2, 5, true))
            t.picked_index() = i;
        return;
    }
    if (!dc)
        return;
    draw_segment(d, *dc, 2, 5);
    if (mode < 0) {
        draw_marker2(d, *dc, 2, 5);
    } else {
        draw_segment(d, *dc, 3, 4);
        draw_segment(d, *dc, 6, 7);
    }
    if (i != 0 && t.get(i).name_shown) {
        const Dpoint& p2 = t.get(2);
        const Dpoint& p5 = t.get(5);
        const Dpoint& pa = t.get(a);
        // The middle of the dimension line, a further 10 units outward.
        const double ax = (p2.x + p5.x) * 0.5 + (p2.x - pa.x);
        const double ay = (p2.y + p5.y) * 0.5 + (p2.y - pa.y);
        const Dpoint& mark = t.get(i);
        draw_label(d, *dc, p_to_dev(t, ax) - 2, p_to_dev(t, ay), mark.name_view(), mark.colour, 1);
    }
}

void draw_mark(Diagram& d, DeviceContext* dc, int mode, int i, int v, int p, int q,
               DevPoint mouse)
{
    ObjectTable& t = d.table;
    const Dpoint& mark = t.get(i);
    const int type = mark.type;

    // The radius in world units; the arc's radius is it mapped as a length,
    // and every construction point stays in world units, so the mark keeps
    // its proportions on paper.
    int r = 5 * mark.size + 5;
    const int shorter_arm = std::min(trunc_to_int(p_dist(t, v, p), kDeviceLimit),
                                     trunc_to_int(p_dist(t, v, q), kDeviceLimit));
    r = std::min(r, shorter_arm);
    const int radius = p_to_dev(t, r, kLengthMode);
    if (r < kSmallestRadius)
        return;
    if (is_unplaced(t, p) || is_unplaced(t, q) || is_unplaced(t, v))
        return;

    cal_pline_dist(t, 1, v, v, p, v, r, p);
    cal_pline_dist(t, 2, v, v, q, v, r, q);
    const Dpoint& pv = t.get(v);
    const double dot =
        (t.get(p).x - pv.x) * (t.get(q).x - pv.x) + (t.get(p).y - pv.y) * (t.get(q).y - pv.y);
    const bool right_angle = std::fabs(dot) < kRightAngleDot;
    if (right_angle) {
        cal_midpoint(t, 4, v, 1);
        cal_midpoint(t, 5, v, 2);
        cal_inter_ll(t, 3, 4, v, q, 5, v, p);
    }

    const double alpha_p = p_angle(t, v, 1);
    const double alpha_q = p_angle(t, v, 2);
    const double diff = alpha_q - alpha_p;
    if (std::fabs(diff) < kSmallestAngle || std::fabs(diff - 360.0) < kSmallestAngle ||
        std::fabs(diff + 360.0) < kSmallestAngle)
        return;
    // Counter-clockwise from the start arm to the end arm sweeps at most 180 degrees.
    const double dd = alpha_p - alpha_q;
    const bool q_first = (dd > 0.0 && dd <= 180.0) || dd < -180.0;
    const int start = q_first ? q : p;
    const int end = q_first ? p : q;
    const int start_rec = q_first ? 2 : 1;

    const DevPoint cv = dev_pos(t, v);
    const DevPoint s = dev_pos(t, start);
    const DevPoint e = dev_pos(t, end);
    const int left = cv.x - radius, top = cv.y - radius;
    const int right = cv.x + radius, bottom = cv.y + radius;

    if (mode < 0) {
        if (dc)
            dc->pie(left, top, right, bottom, s.x, s.y, e.x, e.y);
        return;
    }
    if (mode == kPickMode) {
        constexpr int kMouse = 6, kFoot = 7;
        put(t, kMouse, mouse.x, mouse.y);
        const double from_vertex = std::sqrt(dist_mouse2(mouse.x, mouse.y, pv.x, pv.y));
        bool hit = false;
        if (type == otype::kFilledAngleMark && right_angle) {
            const double s1 = area3(t, kMouse, v, 4), s2 = area3(t, kMouse, 4, 3);
            const double s3 = area3(t, kMouse, 3, 5), s4 = area3(t, kMouse, 5, v);
            hit = (s1 > 0.0 && s2 > 0.0 && s3 > 0.0 && s4 > 0.0) ||
                  (s1 < 0.0 && s2 < 0.0 && s3 < 0.0 && s4 < 0.0);
        } else if (type == otype::kFilledAngleMark) {
            hit = from_vertex < r && in_arc_range(d, mouse.x, mouse.y, v, start, end) == 1;
        } else if (right_angle) {
            for (int side_end : {5, 4}) {
                cal_inter_lt(t, kFoot, 3, 3, side_end, kMouse, 3, side_end);
                if (p_dist(t, kMouse, kFoot) < kMarkPickDistance &&
                    foot_between(t, kFoot, 3, side_end, true))
                    hit = true;
            }
        } else {
            hit = std::fabs(from_vertex - r) < kMarkPickDistance &&
                  in_arc_range(d, mouse.x, mouse.y, v, start, end) == 1;
        }
        if (hit)
            t.picked_index() = i;
        return;
    }
    if (!dc)
        return;

    const Colour colour = mark.colour;
    const Pen previous_pen = dc->select_pen(Pen{colour, kAnglePenWidth, PenStyle::Solid});
    const Brush previous_brush = dc->brush();
    if (type == otype::kFilledAngleMark) {
        // Masked, so that lines under the fill stay visible.
        const Rop2 previous_rop = dc->set_rop2(Rop2::Mask);
        dc->select_brush(solid_brush(colour));
        if (right_angle) {
            const std::array<DevPoint, 4> square{cv, dev_pos(t, 4), dev_pos(t, 3), dev_pos(t, 5)};
            dc->polygon(square);
        } else {
            dc->pie(left, top, right, bottom, s.x, s.y, e.x, e.y);
        }
        dc->set_rop2(previous_rop);
    } else if (right_angle) {
        const DevPoint c3 = dev_pos(t, 3), c4 = dev_pos(t, 4), c5 = dev_pos(t, 5);
        dc->move_to(c4.x, c4.y);
        dc->line_to(c3.x, c3.y);
        dc->move_to(c5.x, c5.y);
        dc->line_to(c3.x, c3.y);
        dc->ellipse(c3.x - 1, c3.y - 1, c3.x + 1, c3.y + 1);
    } else {
        dc->arc(left, top, right, bottom, s.x, s.y, e.x, e.y);
    }

    if (mark.name_shown) {
        // A point of the bisector; for a straight angle the bisector is the
        // start arm turned a quarter turn toward the swept side.
        cal_midpoint(t, 3, 1, 2);
        if (p_dist2(t, 3, v) < 1e-12)
            cal_square_pos(t, 3, v, start_rec);
        cal_pline_dist(t, 5, v, v, 3, v, r + kLabelBeyondArc, 3);
        const Offset off = angle_label_offset(static_cast<int>(p_angle(t, v, 3)));
        draw_label(d, *dc, p_to_dev(t, t.get(5).x + off.ox), p_to_dev(t, t.get(5).y + off.oy),
                   mark.name_view(), colour, 1);
    }
    dc->select_pen(previous_pen);
    dc->select_brush(previous_brush);
}

void draw_length_mark(Diagram& d, DeviceContext& dc, int /*mode*/, int i, int a, int b, int type,
                      Colour colour)
{
    ObjectTable& t = d.table;
    const int length = trunc_to_int(p_dist(t, a, b), kDeviceLimit);
    if (is_unplaced(t, b) || is_unplaced(t, a))
        return;
    const int h = std::min(length / 2, kLongestHead);

    draw_segment(d, dc, b, a);
    if (h > 0) {
        const Pen previous = dc.select_pen(Pen{colour, 1, PenStyle::Solid});
        arrow_head(d, dc, b, a, h);
        if (type == otype::kTwoWayArrow)
            arrow_head(d, dc, a, b, h);
        dc.select_pen(previous);
    }

    if (i != 0 && t.get(i).type == otype::kRadiusMark && t.get(i).name_shown) {
        const double mx = (t.get(a).x + t.get(b).x) * 0.5;
        const double my = (t.get(a).y + t.get(b).y) * 0.5;
        draw_label(d, dc, p_to_dev(t, mx), p_to_dev(t, my), t.get(i).name_view(),
                   t.font_colour(), 1);
    }
}
