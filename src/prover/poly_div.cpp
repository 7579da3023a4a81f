// Exact division, pseudo-division and the restructuring they use.

#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/poly_internal.h"

#include <utility>
#include <vector>

int g_init_power = 0;

xterm* preductum(xterm* p)
{
    if (pconstp(p)) {
        coef_set(p, 0);
        return p;
    }
    dterm* first = p->terms;
    put_p(first->coef);
    return p_norm_dt(p, drop_cell(first));
}

xterm* ptop_in(xterm* p, const var_rec* v, int d)
{
    // Every term has degree at least 0 in v.
    if (d <= 0)
        return p;
    if (pconstp(p) || vless(p->var, v)) {
        put_p(p);
        return get_num();
    }
    if (p->var == v) {
        if (ldeg(p) < d) {
            put_p(p);
            return get_num();
        }
        dterm** link = &p->terms;
        while (*link && (*link)->deg >= d) {
            (*link)->deg = static_cast<std::uint16_t>((*link)->deg - d);
            link = &(*link)->next;
        }
        put_dts(*link);
        *link = nullptr;
        return p_norm_dt(p, p->terms);
    }
    dterm** link = &p->terms;
    while (*link) {
        check_time_per_term();
        dterm* t = *link;
        t->coef = ptop_in(t->coef, v, d);
        if (pzerop(t->coef)) {
            put_x(t->coef);
            *link = drop_cell(t);
        } else {
            link = &t->next;
        }
    }
    return p_norm_dt(p, p->terms);
}

xterm* pdeg_in(xterm* p, const var_rec* v) { return ptop_in(p, v, deg_in(p, v)); }

namespace {

// The first (last) term of p by the recursive order: its variables with
// their degrees, from the top down, and its number.
struct EndTerm {
    std::vector<std::pair<const var_rec*, int>> powers;
    const xterm* number = nullptr;
};

EndTerm end_term(const xterm* p, bool last)
{
    EndTerm t;
    while (p->var) {
        const dterm* d = p->terms;
        if (last)
            while (d->next)
                d = d->next;
        if (d->deg > 0)
            t.powers.emplace_back(p->var, d->deg);
        p = d->coef;
    }
    t.number = p;
    return t;
}

bool end_term_divides(const xterm* p, const xterm* q, bool last)
{
    const EndTerm a = end_term(q, last), b = end_term(p, last);
    std::size_t j = 0;
    for (const auto& [v, d] : a.powers) {
        while (j < b.powers.size() && vless(v, b.powers[j].first))
            ++j;
        if (j == b.powers.size() || b.powers[j].first != v || b.powers[j].second < d)
            return false;
        ++j;
    }
    return coef_divides_const(b.number, a.number);
}

}  // namespace

bool pmay_divide(const xterm* p, const xterm* q)
{
    if (pzerop(q))
        return false;
    if (pzerop(p))
        return true;
    return end_term_divides(p, q, false) && end_term_divides(p, q, true);
}

namespace {

xterm* fail_division(xterm* p)
{
    put_p(p);
    return nullptr;
}

// Divides every coefficient of p by q (q below p's main variable).
xterm* divide_coefficients(xterm* p, const xterm* q)
{
    for (dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        xterm* c = t->coef;
        t->coef = nullptr;
        t->coef = pdiv(c, q);
        if (!t->coef)
            return fail_division(p);
    }
    return p;
}

// Long division of term lists in the common main variable of p and q.
xterm* long_division(xterm* p, const xterm* q)
{
    const int m = ldeg(q);
    const xterm* lead_q = q->terms->coef;
    const dterm* rest_q = q->terms->next;
    dterm* rem = p->terms;
    p->terms = nullptr;
    dterm* quot = nullptr;
    dterm** tail = &quot;
    auto fail = [&] {
        put_dts(rem);
        put_dts(quot);
        put_x(p);
        return nullptr;
    };
    while (rem) {
        if (rem->deg < m)
            return fail();
        xterm* a = rem->coef;
        rem->coef = nullptr;
        xterm* k = pdiv(a, lead_q);
        if (!k)
            return fail();
        const int shift = rem->deg - m;
        rem = drop_cell(rem);
        *tail = get_dt(shift, k, nullptr);
        tail = &(*tail)->next;
        // rem -= k x^shift (rest of q)
        dterm* sub = cp_dterms(rest_q);
        for (dterm* t = sub; t; t = t->next) {
            t->coef = neg_poly(ptimes(cp_poly(k), t->coef));
            t->deg = static_cast<std::uint16_t>(t->deg + shift);
        }
        rem = merge_terms(rem, sub);
    }
    return p_norm_dt(p, quot);
}

}  // namespace

xterm* pdiv(xterm* p, const xterm* q)
{
    if (pzerop(q))
        return fail_division(p);
    if (pconstp(q)) {
        if (!pconstp(p))
            return divide_coefficients(p, q);
        if (!coef_divides_const(p, q))
            return fail_division(p);
        coef_divexact_to(p, q);
        return p;
    }
    if (pzerop(p))
        return p;
    if (pconstp(p) || !pmay_divide(p, q))
        return fail_division(p);
    if (p->var == q->var)
        return ldeg(p) >= ldeg(q) ? long_division(p, q) : fail_division(p);
    if (vless(q->var, p->var))
        return divide_coefficients(p, q);
    return fail_division(p);
}

xterm* pdiv_out(xterm* p, const xterm* q)
{
    // Units divide everything forever and zero divides nothing.
    if (pconstp(q) && (ponep(q) || pmonep(q) || pzerop(q)))
        return p;
    while (!pzerop(p) && pmay_divide(p, q)) {
        xterm* r = pdiv(cp_poly(p), q);
        if (!r)
            break;
        put_p(p);
        p = r;
    }
    return p;
}

xterm* prem(xterm* p, const xterm* q)
{
    g_init_power = 0;
    if (pconstp(q)) {
        put_p(p);
        return get_num();
    }
    if (pconstp(p) || vless(p->var, q->var))
        return p;
    if (p->var == q->var)
        return prem_ev(p, q);
    return prem_var(p, q, q->var);
}

xterm* prem_ev(xterm* p, const xterm* q)
{
    if (pconstp(q)) {
        put_p(p);
        return get_num();
    }
    if (pconstp(p) || vless(p->var, q->var))
        return p;
    if (p->var != q->var) {
        put_p(p);
        prover_fatal("prem_ev: not exact");
    }
    var_rec* x = q->var;
    const int m = ldeg(q);
    const xterm* init = q->terms->coef;
    // The rest of q is negated once here rather than every product with it.
    const PolyPtr minus_rest_q(neg_poly(preductum(cp_poly(q))));
    while (!pconstp(p) && p->var == x && ldeg(p) >= m) {
        const int shift = ldeg(p) - m;
        dterm* lead = p->terms;
        xterm* c = lead->coef;
        xterm* rest_p = p_norm_dt(p, drop_cell(lead));
        if (xterm* k = pmay_divide(c, init) ? pdiv(cp_poly(c), init) : nullptr) {
            // The leading coefficient is a multiple of the initial: no
            // multiplication needed.
            put_p(c);
            p = pplus(rest_p, ptimes(get_md(x, shift, k), cp_poly(minus_rest_q.get())));
        } else {
            ++g_init_power;
            p = pplus(ptimes(cp_poly(init), rest_p), ptimes(get_md(x, shift, c), cp_poly(minus_rest_q.get())));
        }
    }
    return p;
}

xterm* prem_var(xterm* p, const xterm* q, var_rec* v)
{
    g_init_power = 0;
    if (pconstp(q)) {
        put_p(p);
        return get_num();
    }
    if (pconstp(p))
        return p;
    const int m = deg_in(q, v);
    if (m == 0) {
        gerror("prem_var");
        return p;
    }
    // In q = I v^m - T every I v^m is replaced by T.
    const PolyPtr init(ptop_in(cp_poly(q), v, m));
    const PolyPtr t(pminus(ptimes(cp_poly(init.get()), get_md(v, m, get_n(1))), cp_poly(q)));
    for (int d = deg_in(p, v); d >= m; d = deg_in(p, v)) {
        xterm* c = ptop_in(cp_poly(p), v, d);
        xterm* lowered = pminus(p, ptimes(cp_poly(c), get_md(v, d, get_n(1))));
        if (xterm* k = pmay_divide(c, init.get()) ? pdiv(cp_poly(c), init.get()) : nullptr) {
            put_p(c);
            p = pplus(lowered, ptimes(get_md(v, d - m, k), cp_poly(t.get())));
        } else {
            ++g_init_power;
            p = pplus(ptimes(cp_poly(init.get()), lowered),
                      ptimes(get_md(v, d - m, c), cp_poly(t.get())));
        }
    }
    return p;
}
