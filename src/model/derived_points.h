#pragma once
// Points computed from other points by a closed formula. Every kernel reads its
// inputs before it writes the target r, so r may be one of the inputs.
// A non-finite result is a failed point (0, 0).

#include "model/object_table.h"

// Midpoint of a and b; the result register is left as it was.
void cal_midpoint(ObjectTable& t, int r, int a, int b);
// Reflection of p in the line through a and b; the foot stays in record 10.
// When a and b (nearly) coincide, the foot is a: p is reflected in the point a.
void cal_reflection(ObjectTable& t, int r, int p, int a, int b);
// Inverse of p in the circle with centre c through q; both points of the line
// c-p at the inverse distance stay in records 10 and 11. The centre itself
// (within 1e-5 in both coordinates) gives (0, 0).
void cal_inversion(ObjectTable& t, int r, int p, int c, int q);
// d turned a quarter turn about c, counter-clockwise on the screen.
void cal_square_pos(ObjectTable& t, int r, int c, int d);
// d turned a quarter turn about c, clockwise on the screen.
void cal_square_neg(ObjectTable& t, int r, int c, int d);
// Centroid of a, b, c: the sum of the coordinates times the double nearest 1/3.
void cal_centroid(ObjectTable& t, int r, int a, int b, int c);
// Third vertex of triangle a b c whose incenter is i: the meet of the mirror
// images of line ab in lines ai and bi; (0, 0) when they are parallel.
void cal_incenter_vertex(ObjectTable& t, int r, int a, int b, int i);
