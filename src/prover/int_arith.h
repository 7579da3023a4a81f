#pragma once
// Integer helpers of the quotient code, on constants of any size (constant
// polynomials: the coefficient type of the polynomials). Neither consumes
// its arguments; each returns a new constant.

#include <cstdint>

#include "prover/poly.h"

// Greatest common divisor of |a| and |b|; igcd(a, 0) = |a|, igcd(0, 0) = 0.
xterm* igcd(const xterm* a, const xterm* b);

// a to the power n by repeated squaring; ipower(a, 0) = 1.
xterm* ipower(const xterm* a, std::uint16_t n);
