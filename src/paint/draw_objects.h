#pragma once
// Objects of class 2 (lines and curves) drawn by type with a pen made from
// the object, and objects of class 3 (fills) and 4 (marks) handed to their
// routines with a pen of their colour.

#include "model/diagram.h"
#include "model/object_types.h"
#include "platform/device_context.h"

// Signed area (squared units) below which three points count as collinear.
inline constexpr double kCollinearArea = 0.0001;

// The pen of line object `object`: its colour (or the block highlight),
// `size` wide, 2 x size + 4 when a solid line is printed.
Pen line_object_pen(ObjectTable& t, const Dpoint& object);

// Line or curve i by its type; 0 when it is hidden (nothing drawn), else 1.
int draw_line_obj(Diagram& d, DeviceContext& dc, int i);

// Fill or mark i; 0 when it is hidden (nothing drawn), else 1.
int draw_mark_obj(Diagram& d, DeviceContext& dc, int i);
