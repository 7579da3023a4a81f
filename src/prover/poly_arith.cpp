// Sums, products and powers. Arguments are consumed and their nodes reused,
// so results are built in place.

#include <utility>

#include "prover/coef_arith.h"
#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/poly_internal.h"

namespace {

// Adds a (a constant or a polynomial in variables below b's main variable)
// into the degree-0 term of b. Returns b.
xterm* add_into_constant_term(xterm* a, xterm* b)
{
    dterm** link = &b->terms;
    while ((*link)->next)
        link = &(*link)->next;
    dterm* last = *link;
    if (last->deg != 0) {
        last->next = get_dt(0, a, nullptr);
        return b;
    }
    last->coef = pplus(a, last->coef);
    if (pzerop(last->coef)) {
        put_x(last->coef);
        put_d(last);
        *link = nullptr;  // b keeps its higher terms
    }
    return b;
}

}  // namespace

dterm* merge_terms(dterm* a, dterm* b)
{
    dterm* head = a;
    dterm** link = &head;
    while (*link && b) {
        dterm* cur = *link;
        if (b->deg > cur->deg) {
            dterm* rest = b->next;
            b->next = cur;
            *link = b;
            link = &b->next;
            b = rest;
        } else if (b->deg == cur->deg) {
            xterm* other = b->coef;
            b = drop_cell(b);
            cur->coef = pplus(cur->coef, other);
            if (pzerop(cur->coef)) {
                put_x(cur->coef);
                *link = drop_cell(cur);
            } else {
                link = &cur->next;
            }
        } else {
            link = &cur->next;
        }
    }
    if (b)
        *link = b;
    return head;
}

xterm* pplus(xterm* p, xterm* q)
{
    check_time();
    if (pconstp(p)) {
        if (pzerop(p)) {
            put_x(p);
            return q;
        }
        if (pconstp(q)) {
            coef_add_to(p, q);
            put_x(q);
            return p;
        }
        return add_into_constant_term(p, q);
    }
    if (pconstp(q)) {
        if (pzerop(q)) {
            put_x(q);
            return p;
        }
        return add_into_constant_term(q, p);
    }
    if (p->var == q->var) {
        dterm* list = merge_terms(p->terms, q->terms);
        put_x(q);
        return p_norm_dt(p, list);
    }
    if (vless(p->var, q->var))
        return add_into_constant_term(p, q);
    return add_into_constant_term(q, p);
}

xterm* neg_poly(xterm* p)
{
    if (!p)
        return p;
    if (pconstp(p)) {
        coef_negate(p);
        return p;
    }
    for (dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        neg_poly(t->coef);
    }
    return p;
}

xterm* pminus(xterm* p, xterm* q) { return pplus(p, neg_poly(q)); }

xterm* ptimes_c(xterm* c, xterm* p)
{
    if (pzerop(c)) {
        put_p(p);
        return c;
    }
    for (dterm* t = p->terms; t; t = t->next) {
        xterm* factor = t->next ? cp_poly(c) : c;
        t->coef = ptimes(factor, t->coef);
    }
    return p;
}

namespace {

int length(const dterm* list)
{
    int n = 0;
    for (; list; list = list->next)
        ++n;
    return n;
}

// Product of two term lists of one main variable (both consumed). The longer
// list is copied once for every term of the other (its length, not its
// leaves, decides: counting leaves would walk both operands at every level).
dterm* times_terms(dterm* a, dterm* b)
{
    if (length(a) < length(b))
        std::swap(a, b);
    dterm* result = nullptr;
    while (b) {
        dterm* part = b->next ? cp_dterms(a) : a;
        for (dterm* t = part; t; t = t->next) {
            xterm* factor = t->next ? cp_poly(b->coef) : b->coef;
            t->coef = ptimes(factor, t->coef);
            t->deg = deg_checked(long{t->deg} + b->deg);
        }
        result = merge_terms(result, part);
        b = drop_cell(b);
    }
    return result;
}

}  // namespace

xterm* ptimes(xterm* p, xterm* q)
{
    check_time();
    if (pconstp(p)) {
        if (pzerop(p)) {
            put_p(q);
            return p;
        }
        if (ponep(p)) {
            put_x(p);
            return q;
        }
        if (pconstp(q)) {
            coef_mul_to(p, q);
            put_x(q);
            return p;
        }
        return ptimes_c(p, q);
    }
    if (pconstp(q)) {
        if (pzerop(q)) {
            put_p(p);
            return q;
        }
        if (ponep(q)) {
            put_x(q);
            return p;
        }
        return ptimes_c(q, p);
    }
    if (p->var != q->var) {
        if (vless(p->var, q->var))
            return ptimes_c(p, q);
        return ptimes_c(q, p);
    }
    dterm* list = times_terms(p->terms, q->terms);
    put_x(q);
    return p_norm_dt(p, list);
}

xterm* ppower(xterm* p, int n)
{
    if (n <= 0) {
        put_p(p);
        return get_n(1);
    }
    if (n == 1)
        return p;
    xterm* r = get_n(1);
    while (n > 1) {
        if (n % 2 == 1) {
            r = ptimes(r, cp_poly(p));
            --n;
        } else {
            p = ptimes(p, cp_poly(p));
            n /= 2;
        }
    }
    return ptimes(r, p);
}
