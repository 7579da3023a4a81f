#pragma once
// Turning the drawing, or its current block, about the rotation centre.

#include "model/diagram.h"
#include "platform/device_context.h"

// Turns every point and text in scope and every locus sample about the centre
// (record 12) by `angle` radians, marks the centre with a small light-red
// circle and paints the whole diagram on dc. Positive angles turn clockwise on
// the screen. The caller sets the painting flags it needs beforehand.
void rotate_diagram(Diagram& d, DeviceContext& dc, double angle);

// The small circle that marks a centre: a 4 by 4 box at the centre truncated
// to whole units, light-red pen and white inside; the context keeps its pen
// and brush.
void mark_rotation_centre(DeviceContext& dc, double cx, double cy);
