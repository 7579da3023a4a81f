#pragma once
// Integer helpers of the polynomial and quotient code.

#include <cstdint>

// Greatest common divisor of |a| and |b|; igcd(a, 0) = |a|, igcd(0, 0) = 0.
// The result does not fit only for igcd(INT32_MIN, 0 or INT32_MIN), which is
// reported like a coefficient overflow.
std::int32_t igcd(std::int32_t a, std::int32_t b);

// a to the power n by repeated squaring; ipower(a, 0) = 1. A result outside
// 32 bits is reported instead of wrapping.
std::int32_t ipower(std::int32_t a, std::uint16_t n);
