#pragma once
// The double nearest to a positive real number known only through exact
// comparisons with dyadic numbers. Internal to exact_roots.

#include <functional>

#include "prover/int_poly.h"

namespace exact_detail {

// Where x stands to the number sought: below it -1, on it 0, above it 1.
using Side_of_number = std::function<int(const Dyadic& x)>;

// The double nearest to the positive number r that side_of tells about, ties
// to even as in every rounding of doubles: 0 where r is below half the least
// double, +inf where r rounds beyond the largest. Only the midpoints between
// neighbouring doubles are asked about: r lies between the two around its
// double. They are searched from `guess` outwards in steps that double,
// then by halving (on the doubles' bit patterns, so that a range from tiny to
// huge numbers takes no more than 64 halvings).
double nearest_positive_double(const Side_of_number& side_of, double guess);

}  // namespace exact_detail
