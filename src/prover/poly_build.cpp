// Building polynomials: constants, monomials, normalisation and copies.

#include "prover/coef_arith.h"
#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/poly_internal.h"

xterm* get_n(coef_t v)
{
    xterm* x = new_xterm();
    x->value = v;
    return x;
}

xterm* get_l(coef_t v) { return get_n(v); }

xterm* get_num() { return get_n(0); }

xterm* get_x(var_rec* var, dterm* terms)
{
    xterm* x = new_xterm();
    x->var = var;
    x->terms = terms;
    return x;
}

dterm* get_dt(int deg, xterm* coef, dterm* next)
{
    dterm* d = new_dterm();
    d->deg = deg_checked(deg);
    d->coef = coef;
    d->next = next;
    return d;
}

xterm* p_norm_dt(xterm* x, dterm* list)
{
    if (!list) {
        x->var = nullptr;
        x->terms = nullptr;
        x->value = 0;
        return x;
    }
    if (list->deg == 0) {
        // Terms are in decreasing degree, so this is the only one.
        xterm* coef = list->coef;
        put_d(list);
        put_x(x);
        return coef;
    }
    x->terms = list;
    return x;
}

xterm* get_m(var_rec* var)
{
    if (!var)
        return get_num();
    return get_x(var, get_dt(1, get_n(1), nullptr));
}

xterm* get_m_name(std::string_view name) { return get_m(mk_var_name(name)); }

xterm* get_md(var_rec* var, int deg, xterm* coef)
{
    if (!var)
        return get_num();
    if (deg == 0 || pzerop(coef))
        return coef;
    if (!pconstp(coef) && !vless(coef->var, var))
        return ptimes(coef, get_x(var, get_dt(deg, get_n(1), nullptr)));
    return get_x(var, get_dt(deg, coef, nullptr));
}

dterm* cp_dterms(const dterm* list)
{
    dterm* head = nullptr;
    dterm** link = &head;
    for (; list; list = list->next) {
        check_time_per_term();
        dterm* d = new_dterm();
        d->deg = list->deg;
        *link = d;
        link = &d->next;
        d->coef = cp_poly(list->coef);
    }
    return head;
}

xterm* cp_poly(const xterm* p)
{
    if (!p)
        return nullptr;
    xterm* x = new_xterm();
    x->var = p->var;
    if (p->var) {
        x->terms = cp_dterms(p->terms);
    } else {
        x->value = p->value;
        if (p->big)
            x->big = copy_big(p->big);
    }
    return x;
}
