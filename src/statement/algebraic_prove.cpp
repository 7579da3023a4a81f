// Wu's and the Groebner method from the statement to the verdict.

#include "statement/algebraic_prove.h"

#include <string>
#include <utility>

#include "algebra/algebra_words.h"
#include "algebra/coords.h"
#include "algebra/equations.h"
#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "algebra/wu.h"
#include "prover/prover.h"
#include "statement/semantics.h"

namespace {

// What the lists were built from: the statement's lines and the method.
std::string lists_statement;

std::string statement_fingerprint()
{
    std::string text = std::to_string(g_method) + "\n";
    for (int i = 1; i <= g_npoints; ++i)
        text += cons_statement_text(i);
    return text + concl_statement_text();
}

bool has_equilateral()
{
    for (int i = 1; i <= g_npoints; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].kind == cons_kind::kEquilateralVertex &&
            !g_pro_points[static_cast<std::size_t>(i)].hyp_predicate)
            return true;
    return false;
}

void note_list_maxterm(const dterm* list)
{
    for (; list; list = list->next)
        if (list->coef)
            note_maxterm(list->coef);
}

// The Groebner hypotheses: copies of every record's slots, most recent first.
void collect_groebner_hyps()
{
    for (int i = 1; i <= g_npoints; ++i) {
        const Coord_pair& pair = g_pairs[static_cast<std::size_t>(i)];
        for (const xterm* p : {pair.x, pair.y})
            if (p)
                plist_push(g_hyps, cp_poly(p), 1);
    }
    g_gbmode = 1;
    dterm* hyps = g_hyps;
    g_hyps = nullptr;  // a time-out inside leaves no half-consumed list behind
    g_hyps = g_basis(hyps);
}

// The coordinate polynomials of every record and of the conclusion, built
// for the statement the fingerprint names. Whatever earlier lists were left
// goes first. False after an error.
bool build_coord_polys(std::string fingerprint)
{
    free_eqs();
    lists_statement = std::move(fingerprint);
    do_cons_from(cgeo::kPolys, 1);
    if (!g_abort)
        do_concl(cgeo::kPolys);
    return !g_abort;
}

// The coordinate polynomials and the hypothesis list of the selected method.
// False after an error.
bool build_lists()
{
    // The Prove command has usually freed an earlier proof's lists already.
    if (!build_coord_polys(statement_fingerprint()))
        return false;
    const std::uint32_t t0 = prover_clock_ms();
    put_dts(g_hyps);
    g_hyps = nullptr;
    // The third vertex of an equilateral triangle speaks of w with w^2 = 3.
    if (has_equilateral()) {
        xterm* w = get_m(mk_cvar("w"));
        plist_push(g_hyps, pminus(ptimes(w, cp_poly(w)), get_n(3)), 0);
    }
    if (g_method == kMethodWu)
        do_cons_from(cgeo::kHypList, 1);
    else
        collect_groebner_hyps();
    g_time += static_cast<std::int32_t>(prover_clock_ms() - t0);
    if (g_abort)
        return false;
    if (g_maxterm_on) {
        note_list_maxterm(g_hyps);
        note_list_maxterm(g_concs);
    }
    return true;
}

// Wu's or the Groebner method on the lists built for it.
void prove_algebraically(void (*method)())
{
    if (!build_lists())
        return;
    print_algebraic_form();
    if (!g_abort)
        method();
}

}  // namespace

void print_algebraic_form()
{
    gprint(alg_words::kAlgebraicForm);
    print_coords();
    gprint(alg_words::kEquationalHypotheses);
    do_cons_from(cgeo::kAlgebraic, 1);
    gprint(alg_words::kConclusionHead);
    do_concl(cgeo::kAlgebraic);
    if (g_method == kMethodWu)
        gprint(alg_words::kTriangulized);
    else if (g_method == kMethodGroebner)
        gprint(alg_words::kGroebnerBasis);
    print_plist(g_hyps);
}

void print_statement_algebraic_form()
{
    std::string now = statement_fingerprint();
    if ((!g_concs_print || now != lists_statement) && !build_coord_polys(std::move(now)))
        return;
    print_algebraic_form();
    print_plist(g_lin);
}

void prove_wu() { prove_algebraically(wu_prove); }

void prove_groebner() { prove_algebraically(gb_prove); }
