// Polynomials brought back to canonical form after the variable order changed.

#include <cstddef>
#include <vector>

#include "prover/poly.h"

namespace {

bool canonical_below(const xterm* p, const var_rec* above)
{
    if (pconstp(p))
        return true;
    if (above && !vless(p->var, above))
        return false;
    const dterm* t = p->terms;
    if (!t || t->deg == 0)
        return false;
    for (; t; t = t->next) {
        if ((t->next && t->next->deg >= t->deg) || pzerop(t->coef) || !canonical_below(t->coef, p->var))
            return false;
    }
    return true;
}

// The sum of parts (consumed), added in pairs: a polynomial of many terms
// costs a merge per level instead of one per term.
xterm* sum_in_pairs(std::vector<xterm*> parts)
{
    if (parts.empty())
        return get_num();
    while (parts.size() > 1) {
        std::vector<xterm*> next;
        next.reserve((parts.size() + 1) / 2);
        for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
            next.push_back(pplus(parts[i], parts[i + 1]));
        if (parts.size() % 2 == 1)
            next.push_back(parts.back());
        parts = std::move(next);
    }
    return parts.front();
}

}  // namespace

bool pcanonical(const xterm* p) { return !p || canonical_below(p, nullptr); }

xterm* p_reorder(xterm* p)
{
    if (pcanonical(p))
        return p;
    // Each term on its own, its coefficient canonical first, times its power
    // of the variable; the products and sums put every variable in its place.
    var_rec* const v = p->var;
    std::vector<xterm*> parts;
    dterm* t = p->terms;
    put_x(p);
    while (t) {
        dterm* const next = t->next;
        xterm* const coef = p_reorder(t->coef);
        const int deg = t->deg;
        put_d(t);
        t = next;
        parts.push_back(get_md(v, deg, coef));
    }
    return sum_in_pairs(std::move(parts));
}
