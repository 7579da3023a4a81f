// The exact roots of the CONSTANT equations met in one Prove.

#include "prover/constant_roots.h"

#include <algorithm>
#include <map>

#include "prover/poly.h"
#include "prover/poly_coef.h"

namespace {

struct Coefficients_less {
    bool operator()(const std::vector<mpz_class>& a, const std::vector<mpz_class>& b) const
    {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
    }
};

using Root_cache = std::map<std::vector<mpz_class>, Exact_roots, Coefficients_less>;

Root_cache& cache()
{
    static Root_cache roots;
    return roots;
}

}  // namespace

std::optional<std::vector<mpz_class>> integer_coefficients(const xterm* p, const var_rec* v)
{
    if (!p || p->var != v)
        return std::nullopt;
    std::vector<mpz_class> c(static_cast<std::size_t>(p->terms->deg) + 1);
    for (const dterm* t = p->terms; t; t = t->next) {
        if (t->coef->var)
            return std::nullopt;
        c[t->deg] = coef_mpz(t->coef);
    }
    return c;
}

const Exact_roots& constant_roots(const std::vector<mpz_class>& c)
{
    Root_cache& roots = cache();
    if (const auto it = roots.find(c); it != roots.end())
        return it->second;
    Exact_roots found = exact_real_roots(c);
    return roots.emplace(c, std::move(found)).first->second;
}

void clear_constant_roots() { cache().clear(); }
