// The full-angle method: the conclusion as a linear polynomial in full
// angles, rewritten one rule at a time until it is a constant.

#include "gdd/full_angle.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "algebra/area.h"
#include "algebra/area_quot.h"
#include "algebra/area_words.h"
#include "algebra/machine_proof.h"
#include "algebra/quantity_terms.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/forward.h"
#include "gdd/full_angle_internal.h"
#include "gdd/proof_text.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"

namespace {

// Far more rewriting steps than any proof takes; a polynomial still not
// constant by then is not solved.
constexpr int kMaxSteps = 10000;
// A collinearity premise names at most six points.
constexpr std::size_t kCollPremisePoints = 6;

const xterm* tail_poly()
{
    const dterm* np = g_proof_tail->np;
    return np ? np->coef : nullptr;
}

void append_step(xterm* p, elim_step* rule)
{
    quot_rec* rec = new_ratio_rec(get_n(1), get_dt(1, p, nullptr), get_n(0), nullptr, kQuotFullAngle);
    rec->steps = rule;
    append_quot(rec);
}

// A rule on the full angle [AB, CD] that used points of line AB (or CD)
// other than A and B rests on their collinearity too; the premise is added
// unless one already states it.
void cite_used_points(var_rec* v, const Gdd_cond* finder_start)
{
    const FaAngle a = fa_angle(v);
    const std::pair<const Gdd_line*, std::array<int, 2>> lines[] = {{a.L1, {a.A, a.B}}, {a.L2, {a.C, a.D}}};
    for (const auto& [L, named] : lines) {
        if (!L)
            continue;
        std::vector<int> used(named.begin(), named.end());
        bool stated = false;
        for (const Gdd_cond* c = g_co_db; c && c != finder_start; c = c->next) {
            for (const std::uint32_t q : c->p) {
                const int pt = static_cast<int>(q);
                if (pt && on_ln(pt, L) && std::find(used.begin(), used.end(), pt) == used.end())
                    used.push_back(pt);
            }
        }
        if (used.size() <= 2)
            continue;
        used.resize(std::min<std::size_t>(used.size(), kCollPremisePoints));
        for (const Gdd_cond* c = g_co_db; c && c != finder_start && !stated; c = c->next) {
            if (c->type != kCondColl)
                continue;
            bool all = true;
            for (int pt : used)
                all = all && std::find(c->p.begin(), c->p.end(), static_cast<std::uint32_t>(pt)) != c->p.end();
            stated = all;
        }
        if (!stated) {
            used.resize(kCollPremisePoints, 0);
            add_codb(kCondColl, used[0], used[1], used[2], used[3], used[4], used[5]);
        }
    }
}

bool divisible_by(const xterm* c, coef_t d)
{
    const PolyPtr divisor(get_n(d));
    return coef_divides_const(c, divisor.get());
}

elim_step* find_rule(const xterm* p)
{
    var_rec* v = p->var;
    const Gdd_cond* start = g_co_db;
    elim_step* rule = q7(p);
    if (!rule)
        rule = q8(p);
    // The database rules work on the lines of the angle's leading variable.
    const bool on_lines = !rule;
    if (!rule)
        rule = elim_f(v);
    const xterm* lead = lnum_node(p);
    if (!rule && divisible_by(lead, 2))
        rule = fa_double(v);
    if (!rule && divisible_by(lead, 3))
        rule = fa_triple(v);
    if (rule) {
        if (on_lines)
            cite_used_points(v, start);
        rule->reasons = keep_co_db();
    }
    return rule;
}

// The database's full-angle stage is only meaningful while the method runs.
struct StageGuard {
    ~StageGuard() { g_fa_stage = 0; }
};

}  // namespace

xterm* fa_norm(xterm* p)
{
    const xterm* c0 = nullptr;
    for (const xterm* n = p; n;) {
        if (pconstp(n)) {
            c0 = n;
            break;
        }
        const dterm* t = n->terms;
        while (t->next)
            t = t->next;
        n = t->deg == 0 ? t->coef : nullptr;
    }
    // The constant is taken modulo 2 (two right angles), keeping its sign.
    if (!c0 || coef_is(c0, 0) || coef_is(c0, 1) || coef_is(c0, -1))
        return p;
    const coef_t reduced = divisible_by(c0, 2) ? 0 : coef_sign(c0);
    return pplus(p, pplus(get_n(reduced), neg_poly(cp_poly(c0))));
}

void fa_build()
{
    // The walks visit the records the searches append, so a list can keep
    // growing: the time limit is checked at every record, and the records
    // are charged to the memory budget as they are made.
    clear_co_db();
    for (Gdd_mid* m : g_mid_list) {
        check_time();
        search_md(m);
    }
    for (Gdd_tline* t : g_tn_list) {
        check_time();
        search_tline(t);
    }
    for (Gdd_cir* c : g_cir_list) {
        check_time();
        search_cir(c);
    }
    if (g_fa_stage < 2)
        return;
    for (Gdd_pline* p : g_pn_list) {
        check_time();
        search_pline(p);
    }
    for (Gdd_ea* e : g_ea_list) {
        check_time();
        search_as(e);
    }
    for (Gdd_cir* c : g_cir_list) {
        check_time();
        search_cir(c);
    }
    clear_co_db();
}

void fa_concl()
{
    const auto p = [](int k) { return static_cast<int>(g_concl.p[static_cast<std::size_t>(k - 1)]); };
    // A full angle of the conclusion whose two lines the database already
    // holds as one is 0; fa_pts records that collinearity as a premise.
    clear_co_db();
    xterm* poly = nullptr;
    switch (g_concl.type) {
    case concl_kind::kCollinear:
        poly = fa_pts(p(1), p(2), p(1), p(3));
        break;
    case concl_kind::kParallel:
        poly = fa_pts(p(1), p(2), p(3), p(4));
        break;
    case concl_kind::kPerpendicular:
        poly = pplus(fa_pts(p(1), p(2), p(3), p(4)), get_n(1));
        break;
    case concl_kind::kCyclic:
        poly = pminus(fa_pts(p(4), p(2), p(4), p(3)), fa_pts(p(5), p(2), p(5), p(3)));
        break;
    case concl_kind::kEqualAngle:
        poly = pminus(fa_pts(p(1), p(2), p(3), p(4)), fa_pts(p(5), p(6), p(7), p(8)));
        break;
    case concl_kind::kEquation:
        if (g_concl_lhs && g_concl_rhs)
            poly = pminus(cp_poly(g_concl_lhs), cp_poly(g_concl_rhs));
        break;
    default:
        break;
    }
    if (!poly) {
        append_quot(new_ratio_rec(get_n(1), nullptr, get_n(0), nullptr, kQuotConclusion));
        gprint(area_words::kNotFullAngle);
        g_abort = 1;
        return;
    }
    quot_rec* conclusion = new_ratio_rec(get_n(1), get_dt(1, fa_norm(poly), nullptr), get_n(0), nullptr, kQuotConclusion);
    if (g_co_db) {
        conclusion->steps = new_elim_step(nullptr, nullptr, nullptr);
        conclusion->steps->reasons = keep_co_db();
    }
    clear_co_db();
    append_quot(conclusion);
}

void fa_result()
{
    const xterm* p = tail_poly();
    if (p && pzerop(p)) {
        prt_true();
        return;
    }
    gprint(area_words::kCannotSolve);
    g_result = 2;
}

void fprove()
{
    const StageGuard stage;
    g_maxterm = 0;
    clear_proof_chain();
    g_fa_stage = 1;
    g_abort = 0;
    fa_build();
    fa_concl();
    if (g_abort)
        return;
    for (int step = 0; step < kMaxSteps; ++step) {
        check_time();
        clear_co_db();
        const xterm* p = tail_poly();
        if (!p || pconstp(p))
            break;
        if (g_trace) {
            const var_rec* v = p->var;
            gprint(fmt("UUU(%d,%d,%d,%d)\r\n", v->a[0], v->a[1], v->a[2], v->a[3]));
            gprint("fprove: \r\n");
            pprint_ln(p);
        }
        if (p->var->type != kVarFullAngle) {
            gprint(area_words::kOnlyFullAngles);
            g_abort = 1;
            return;
        }
        elim_step* rule = find_rule(p);
        if (!rule && g_fa_stage == 1) {
            g_fa_stage = 2;
            fa_build();
            clear_co_db();
            rule = find_rule(p);
        }
        if (!rule)
            break;
        xterm* next = fa_norm(pe_subst(cp_poly(p), rule));
        if (g_abort) {
            put_p(next);
            return;
        }
        note_maxterm(next);
        append_step(next, rule);
    }
    fa_result();
}

void prove_full_angle()
{
    const std::uint32_t t0 = prover_clock_ms();
    fprove();
    if (!g_abort)
        g_time += static_cast<std::int32_t>(prover_clock_ms() - t0);
}

void full_angle_proof_output()
{
    if (g_result != 1)
        return;
    const ProofCitations citations{begin_fact_citations, show_fact_citations, show_fact_derivations};
    show_machine_proof(0, &citations);
    if (g_save_latex)
        save_tex(&citations);
}
