#pragma once
// Term-list helpers shared by the arithmetic and the division code.

#include "prover/poly.h"
#include "prover/prover.h"

// Merges two term lists of one main variable (both consumed) into one in
// decreasing degree; equal degrees add their coefficients, zero sums vanish.
dterm* merge_terms(dterm* a, dterm* b);

// Frees one term cell without its coefficient and returns the next cell.
inline dterm* drop_cell(dterm* d)
{
    dterm* next = d->next;
    put_d(d);
    return next;
}

