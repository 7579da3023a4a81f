// One elimination cycle of the area method: every factor of the current
// quotient has the quantities of one point (or of one pass) replaced by
// their values, the denominators of the values moving to the other side.

#include <algorithm>

#include "algebra/area.h"
#include "algebra/area_internal.h"
#include "algebra/area_quot.h"
#include "algebra/area_words.h"
#include "algebra/plist.h"
#include "prover/coef_arith.h"
#include "prover/point_names.h"
#include "prover/prover.h"

elim_step* g_step_stack = nullptr;
dterm* g_side_list = nullptr;
int g_area_init_power = 0;
int g_elim_count = 0;

elim_step* make_elim_step(var_rec* var, xterm* num, xterm* den)
{
    if (num && !den)
        den = get_n(1);
    elim_step* step = new_elim_step(var, num, den);
    step->next = g_step_stack;
    g_step_stack = step;
    return step;
}

elim_step* find_step(const var_rec* var)
{
    for (elim_step* s = g_step_stack; s; s = s->next)
        if (s->var == var)
            return s;
    return nullptr;
}

namespace {

// The pseudo-remainder of f by q in x; when x leads both, by the main
// variable, which takes f's terms apart without copying f for every degree.
xterm* pseudo_remainder(xterm* f, const xterm* q, var_rec* x)
{
    if (pconstp(f) || pconstp(q) || f->var != x || q->var != x)
        return prem_var(f, q, x);
    g_init_power = 0;
    return prem_ev(f, q);
}

}  // namespace

xterm* pe_subst(xterm* f, const elim_step* step)
{
    if (!step || !step->den)
        return f;
    var_rec* x = step->var;
    if (step->num && pzerop(step->den)) {
        proof_not_proved("the value of " + var_text(x, 0) + " divides by 0");
        return f;
    }
    if (!step->num && deg_in(step->den, x) == 0) {
        proof_not_proved("the equation for " + var_text(x, 0) + " does not hold it");
        return f;
    }
    if (step->num) {
        // A value that still speaks of its own variable would never let the
        // division end.
        if (deg_in(step->num, x) > 0 || deg_in(step->den, x) > 0) {
            gerror(area_words::kProvingFailed);
            return f;
        }
        const PolyPtr q(pminus(ptimes(get_m(x), cp_poly(step->den)), cp_poly(step->num)));
        f = pseudo_remainder(f, q.get(), x);
        g_area_init_power = ponep(step->den) ? 0 : g_init_power;
    } else {
        f = prem_var(f, step->den, x);
        const int power = g_init_power;
        const PolyPtr init(pdeg_in(cp_poly(step->den), x));
        g_area_init_power = ponep(init.get()) ? 0 : power;
    }
    return f;
}

namespace {

// The four points of a Pythagoras variable all among i and i's first two
// parents (the only ones eliminated for a point on a perpendicular bisector).
bool bline_quantity(const var_rec* v, int i)
{
    if (v->type != 3)
        return false;
    for (const int p : v->a)
        if (p != i && p != pot(i, 1) && p != pot(i, 2))
            return false;
    return true;
}

// Frees f after an error (reported here when message is given); null.
xterm* fail(xterm* f, const char* message)
{
    put_p(f);
    if (message)
        gerror(message);
    return nullptr;
}

// Runs pe_p over every factor of list; the side factors it collects are
// handed back in side. False after an error (the list is left to the caller).
bool eliminate_side(dterm* list, int i, dterm*& side)
{
    g_side_list = nullptr;
    for (dterm* cell = list; cell; cell = cell->next) {
        xterm* f = plist_take(cell);
        cell->coef = pe_p(f, i, cell->deg);
        if (g_abort || proof_stopped() || !cell->coef) {
            put_dts(g_side_list);
            g_side_list = nullptr;
            return false;
        }
    }
    side = g_side_list;
    g_side_list = nullptr;
    return true;
}

// The denominator of a step: its value's, or the initial of its equation.
xterm* step_denominator(const elim_step* step)
{
    if (step->num)
        return cp_poly(step->den);
    return pdeg_in(cp_poly(step->den), step->var);
}

// The kept denominators with the quantities of point (or pass) i
// eliminated; a denominator that becomes 0 stops the proof.
void eliminate_ndgs(int i)
{
    // The largest polynomial reported is one of the proof's own.
    struct KeepMaxterm {
        std::int32_t saved = g_maxterm;
        ~KeepMaxterm() { g_maxterm = saved; }
    } keep;
    for (ndg_entry& e : ndg_entries()) {
        check_time();
        dterm* saved_side = g_side_list;
        g_side_list = nullptr;
        xterm* f = pe_p(cp_poly(e.den), i, 1);
        put_dts(g_side_list);
        g_side_list = saved_side;
        if (g_abort || proof_stopped() || !f) {
            put_p(f);
            return;
        }
        put_p(e.den);
        e.den = f;
        if (pzerop(f)) {
            proof_not_proved("the denominator of the value of " + e.origin + " is 0 once " +
                             (i > 0 ? "point " + pt_name(i) : fmt("pass %d", i)) + " is eliminated");
            return;
        }
    }
}

// Keeps the non-constant denominators of the steps of this cycle.
void keep_ndgs(const elim_step* steps)
{
    for (const elim_step* s = steps; s; s = s->next) {
        xterm* d = step_denominator(s);
        const bool known = std::any_of(ndg_entries().begin(), ndg_entries().end(),
                                       [d](const ndg_entry& e) { return peq(e.den, d); });
        if (pconstp(d) || known)
            put_p(d);
        else
            ndg_entries().push_back({d, var_text(s->var, 0)});
    }
}

// The end of a cycle: the kept denominators follow the elimination, and
// those of this cycle's steps join them.
void finish_ndgs(int i)
{
    if (!g_abort && !proof_stopped())
        eliminate_ndgs(i);
    if (!g_abort && !proof_stopped())
        keep_ndgs(g_step_stack);
    g_step_stack = nullptr;
}

// The factors as one product, for the passes whose equations must see all
// of it.
dterm* as_one_factor(dterm* list)
{
    if (!list)
        return nullptr;
    return get_dt(1, ps_prod(list), nullptr);
}

}  // namespace

void note_factor_size(const xterm* f)
{
    check_time();
    note_maxterm(f);
}

xterm* pe_p(xterm* f, int i, int e)
{
    if (i < 0 || point_kind(i) == cons_kind::kConstant)
        return pe_pass(f, i, e);
    while (!pconstp(f)) {
        var_rec* v = f->var;
        if (!quantity_var(v))
            return f;
        const int top = var_maxpt(v);
        if (top < i)
            return f;
        if (top > i)
            return fail(f, "pe_p: ERRRRROR");
        if (point_kind(i) == 11 && !bline_quantity(v, i))
            return f;
        elim_step* step = find_step(v);
        if (!step)
            step = pe_lemma(v, i);
        if (g_abort)
            return fail(f, nullptr);
        if (!step)
            return fail(f, area_words::kProvingFailed);
        f = pe_subst(f, step);
        if (g_abort || proof_stopped())
            return fail(f, nullptr);
        // A value step removes its variable for good; anything else would loop.
        if (step->num && !pconstp(f) && deg_in(f, v) > 0)
            return fail(f, area_words::kProvingFailed);
        if (g_area_init_power > 0 && step->num)
            plist_append(g_side_list, cp_poly(step->den), deg_checked(static_cast<long>(g_area_init_power) * e));
        note_factor_size(f);
    }
    return f;
}

void pe_gr(int i)
{
    if (g_trace && i > 0)
        trace_str(fmt("\r\npe_gr: %d(%s)\r\n", i, pt_name(i).c_str()));
    g_step_stack = nullptr;
    const quot_rec* tail = g_proof_tail;
    dterm* num = cp_dterms(tail->np);
    dterm* den = cp_dterms(tail->dp);
    if (i == -10 || i == -23) {
        num = as_one_factor(num);
        den = as_one_factor(den);
    }
    dterm* extra_for_den = nullptr;
    dterm* extra_for_num = nullptr;
    if (!eliminate_side(num, i, extra_for_den) || !eliminate_side(den, i, extra_for_num) || proof_stopped()) {
        put_dts(num);
        put_dts(den);
        put_dts(extra_for_den);
        g_step_stack = nullptr;
        return;
    }
    if (!g_step_stack) {
        put_dts(num);
        put_dts(den);
        put_dts(extra_for_den);
        put_dts(extra_for_num);
        finish_ndgs(i);
        return;
    }
    // A side that is 0 stays 0 whatever it is multiplied by; the kept
    // denominators stand for the factors it would carry.
    if (pzerop(tail->nc)) {
        put_dts(extra_for_num);
        extra_for_num = nullptr;
    }
    if (pzerop(tail->dc)) {
        put_dts(extra_for_den);
        extra_for_den = nullptr;
    }
    plist_join(num, extra_for_num);
    plist_join(den, extra_for_den);
    quot_rec* rec = new_ratio_rec(cp_poly(tail->nc), num, cp_poly(tail->dc), den, static_cast<std::int8_t>(i));
    rec->steps = g_step_stack;
    append_quot(rec);
    // Steps the denominators need beyond the record's are made in front of
    // the record's list, so the record cites only the steps it used.
    finish_ndgs(i);
    if (g_abort || proof_stopped())
        return;
    if (quot_rec* simple = quot_simp(rec)) {
        if (!pzerop(simple->nc) || !pzerop(simple->dc)) {
            append_quot(simple);
        } else {
            // 0 = 0: the verdict sees it, the proof text does not.
            simple->next = nullptr;
            g_proof_tail = simple;
        }
    }
}

bool has_vtype4(const xterm* p)
{
    if (!p || pconstp(p))
        return false;
    if (p->var->type == 4)
        return true;
    for (const dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        if (has_vtype4(t->coef))
            return true;
    }
    return false;
}
