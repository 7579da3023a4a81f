#pragma once

// Geometry kept within what a raster painter can handle: figures far larger
// than the picture (a circle through three almost collinear points, a point
// thrown far away by a near-parallel intersection) are cut to the area around
// the picture before they are drawn, so they cost no more than visible ones.

#include <QPolygonF>
#include <QRectF>

#include <vector>

// Coordinates beyond this magnitude are cut or flattened by the context itself.
inline constexpr double kRasterSafeLimit = 16384.0;

// Cuts segment ab to `area` (Liang-Barsky); false when nothing of it is inside.
bool clip_segment(QPointF& a, QPointF& b, const QRectF& area);

// The part of a polygon inside the convex `area` (Sutherland-Hodgman).
QPolygonF clip_polygon(const QPolygonF& polygon, const QRectF& area);

// Points along the ellipse inscribed in `rect` from `start_deg` through
// `sweep_deg` (counter-clockwise on screen, as QPainterPath::arcTo), flattened
// finely where the curve comes near `area` and coarsely elsewhere. Replacing
// the far pieces by their chords changes nothing inside `area`.
QPolygonF flatten_elliptic_arc(const QRectF& rect, double start_deg, double sweep_deg,
                               const QRectF& area);
