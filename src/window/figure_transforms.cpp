#include "window/figure_transforms.h"

#include <algorithm>
#include <cmath>

#include "model/object_types.h"

namespace {

bool class_moves(int cls, MovedClasses classes)
{
    switch (classes) {
    case MovedClasses::PointsTexts: return cls == oclass::kPoint || cls == oclass::kText;
    case MovedClasses::PointsTextsButtons:
        return cls == oclass::kPoint || cls == oclass::kText || cls == oclass::kButton;
    case MovedClasses::All: return true;
    }
    return false;
}

// The locus lists in use: 0 to the last locus index, never beyond the eight.
int loci_in_use(Diagram& d)
{
    return std::clamp(d.table.last_locus() + 1, 0, static_cast<int>(d.locus_lists.size()));
}

template <typename Fn>
void for_each_moved(Diagram& d, MovedClasses classes, Fn&& fn)
{
    ObjectTable& t = d.table;
    const int count = t.count();
    for (int i = rec::kFirstObject; i < count; ++i) {
        Dpoint& o = t[i];
        if (in_move_scope(t, o) && class_moves(o.cls, classes))
            fn(o);
    }
}

template <typename Fn>
void for_each_locus_point(Diagram& d, Fn&& fn)
{
    const int lists = loci_in_use(d);
    for (int k = 0; k < lists; ++k)
        for (LocusNode& n : d.locus_lists[k]) {
            fn(n.x1, n.y1);
            fn(n.x2, n.y2);
        }
}

}  // namespace

bool in_move_scope(const ObjectTable& t, const Dpoint& o)
{
    const int block = t.get(rec::kState).name[3];
    return block == 0 || o.block == block;
}

void shift_objects(Diagram& d, double dx, double dy, MovedClasses classes)
{
    for_each_moved(d, classes, [&](Dpoint& o) {
        o.x += dx;
        o.y += dy;
    });
}

void shift_loci(Diagram& d, double dx, double dy)
{
    for_each_locus_point(d, [&](double& x, double& y) {
        x += dx;
        y += dy;
    });
}

void scale_about(Diagram& d, double f, int ref, WorldPoint keep, MovedClasses classes,
                 bool with_loci)
{
    for_each_moved(d, classes, [&](Dpoint& o) {
        o.x *= f;
        o.y *= f;
    });
    if (with_loci)
        for_each_locus_point(d, [&](double& x, double& y) {
            x *= f;
            y *= f;
        });
    const Dpoint& r = d.table.get(ref);
    const double ex = keep.x - r.x;
    const double ey = keep.y - r.y;
    shift_objects(d, ex, ey, classes);
    if (with_loci)
        shift_loci(d, ex, ey);
}

double resize_factor(double x, double previous_x)
{
    const double f = 1.0 + 0.005 * (x - previous_x);
    return f < 0.01 ? 0.01 : f;
}

void rotate_objects(Diagram& d, WorldPoint centre, double angle, MovedClasses classes,
                    bool with_loci)
{
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const auto turn = [&](double& x, double& y) {
        const double dx = x - centre.x;
        const double dy = y - centre.y;
        x = centre.x + dx * c - dy * s;
        y = centre.y + dx * s + dy * c;
    };
    for_each_moved(d, classes, [&](Dpoint& o) { turn(o.x, o.y); });
    if (with_loci)
        for_each_locus_point(d, turn);
}
