// Stand-in until the exact search lands: the double search on the nearest
// doubles of the coefficients.

#include "prover/exact_roots.h"

#include "prover/real_roots.h"

Exact_roots exact_real_roots(const std::vector<mpz_class>& c)
{
    std::vector<double> d;
    d.reserve(c.size());
    for (const mpz_class& a : c)
        d.push_back(a.get_d());
    Exact_roots out;
    if (auto roots = real_roots(std::move(d)))
        out.roots = std::move(*roots);
    return out;
}
