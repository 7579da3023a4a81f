#pragma once
// Builders of Wu's triangular hypothesis list g_hyps: each takes the
// coordinate polynomials of one constructed point and pushes their
// normalised triangular form at the front of the list. The polynomials
// passed are copied (the pair slots keep theirs) unless said otherwise.
// A hypothesis that is identically 0 says nothing and is not pushed.

#include "prover/poly.h"

// One hypothesis (tag 0); its reductum when its initial vanishes on the
// hypotheses already listed.
void eq_on_pt(const xterm* p);
// A hypothesis predicate, whose polynomial belongs to no one point: reduced
// by the listed hypothesis of its main variable until that variable is new
// to the list, and put in its place (tag 0), so that the list stays
// triangular, highest main variable first. Nothing is listed when it reduces
// to 0; a listed hypothesis whose initial then vanishes is listed again by
// its reductum.
void eq_pred(const xterm* p);
// A point on two lines: the pivot (tag 1) above the remainder (tag 2).
// Parallel lines are reported through gerror.
void eq_ll(const xterm* p, const xterm* q);
// A point on the line p and the circle q.
void eq_lq(const xterm* p, const xterm* q);
// A point on the line p and the circle q that both pass through point k:
// k's coordinate is divided out of the remainder.
void eq_lq1(const xterm* p, const xterm* q, int k);

// The triangular pair of one point on the line p and the circle q through
// point k (lower equation, higher equation). Consumes p and q; pushes nothing.
struct EqPair {
    xterm* lower;
    xterm* higher;
};
EqPair eq_pair_pt(xterm* p, xterm* q, int k);
