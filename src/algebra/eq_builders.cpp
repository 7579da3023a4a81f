// The triangular hypothesis list of Wu's method.

#include "algebra/eq_builders.h"

#include <utility>

#include "algebra/coords.h"
#include "algebra/equations.h"
#include "algebra/plist.h"
#include "algebra/poly_normal.h"
#include "prover/prover.h"

namespace {

void push_hyp(xterm* p, int tag)
{
    p = pnormal(p);
    if (pzerop(p)) {
        put_p(p);
        return;
    }
    plist_push(g_hyps, p, tag);
}

bool same_main_variable(const xterm* p, const xterm* q)
{
    return !pconstp(p) && !pconstp(q) && p->var == q->var;
}

// Two polynomials in different main variables: the lower one first, so that
// the higher ends at the head of the list.
void push_in_order(xterm* p, xterm* q)
{
    if (plessp(q, p)) {
        push_hyp(q, 0);
        push_hyp(p, 0);
    } else {
        push_hyp(p, 0);
        push_hyp(q, 0);
    }
}

// The point whose coordinate v is; 0 for any other variable.
int point_of(const var_rec* v)
{
    if (v->type != kVarCoord && v->type != kVarU)
        return 0;
    const int k = v->a[0];
    return k == 1 ? 2 : k / 2 + 2;
}

// The remainder of two curves through the constructed point must still speak
// of that point; otherwise the curves do not meet in one point (parallel
// lines) and the remainder would only tie the earlier points together.
bool meets(const xterm* rem, const xterm* pivot)
{
    if (pzerop(rem))
        return false;
    if (pconstp(rem) || pconstp(pivot))
        return !pconstp(rem);
    return point_of(rem->var) != 0 && point_of(rem->var) == point_of(pivot->var);
}

// Does the initial of p vanish on the hypotheses listed so far?
bool initial_vanishes(const xterm* p)
{
    const PolyPtr r(prem_list(pinit_cp(p), g_hyps));
    return pzerop(r.get());
}

// rem divided by (v - coordinate of k), v being rem's main variable, where
// that division is exact; otherwise rem itself. Consumes rem.
xterm* divide_known_root(xterm* rem, int k, bool by_y)
{
    if (pconstp(rem))
        return rem;
    const PolyPtr root(pminus(get_m(rem->var), by_y ? y_poly(k) : x_poly(k)));
    if (xterm* q = pdiv(cp_poly(rem), root.get())) {
        put_p(rem);
        return q;
    }
    // The known point is not a root here (a degenerate figure): the whole
    // remainder stays, which is sound though it may not prove.
    return rem;
}

// Lists the normalised p so that the list stays triangular: reduced by the
// listed hypothesis of its main variable (the lower degree keeps the place)
// until its variable is new, and put in its place by main variable. A
// hypothesis whose initial vanishes on the others says nothing of its main
// variable: it is listed again by its reductum. Consumes p.
void list_triangular(xterm* p)
{
    while (!pconstp(p)) {
        if (initial_vanishes(p)) {
            p = pnormal(preductum(p));
            continue;
        }
        dterm* same = g_hyps;
        while (same && (pconstp(same->coef) || same->coef->var != p->var))
            same = same->next;
        if (!same)
            break;
        if (deg_in(p, p->var) < deg_in(same->coef, p->var)) {
            // The cell leaves the intersection pair it may belong to.
            std::swap(p, same->coef);
            same->deg = 0;
        }
        p = pnormal(prem(p, same->coef));
    }
    if (pzerop(p)) {
        put_p(p);
        return;
    }
    dterm** link = &g_hyps;
    while (*link && !pconstp((*link)->coef) && !pconstp(p) && !vless((*link)->coef->var, p->var))
        link = &(*link)->next;
    *link = get_dt(0, p, *link);
    // p may make the initial of a hypothesis above it vanish.
    for (link = &g_hyps; *link; link = &(*link)->next) {
        dterm* cell = *link;
        if (!pconstp(cell->coef) && initial_vanishes(cell->coef)) {
            *link = cell->next;
            xterm* q = plist_take(cell);
            put_d(cell);
            list_triangular(pnormal(preductum(q)));
            return;
        }
    }
}

}  // namespace

void eq_on_pt(const xterm* p)
{
    if (!p || pzerop(p))
        return;
    if (!pconstp(p) && initial_vanishes(p)) {
        push_hyp(preductum(cp_poly(p)), 0);
        return;
    }
    push_hyp(cp_poly(p), 0);
}

void eq_pred(const xterm* p0)
{
    if (p0 && !pzerop(p0))
        list_triangular(pnormal(cp_poly(p0)));
}

void eq_ll(const xterm* p0, const xterm* q0)
{
    if (!same_main_variable(p0, q0)) {
        push_in_order(cp_poly(p0), cp_poly(q0));
        return;
    }
    const bool q_lower = plessp(q0, p0);
    const xterm* a = q_lower ? q0 : p0;
    const xterm* b = q_lower ? p0 : q0;
    xterm* rem = nullptr;
    xterm* pivot = nullptr;
    if (initial_vanishes(a)) {
        pivot = cp_poly(b);
        rem = prem(cp_poly(a), b);
    } else {
        pivot = cp_poly(a);
        rem = prem(cp_poly(b), a);
    }
    if (!meets(rem, pivot)) {
        put_p(rem);
        put_p(pivot);
        gerror("eq_ll: two intersection lines are parallel\n");
        return;
    }
    push_hyp(rem, 2);
    push_hyp(pivot, 1);
}

void eq_lq(const xterm* p0, const xterm* q0)
{
    if (!same_main_variable(p0, q0)) {
        push_in_order(cp_poly(p0), cp_poly(q0));
        return;
    }
    if (initial_vanishes(p0)) {
        push_hyp(preductum(cp_poly(p0)), 0);
        push_hyp(cp_poly(q0), 0);
        return;
    }
    xterm* rem = prem(cp_poly(q0), p0);
    if (!meets(rem, p0)) {
        put_p(rem);
        gerror("eq_lq: two intersection lines are parallel\n");
        return;
    }
    push_hyp(rem, 2);
    push_hyp(cp_poly(p0), 1);
}

void eq_lq1(const xterm* p0, const xterm* q0, int k)
{
    if (!same_main_variable(p0, q0)) {
        push_in_order(cp_poly(p0), cp_poly(q0));
        return;
    }
    xterm* p = cp_poly(p0);
    // A line whose initial vanishes is solved for its next variable, and the
    // known root lies in the other coordinate.
    const bool by_y = initial_vanishes(p);
    if (by_y)
        p = preductum(p);
    xterm* rem = prem(cp_poly(q0), p);
    if (!meets(rem, p0)) {
        put_p(rem);
        put_p(p);
        gerror("eq_lq: two intersection lines are parallel\n");
        return;
    }
    push_hyp(divide_known_root(rem, k, by_y), 2);
    push_hyp(p, 1);
}

EqPair eq_pair_pt(xterm* p, xterm* q, int k)
{
    if (!same_main_variable(p, q)) {
        if (plessp(q, p))
            std::swap(p, q);
        return {pnormal(p), pnormal(q)};
    }
    xterm* rem = prem(q, p);
    return {pnormal(divide_known_root(rem, k, false)), pnormal(p)};
}
