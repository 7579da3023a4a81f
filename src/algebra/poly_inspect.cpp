// Inspecting polynomials: predicates, degrees, sizes and the polynomial order.

#include <algorithm>

#include "algebra/coef_arith.h"
#include "algebra/poly.h"

bool pconstp(const xterm* p) { return p->var == nullptr; }

bool pzerop(const xterm* p) { return p->var == nullptr && p->value == 0; }

bool ponep(const xterm* p) { return p->var == nullptr && p->value == 1; }

bool pmonep(const xterm* p) { return p->var == nullptr && p->value == -1; }

bool peq(const xterm* p, const xterm* q)
{
    if (p == q)
        return true;
    if (!p || !q || p->var != q->var)
        return false;
    if (!p->var)
        return p->value == q->value;
    const dterm* a = p->terms;
    const dterm* b = q->terms;
    for (; a && b; a = a->next, b = b->next)
        if (a->deg != b->deg || !peq(a->coef, b->coef))
            return false;
    return !a && !b;
}

int ldeg(const xterm* p) { return p->var ? p->terms->deg : 0; }

int deg_in(const xterm* p, const var_rec* v)
{
    if (!p->var || vless(p->var, v))
        return 0;
    if (p->var == v)
        return p->terms->deg;
    int d = 0;
    for (const dterm* t = p->terms; t; t = t->next)
        d = std::max(d, deg_in(t->coef, v));
    return d;
}

int lowdeg_in(const xterm* p, const var_rec* v)
{
    if (!p->var || vless(p->var, v))
        return 0;
    const dterm* t = p->terms;
    if (p->var == v) {
        while (t->next)
            t = t->next;
        return t->deg;
    }
    int d = 10000;
    for (; t; t = t->next)
        d = std::min(d, lowdeg_in(t->coef, v));
    return d;
}

coef_t lnum(const xterm* p)
{
    while (p->var)
        p = p->terms->coef;
    return p->value;
}

namespace {

// Running gcd of the absolute values of the leaves; stops early at 1.
coef_t leaf_gcd(const xterm* p, coef_t g)
{
    if (!p->var)
        return coef_gcd(g, p->value);
    for (const dterm* t = p->terms; t && g != 1; t = t->next)
        g = leaf_gcd(t->coef, g);
    return g;
}

}  // namespace

coef_t pcontent(const xterm* p)
{
    const coef_t g = leaf_gcd(p, 0);
    return lnum(p) < 0 ? -g : g;
}

xterm* pinit(xterm* p) { return p->var ? p->terms->coef : nullptr; }

const xterm* pinit(const xterm* p) { return p->var ? p->terms->coef : nullptr; }

xterm* pinit_cp(const xterm* p) { return p->var ? cp_poly(p->terms->coef) : nullptr; }

int pndts(const xterm* p)
{
    int n = 0;
    if (p->var)
        for (const dterm* t = p->terms; t; t = t->next)
            ++n;
    return n;
}

int nterms(const xterm* p)
{
    if (!p->var)
        return p->value == 0 ? 0 : 1;
    return nterms_dts(p->terms);
}

int nterms_dts(const dterm* list)
{
    int n = 0;
    for (; list; list = list->next)
        n += nterms(list->coef);
    return n;
}

bool plessp(const xterm* p, const xterm* q)
{
    const bool pc = pconstp(p);
    const bool qc = pconstp(q);
    if (pc || qc)
        return pc && !qc;
    if (p->var != q->var)
        return vless(p->var, q->var);
    if (ldeg(p) != ldeg(q))
        return ldeg(p) < ldeg(q);
    const int np = nterms(p);
    const int nq = nterms(q);
    if (np >= 3 && nq >= 3)
        return plessp(pinit(p), pinit(q));
    return np < nq;
}

void note_maxterm(const xterm* p)
{
    if (!g_maxterm_on || !p)
        return;
    g_maxterm = std::max(g_maxterm, static_cast<std::int32_t>(nterms(p)));
}
