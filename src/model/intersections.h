#pragma once
// Where two lines, a line and a circle, or two circles meet, written into a
// target record r. Lines and circles are given by three record indices:
//   line (A; B, C)   the line through A parallel to BC ((A; A, B) is line AB),
//   tline (A; B, C)  the line through A perpendicular to BC,
//   circle (O; E, F) the circle with centre O and radius |EF|.
// The kernels leave the chosen point in the result register and the two roots
// of a line-circle computation in the candidate records 10 and 11.

#include "model/object_table.h"

// a x + b y + c = 0 in world coordinates.
struct LineCoef {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

LineCoef line_coef(const ObjectTable& t, int A, int B, int C);
LineCoef tline_coef(const ObjectTable& t, int A, int B, int C);

// Tolerance of the search for a point already on both the line and the circle.
inline constexpr double kKnownPointTolerance = 0.001;
// Factor of the side value 100 x area3(point, first centre, second centre).
inline constexpr double kSideValueFactor = 100.0;

// Line-line kernels: when the lines are parallel (or a line is given by two
// coinciding points) r keeps its position and the register holds (0, 0).
void cal_inter_ll(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F);
void cal_inter_lt(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F);
void cal_inter_tt(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F);
// The perpendicular bisectors of PQ and ST meet in r (records 10 and 11 take
// the two midpoints). The circle through a, b, c: (a, b, a, c).
void cal_circumcenter(ObjectTable& t, int r, int P, int Q, int S, int T);

// Line (A; B, C) with circle (O; E, F). A point known to lie on both makes
// r the other root: first by name (O = E and F named like A), then by
// position (the first earlier point, index 20 to r - 1, on both); otherwise
// the root nearer ref. Returns 1, or -1 with r at (0, 0) when they do not meet.
int cal_inter_lc(ObjectTable& t, int r, int A, int B, int C, int O, int E, int F, int ref);
// Tline (A; B, C) with circle (O; E, F): the known point by name only.
int cal_inter_tc(ObjectTable& t, int r, int A, int B, int C, int O, int E, int F, int ref);
// Line (A; B, C) with the circle of centre O and radius d: the root nearer ref.
int cal_pline_dist(ObjectTable& t, int r, int A, int B, int C, int O, double d, int ref);
// Circle (A; B, C) with circle (D; E, F). While placing, r takes the root
// nearer ref; otherwise the root on the side of the line of centres that r's
// side value (its aux1) records: candidate 10 when 10 lies on that side,
// else candidate 11. Returns 1, or -1 with r at (0, 0) when they do not meet.
int cal_inter_cc(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F, int ref);

// Whether two records are named alike: equal, non-empty names of diagram
// objects. Reserved records are never named points.
bool named_alike(const ObjectTable& t, int i, int j);
