#pragma once
// Wu's method: the conclusion polynomials are pseudo-divided successively by
// the triangular hypotheses; the statement is proved when every conclusion
// leaves the remainder 0. Works on g_hyps (TS), g_lin (LTS) and g_concs.

#include "prover/poly.h"

// Runs the method on the lists; sets g_result, adds to g_time and g_maxterm
// and prints the listings and the verdict.
void wu_prove();

// Fills g_ts_inits with copies of the pivots' initials and retags TS: a
// remainder after its pivot gets the number of its slot (3, 4, ...), every
// other cell but the first tag 0.
void ts_initials();
// The non-zero successive remainders of the conclusion c by ts (c consumed);
// empty when c reduces to 0.
dterm* wu_srem(xterm* c, const dterm* ts);
// The verdict for the conclusion cells' tags (non-zero: reduced to 0).
void wu_verdict();
// Is the statement one of the circle intersections whose hypotheses split
// into components?
bool reducible_p();
