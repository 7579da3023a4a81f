#pragma once
// The real roots of a polynomial in one variable with real coefficients.

#include <cstddef>
#include <optional>
#include <vector>

// The real roots of c[0] + c[1] x + ... + c[n] x^n in ascending order, a
// multiple root once; nothing when every coefficient is 0 (every value is a
// root). Coefficients that are only rounding errors must be given as 0.
// Every root returned is finite and meets the equation within the rounding
// of its evaluation; roots closer than rounding can tell apart are one, and
// a root of higher multiplicity that rounding of the coefficients moves off
// the axis may be lost. A factor x^m gives the root 0; where every power of x
// left is a multiple of g, the equation is solved in y = x^g, of degree
// solved_degree(c). Cost grows with the square of that degree: in a timed
// proof the search looks at the clock (and throws TTIME past its limit).
std::optional<std::vector<double>> real_roots(std::vector<double> c);

// The degree of the equation real_roots solves for c: c's degree less a
// factor x^m, over g.
std::size_t solved_degree(std::vector<double> c);
