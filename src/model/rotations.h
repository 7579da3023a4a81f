#pragma once
// Rotated points: b turned about a, by an angle given as text or by the angle
// of three points. Both kernels read their inputs before they write r.

#include "model/object_table.h"

// b turned about a by the angle in degrees held as text in r's own aux1; a
// positive angle turns counter-clockwise on the screen. Returns 1.
int cal_nrotate(ObjectTable& t, int r, int a, int b);
// b turned about a by the angle, and in the sense, that turns ray d-e onto
// ray d-c. Returns 1, or -1 with r at (0, 0) when c or e coincides with d.
int cal_protate(ObjectTable& t, int r, int a, int b, int c, int d, int e);
