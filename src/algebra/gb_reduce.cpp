// Heads, normal forms and reduction of the Groebner method.

#include <utility>
#include <vector>

#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "algebra/poly_normal.h"
#include "prover/prover.h"

std::int8_t g_gbmode = 2;

bool gconst_p(const xterm* p)
{
    return !p->var || p->var->type == kVarNamed || p->var->type == kVarU;
}

namespace {

const xterm* head_coef_of(const xterm* p)
{
    while (!gconst_p(p))
        p = pinit(p);
    return p;
}

// Replaces p by its exact quotient by d when d divides it.
xterm* divide_if_exact(xterm* p, const xterm* d)
{
    if (pconstp(d) || !pmay_divide(p, d))
        return p;
    if (xterm* q = pdiv(cp_poly(p), d)) {
        put_p(p);
        return q;
    }
    return p;
}

bool has_single_leaf_coefficient(const xterm* p)
{
    for (const dterm* t = p->terms; t; t = t->next)
        if (nterms(t->coef) == 1)
            return true;
    return false;
}

// The head term of p divided by the head monomial of g, when that divides.
xterm* head_quotient(const xterm* p, const xterm* g)
{
    if (gconst_p(g))
        return cp_poly(p);
    if (gconst_p(p) || p->var != g->var || ldeg(p) < ldeg(g))
        return nullptr;
    xterm* inner = head_quotient(pinit(p), pinit(g));
    if (!inner)
        return nullptr;
    return get_md(p->var, ldeg(p) - ldeg(g), inner);
}

}  // namespace

xterm* ghead_coef(const xterm* p) { return cp_poly(head_coef_of(p)); }

xterm* ghead_mono(const xterm* p)
{
    xterm* mono = get_n(1);
    while (!gconst_p(p)) {
        mono = get_md(p->var, ldeg(p), mono);
        p = pinit(p);
    }
    return mono;
}

xterm* gnormal(xterm* p)
{
    if (pzerop(p))
        return p;
    if (gconst_p(p)) {
        put_p(p);
        return get_n(1);
    }
    p = pprim(p);
    for (var_rec* v : vars2(head_coef_of(p))) {
        const int k = lowdeg_in(p, v);
        if (k > 0) {
            const PolyPtr power(get_md(v, k, get_n(1)));
            p = divide_if_exact(p, power.get());
        }
    }
    xterm* c = psimp(ghead_coef(p));
    p = divide_if_exact(p, c);
    dterm* factors = gfactors(c);
    for (const dterm* f = factors; f; f = f->next)
        p = divide_if_exact(p, f->coef);
    put_dts(factors);
    return p;
}

dterm* gfactors(xterm* p)
{
    if (pconstp(p)) {
        put_p(p);
        return nullptr;
    }
    var_rec* v = p->var;
    p = ptop_in(p, v, lowdeg_in(p, v));
    for (;;) {
        if (pconstp(p) || nterms(p) < 2) {
            put_p(p);
            return nullptr;
        }
        if (has_single_leaf_coefficient(p))
            return get_dt(1, psimp(p), nullptr);
        if (pndts(p) > 1)
            break;
        // One term: its coefficient carries the factors.
        xterm* only = p->terms->coef;
        p->terms->coef = nullptr;
        put_d(p->terms);
        p->terms = nullptr;
        p->var = nullptr;
        put_x(p);
        p = only;
    }
    dterm* list = nullptr;
    for (const dterm* t = p->terms; t; t = t->next) {
        dterm* sub = gfactors(cp_poly(t->coef));
        while (sub) {
            dterm* cell = sub;
            sub = sub->next;
            cell->next = nullptr;
            if (plist_has(list, cell->coef))
                put_dts(cell);
            else
                plist_join(list, cell);
        }
    }
    dterm** link = &list;
    while (*link) {
        dterm* cell = *link;
        if (xterm* q = pmay_divide(p, cell->coef) ? pdiv(cp_poly(p), cell->coef) : nullptr) {
            put_p(p);
            p = q;
            link = &cell->next;
        } else {
            *link = cell->next;
            cell->next = nullptr;
            put_dts(cell);
        }
    }
    if (pconstp(p))
        put_p(p);
    else
        plist_push(list, p, 1);
    return list;
}

bool gless(const xterm* p, const xterm* q)
{
    for (;;) {
        if (gconst_p(p))
            return true;
        if (gconst_p(q))
            return false;
        if (p->var != q->var)
            return vless(p->var, q->var);
        if (ldeg(p) != ldeg(q))
            return ldeg(p) < ldeg(q);
        p = pinit(p);
        q = pinit(q);
    }
}

bool gdivides(const xterm* p, const xterm* g)
{
    if (gconst_p(g))
        return true;
    if (gconst_p(p) || vless(p->var, g->var))
        return false;
    if (p->var != g->var) {
        for (const dterm* t = p->terms; t; t = t->next) {
            check_time_per_term();
            if (gdivides(t->coef, g))
                return true;
        }
        return false;
    }
    const int m = ldeg(g);
    for (const dterm* t = p->terms; t && t->deg >= m; t = t->next) {
        check_time_per_term();
        if (gdivides(t->coef, pinit(g)))
            return true;
    }
    return false;
}

xterm* gquot_of(const xterm* p, const xterm* g)
{
    if (gconst_p(g))
        return cp_poly(p);
    if (gconst_p(p) || vless(p->var, g->var) || (p->var == g->var && ldeg(p) < ldeg(g)))
        return get_num();
    const bool same = p->var == g->var;
    const int m = same ? ldeg(g) : 0;
    const xterm* inner = same ? pinit(g) : g;
    dterm* list = nullptr;
    dterm** tail = &list;
    for (const dterm* t = p->terms; t && (!same || t->deg >= m); t = t->next) {
        xterm* q = gquot_of(t->coef, inner);
        if (pzerop(q)) {
            put_x(q);
            continue;
        }
        *tail = get_dt(t->deg - m, q, nullptr);
        tail = &(*tail)->next;
    }
    return p_norm_dt(get_x(p->var, nullptr), list);
}

xterm* gquot(xterm* p, const xterm* g)
{
    xterm* q = gquot_of(p, g);
    put_p(p);
    return q;
}

bool gred_ps(const xterm* p, const dterm* list)
{
    if (g_gbmode != 1 && g_gbmode != 2) {
        gerror("gred_ps");
        return true;
    }
    for (; list; list = list->next) {
        if (!list->coef)
            continue;
        if (g_gbmode == 1 ? gdivides(p, list->coef) : static_cast<bool>(PolyPtr(head_quotient(p, list->coef))))
            return false;
    }
    return true;
}

xterm* gred1(xterm* p, const xterm* g)
{
    if (gconst_p(g)) {
        put_p(p);
        return get_num();
    }
    if (pzerop(p))
        return p;
    if (gconst_p(p)) {
        put_p(p);
        return get_n(1);
    }
    if (vless(p->var, g->var))
        return p;
    const bool head_only = g_gbmode == 2 && nterms(g) >= 3;
    const PolyPtr hc(ghead_coef(g));
    for (;;) {
        check_time();
        xterm* t = head_only ? head_quotient(p, g) : gquot_of(p, g);
        if (!t)
            break;
        if (pzerop(t)) {
            put_p(t);
            break;
        }
        p = gnormal(pminus(ptimes(p, cp_poly(hc.get())), ptimes(cp_poly(g), t)));
        if (gconst_p(p))
            break;
    }
    return p;
}

xterm* gred(xterm* p, const dterm* list)
{
    for (; list && !gconst_p(p); list = list->next)
        if (list->coef)
            p = gred1(p, list->coef);
    return p;
}

bool gshare_p(const xterm* p, const xterm* q)
{
    // Walk both head paths from the top; a common variable means shared.
    std::vector<const var_rec*> vars;
    for (const xterm* a = p; !gconst_p(a); a = pinit(a))
        vars.push_back(a->var);
    for (const xterm* b = q; !gconst_p(b); b = pinit(b))
        for (const var_rec* v : vars)
            if (v == b->var)
                return false;
    return true;
}
