// Integer helpers of the quotient code.

#include "prover/int_arith.h"

#include "prover/poly_coef.h"

xterm* igcd(const xterm* a, const xterm* b)
{
    xterm* g = get_n(0);
    coef_gcd_into(g, a);
    coef_gcd_into(g, b);
    return g;
}

xterm* ipower(const xterm* a, std::uint16_t n)
{
    xterm* result = get_n(1);
    const PolyPtr base(cp_poly(a));
    for (;;) {
        if (n & 1u)
            coef_mul_to(result, base.get());
        n = static_cast<std::uint16_t>(n >> 1);
        if (n == 0)
            break;
        coef_mul_to(base.get(), base.get());
    }
    return result;
}
