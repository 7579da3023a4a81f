// Wu's method.

#include "algebra/wu.h"

#include "algebra/algebra_words.h"
#include "algebra/coords.h"
#include "algebra/equations.h"
#include "algebra/plist.h"
#include "algebra/poly_normal.h"
#include "prover/prover.h"
#include "prover/verdict.h"

namespace {

// The first remainder that reaches 0 is shown, later ones are not.
bool first_zero = true;

std::int32_t elapsed_since(std::uint32_t t) { return static_cast<std::int32_t>(prover_clock_ms() - t); }

// The initial of slot tag, reduced by LTS and normalised, is divided out of w.
xterm* divide_slot_initial(xterm* w, int tag)
{
    if (tag < 3 || static_cast<std::size_t>(tag) >= g_ts_inits.size() || !g_ts_inits[tag])
        return w;
    const PolyPtr init(pnormal(prem_list(cp_poly(g_ts_inits[tag]), g_lin)));
    if (pconstp(init.get()))
        return w;
    return pdiv_out(w, init.get());
}

// Treats every cell of W with one hypothesis h (tag h_tag).
void reduce_cells(dterm*& W, const xterm* h, int h_tag)
{
    dterm** link = &W;
    while (*link) {
        dterm* cell = *link;
        xterm* w = cell->coef;
        if (pzerop(w)) {
            *link = cell->next;
            put_p(plist_take(cell));
            put_d(cell);
            continue;
        }
        if (pconstp(w) || vless(w->var, h->var)) {
            link = &cell->next;
            continue;
        }
        if (w->var != h->var) {
            // w must vanish identically in its main variable: each
            // coefficient takes its place and is treated in turn.
            xterm* whole = plist_take(cell);
            dterm* terms = whole->terms;
            whole->terms = nullptr;
            whole->var = nullptr;
            put_x(whole);
            dterm* last = terms;
            for (dterm* t = terms; t; t = t->next) {
                t->deg = 1;
                last = t;
            }
            last->next = cell->next;
            *link = terms;
            put_d(cell);
            continue;
        }
        w = pprim(prem_ev(plist_take(cell), h));
        cell->coef = w;
        if (cell->deg == 1 && (!pzerop(w) || first_zero)) {
            pprint_index(w);
            gprint("\r\n");
            if (pzerop(w))
                first_zero = false;
        }
        if (pzerop(w)) {
            *link = cell->next;
            put_p(plist_take(cell));
            put_d(cell);
            continue;
        }
        note_maxterm(w);
        if (h_tag >= 3)
            cell->coef = divide_slot_initial(plist_take(cell), h_tag);
        link = &cell->next;
    }
}

}  // namespace

void ts_initials()
{
    for (xterm*& slot : g_ts_inits) {
        xterm* p = slot;
        slot = nullptr;
        put_p(p);
    }
    g_ts_inits.assign(3, nullptr);
    int counter = 2;
    int previous_tag = -1;
    const xterm* previous = nullptr;
    bool first = true;
    for (dterm* cell = g_hyps; cell; cell = cell->next) {
        const int tag = cell->deg;
        if (tag == 2 && previous_tag == 1 && previous && !pconstp(previous)) {
            ++counter;
            g_ts_inits.resize(static_cast<std::size_t>(counter) + 1, nullptr);
            g_ts_inits[static_cast<std::size_t>(counter)] = pinit_cp(previous);
            cell->deg = static_cast<std::uint16_t>(counter);
        } else if (!first) {
            cell->deg = 0;
        }
        first = false;
        previous_tag = tag;
        previous = cell->coef;
    }
}

dterm* wu_srem(xterm* c, const dterm* ts)
{
    if (pzerop(c)) {
        put_p(c);
        return nullptr;
    }
    dterm* W = get_dt(pconstp(c) ? 0 : 1, c, nullptr);
    if (pconstp(c))
        return W;
    for (const dterm* h = ts; h && W; h = h->next)
        if (h->coef && !pconstp(h->coef))
            reduce_cells(W, h->coef, h->deg);
    return W;
}

bool reducible_p()
{
    for (int i = 1; i <= g_npoints; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (r.hyp_predicate)
            continue;
        const auto p = [&r](int k) { return r.pots[static_cast<std::size_t>(k - 1)]; };
        switch (equation_kind(i)) {
        case cons_kind::kInterLineCircle:
            if (p(2) == p(4) || p(1) == p(4))
                return true;
            break;
        case cons_kind::kInterPlineCircle: case cons_kind::kInterTlineCircle:
            if (p(1) == p(5))
                return true;
            break;
        case cons_kind::kInterCircleCircle:
            if (p(2) != p(4))
                return true;
            break;
        case cons_kind::kInterLineRcircle: case cons_kind::kInterCircleRcircle: case cons_kind::kInterRcircleRcircle:
            return true;
        default:
            break;
        }
    }
    return false;
}

void wu_verdict()
{
    bool all_zero = true;
    for (const dterm* c = g_concs; c; c = c->next)
        if (c->deg == 0)
            all_zero = false;
    gprint("\r\n");
    if (plist_has_unit(g_hyps) || plist_has_unit(g_lin)) {
        // Contradictory hypotheses reduce everything to 0: no proof.
        g_result = kResultNotSolved;
        gprint(alg_words::kInconsistent);
        return;
    }
    if (all_zero) {
        say_verdict(1, alg_words::kProblemTrue);
        return;
    }
    // Reducible hypotheses leave the statement undecided, as the words say.
    if (reducible_p()) {
        g_result = kResultNotSolved;
        gprint(alg_words::kReducible);
        return;
    }
    say_verdict(-1, alg_words::kProblemFalse);
}

void wu_prove()
{
    std::uint32_t t = prover_clock_ms();
    ts_initials();
    split_lts(g_hyps, g_lin);
    reduce_hyps(g_hyps, g_lin);
    for (dterm* c = g_concs; c; c = c->next)
        c->coef = prem_list(plist_take(c), g_lin);
    g_time += elapsed_since(t);

    for (dterm* h = g_hyps; h; h = h->next)
        h->coef = pprim(plist_take(h));
    for (dterm* c = g_concs; c; c = c->next)
        c->coef = pprim(plist_take(c));

    if (g_lin) {
        gprint(alg_words::kLts);
        print_plist(g_lin);
        gprint(alg_words::kTsWrtLts);
        print_plist(g_hyps);
        gprint(alg_words::kConcWrtLts);
        print_plist(g_concs);
    }
    first_zero = true;
    gprint(alg_words::kConcWrtTs);
    if (g_concs)
        pprint_index(g_concs->coef);
    gprint("\r\n");

    t = prover_clock_ms();
    for (dterm* c = g_concs; c; c = c->next) {
        c->deg = 1;
        dterm* r = wu_srem(plist_take(c), g_hyps);
        if (r) {
            c->deg = 0;
            put_dts(r);
        }
    }
    g_time += elapsed_since(t);
    wu_verdict();
}
