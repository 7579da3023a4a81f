// Passes after the main elimination loop of the area method (free points,
// points on one circle, vectors) and the elimination of a CONSTANT record:
// every variable a pass covers is rewritten in the factor at once.

#include "algebra/area_internal.h"
#include "algebra/area_terms.h"
#include "algebra/plist.h"
#include "facts/fact_tests.h"
#include "prover/coef_arith.h"
#include "prover/prover.h"

using namespace aterm;

xterm* pe_subst(xterm* f, const elim_step* step);  // area_elim.cpp

bool pass_applies(const var_rec* var, int i)
{
    if (i < -30 || i > -10)
        return true;
    const int t = var->type;
    switch (i) {
    case -30: return t == 4 && var->a[1] != 0;
    case -23: return t == 17;
    case -22: return t == 6 || t == 7;
    case -21: return t == 5;
    case -20: return t == 2 || t == 3;
    case -13: return t == 3;
    case -12: return quantity_var(var);
    case -11: return t == 3 && !(var->a[0] == var->a[3] && var->a[1] == var->a[2]);
    case -10: return t == 2;
    default: return false;
    }
}

elim_step* pe_v_nc(var_rec* var, int i)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    elim_step* step = nullptr;
    if (i > 0 && point_kind(i) == cons_kind::kConstant) {
        const xterm* k = g_pro_points[static_cast<std::size_t>(i)].ps[0];
        step = make_elim_step(var, nullptr, k ? cp(k) : num(0));
    } else {
        switch (i) {
        case -30:
            step = make_elim_step(var, sub(V(a), V(b)));
            break;
        case -23:
            step = pe_unit_circle(var, a);
            break;
        case -22:
            step = pe_sc(var, a, b);
            break;
        case -21:
            step = make_elim_step(var, mul(named("\\d"), N(a, b)));
            break;
        case -20:
            step = pe_circle(var, a, b, c, d);
            break;
        case -13:
            if (xcir_3p(a, b, c, d))
                step = make_elim_step(var, sub(P(c, d, d, c), P(b, c, c, b)), num(2));
            else if (xcir_3p(b, a, c, d))
                step = make_elim_step(var, sub(P(c, d, d, c), P(a, d, d, a)), num(2));
            else if (xcir_3p(c, a, b, d))
                step = make_elim_step(var, sub(P(a, b, b, a), P(a, d, d, a)), num(2));
            else if (xcir_3p(d, a, b, c))
                step = make_elim_step(var, sub(P(a, b, b, a), P(b, c, c, b)), num(2));
            break;
        case -12:
            if (var->type == 2)
                step = make_elim_step(var, pe_g_tri2(a, b, c, d), num(2));
            else if (var->type == 3)
                step = make_elim_step(var, pe_g_quad(a, b, c, d));
            else
                gerror("pe_v_nc1");
            break;
        case -11:
            step = make_elim_step(var, sub(add(P(a, b, b, a), P(c, d, d, c)), add(P(b, c, c, b), P(d, a, a, d))),
                                  num(2));
            break;
        case -10:
            step = make_elim_step(var, nullptr,
                                  add(mul(num(16), sq(get_m(var))), sq(P(a, b, c, d)),
                                      mul(P(a, c, c, a), P(b, b, d, d))));
            break;
        default:
            gerror("pe_v_nc2");
            break;
        }
    }
    if (step && g_trace) {
        trace_str("\r\npe_v_nc = \r\n" + var_text(step->var, 0) + " " + poly_text(step->num, 0) + " " +
                  poly_text(step->den, 0) + "\n");
    }
    return step;
}

xterm* pe_pass(xterm* f, int i, int e)
{
    std::vector<var_rec*> vars;
    if (i > 0) {
        const xterm* k = g_pro_points[static_cast<std::size_t>(i)].ps[0];
        if (k && !pconstp(k))
            vars.push_back(k->var);
    } else {
        vars = vars2(f);
    }
    for (var_rec* w : vars) {
        if (!pass_applies(w, i))
            continue;
        elim_step* step = find_step(w);
        if (!step)
            step = pe_v_nc(w, i);
        if (g_abort) {
            put_p(f);
            return nullptr;
        }
        if (!step)
            continue;
        f = pe_subst(f, step);
        if (g_abort || proof_stopped()) {
            put_p(f);
            return nullptr;
        }
        if (g_area_init_power > 0) {
            xterm* side = step->num ? cp_poly(step->den) : pdeg_in(cp_poly(step->den), w);
            plist_append(g_side_list, side, deg_checked(static_cast<long>(g_area_init_power) * e));
        }
        note_factor_size(f);
    }
    return f;
}
