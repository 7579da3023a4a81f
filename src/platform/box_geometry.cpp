#include "platform/box_geometry.h"

#include <algorithm>
#include <numbers>
#include <utility>

DevBox normalised_box(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return {left, top, right, bottom};
}

double radial_angle(double cx, double cy, double rx, double ry, int px, int py)
{
    const double dx = px - cx;
    const double dy = py - cy;
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    // Parametric angle of the ray's meeting point with the ellipse.
    return std::atan2(-dy / std::max(ry, 1e-9), dx / std::max(rx, 1e-9)) * 180.0 / std::numbers::pi;
}

double ccw_sweep(double a, double b)
{
    double sweep = std::fmod(b - a, 360.0);
    if (sweep <= 1e-9)
        sweep += 360.0;
    return sweep;
}
