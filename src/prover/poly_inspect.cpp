// Inspecting polynomials: predicates, degrees, sizes and the polynomial order.

#include <algorithm>

#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/poly_internal.h"
#include "prover/variables.h"

bool pbigp(const xterm* p) { return p->var == nullptr && p->big != nullptr; }

bool has_var_of_type(const xterm* p, std::int8_t type)
{
    return any_var_type(p, [type](int t) { return t == type; });
}

bool peq(const xterm* p, const xterm* q)
{
    if (p == q)
        return true;
    if (!p || !q || p->var != q->var)
        return false;
    if (!p->var)
        return coef_eq(p, q);
    const dterm* a = p->terms;
    const dterm* b = q->terms;
    for (; a && b; a = a->next, b = b->next) {
        check_time_per_term();
        if (a->deg != b->deg || !peq(a->coef, b->coef))
            return false;
    }
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
    for (const dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        d = std::max(d, deg_in(t->coef, v));
    }
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
    for (; t; t = t->next) {
        check_time_per_term();
        d = std::min(d, lowdeg_in(t->coef, v));
    }
    return d;
}

const xterm* lnum_node(const xterm* p)
{
    while (p->var)
        p = p->terms->coef;
    return p;
}

namespace {

// Running gcd of the absolute values of the leaves into constant node g;
// stops early at 1.
void leaf_gcd(const xterm* p, xterm* g)
{
    if (!p->var) {
        coef_gcd_into(g, p);
        return;
    }
    for (const dterm* t = p->terms; t && !coef_is(g, 1); t = t->next) {
        check_time_per_term();
        leaf_gcd(t->coef, g);
    }
}

}  // namespace

coef_t lnum(const xterm* p)
{
    const xterm* n = lnum_node(p);
    if (!n->big)
        return n->value;
    return coef_sign(n) < 0 ? -INT64_MAX : INT64_MAX;
}

xterm* lnum_poly(const xterm* p) { return cp_poly(lnum_node(p)); }

xterm* pcontent_poly(const xterm* p)
{
    xterm* g = get_n(0);
    leaf_gcd(p, g);
    if (coef_sign(lnum_node(p)) < 0)
        coef_negate(g);
    return g;
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
        return pzerop(p) ? 0 : 1;
    return nterms_dts(p->terms);
}

int nterms_dts(const dterm* list)
{
    int n = 0;
    for (; list; list = list->next) {
        check_time_per_term();
        n += nterms(list->coef);
    }
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
