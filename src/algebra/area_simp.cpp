// Simplification of a quotient record: factor lists normalised, common
// factors of both sides cancelled.

#include "algebra/area_quot.h"

#include <algorithm>

#include "algebra/plist.h"
#include "prover/coef_arith.h"
#include "prover/int_arith.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"
#include "prover/variables.h"

dterm* g_psdiv_num = nullptr;
dterm* g_psdiv_den = nullptr;

namespace {

bool is_const(const dterm* cell, coef_t v) { return pconstp(cell->coef) && coef_is(cell->coef, v); }

// The exact quotient p / q where it is known to exist; a failure would be an
// inconsistent factorisation.
xterm* exact_div(xterm* p, const xterm* q)
{
    xterm* r = pdiv(p, q);
    if (!r)
        prover_fatal("pfactor: inexact division");
    return r;
}

// a / c as a new constant, c dividing a.
xterm* exact_quotient(const xterm* a, const xterm* c)
{
    xterm* q = cp_poly(a);
    coef_divexact_to(q, c);
    return q;
}

void free_list(dterm*& list)
{
    put_dts(list);
    list = nullptr;
}

}  // namespace

dterm* pfactor(xterm* p)
{
    dterm* powers = nullptr;
    xterm* divisor = get_n(1);
    // Every variable, not only those along the initials: a power that
    // stays in one side's factor keeps it from cancelling against the other.
    if (!pconstp(p)) {
        for (var_rec* v : vars2(p)) {
            check_time();
            const int k = lowdeg_in(p, v);
            if (k > 0) {
                plist_append(powers, get_m(v), k);
                divisor = ptimes(divisor, ppower(get_m(v), k));
            }
        }
    }
    if (!ponep(divisor))
        p = exact_div(p, divisor);
    put_p(divisor);

    xterm* c;
    if (pconstp(p)) {
        c = p;
    } else {
        c = pcontent_poly(p);
        if (pmonep(c))
            p = neg_poly(p);
        else if (!ponep(c))
            p = exact_div(p, c);
        plist_append(powers, p, 1);
    }
    return get_dt(1, c, powers);
}

dterm* plist_factor(dterm* list)
{
    bool zero = false;
    dterm* result = nullptr;
    while (list) {
        dterm* cell = list;
        list = list->next;
        const int e = cell->deg;
        xterm* f = plist_take(cell);
        put_d(cell);
        if (!f)
            continue;
        if (e == 0) {
            put_p(f);
            continue;
        }
        dterm* parts = pfactor(f);
        while (parts) {
            dterm* part = parts;
            parts = parts->next;
            part->next = nullptr;
            if (is_const(part, 0))
                zero = true;
            if (is_const(part, 0) || is_const(part, 1)) {
                put_dts(part);
                continue;
            }
            part->deg = deg_checked(static_cast<long>(part->deg) * e);
            if (dterm* same = plist_find(part->coef, result)) {
                same->deg = deg_checked(static_cast<long>(same->deg) + part->deg);
                put_dts(part);
            } else {
                plist_join(result, part);
            }
        }
    }
    if (zero) {
        put_dts(result);
        return get_dt(1, get_n(0), nullptr);
    }
    return result ? result : get_dt(1, get_n(1), nullptr);
}

dterm* plist_collect(dterm* list)
{
    xterm* c = get_n(1);
    dterm* rest = nullptr;
    while (list) {
        dterm* cell = list;
        list = list->next;
        cell->next = nullptr;
        if (cell->deg != 0 && cell->coef && !pconstp(cell->coef)) {
            plist_join(rest, cell);
            continue;
        }
        if (cell->deg != 0 && cell->coef) {
            const PolyPtr power(ipower(cell->coef, cell->deg));
            coef_mul_to(c, power.get());
        }
        put_dts(cell);
    }
    return get_dt(1, c, rest);
}

dterm* ps_div(dterm* a, dterm* b)
{
    if (!a || !b) {
        g_psdiv_num = a;
        g_psdiv_den = b;
        return nullptr;
    }
    dterm* cancelled = nullptr;
    bool refused = false;
    for (dterm* g = b; g && !refused; g = g->next) {
        dterm* for_a = nullptr;
        for (dterm* f = a; f && g->deg > 0; f = f->next) {
            if (f->deg == 0 || !f->coef || !g->coef)
                continue;
            check_time();
            const bool fc = pconstp(f->coef);
            const bool gc = pconstp(g->coef);
            if (fc && gc) {
                const PolyPtr c(igcd(f->coef, g->coef));
                if (coef_is(c.get(), 1) || coef_is(c.get(), 0))
                    continue;
                const int m = std::min(f->deg, g->deg);
                f->deg = static_cast<std::uint16_t>(f->deg - m);
                g->deg = static_cast<std::uint16_t>(g->deg - m);
                plist_append(cancelled, cp_poly(c.get()), m);
                if (!coef_eq(f->coef, c.get()))
                    plist_append(for_a, exact_quotient(f->coef, c.get()), m);
                if (!coef_eq(g->coef, c.get()))
                    plist_append(b, exact_quotient(g->coef, c.get()), m);
            } else if (!fc && !gc) {
                xterm* q = pdiv(cp_poly(f->coef), g->coef);
                if (!q)
                    continue;
                if (pconstp(q) && !ponep(q)) {
                    put_p(q);
                    gerror("ps_div\n");
                    refused = true;
                    break;
                }
                const int m = std::min(f->deg, g->deg);
                f->deg = static_cast<std::uint16_t>(f->deg - m);
                g->deg = static_cast<std::uint16_t>(g->deg - m);
                plist_append(cancelled, cp_poly(g->coef), m);
                if (ponep(q))
                    put_p(q);
                else
                    plist_append(for_a, q, m);
            }
        }
        plist_join(a, for_a);
        a = plist_collect(a);
    }
    if (refused)
        free_list(cancelled);
    g_psdiv_num = a;
    g_psdiv_den = plist_collect(b);
    return cancelled;
}

quot_rec* quot_simp(const quot_rec* rec)
{
    if (pzerop(rec->nc) && pzerop(rec->dc))
        return nullptr;
    dterm* N = plist_factor(cp_dterms(rec->np));
    dterm* D = plist_factor(cp_dterms(rec->dp));
    const bool num_zero = pzerop(rec->nc) || (!N->next && is_const(N, 0));
    const bool den_zero = pzerop(rec->dc) || (!D->next && is_const(D, 0));

    if (num_zero && den_zero) {
        free_list(N);
        free_list(D);
        return new_ratio_rec(get_n(0), nullptr, get_n(0), nullptr, kQuotPlain);
    }
    if (num_zero) {
        free_list(N);
        if (plist_nonconst(D) > plist_nonconst(rec->dp))
            return new_ratio_rec(get_n(0), nullptr, get_n(1), D, kQuotPlain);
        free_list(D);
        return nullptr;
    }
    if (den_zero) {
        free_list(D);
        if (plist_nonconst(N) > plist_nonconst(rec->np))
            return new_ratio_rec(get_n(1), N, get_n(0), nullptr, kQuotPlain);
        free_list(N);
        return nullptr;
    }

    N = get_dt(1, cp_poly(rec->nc), N);
    D = get_dt(1, cp_poly(rec->dc), D);
    dterm* first = ps_div(N, D);
    N = g_psdiv_num;
    D = g_psdiv_den;
    dterm* second = g_abort ? nullptr : ps_div(D, N);
    if (!g_abort) {
        D = g_psdiv_num;
        N = g_psdiv_den;
    }
    if (g_abort || (!first && !second)) {
        free_list(first);
        free_list(second);
        free_list(N);
        free_list(D);
        return nullptr;
    }
    plist_join(first, second);
    // Both lists come back collected: their coefficient cell first.
    xterm* nc = plist_take(N);
    xterm* dc = plist_take(D);
    dterm* np = N->next;
    dterm* dp = D->next;
    N->next = D->next = nullptr;
    put_dts(N);
    put_dts(D);
    quot_rec* out = new_ratio_rec(nc, np, dc, dp, kQuotCancel);
    out->cancelled = first;
    return out;
}
