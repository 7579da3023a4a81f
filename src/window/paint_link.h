#pragma once
// The painter's entries as the drawing window uses them.

struct Diagram;
class DeviceContext;

// The whole diagram, re-solving its points (full 1).
void paint_whole_diagram(Diagram& d, DeviceContext& dc);
// One object by its class, re-solved first while the recompute flag is set.
void paint_one_object(Diagram& d, DeviceContext& dc, int k);
// Point k where it stands.
void paint_point_object(Diagram& d, DeviceContext& dc, int k);
// Line or curve object k.
void paint_line_object(Diagram& d, DeviceContext& dc, int k);
// New samples of conic k from its parents.
void resample_conic_object(Diagram& d, int k);
