#pragma once
// One step of a drag: the picked object goes to the mouse position, and the
// whole diagram is repainted with its constructed points re-solved.

#include "model/diagram.h"
#include "model/place_picked.h"
#include "platform/device_context.h"

// Moves the picked object to the mouse position (place_picked_object), then
// paints the whole diagram on dc with paint_diagram(full). The callers set
// placing 0, recompute 1 and the dragged index before the first step.
void move_point(Diagram& d, DeviceContext& dc, int full);
