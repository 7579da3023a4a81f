// Integer helpers of the polynomial and quotient code.

#include "gdd/int_arith.h"

#include "statement/prover.h"

std::int32_t igcd(std::int32_t a, std::int32_t b)
{
    // Work on magnitudes in 64 bits so that |INT32_MIN| is representable.
    std::int64_t x = a < 0 ? -static_cast<std::int64_t>(a) : a;
    std::int64_t y = b < 0 ? -static_cast<std::int64_t>(b) : b;
    while (y != 0) {
        const std::int64_t r = x % y;
        x = y;
        y = r;
    }
    if (x > INT32_MAX)
        prover_fatal("coefficient overflow");
    return static_cast<std::int32_t>(x);
}

std::int32_t ipower(std::int32_t a, std::uint16_t n)
{
    std::int32_t result = 1;
    std::int32_t base = a;
    for (;;) {
        if (n & 1u) {
            if (__builtin_mul_overflow(result, base, &result))
                prover_fatal("coefficient overflow");
        }
        n = static_cast<std::uint16_t>(n >> 1);
        if (n == 0)
            break;
        if (__builtin_mul_overflow(base, base, &base))
            prover_fatal("coefficient overflow");
    }
    return result;
}
