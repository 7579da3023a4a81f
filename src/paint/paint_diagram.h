#pragma once
// The one painter for every surface a diagram is shown on: the window, a
// printed page and its preview, an off-screen bitmap, the clipboard image.

#include "model/diagram.h"
#include "platform/device_context.h"
#include "paint/clip_copy.h"

// Paints the whole object table: layer 1 circles, conics, fills and marks;
// layer 2 the other lines and curves, texts and buttons; layer 3 the points.
// While the recompute flag is set every point is re-solved just before layer
// 1 looks at it. Then, unless a clipboard copy is painted, the quantity values
// with the unit ruler, the loci (rebuilt when recomputing), the driving points
// and the locus labels; the locus traces always come last.
// full == 0: only re-solves every point and recomputes the quantities.
void paint_diagram(Diagram& d, DeviceContext& dc, int full);

// Whether objects of this type lie in layer 1 whatever their class: circles
// (centred and through three points) and conics.
bool lowest_layer_curve(int type);

// Re-solves object i when the recompute flag is set, then paints it by its
// class (any class other than 1, 2, 3, 4 and 7 as a text). Returns 1.
int draw_one(Diagram& d, DeviceContext& dc, int i);

// The unit ruler along the top left: an arrow of two unit steps from x 45,
// ticks at each step and their labels, and the word "unit".
void draw_unit(Diagram& d, DeviceContext& dc);
