#pragma once
// Drawings built record by record for the mouse and key tests, and short
// names for a press, moves and a release.

#include <cmath>
#include <initializer_list>
#include <string>

#include "model/adding.h"
#include "model/semi_free.h"
#include "paint/paint_diagram.h"
#include "platform/recording_dc.h"
#include "window_test_support.h"

// Appends an object of the given type and class with parents `args`, at
// (x, y), named `name` (points) or "x".
inline int add_object(Dchild& win, int type, int cls, std::initializer_list<int> args, double x = 0.0,
                      double y = 0.0, const char* name = "x")
{
    Dpoint p = Dpoint::of_type(type, 1);
    p.cls = static_cast<std::int8_t>(cls);
    int k = 0;
    for (int a : args)
        p.arg[k++] = a;
    p.x = x;
    p.y = y;
    p.size = cls == 1 ? 2 : 1;
    p.set_name(name);
    return win.objects().append(p);
}

// A point on the line through a and b placed at the foot from (x, y).
inline int add_point_on_line(Dchild& win, int a, int b, double x, double y, const char* name)
{
    const int k = add_object(win, 110, 1, {a, b}, x, y, name);
    semi_free_init(win.objects(), k, k);
    return k;
}

// Re-solves every constructed point from its parents, as a drag's repaint does.
inline void solve(Dchild& win)
{
    ObjectTable& t = win.objects();
    t.placing() = 0;
    t.recompute() = 1;
    t.dragged_index() = 0;
    RecordingDC dc;
    paint_diagram(win.diagram, dc, 0);
    t.recompute() = 0;
}

inline DevPoint at(const Dpoint& p)
{
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

// A whole mouse drag: press at `from`, moves in `steps` even steps, release.
inline void drag(Dchild& win, DevPoint from, DevPoint to, int steps = 4)
{
    win.EvLButtonDown(from);
    for (int s = 1; s <= steps; ++s)
        win.EvMouseMove({from.x + (to.x - from.x) * s / steps, from.y + (to.y - from.y) * s / steps});
    win.EvLButtonUp(to);
}

inline double distance_to_line(const Dpoint& p, const Dpoint& a, const Dpoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}
