#pragma once
// One step of a drag: the picked object goes to the mouse position, and the
// whole diagram is repainted with its constructed points re-solved.

#include "model/diagram.h"
#include "platform/device_context.h"

// Whether objects of this type follow the mouse when dragged: free points,
// texts, the two buttons and the points on a line or circle.
bool is_draggable_type(int type);

// Moves the picked object (state record) to the mouse position by its type: a
// free point, a text or a button takes the position itself; a point on a line
// or circle is put on its carrier at the foot (or ray) from the mouse and keeps
// its new parameter; any other object stays. Then paints the whole diagram on
// dc with paint_diagram(full). The callers set placing 0, recompute 1 and the
// dragged index before the first step.
void move_point(Diagram& d, DeviceContext& dc, int full);
