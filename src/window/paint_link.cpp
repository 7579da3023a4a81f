#include "window/paint_link.h"

#include "model/diagram.h"
#include "platform/device_context.h"

void paint_whole_diagram(Diagram&, DeviceContext&) {}
void paint_one_object(Diagram&, DeviceContext&, int) {}
void paint_point_object(Diagram&, DeviceContext&, int) {}
void paint_line_object(Diagram&, DeviceContext&, int) {}
void resample_conic_object(Diagram&, int) {}
