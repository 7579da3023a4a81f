// The driver of the area and vector method and its verdicts.

#include "algebra/area.h"
#include "algebra/area_hypotheses.h"
#include "algebra/area_internal.h"
#include "algebra/area_quot.h"
#include "algebra/area_words.h"
#include "algebra/machine_proof.h"
#include "facts/gdd_lookup.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"
#include "prover/verdict.h"

namespace {

// Set when the points still to eliminate lie on one circle: the circle
// passes finish the proof.
bool g_done = false;

bool tail_constant() { return !g_proof_tail->np && !g_proof_tail->dp; }

// The run ends here: an error, or a reason why nothing is proved.
bool ended() { return g_abort || proof_stopped(); }

bool all_area_or_parameters(const xterm* p)
{
    if (!p || pconstp(p))
        return true;
    if (p->var->type != 2 && p->var->type >= 0)
        return false;
    for (const dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        if (!all_area_or_parameters(t->coef))
            return false;
    }
    return true;
}

bool tail_all(bool (*test)(const xterm*))
{
    for (const dterm* side : {g_proof_tail->np, g_proof_tail->dp})
        for (; side; side = side->next)
            if (side->coef && !test(side->coef))
                return false;
    return true;
}

bool tail_has_vector()
{
    return !tail_all([](const xterm* p) { return !has_vtype4(p); });
}

// Number of leading free points 1, 2, ...
int leading_free_points()
{
    int n = 0;
    while (n + 1 < kProPointCount && point_kind(n + 1) == cons_kind::kFreePoint)
        ++n;
    return n;
}

// Runs the passes in order; true when one of them made the quotient
// constant (the verdict has been given) or failed.
bool passes_until_constant(std::initializer_list<int> passes)
{
    for (const int pass : passes) {
        pe_gr(pass);
        if (ended())
            return true;
        if (tail_constant()) {
            prt_result();
            return true;
        }
    }
    return false;
}

// Records after mark are dropped again (their polynomials freed).
void undo_after(quot_rec* mark)
{
    for (quot_rec* r = mark->next; r; r = r->next)
        free_plist(r);
    mark->next = nullptr;
    g_proof_tail = mark;
}

// The kept denominators as they were, for passes that may be undone.
class NdgSnapshot {
public:
    NdgSnapshot() : saved_(ndg_snapshot()) {}
    ~NdgSnapshot()
    {
        for (ndg_entry& e : saved_)
            put_p(e.den);
    }
    NdgSnapshot(const NdgSnapshot&) = delete;
    NdgSnapshot& operator=(const NdgSnapshot&) = delete;
    void restore()
    {
        ndg_restore(std::move(saved_));
        saved_.clear();
    }

private:
    std::vector<ndg_entry> saved_;
};

void circle_passes()
{
    quot_rec* mark = g_proof_tail;
    NdgSnapshot before;
    if (passes_until_constant({-13, -11}))
        return;
    if (g_proof_tail != mark && max_nterms(mark) <= max_nterms(g_proof_tail)) {
        undo_after(mark);
        before.restore();
    }
    if (passes_until_constant({-20, -21, -22}))
        return;
    pe_gr(-23);
    g_done = false;
    if (!ended())
        prt_result();
}

void free_point_passes()
{
    const int n = leading_free_points();
    if (n < 3) {
        prt_result();
        return;
    }
    if (n == 3) {
        if (passes_until_constant({-10}))
            return;
        pe_gr(-11);
        if (!ended())
            prt_result();
        return;
    }
    if (tail_all(all_area_or_parameters)) {
        for (int p = n; p >= 4; --p) {
            pe_gr(p);
            if (ended())
                return;
        }
    } else {
        pe_gr(-12);
        if (ended())
            return;
    }
    prt_result();
}

void timed(void (*method)())
{
    const std::uint32_t t0 = prover_clock_ms();
    method();
    g_time += static_cast<std::int32_t>(prover_clock_ms() - t0);
}

}  // namespace

void run_area_method()
{
    g_maxterm = 1;
    g_done = false;
    clear_proof_chain();
    g_step_stack = nullptr;
    g_elim_count = g_npoints;
    HypothesisReadings readings;
    if (!readings.read())
        return;
    pconc();
    // Without a conclusion there is nothing to judge.
    if (g_abort || g_proof_tail == &g_proof_head)
        return;
    for (int v = g_elim_count; v >= 1 && !g_done; --v) {
        if (tail_constant()) {
            prt_result();
            return;
        }
        const int kind = point_kind(v);
        if (g_pro_points[static_cast<std::size_t>(v)].hyp_predicate) {
            // Read as a construction of one of its points, or refused.
        } else if (kind == cons_kind::kCircumcenter) {
            pe_gr(v);
        } else if (all_on_cir(v)) {
            g_done = true;
        } else if (kind != cons_kind::kFreePoint && kind != cons_kind::kPlaceholder) {
            pe_gr(v);
        }
        if (ended())
            return;
    }
    if (tail_constant()) {
        prt_result();
        return;
    }
    if (g_done) {
        circle_passes();
        return;
    }
    if (tail_has_vector()) {
        pe_gr(-30);
        if (!ended())
            prt_result();
        return;
    }
    free_point_passes();
}

void prove_area() { timed(run_area_method); }
void prove_vector() { timed(run_area_method); }

void area_proof_output()
{
    if (g_result == 1)
        show_machine_proof(0);
    if (g_save_latex)
        save_tex();
}

void prt_true() { say_verdict(1, area_words::kTrue); }

void prt_false()
{
    // Overruled, the last quotient still shows why the method found it false.
    say_verdict(-1, area_words::kFalse);
    const quot_rec* t = g_proof_tail;
    gprint("(" + coef_text(t->nc) + ")");
    ltx_prod(t->np, 0);
    gprint(" = ");
    gprint("(" + coef_text(t->dc) + ")");
    ltx_prod(t->dp, 0);
    gprint("\r\n");
}

namespace {

// One side of a record as a polynomial, coefficient and factors together.
xterm* side_product(const xterm* c, const dterm* factors) { return ptimes(cp_poly(c), ps_prod(cp_dterms(factors))); }

bool side_zero(const xterm* c, const dterm* factors)
{
    const PolyPtr p(side_product(c, factors));
    return pzerop(p.get());
}

}  // namespace

void prt_result()
{
    const quot_rec* t = g_proof_tail;
    // A side whose factors are constants compares by its value.
    PolyPtr left(side_product(t->nc, t->np));
    const PolyPtr right(side_product(t->dc, t->dp));
    // Both sides of a quotient gone to 0 is 0 / 0, not an identity.
    const quot_rec* conclusion = g_proof_head.next;
    if (pzerop(left.get()) && pzerop(right.get()) && conclusion && !side_zero(conclusion->nc, conclusion->np) &&
        !side_zero(conclusion->dc, conclusion->dp)) {
        proof_not_proved("both sides became 0 (0 / 0)");
        return;
    }
    if (!peq(left.get(), right.get())) {
        prt_false();
        return;
    }
    if (t->np || t->dp) {
        quot_rec* rec = new_ratio_rec(get_n(1), nullptr, get_n(1), nullptr, kQuotCancel);
        rec->cancelled = get_dt(1, left.release(), nullptr);
        append_quot(rec);
    }
    prt_true();
}
