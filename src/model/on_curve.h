#pragma once
// Semi-free points: points the user may move along one line or circle. Each
// keeps a placing parameter in its aux1/aux2 so that it stays at the same place
// on its line or circle when the parents move. An init kernel puts point r on
// its curve from the reference position ref (0: the mouse) and stores the
// parameter; a recompute kernel re-derives r from the parameter, choosing
// between two roots by nearness to ref (the point's old position).
//
// Line forms as in model/intersections.h; a third line index C of 0 means the
// horizontal line through A.

#include "model/object_table.h"

// Line (A; B, C): aux1 = aux2 = t with r = A + t (B - C); for C = 0, t = r.x - A.x.
// When the line has no direction (B and C coincide) r keeps its position and
// parameter.
void on_line_init(ObjectTable& t, int r, int A, int B, int C, int ref);
void on_line_cal(ObjectTable& t, int r, int A, int B, int C, int ref = 0);

// Tline (A; B, C): aux1 = aux2 = |A r|^2. When BC has no direction r keeps its
// position and parameter.
void on_tline_init(ObjectTable& t, int r, int A, int B, int C, int ref);
void on_tline_cal(ObjectTable& t, int r, int A, int B, int C, int ref);

// Circle (O; E, F): aux1 = dy, aux2 = dx, the direction from O to the placing
// position. Returns 1, or -1 leaving r (and for init its parameter) unchanged
// when the direction is undefined or the circle has no point on that line.
int on_circle_init(ObjectTable& t, int r, int O, int E, int F, int ref);
int on_circle_cal(ObjectTable& t, int r, int O, int E, int F, int ref);

// The angle line through a: its angle with line ab is the angle at e from ray
// e->f to ray e->d. Record 8 gets a point of it at a fixed distance from a,
// whatever ref; init puts r at the foot of ref on the line (records 9 and 10 a
// copy) and, for a diagram object, stores |a r| in aux2; the recompute puts r
// at the distance aux2 from a, on the side nearer ref.
void on_aline_init(ObjectTable& t, int r, int a, int b, int d, int e, int f, int ref);
void on_aline_cal(ObjectTable& t, int r, int a, int b, int d, int e, int f, int ref);
// Distance of the helper point (record 8) from a, world units.
inline constexpr double kAlineHelperDistance = 100.0;

// The point of tline (A; B, C) at distance dist from O, the one nearer ref;
// (0, 0) when there is none.
void cal_tline_dist(ObjectTable& t, int r, int A, int B, int C, int O, double dist, int ref);

// Sink for the texts of geometric failures, which stay silent.
void geo_error(const char* text);
