#pragma once
// The real roots of a polynomial whose coefficients are integers, found with
// exact arithmetic: every value given is the double nearest a true root, a
// value that is not near one is never given, and roots as close as the
// doubles can tell apart are told apart.

#include <gmpxx.h>

#include <cstddef>
#include <vector>

struct Exact_roots {
    // The distinct real roots, ascending, each as the double nearest to it.
    std::vector<double> roots;
    // A real root the doubles cannot hold (beyond their range, or so close to
    // 0 that its nearest double is 0) was left out of roots.
    bool beyond_doubles = false;
};

// The real roots of c[0] + c[1] x + ... + c[n] x^n; c has a coefficient other
// than 0. In a timed proof the search looks at the clock (throwing TTIME past
// the limit) and asks the memory budget before it grows.
Exact_roots exact_real_roots(const std::vector<mpz_class>& c);

// The degree of the equation the search solves for c: c's degree less a
// factor x^m, divided by g where every power of x left is a multiple of g
// (x^g is solved for as one unknown). What the search costs grows with it.
std::size_t exact_solved_degree(const std::vector<mpz_class>& c);
