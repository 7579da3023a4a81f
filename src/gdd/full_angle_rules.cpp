// Rewriting rules of the full-angle method on lines: two terms of the
// polynomial sharing a line, parallel and perpendicular lines, a line
// written by other points.

#include <vector>

#include "algebra/quantity_terms.h"
#include "facts/fact_tests.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/full_angle.h"
#include "gdd/full_angle_internal.h"
#include "prover/point_names.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"

FaAngle fa_angle(var_rec* v)
{
    FaAngle a{v, v->a[0], v->a[1], v->a[2], v->a[3], nullptr, nullptr};
    a.L1 = fa_line(a.A, a.B);
    a.L2 = fa_line(a.C, a.D);
    return a;
}

Gdd_line* fa_line(int p, int q) { return p == q || p == 0 || q == 0 ? nullptr : fadd_ln(p, q); }

bool fa_precedes(int p, int q, const Gdd_line* L1)
{
    const Gdd_line* l = fa_line(p, q);
    return l && ln_less(l, L1);
}

xterm* fa_pts(int a, int b, int c, int d)
{
    xterm* p = trim_a1(a, b, c, d);
    // The angle between two names of one line is 0 by the database's
    // collinearity, which the rule then rests on as well.
    if (pzerop(p))
        add_codb(kCondColl, a, b, c, d);
    return p;
}

xterm* fa_ln_pts(const Gdd_line* l, int c, int d) { return fa_pts(l->pts[0], l->pts[1], c, d); }

xterm* trim_a1_ln(const Gdd_line* l1, const Gdd_line* l2)
{
    if (l1 == l2)
        return get_n(0);
    return fa_pts(l1->pts[0], l1->pts[1], l2->pts[0], l2->pts[1]);
}

elim_step* fa_value(var_rec* v, xterm* value, coef_t den) { return new_elim_step(v, value, get_n(den)); }

elim_step* fa_equation(var_rec* v, xterm* e) { return new_elim_step(v, nullptr, e); }

void fa_trace(const char* format, const FaAngle& a)
{
    if (g_trace)
        gprint(fmt(format, pt_name(a.A).c_str(), pt_name(a.B).c_str(), pt_name(a.C).c_str(), pt_name(a.D).c_str()));
}

namespace {

struct Term {
    var_rec* var;
    const xterm* coef;   // a constant inside the polynomial
};

// a = -b, and a != b (so neither is 0).
bool opposite(const xterm* a, const xterm* b)
{
    if (coef_eq(a, b))
        return false;
    const PolyPtr minus_b(neg_poly(cp_poly(b)));
    return coef_eq(a, minus_b.get());
}

// The terms c V of a linear polynomial in order, without the constant.
std::vector<Term> linear_terms(const xterm* p)
{
    std::vector<Term> terms;
    while (p && !pconstp(p)) {
        const dterm* t = p->terms;
        terms.push_back({p->var, lnum_node(t->coef)});
        const dterm* last = t;
        while (last->next)
            last = last->next;
        p = last->deg == 0 ? last->coef : nullptr;
    }
    return terms;
}

xterm* monomial(var_rec* v) { return get_m(v); }

// Two terms on a common line combine into one angle.
elim_step* q7_pair(const Term& ti, const Term& tj)
{
    const FaAngle i = fa_angle(ti.var);
    const FaAngle j = fa_angle(tj.var);
    const int E = j.A, F = j.B, G = j.C, H = j.D;
    const Gdd_line *L3 = j.L1, *L4 = j.L2;
    if (!i.L1 || !i.L2 || !L3 || !L4)
        return nullptr;
    if (opposite(tj.coef, ti.coef)) {
        if (i.L2 == L4 && ln_less(L3, i.L2)) {
            add_codb(kCondColl, i.C, i.D, G, H);
            return fa_equation(ti.var, pminus(pminus(monomial(ti.var), monomial(tj.var)), fa_pts(i.A, i.B, E, F)));
        }
        if (i.L1 == L3) {
            add_codb(kCondColl, i.A, i.B, E, F);
            return fa_equation(ti.var, pminus(pminus(monomial(ti.var), monomial(tj.var)), fa_pts(G, H, i.C, i.D)));
        }
    }
    if (coef_eq(tj.coef, ti.coef)) {
        if (i.L2 == L3 && ln_less(L4, i.L2)) {
            add_codb(kCondColl, i.C, i.D, E, F);
            return fa_equation(ti.var, pminus(pplus(monomial(ti.var), monomial(tj.var)), fa_pts(i.A, i.B, G, H)));
        }
        if (i.L1 == L4) {
            add_codb(kCondColl, i.A, i.B, G, H);
            return fa_equation(ti.var, pminus(pplus(monomial(ti.var), monomial(tj.var)), fa_pts(E, F, i.C, i.D)));
        }
    }
    return nullptr;
}

elim_step* fa_pn(const FaAngle& a)
{
    const Gdd_pline* P = fd_pls(a.L1);
    if (!P)
        return nullptr;
    for (int k = 0; k < P->count(); ++k) {
        const Gdd_line* M = P->lines[static_cast<std::size_t>(k)];
        if (M && M != a.L1 && M->live() && ln_less(M, a.L1)) {
            fa_trace("pn: %s %s %s %s\r\n", a);
            add_codb(kCondPara, a.A, a.B, M->pts[0], M->pts[1]);
            return fa_value(a.var, fa_ln_pts(M, a.C, a.D));
        }
    }
    return nullptr;
}

elim_step* fa_tn(const FaAngle& a)
{
    const Gdd_tline* T = fd_tp(a.L1);
    if (!T)
        return nullptr;
    const Gdd_line* M = T->l1 == a.L1 ? T->l2 : T->l1;
    if (!M || !ln_less(M, a.L1))
        return nullptr;
    fa_trace("tn: %s %s %s %s\r\n", a);
    add_codb(kCondPerp, a.A, a.B, M->pts[0], M->pts[1]);
    return fa_value(a.var, pplus(fa_ln_pts(M, a.C, a.D), get_n(1)));
}

elim_step* fa_ln(const FaAngle& a)
{
    const Gdd_line* l = fd_ln(a.A, a.B);
    if (!l || a.A <= l->pts[1])
        return nullptr;
    fa_trace("ln: %s %s %s %s\r\n", a);
    add_codb(kCondColl, l->pts[0], l->pts[1], a.A, a.B);
    return fa_value(a.var, fa_ln_pts(l, a.C, a.D));
}

}  // namespace

elim_step* q7(const xterm* p)
{
    if (g_trace) {
        gprint("q7(p1)\r\n");
        pprint_ln(p);
    }
    const std::vector<Term> terms = linear_terms(p);
    for (std::size_t i = 0; i < terms.size(); ++i)
        for (std::size_t j = i + 1; j < terms.size(); ++j)
            if (elim_step* rule = q7_pair(terms[i], terms[j]))
                return rule;
    return nullptr;
}

elim_step* q8(const xterm* p)
{
    if (g_trace) {
        gprint("q8(p1)\r\n");
        pprint_ln(p);
    }
    const std::vector<Term> terms = linear_terms(p);
    if (terms.size() < 2)
        return nullptr;
    const FaAngle v1 = fa_angle(terms[0].var);
    const FaAngle v2 = fa_angle(terms[1].var);
    if (!v1.L1 || v2.L1 != v1.L1)
        return nullptr;
    add_codb(kCondColl, v1.A, v1.B, v2.A, v2.B);
    return fa_equation(v1.var, pminus(get_m(v1.var), pplus(get_m(v2.var), fa_pts(v2.C, v2.D, v1.C, v1.D))));
}

elim_step* elim_f(var_rec* v)
{
    const FaAngle a = fa_angle(v);
    if (g_trace)
        gprint("\r\nelim_f:\r\n" + var_text(v, 0) + "\r\n");
    elim_step* rule = nullptr;
    if (xpara(a.A, a.B, a.C, a.D)) {
        add_codb(kCondPara, a.A, a.B, a.C, a.D);
        rule = fa_value(v, get_n(0));
    } else if (xperp(a.A, a.B, a.C, a.D)) {
        add_codb(kCondPerp, a.A, a.B, a.C, a.D);
        rule = fa_value(v, get_n(1));
    } else if (a.L1 && a.L2) {
        for (elim_step* (*finder)(const FaAngle&) :
             {fa_pn, fa_tn, fa_cir1, fa_cir2, fa_cir3, fa_cir4, fa_center, fa_eqangle, fa_ln}) {
            rule = finder(a);
            if (rule)
                break;
        }
    }
    if (g_trace && rule)
        gprint("pe_v_c out: " + var_text(rule->var, 0) + "\r\n");
    return rule;
}
