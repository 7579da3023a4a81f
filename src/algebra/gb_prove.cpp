// Reducing the conclusions by the Groebner basis.

#include "algebra/algebra_words.h"
#include "algebra/equations.h"
#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "algebra/poly_normal.h"
#include "algebra/wu.h"
#include "prover/prover.h"

namespace {

std::int32_t elapsed_since(std::uint32_t t) { return static_cast<std::int32_t>(prover_clock_ms() - t); }

// The factors of the basis' initials, up to the first coefficient of the basis.
void collect_init_factors()
{
    put_dts(g_gb_inits);
    g_gb_inits = nullptr;
    for (const dterm* g = g_hyps; g && !gconst_p(g->coef); g = g->next) {
        dterm* factors = gfactors(pprim(pinit_cp(g->coef)));
        while (factors) {
            dterm* cell = factors;
            factors = factors->next;
            cell->next = nullptr;
            if (plist_has(g_gb_inits, cell->coef))
                put_dts(cell);
            else
                plist_join(g_gb_inits, cell);
        }
    }
}

// A coefficient in the basis makes the hypotheses contradict each other for
// general parameters; it is shown as 1.
void normalise_coefficients()
{
    for (dterm* g = g_hyps; g; g = g->next)
        if (g->coef && gconst_p(g->coef) && !pzerop(g->coef))
            g->coef = gnormal(plist_take(g));
}

// Shows the size of a remainder and divides the factors of the basis'
// initials out of it.
xterm* after_reduction(xterm* c)
{
    pprint_index(c);
    gprint("\r\n");
    note_maxterm(c);
    if (gconst_p(c))
        return c;
    for (const dterm* f = g_gb_inits; f; f = f->next)
        if (f->coef)
            c = pdiv_out(c, f->coef);
    return c;
}

}  // namespace

xterm* gb_srem(xterm* c, const dterm* basis, const dterm* lin)
{
    // LGB was split off the basis, and a reduction by either part can bring
    // back terms that the other reduces: the remainder is final only when
    // neither part reduces it any further. Every pass reduces, so the term
    // order ends the loop.
    bool by_basis = true;   // the first walk shows every step
    for (;;) {
        if (by_basis) {
            for (const dterm* g = basis; g; g = g->next) {
                if (!g->coef)
                    continue;
                c = after_reduction(gred1(c, g->coef));
                if (gconst_p(c))
                    return c;
            }
        }
        if (lin && !gred_ps(c, lin)) {
            c = after_reduction(gred(c, lin));
            if (gconst_p(c))
                return c;
        }
        by_basis = !gred_ps(c, basis);
        if (!by_basis && (!lin || gred_ps(c, lin)))
            return c;
    }
}

void gb_prove()
{
    std::uint32_t t = prover_clock_ms();
    normalise_coefficients();
    collect_init_factors();
    put_dts(g_lin);
    g_lin = nullptr;
    split_lts(g_hyps, g_lin);
    if (g_gbmode == 2) {
        g_gbmode = 1;
        for (dterm* g = g_hyps; g; g = g->next)
            g->coef = gred(plist_take(g), g_lin);
    }
    for (dterm* c = g_concs; c; c = c->next)
        c->coef = gred(plist_take(c), g_lin);
    g_time += elapsed_since(t);

    if (g_lin) {
        gprint(alg_words::kLgb);
        print_plist(g_lin);
        gprint(alg_words::kGbWrtLgb);
        print_plist(g_hyps);
        gprint(alg_words::kConcWrtLgb);
        print_plist(g_concs);
    }
    t = prover_clock_ms();
    gprint(alg_words::kConcWrtGb);
    if (g_concs)
        pprint_index(g_concs->coef);
    gprint("\r\n");
    for (dterm* c = g_concs; c; c = c->next) {
        xterm* r = gb_srem(plist_take(c), g_hyps, g_lin);
        c->deg = pzerop(r) ? 1 : 0;
        put_p(r);
    }
    g_time += elapsed_since(t);
    wu_verdict();
}
