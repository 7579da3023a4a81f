#include "window/move_point.h"

#include "paint/paint_diagram.h"

void move_point(Diagram& d, DeviceContext& dc, int full)
{
    place_picked_object(d.table);
    paint_diagram(d, dc, full);
}
