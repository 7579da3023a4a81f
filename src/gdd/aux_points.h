#pragma once
// Auxiliary points. When forward chaining has reached a fixpoint without the
// conclusion, aux_search looks through the database for a configuration in
// which one new point (an intersection, a midpoint, a foot, a circumcentre)
// lets the rules go on; it appends that point to the point table as a new
// construction, states its defining facts as hypotheses and queues a
// condition so that forward chaining resumes. The caller compares g_npoints
// before and after.

#include <cstdint>

#include "facts/gdd_records.h"

// The statement's own point count, saved when the database method starts.
// Builders take only these points as arguments; the proof printer shows the
// points after them as auxiliary points. 0 before any method ran (and after
// a prover reset).
extern int g_gdd_npoints;
// The point count at the start of the current search pass.
extern int g_aux_pass_start;
// Counter of the generated names "A_{%d}" once all 26 letters are taken.
extern std::uint8_t g_aux_name_counter;

// Called by the database method at its start: saves the statement's point
// count and restarts the generated names at A_{0}.
void aux_method_start();

// One search pass: the families orthocenter, midpoints, perpendicular pairs,
// equal angles, parallel classes, circles and feet, in this order, until one
// of them has added a point. Clears the current reason list first.
void aux_search();

// Appends a point record of that kind, aux = code, named by the first free
// capital letter or "A_{n}"; its arguments are cleared. Returns its index,
// or 0 (nothing appended) when the point table is full.
int new_aux_point(int code, int kind);

// ---- builders ---------------------------------------------------------------------------
// Each returns the new point's index, or 0 when it refused: an argument that
// is missing or not one of the statement's own points, a full point table,
// (all but aux_inter_ll and aux_on_tline) a point already added in this
// pass, or a point that falls onto a point of the table in numeric
// instances of the figure (numeric_point_coincides). The facts of a new
// point are hypotheses (no reasons).

// On the line through a perpendicular to bc (ON_TLINE).
int aux_on_tline(int code, int a, int b, int c);
// Midpoint of ab (MIDPOINT).
int aux_mid(int code, int a, int b);
// Intersection of lines ab and cd (INTERSECTION_LL).
int aux_inter_ll(int code, int a, int b, int c, int d);
// On line ab and on the parallel through c to de (INTERSECTION_LP).
int aux_inter_lp(int code, int a, int b, int c, int d, int e);
// On line ab and on the perpendicular through c to de (INTERSECTION_LT).
int aux_inter_lt(int code, int a, int b, int c, int d, int e);
// Foot of the perpendicular from a to line bc (FOOT).
int aux_foot(int code, int a, int b, int c);
// Second intersection of line ab with circle cir (INTERSECTION_LC; a lies on it).
int aux_inter_lc(int code, int a, int b, Gdd_cir* cir);
// Second intersection of the parallel through a to bc with circle cir
// (INTERSECTION_PC; a lies on it).
int aux_inter_pc(int code, int a, int b, int c, Gdd_cir* cir);
// Circumcentre of the circle's first three points, which becomes the
// circle's centre (CIRCUMCENTER).
int aux_circumcentre(int code, Gdd_cir* cir);
