#include "paint/hit_test.h"

#include <cmath>

#include "model/derived_points.h"
#include "model/intersections.h"
#include "model/primitives.h"
#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint/paint_support.h"

namespace {

// Scratch records of the search.
constexpr int kMouseRec = 1, kFootRec = 2, kMidRec = 3, kPickedMidRec = 4;

bool is_segment_like(int type)
{
    return type == otype::kSegment || type == otype::kOneWayArrow || type == otype::kTwoWayArrow ||
           type == otype::kMarkedSegment;
}

struct Search {
    Diagram& d;
    ObjectTable& t;
    DevPoint m;
    double tolerance2;
    double tolerance;
    int picked = 0;

    double mouse_dist2(int k) const { return dist_mouse2(m.x, m.y, t.get(k).x, t.get(k).y); }
    double mouse_dist(int k) const { return std::sqrt(mouse_dist2(k)); }
    void put_mouse(int r)
    {
        t[r].x = m.x;
        t[r].y = m.y;
    }

    // Segment from a to b of object k.
    void segment_rule(int k, int a, int b)
    {
        if (p_dist2(t, a, b) == 0.0)
            return;  // no line, no foot
        put_mouse(kMouseRec);
        cal_inter_lt(t, kFootRec, a, a, b, kMouseRec, a, b);
        const double d2 = dist_mouse2(m.x, m.y, t.get(kFootRec).x, t.get(kFootRec).y);
        if (!(d2 < tolerance2) || !foot_between(t, kFootRec, a, b, false))
            return;
        if (picked == 0) {
            picked = k;
            return;
        }
        const Dpoint& earlier = t.get(picked);
        if (!is_segment_like(earlier.type))
            return;  // a circle, arc, conic, fill or mark found earlier stays
        cal_midpoint(t, kMidRec, a, b);
        cal_midpoint(t, kPickedMidRec, earlier.arg[0], earlier.arg[1]);
        if (p_dist2(t, kFootRec, kMidRec) < p_dist2(t, kFootRec, kPickedMidRec))
            picked = k;
    }

    bool on_rim(int centre, int through) const
    {
        return std::fabs(mouse_dist(centre) - p_dist(t, centre, through)) < tolerance;
    }

    bool arc_rule(int centre, int start, int end)
    {
        return on_rim(centre, start) && in_arc_range(d, m.x, m.y, centre, start, end) == 1;
    }

    // The arc through a, b and c: from the one of a and c with the smaller
    // direction counter-clockwise to the other, when that passes b.
    bool arc3_rule(int a, int b, int c)
    {
        if (std::fabs(area3(t, a, b, c)) < kCollinearArea)
            return false;
        cal_circumcenter(t, kMouseRec, a, b, a, c);
        int da = static_cast<int>(p_angle(t, kMouseRec, a));
        const int db = static_cast<int>(p_angle(t, kMouseRec, b));
        int dc = static_cast<int>(p_angle(t, kMouseRec, c));
        if (da > dc) {
            std::swap(da, dc);
            std::swap(a, c);
        }
        const bool b_between = da < db && db < dc;
        return b_between ? arc_rule(kMouseRec, a, c) : arc_rule(kMouseRec, c, a);
    }

    bool inside_disc(int centre, int through) const
    {
        return mouse_dist2(centre) < p_dist2(t, centre, through);
    }

    bool inside_triangle(int a, int b, int c)
    {
        put_mouse(kMouseRec);
        const double s1 = area3(t, kMouseRec, a, b);
        const double s2 = area3(t, kMouseRec, b, c);
        const double s3 = area3(t, kMouseRec, c, a);
        return (s1 > 0.0 && s2 > 0.0 && s3 > 0.0) || (s1 < 0.0 && s2 < 0.0 && s3 < 0.0);
    }

    bool near_sample(const Dpoint& conic) const
    {
        for (const WorldPoint& s : conic.samples)
            if (dist_mouse2(m.x, m.y, s.x, s.y) < tolerance2)
                return true;
        return false;
    }

    // Lines, curves, fills and marks.
    void other_kinds(int k)
    {
        const Dpoint& o = t.get(k);
        const int a = o.arg[0], b = o.arg[1], c = o.arg[2];
        bool hit = false;
        switch (o.type) {
        case otype::kSegment:
        case otype::kOneWayArrow:
        case otype::kTwoWayArrow:
        case otype::kMarkedSegment:
            segment_rule(k, a, b);
            return;
        case otype::kCircle:
            hit = on_rim(a, b);
            break;
        case otype::kThreePointCircle:
            if (std::fabs(area3(t, a, b, c)) >= kCollinearArea) {
                cal_circumcenter(t, kMouseRec, a, b, a, c);
                hit = on_rim(kMouseRec, a);
            }
            break;
        case otype::kArc:
            hit = arc_rule(a, b, c);
            break;
        case otype::kThreePointArc:
            hit = arc3_rule(a, b, c);
            break;
        case otype::kEllipse:
        case otype::kHyperbola:
        case otype::kParabola:
            hit = near_sample(o);
            break;
        case otype::kFillTriangle:
            hit = inside_triangle(a, b, c);
            break;
        case otype::kFillCircle:
            hit = inside_disc(a, b);
            break;
        case otype::kFillPie:
            hit = inside_disc(a, b) && in_arc_range(d, m.x, m.y, a, b, c) == 1;
            break;
        case otype::kFillChord:
            if (inside_disc(a, b) && in_arc_range(d, m.x, m.y, a, b, c) == 1) {
                const double centre_side = area3(t, a, b, c);
                put_mouse(kMouseRec);
                hit = centre_side * area3(t, kMouseRec, b, c) < 0.0;
            }
            break;
        case otype::kSegmentMark:
            t.picked_index() = picked;
            draw_segment_mark(d, nullptr, kPickMode, k, a, b, m);
            picked = t.picked_index();
            return;
        case otype::kAngleMark:
        case otype::kFilledAngleMark:
            t.picked_index() = picked;
            draw_mark(d, nullptr, kPickMode, k, b, a, c, m);
            picked = t.picked_index();
            return;
        default:
            return;
        }
        if (hit)
            picked = k;
    }
};

}  // namespace

double dist_mouse2(int mx, int my, double px, double py)
{
    const long double dx = static_cast<long double>(mx) - px;
    const long double dy = static_cast<long double>(my) - py;
    return static_cast<double>(dx * dx + dy * dy);
}

int in_arc_range(Diagram& d, int mx, int my, int c, int a, int b)
{
    ObjectTable& t = d.table;
    constexpr int kMouse = 2;
    t[kMouse].x = mx;
    t[kMouse].y = my;
    const double alpha = p_angle(t, c, a);
    double beta = p_angle(t, c, b);
    const double gamma = p_angle(t, c, kMouse);
    if (beta < alpha)
        beta += 360.0;
    return (alpha < gamma && gamma < beta) || (alpha < gamma + 360.0 && gamma + 360.0 < beta);
}

bool foot_between(const ObjectTable& t, int f, int e1, int e2, bool strict)
{
    const Dpoint& pf = t.get(f);
    const Dpoint& p1 = t.get(e1);
    const Dpoint& p2 = t.get(e2);
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double from_first = (pf.x - p1.x) * dx + (pf.y - p1.y) * dy;
    const double from_second = (p2.x - pf.x) * dx + (p2.y - pf.y) * dy;
    return strict ? from_first > 0.0 && from_second > 0.0
                  : from_first >= 0.0 && from_second >= 0.0;
}

int pick_nearest(Diagram& d, DevPoint mouse, int block_only)
{
    ObjectTable& t = d.table;
    const int command = t.pending_command();
    const double tolerance2 =
        command == otype::kHideButton ? kHideButtonTolerance2 : kPickTolerance2;
    Search s{d, t, mouse, tolerance2, std::sqrt(tolerance2)};
    t.picked_index() = 0;
    t.record_count() = t.count();
    const int count = t.count();
    const int block = t.current_block();
    const auto in_scope = [&](const Dpoint& o) {
        return !(block_only && block != 0) || o.block == block;
    };

    // Pass 1: points; ties keep the lower index.
    double best = 0.0;
    for (int k = rec::kFirstObject; k < count; ++k) {
        const Dpoint& o = t.get(k);
        if (!in_scope(o) || o.cls != oclass::kPoint || paint_support::is_unplaced(t, k))
            continue;
        const double d2 = s.mouse_dist2(k);
        if (d2 < tolerance2 && (s.picked == 0 || d2 < best)) {
            s.picked = k;
            best = d2;
        }
    }

    // Pass 2: buttons at their corner, texts at their drawing position.
    if (s.picked == 0 && (command == cmd::kDragPoint || command == otype::kHideButton)) {
        for (int k = rec::kFirstObject; k < count; ++k) {
            const Dpoint& o = t.get(k);
            if (!in_scope(o) || (o.cls != oclass::kButton && o.cls != oclass::kText) ||
                paint_support::is_unplaced(t, k))
                continue;
            const double sx = o.cls == oclass::kText ? o.x + o.name_dx : o.x;
            const double sy = o.cls == oclass::kText ? o.y + o.name_dy : o.y;
            const double d2 = dist_mouse2(mouse.x, mouse.y, sx, sy);
            if (d2 < tolerance2 && (s.picked == 0 || d2 < best)) {
                s.picked = k;
                best = d2;
            }
        }
    }

    // Pass 3: every other kind with a hit rule, while a hide button is filled.
    if (s.picked == 0 && command == otype::kHideButton) {
        for (int k = rec::kFirstObject; k < count; ++k) {
            const Dpoint& o = t.get(k);
            if (in_scope(o))
                s.other_kinds(k);
        }
    }

    t.picked_index() = s.picked;
    return s.picked;
}
