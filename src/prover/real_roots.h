#pragma once
// The real roots of a polynomial in one variable with real coefficients.

#include <optional>
#include <vector>

// The real roots of c[0] + c[1] x + ... + c[n] x^n in ascending order, a
// double root once; nothing when every coefficient is 0 (every value is a
// root). Coefficients that are only rounding errors must be given as 0.
// (Rounding may part a root of higher multiplicity into close ones.)
std::optional<std::vector<double>> real_roots(std::vector<double> c);
