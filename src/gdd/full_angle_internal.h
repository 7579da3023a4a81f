#pragma once
// Shared parts of the full-angle rule finders: the angle being rewritten
// with its two lines, and the small builders of rule values and premises.

#include "algebra/proof_chain.h"
#include "facts/gdd_records.h"
#include "prover/poly.h"

// The full angle [AB, CD] of a variable, with L1 = line AB and L2 = line CD
// (found or created).
struct FaAngle {
    var_rec* var;
    int A, B, C, D;
    Gdd_line* L1;
    Gdd_line* L2;
};
FaAngle fa_angle(var_rec* v);

// Line pq found or created; null when p = q.
Gdd_line* fa_line(int p, int q);
// Line pq comes before L1 in the full-angle method's line order.
bool fa_precedes(int p, int q, const Gdd_line* L1);

// [ab, cd] and [line, cd], [line, line].
xterm* fa_pts(int a, int b, int c, int d);
xterm* fa_ln_pts(const Gdd_line* l, int c, int d);

// A rule V := value / den (the value taken over).
elim_step* fa_value(var_rec* v, xterm* value, coef_t den = 1);
// A rule E = 0 for V (the equation taken over).
elim_step* fa_equation(var_rec* v, xterm* e);

// Trace line of a finder, printed only while tracing.
void fa_trace(const char* format, const FaAngle& a);

// The circle finders (full_angle_circles.cpp), each given the angle.
elim_step* fa_cir1(const FaAngle& a);
elim_step* fa_cir2(const FaAngle& a);
elim_step* fa_cir3(const FaAngle& a);
elim_step* fa_cir4(const FaAngle& a);
elim_step* fa_center(const FaAngle& a);
elim_step* fa_eqangle(const FaAngle& a);
