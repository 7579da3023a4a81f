#include "window/rotate_diagram.h"

#include "model/numeric.h"
#include "paint/feedback.h"
#include "paint/paint_diagram.h"
#include "window/figure_transforms.h"

void mark_rotation_centre(DeviceContext& dc, double cx, double cy)
{
    const int x = trunc_to_int(cx, kDeviceLimit);
    const int y = trunc_to_int(cy, kDeviceLimit);
    const Pen old_pen = dc.select_pen(kMarkerPen);
    const Brush old_brush = dc.select_brush(kWhiteBrush);
    dc.ellipse(x - 2, y - 2, x + 2, y + 2);
    dc.select_pen(old_pen);
    dc.select_brush(old_brush);
}

void rotate_diagram(Diagram& d, DeviceContext& dc, double angle)
{
    ObjectTable& t = d.table;
    const Dpoint& centre = t.get(rec::kAnimation);
    const WorldPoint c{centre.x, centre.y};
    // The table's own count: the state record may hold a last index instead,
    // which would leave the last object unturned.
    rotate_objects(d, c, angle, MovedClasses::PointsTexts, true);
    mark_rotation_centre(dc, c.x, c.y);
    paint_diagram(d, dc, 1);
}
