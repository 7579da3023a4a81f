#include "paint/feedback.h"

#include <cmath>

#include "model/device_mapping.h"
#include "model/numeric.h"
#include "model/primitives.h"
#include "paint/paint_support.h"

using paint_support::dev_pos;
using paint_support::is_unplaced;
using paint_support::PenSelection;

namespace {

// A circle of radius r around (x, y) as an arc whose ends meet at its leftmost point.
void small_circle(DeviceContext& dc, int x, int y, int r)
{
    dc.arc(x - r, y - r, x + r, y + r, x - r, y, x - r, y);
}

Pen rubber_pen(int on) { return on ? kRubberPen : kWhitePen; }

struct Crossings {
    double y_at_0, y_at_e, x_at_0, x_at_e;
};

// Where the line through (ax, ay) with direction (dx, dy) crosses the edges
// x = 0, x = e, y = 0 and y = e; both components are non-zero here.
Crossings crossings(double ax, double ay, double dx, double dy, double e)
{
    return {ay + (0.0 - ax) * dy / dx, ay + (e - ax) * dy / dx, ax + (0.0 - ay) * dx / dy,
            ax + (e - ay) * dx / dy};
}

bool in_half_open(double v, double e) { return v >= 0.0 && v < e; }
bool in_closed(double v, double e) { return v >= 0.0 && v <= e; }

// Draws the part of the line inside the square 0..e chosen from its crossings:
// the start on the first edge that holds it, the end on the last.
void draw_across(Diagram& d, DeviceContext& dc, const Crossings& k, double e)
{
    const ObjectTable& t = d.table;
    const int edge = static_cast<int>(e);
    DevPoint start{0, 0};
    if (in_half_open(k.y_at_0, e))
        start = {0, p_to_dev(t, k.y_at_0)};
    else if (in_half_open(k.x_at_0, e))
        start = {p_to_dev(t, k.x_at_0), 0};
    else if (in_closed(k.x_at_e, e))
        start = {p_to_dev(t, k.x_at_e), edge};
    DevPoint end{edge, edge};
    if (in_closed(k.y_at_e, e))
        end = {edge, p_to_dev(t, k.y_at_e)};
    else if (in_closed(k.x_at_e, e))
        end = {p_to_dev(t, k.x_at_e), edge};
    else if (in_closed(k.x_at_0, e))
        end = {p_to_dev(t, k.x_at_0), 0};
    dc.move_to(start.x, start.y);
    dc.line_to(end.x, end.y);
}

}  // namespace

void draw_arc_cpq(Diagram& d, DeviceContext& dc, int c, int p, int q)
{
    ObjectTable& t = d.table;
    const double r = p_dist(t, c, p);
    const int radius = p_to_dev(t, r, kLengthMode);
    if (is_unplaced(t, c) || is_unplaced(t, p) || is_unplaced(t, q))
        return;
    const DevPoint cp = dev_pos(t, c);
    const DevPoint pp = dev_pos(t, p);
    const DevPoint qp = dev_pos(t, q);
    dc.set_bk_mode(BkMode::Transparent);
    const int left = cp.x - radius, top = cp.y - radius;
    const int right = cp.x + radius, bottom = cp.y + radius;
    if (is_print_mode(t)) {
        paint_support::BrushSelection hollow(dc, kHollowBrush);
        if (p == q)
            dc.ellipse(left, top, right, bottom);
        else
            dc.arc(left, top, right, bottom, pp.x, pp.y, qp.x, qp.y);
        return;
    }
    dc.arc(left, top, right, bottom, pp.x, pp.y, qp.x, qp.y);
}

void draw_arc_cd(Diagram& d, DeviceContext& mouse_dc, int on, int c, int p, int q)
{
    ObjectTable& t = d.table;
    const int radius = p_to_dev(t, p_dist(t, p, q), kLengthMode);
    const DevPoint cp = dev_pos(t, c);
    PenSelection pen(mouse_dc, rubber_pen(on));
    small_circle(mouse_dc, cp.x, cp.y, radius);
}

void draw_rubber_line(Diagram& d, DeviceContext& mouse_dc, int on, int a, int b, int c)
{
    constexpr double kEdge = 1300.0;
    const ObjectTable& t = d.table;
    const Dpoint& pa = t.get(a);
    const double dx = t.get(b).x - t.get(c).x;
    const double dy = t.get(b).y - t.get(c).y;
    PenSelection pen(mouse_dc, rubber_pen(on));
    const auto horizontal = [&] {
        const int y = trunc_to_int(pa.y, kDeviceLimit);
        mouse_dc.move_to(0, y);
        mouse_dc.line_to(1300, y);
    };
    if (c == 0) {
        horizontal();
        return;
    }
    if (std::fabs(dx) < 0.0001) {
        const int x = trunc_to_int(pa.x, kDeviceLimit);
        mouse_dc.move_to(x, 0);
        mouse_dc.line_to(x, 1300);
        return;
    }
    if (std::fabs(dy) < 0.0001) {
        horizontal();
        return;
    }
    draw_across(d, mouse_dc, crossings(pa.x, pa.y, dx, dy, kEdge), kEdge);
}

void draw_rubber_line2(Diagram& d, DeviceContext& mouse_dc, int on, int a, int b, int c)
{
    constexpr double kEdge = 1000.0;
    const ObjectTable& t = d.table;
    const Dpoint& pa = t.get(a);
    const double dx = t.get(b).x - t.get(c).x;
    const double dy = t.get(b).y - t.get(c).y;
    PenSelection pen(mouse_dc, rubber_pen(on));
    if (std::fabs(dx) < 0.0001) {
        const int y = p_to_dev(t, pa.y);
        mouse_dc.move_to(0, y);
        mouse_dc.line_to(1000, y);
        return;
    }
    if (std::fabs(dy) < 0.0001) {
        const int x = p_to_dev(t, pa.x);
        mouse_dc.move_to(x, 0);
        mouse_dc.line_to(x, 1000);
        return;
    }
    // The perpendicular to (dx, dy) runs along (-dy, dx).
    draw_across(d, mouse_dc, crossings(pa.x, pa.y, -dy, dx, kEdge), kEdge);
}

void draw_cross(Diagram& d, DeviceContext& dc, int i)
{
    const DevPoint p = dev_pos(d.table, i);
    dc.select_pen(kMarkerPen);
    if (p.x == 0 || p.y == 0)
        return;
    small_circle(dc, p.x, p.y, 5);
    dc.move_to(p.x - 5, p.y);
    dc.line_to(p.x + 5, p.y);
    dc.move_to(p.x, p.y - 5);
    dc.line_to(p.x, p.y + 5);
}

void draw_marker2(Diagram& d, DeviceContext& dc, int a, int b)
{
    const ObjectTable& t = d.table;
    if (is_unplaced(t, a) || is_unplaced(t, b))
        return;
    draw_cross(d, dc, a);
    draw_cross(d, dc, b);
    constexpr float kThird = 1.0f / 3.0f;
    constexpr float kTwoThirds = 2.0f / 3.0f;
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    const DevPoint near_b{trunc_to_int(pa.x * kThird + pb.x * kTwoThirds, kDeviceLimit),
                          trunc_to_int(pa.y * kThird + pb.y * kTwoThirds, kDeviceLimit)};
    const DevPoint near_a{trunc_to_int(pb.x * kThird + pa.x * kTwoThirds, kDeviceLimit),
                          trunc_to_int(pb.y * kThird + pa.y * kTwoThirds, kDeviceLimit)};
    small_circle(dc, near_b.x, near_b.y, 4);
    small_circle(dc, near_a.x, near_a.y, 4);
}

void draw_marker4(Diagram& d, DeviceContext& dc, int c, int p)
{
    const ObjectTable& t = d.table;
    if (is_unplaced(t, c) || is_unplaced(t, p))
        return;
    const DevPoint cp = dev_pos(t, c);
    const int r = trunc_to_int(p_dist(t, c, p), kDeviceLimit);
    dc.select_pen(kMarkerPen);
    small_circle(dc, cp.x + r, cp.y, 4);
    small_circle(dc, cp.x - r, cp.y, 4);
    small_circle(dc, cp.x, cp.y + r, 4);
    small_circle(dc, cp.x, cp.y - r, 4);
}
