#include "window/paint_link.h"

#include "model/diagram.h"
#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/paint_diagram.h"
#include "paint/points_draw.h"
#include "platform/device_context.h"

void paint_whole_diagram(Diagram& d, DeviceContext& dc) { paint_diagram(d, dc, 1); }
void paint_one_object(Diagram& d, DeviceContext& dc, int k) { draw_one(d, dc, k); }
void paint_point_object(Diagram& d, DeviceContext& dc, int k) { draw_point(d, dc, k); }
void paint_line_object(Diagram& d, DeviceContext& dc, int k) { draw_line_obj(d, dc, k); }
void resample_conic_object(Diagram& d, int k) { conic_points(d, k); }
