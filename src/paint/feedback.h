#pragma once
// Feedback drawn while the user works on a diagram: circles and arcs through
// objects (also used by ordinary painting and printing), the rubber lines and
// circles that follow a construction, and the markers of a selected point,
// segment or circle. Positions are world coordinates mapped with p_to_dev.

#include "model/diagram.h"
#include "platform/device_context.h"

// Pens of the drawing window used for feedback: pens[1] light red, pens[2]
// light green, both 1 pixel wide and solid.
inline constexpr Pen kMarkerPen{kRed, 1, PenStyle::Solid};
inline constexpr Pen kRubberPen{kGreen, 1, PenStyle::Solid};

// The circle (p == q) or the arc with centre c and radius |cp| from the
// direction of p counter-clockwise to that of q, with the selected pen. Draws
// nothing when c, p or q maps to device (0, 0). When printing the full circle
// is an ellipse with the hollow brush, so it is never filled.
void draw_arc_cpq(Diagram& d, DeviceContext& dc, int c, int p, int q);

// Rubber figures, drawn on the mouse operation's context: with on != 0 in
// light green, with on == 0 the same figure in white, which wipes it.
// Full circle with centre c and radius |pq|.
void draw_arc_cd(Diagram& d, DeviceContext& mouse_dc, int on, int c, int p, int q);
// The line through a parallel to bc (a == b: the line ac itself; c == 0: the
// horizontal line through a), across the square 0..1300.
void draw_rubber_line(Diagram& d, DeviceContext& mouse_dc, int on, int a, int b, int c);
// The line through a perpendicular to bc, across the square 0..1000.
void draw_rubber_line2(Diagram& d, DeviceContext& mouse_dc, int on, int a, int b, int c);

// Selection marker of point i: a circle of radius 5 with a cross, in light
// red; nothing when either device coordinate of i is 0. Leaves the red pen
// selected.
void draw_cross(Diagram& d, DeviceContext& dc, int i);
// Selection marker of segment ab: crosses at both ends and circles of radius
// 4 at its trisection points; nothing when a or b is unplaced.
void draw_marker2(Diagram& d, DeviceContext& dc, int a, int b);
// Selection marker of the circle with centre c through p: circles of radius 4
// at its rightmost, leftmost, lowest and highest points.
void draw_marker4(Diagram& d, DeviceContext& dc, int c, int p);
