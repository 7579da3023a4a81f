#pragma once
// Checked integer arithmetic for coefficients and degrees: a result that does
// not fit is reported and stops the operation instead of wrapping.

#include <cstdint>

#include "algebra/poly.h"
#include "statement/prover.h"

[[noreturn]] inline void coefficient_overflow() { prover_fatal("coefficient overflow"); }
[[noreturn]] inline void degree_overflow() { prover_fatal("degree overflow"); }

inline coef_t coef_add(coef_t a, coef_t b)
{
    coef_t r;
    if (__builtin_add_overflow(a, b, &r))
        coefficient_overflow();
    return r;
}

inline coef_t coef_mul(coef_t a, coef_t b)
{
    coef_t r;
    if (__builtin_mul_overflow(a, b, &r))
        coefficient_overflow();
    return r;
}

inline coef_t coef_neg(coef_t a)
{
    coef_t r;
    if (__builtin_sub_overflow(coef_t{0}, a, &r))
        coefficient_overflow();
    return r;
}

inline coef_t coef_abs(coef_t a) { return a < 0 ? coef_neg(a) : a; }

// Exact quotient a / b (b non-zero, a divisible by b).
inline coef_t coef_div(coef_t a, coef_t b)
{
    if (b == -1)
        return coef_neg(a);
    return a / b;
}

inline coef_t coef_gcd(coef_t a, coef_t b)
{
    a = coef_abs(a);
    b = coef_abs(b);
    while (b != 0) {
        const coef_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// Degrees are unsigned 16-bit.
inline std::uint16_t deg_checked(long d)
{
    if (d < 0 || d > 0xFFFF)
        degree_overflow();
    return static_cast<std::uint16_t>(d);
}

inline bool coef_divides(coef_t a, coef_t b)
{
    if (b == 1 || b == -1)
        return true;
    return b != 0 && a % b == 0;
}
