#pragma once
// Helpers for tests of the point computation: constructed points appended by
// type and parents, and the state-record roles of the usual situations.

#include <initializer_list>

#include "model/compute_point.h"
#include "model/intersections.h"
#include "model/object_table.h"
#include "model/primitives.h"

namespace geometry_test {

// Appends a point of the given construction type with its parents; returns its index.
inline int add_constructed(ObjectTable& t, int type, std::initializer_list<int> parents,
                           const char* name = "") {
    Dpoint p(type, name);
    p.cls = 1;
    int k = 0;
    for (int a : parents) p.arg[k++] = a;
    return t.append(p);
}

// A new point placed from a click at (mx, my): placing and recompute set.
inline int place_new(ObjectTable& t, int i, double mx, double my, DeviceContext* dc = nullptr) {
    t.mouse_x() = mx;
    t.mouse_y() = my;
    t.placing() = 1;
    t.recompute() = 1;
    return compute_point(t, dc, i);
}

// The user's choice between the two candidates after a click at (mx, my): the
// candidate nearer the mouse (a tie keeps 10), and for two-circle points the
// side value of the chosen root.
inline void choose_candidate(ObjectTable& t, int i, double mx, double my) {
    t.mouse_x() = mx;
    t.mouse_y() = my;
    const int k = p_dist2(t, rec::kState, rec::kCandidate0) <= p_dist2(t, rec::kState, rec::kCandidate1)
                      ? rec::kCandidate0
                      : rec::kCandidate1;
    t[i].x = t.get(k).x;
    t[i].y = t.get(k).y;
    const auto& a = t.get(i).arg;
    switch (t.get(i).type) {
    case 122:
    case 125:
    case 127: t[i].aux1.set_double(kSideValueFactor * area3(t, i, a[0], a[2])); break;
    case 128: t[i].aux1.set_double(kSideValueFactor * area3(t, i, a[0], a[3])); break;
    default: break;
    }
    t.placing() = 0;
    t.recompute() = 0;
}

// The drag of point k: the state the mouse handler sets before it repaints.
inline void start_drag(ObjectTable& t, int k) {
    t.placing() = 0;
    t.recompute() = 1;
    t.dragged_index() = k;
}

// Re-solves every point in index order, as painting does.
inline void resolve_all(ObjectTable& t) {
    for (int i = rec::kFirstObject; i < t.count(); ++i)
        if (t.get(i).cls == 1) compute_point(t, nullptr, i);
}

}  // namespace geometry_test
