// The Groebner basis: interreduction, S-polynomials and the basis loop.

#include <utility>
#include <vector>

#include "algebra/groebner.h"
#include "algebra/plist.h"

namespace {

struct Power {
    var_rec* var;
    int deg;
};

// The head monomial as its variables from the top down.
std::vector<Power> head_powers(const xterm* p)
{
    std::vector<Power> out;
    for (; !gconst_p(p); p = pinit(p))
        out.push_back({p->var, ldeg(p)});
    return out;
}

xterm* monomial(const std::vector<Power>& powers)
{
    xterm* m = get_n(1);
    // From the lowest variable up, so that each factor wraps the lower ones.
    for (auto it = powers.rbegin(); it != powers.rend(); ++it)
        m = get_md(it->var, it->deg, m);
    return m;
}

// Cofactors of the least common multiple of the head monomials:
// m1 * c2 = m2 * c1. Each side's excess goes into its own cofactor.
std::pair<xterm*, xterm*> glcm(const xterm* p, const xterm* q)
{
    const std::vector<Power> m1 = head_powers(p), m2 = head_powers(q);
    std::vector<Power> c1, c2;
    std::size_t i = 0, j = 0;
    while (i < m1.size() || j < m2.size()) {
        if (j == m2.size() || (i < m1.size() && vless(m2[j].var, m1[i].var))) {
            c1.push_back(m1[i++]);
        } else if (i == m1.size() || vless(m1[i].var, m2[j].var)) {
            c2.push_back(m2[j++]);
        } else {
            const int d1 = m1[i].deg, d2 = m2[j].deg;
            if (d1 > d2)
                c1.push_back({m1[i].var, d1 - d2});
            else if (d2 > d1)
                c2.push_back({m2[j].var, d2 - d1});
            ++i;
            ++j;
        }
    }
    return {monomial(c1), monomial(c2)};
}

// Removes and returns the least member of list under gless (the first of equals).
dterm* take_least(dterm*& list)
{
    dterm** best = &list;
    for (dterm** link = &list->next; *link; link = &(*link)->next)
        if (gless((*link)->coef, (*best)->coef) && !gless((*best)->coef, (*link)->coef))
            best = link;
    dterm* cell = *best;
    *best = cell->next;
    cell->next = nullptr;
    return cell;
}

// Appends the members of extra not already in B (structurally) to B.
void join_new(dterm*& B, dterm* extra)
{
    while (extra) {
        dterm* cell = extra;
        extra = extra->next;
        cell->next = nullptr;
        if (plist_has(B, cell->coef))
            put_dts(cell);
        else
            plist_join(B, cell);
    }
}

// Normal forms of every member; members that are 0 say nothing and go.
dterm* normalise_all(dterm* list)
{
    dterm* out = nullptr;
    while (list) {
        dterm* cell = list;
        list = list->next;
        cell->next = nullptr;
        cell->coef = gnormal(plist_take(cell));
        if (pzerop(cell->coef))
            put_dts(cell);
        else
            plist_join(out, cell);
    }
    return out;
}

}  // namespace

xterm* gspoly(xterm* p, xterm* q)
{
    auto [c1, c2] = glcm(p, q);
    xterm* h1 = ghead_coef(p);
    xterm* h2 = ghead_coef(q);
    return pminus(ptimes(ptimes(p, h2), c2), ptimes(ptimes(q, h1), c1));
}

GbSplit g_bs(dterm* list)
{
    GbSplit out;
    dterm* remaining = list;
    while (remaining) {
        dterm* least = take_least(remaining);
        least->deg = 1;
        least->next = out.B;
        out.B = least;
        dterm* next = nullptr;
        while (remaining) {
            dterm* cell = remaining;
            remaining = remaining->next;
            cell->next = nullptr;
            if (gred_ps(cell->coef, out.B))
                plist_join(next, cell);
            else
                plist_join(out.R, cell);
        }
        remaining = next;
    }
    return out;
}

dterm* gspolys(const dterm* B)
{
    dterm* S = nullptr;
    for (const dterm* gi = B; gi; gi = gi->next) {
        for (const dterm* gj = gi->next; gj; gj = gj->next) {
            if (gshare_p(gi->coef, gj->coef))
                continue;
            xterm* s = gred(gspoly(cp_poly(gi->coef), cp_poly(gj->coef)), gi);
            if (pzerop(s))
                put_p(s);
            else
                plist_append(S, s, 1);
        }
    }
    return S;
}

dterm* g_basis(dterm* list)
{
    list = normalise_all(list);
    if (!list)
        return nullptr;
    for (;;) {
        GbSplit split = g_bs(list);
        list = nullptr;
        dterm* N = nullptr;
        while (split.R) {
            dterm* cell = split.R;
            split.R = split.R->next;
            cell->next = nullptr;
            cell->coef = gred(plist_take(cell), split.B);
            cell->deg = 1;
            if (pzerop(cell->coef))
                put_dts(cell);
            else
                plist_join(N, cell);
        }
        if (N) {
            list = split.B;
            join_new(list, N);
            continue;
        }
        dterm* S = gspolys(split.B);
        if (!S)
            return split.B;
        list = split.B;
        plist_join(list, S);
    }
}
