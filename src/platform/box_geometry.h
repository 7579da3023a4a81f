#pragma once

// The geometry the drawing contexts share for figures given by a bounding
// box: the box with its corners in order, and the angles of the arcs, chords
// and pies drawn in it. Free of Qt.

#include <cmath>

struct DevBox {
    int left, top, right, bottom;

    double cx() const { return (left + right) / 2.0; }
    double cy() const { return (top + bottom) / 2.0; }
    double rx() const { return (right - left) / 2.0; }
    double ry() const { return (bottom - top) / 2.0; }
    // A box without area draws nothing.
    bool empty() const { return right == left || bottom == top; }
    // Every side within `limit` of the origin.
    bool within(double limit) const
    {
        return std::fabs(left) <= limit && std::fabs(top) <= limit && std::fabs(right) <= limit &&
               std::fabs(bottom) <= limit;
    }
};

// The box with left <= right and top <= bottom.
DevBox normalised_box(int left, int top, int right, int bottom);

// Angle in degrees, counter-clockwise on screen from 3 o'clock, of the point
// of the ellipse with centre (cx, cy) and radii (rx, ry) that lies on the ray
// from the centre towards (px, py); 0 for the centre itself.
double radial_angle(double cx, double cy, double rx, double ry, int px, int py);

// Counter-clockwise sweep from a to b in (0, 360]: equal ends are the whole ellipse.
double ccw_sweep(double a, double b);
