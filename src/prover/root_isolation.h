#pragma once
// Isolating intervals for the positive real roots of a square-free integer
// polynomial, by Descartes' rule of signs over dyadic halvings. Internal to
// exact_roots.

#include <vector>

#include "prover/int_poly.h"
#include "prover/wide_double.h"

namespace exact_detail {

// One positive root: exactly lo where `exact`, else the only root in the open
// interval (lo, hi), over which the polynomial has the sign sign_lo from lo up
// to the root (and the other sign from there to hi). `guess` is near it.
struct Isolated_root {
    Dyadic lo, hi;
    bool exact = false;
    int sign_lo = 0;
    Wide_double guess;
};

// The positive real roots of p, ascending; p is square-free with p(0) != 0.
// In a timed proof the search looks at the clock, and it asks the memory
// budget before each polynomial it derives.
std::vector<Isolated_root> positive_roots(const Int_poly& p, Limb_work& work);

// Where y stands to r's root (-1 below, 0 on, 1 above), r one of the
// roots of p isolated above (p in sparse form).
int side_of_root(const Isolated_root& r, const Sparse_poly& p, const Dyadic& y, Limb_work& work);

}  // namespace exact_detail
