#pragma once
// The real roots of a polynomial in one variable with real coefficients.

#include <cstddef>
#include <optional>
#include <vector>

// The real roots of c[0] + c[1] x + ... + c[n] x^n in ascending order, a
// multiple root once; nothing when every coefficient is 0 (every value is a
// root), one is not finite, or they span more than the normal doubles hold
// at once (some 2^1980). Coefficients that are only rounding errors
// must be given as 0. Every root returned is finite and meets the equation
// within the rounding of its evaluation. Roots closer than that rounding can
// tell apart are one; where it cannot tell the polynomial from 0 over an
// interval (between multiple roots close together), a point of it may be
// given; a multiple root that rounding of the coefficients moves off the
// real axis by more is lost. A factor x^m gives the root 0; where every
// power of x left is a multiple of g, the equation is solved in y = x^g, of
// degree solved_degree(c). The cost grows with the square of that degree,
// with its cube where most roots are real: in a timed proof the search
// looks at the clock (and throws TTIME past the limit).
std::optional<std::vector<double>> real_roots(std::vector<double> c);

// The degree of the equation real_roots solves for c: c's degree less a
// factor x^m, over g.
std::size_t solved_degree(std::vector<double> c);
