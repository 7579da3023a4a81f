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

// Walks over single terms (copying, counting, content, division by a
// constant) can take seconds on large polynomials and call no sum or product;
// they look at the clock through this counter, which costs one increment.
inline void check_time_per_term()
{
    constexpr unsigned kTermsPerCheck = 256;
    static unsigned terms = 0;
    if (++terms % kTermsPerCheck == 0)
        check_time();
}
