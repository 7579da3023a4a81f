// Stand-in until the exact search lands: the double search on the nearest
// doubles of the coefficients.

#include "prover/exact_roots.h"

#include "prover/real_roots.h"

namespace {

std::vector<double> as_doubles(const std::vector<mpz_class>& c)
{
    std::vector<double> d;
    d.reserve(c.size());
    for (const mpz_class& a : c)
        d.push_back(a.get_d());
    return d;
}

}  // namespace

Exact_roots exact_real_roots(const std::vector<mpz_class>& c)
{
    Exact_roots out;
    if (auto roots = real_roots(as_doubles(c)))
        out.roots = std::move(*roots);
    return out;
}

std::size_t exact_solved_degree(const std::vector<mpz_class>& c) { return solved_degree(as_doubles(c)); }
