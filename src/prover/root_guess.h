#pragma once
// A guess in double precision at a root the exact search isolated, for the
// exact refinement to start from: the better the guess, the fewer exact
// evaluations confirm it. Internal to exact_roots.

#include "prover/int_poly.h"
#include "prover/wide_double.h"

namespace exact_detail {

// The only root of p in (lo, hi), 0 <= lo < hi, where p keeps the sign of
// p(0) != 0 from 0 up to that root: Newton steps in wide doubles kept in the
// bracket, which is halved where they stray. Of no use where rounding hides
// p's sign, but only ever a guess. Guesses are good where p is the
// polynomial of an isolating interval mapped to (0, 1): expanded there, its
// value near the root suffers less cancellation than the equation's own.
Wide_double guess_root(const Int_poly& p, Wide_double lo, Wide_double hi);

}  // namespace exact_detail
