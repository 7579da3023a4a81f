#pragma once
// The real roots of a polynomial found through those of its derivatives, and
// the evaluation they are found and checked by. Internal to real_roots.

#include <cstddef>
#include <vector>

namespace root_detail {

// A polynomial at x: its value, its slope and the size of its terms
// (sum |c_i| |x|^i), all three divided by |x|^n where |x| > 1, so that no
// degree or size of x overflows them. Their signs and ratios are those of
// the true values.
struct Sample {
    double value = 0;
    double slope = 0;
    double size = 0;
};
Sample sample(const std::vector<double>& c, double x);

// Is the value within the rounding of its evaluation: is x a root as far
// as doubles can tell (a multiple root where the slope vanishes too)?
bool within_rounding(const Sample& s, std::size_t degree);

// The real roots of c[0] + ... + c[n] x^n, c[n] not 0, in ascending order, a
// multiple root once. Works level by level from the derivative of degree 1
// up, keeping only the roots of the level below: O(n) memory, and a look at
// the prover's clock every few thousand terms evaluated (it throws TTIME in a
// timed run past its limit).
std::vector<double> cascade_roots(const std::vector<double>& c);

}  // namespace root_detail
