#pragma once
// Checked degrees: a degree that does not fit is reported and stops the
// operation instead of wrapping. (Coefficients are exact: poly_coef.h.)

#include <cstdint>

#include "prover/prover.h"

[[noreturn]] inline void degree_overflow() { prover_fatal("degree overflow"); }

// Degrees are unsigned 16-bit.
constexpr long kMaxDegree = 0xFFFF;

inline std::uint16_t deg_checked(long d)
{
    if (d < 0 || d > kMaxDegree)
        degree_overflow();
    return static_cast<std::uint16_t>(d);
}
