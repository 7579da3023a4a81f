// The machine proof printed from the proof chain.

#include "algebra/machine_proof.h"

#include <string>

#include "algebra/algebra_words.h"
#include "algebra/plist.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"
#include "prover/statement_lines.h"

namespace {

void print_num(const xterm* v) { gprint(coef_text(v)); }

// -v, printed.
void print_negated(const xterm* v)
{
    const PolyPtr minus(neg_poly(cp_poly(v)));
    print_num(minus.get());
}

// Every factor is a constant or one term of ratio variables.
bool simple_factor(const xterm* p)
{
    if (pconstp(p))
        return true;
    if (nterms(p) != 1)
        return false;
    for (const var_rec* v : vars2(p))
        if (v->type != kVarRatio)
            return false;
    return true;
}

bool simple_list(const dterm* list)
{
    for (; list; list = list->next)
        if (list->coef && !simple_factor(list->coef))
            return false;
    return true;
}

// One side of the first record in "This is equivalent to".
void equivalent_side(const xterm* c, const dterm* factors, int latex)
{
    if (pzerop(c))
        gprint("0");
    else if (!factors)
        print_num(c);
    else if (ponep(c))
        ltx_prod(factors, latex);
    else {
        print_num(c);
        ltx_prod(factors, latex);
    }
}

// Numerator or denominator of a quotient with a denominator list.
void frac_side(const xterm* c, const dterm* factors, int latex)
{
    if (!factors) {
        print_num(c);
        return;
    }
    if (pmonep(c))
        gprint("-");
    else if (!ponep(c))
        print_num(c);
    ltx_prod(factors, latex);
}

// A value of an elimination step as a quotient side: a constant, or the
// polynomial as a one-factor list with the coefficient one (which the
// caller owns).
void set_side(xterm* p, xterm* one, xterm*& c, dterm*& list)
{
    if (!p) {
        c = one;
        list = nullptr;
    } else if (pconstp(p)) {
        c = p;
        list = nullptr;
    } else {
        c = one;
        list = get_dt(1, p, nullptr);
    }
}

// The database facts step rests on, where the method names them.
void cite_reasons(const elim_step* step, int latex, const ProofCitations* citations)
{
    if (citations && citations->cite && step && step->reasons)
        citations->cite(step->reasons, latex);
}

}  // namespace

void frac_num(const xterm* a, const xterm* b, int latex)
{
    if (latex)
        gprint("\\frac{" + coef_text(a) + "}{" + coef_text(b) + "}");
    else
        gprint(coef_text(a) + "/" + coef_text(b));
}

void ltx_prod(const dterm* list, int latex)
{
    for (; list; list = list->next) {
        const xterm* p = list->coef;
        if (!p)
            continue;
        if (list->deg != 1) {
            gprint("(");
            pprint(p, latex);
            gprint(fmt(")^{%d}", static_cast<int>(list->deg)));
        } else if (g_method == kMethodFullAngle || (nterms(p) < 2 && lnum(p) >= 0)) {
            pprint(p, latex);
        } else {
            gprint("(");
            pprint(p, latex);
            gprint(")");
        }
    }
}

void ltx_frac(const quot_rec& q, int latex)
{
    const xterm* N = q.nc;
    const xterm* D = q.dc;
    if (pzerop(D)) {
        if (pzerop(N)) {
            gprint("0");
        } else if (!q.np) {
            print_num(N);
        } else {
            if (pmonep(N))
                gprint("-");
            else if (!ponep(N))
                print_num(N);
            ltx_prod(q.np, latex);
        }
        return;
    }
    if (!q.dp) {
        const auto plain = [&] {
            if (ponep(D))
                print_num(N);
            else if (pmonep(D))
                print_negated(N);
            else
                frac_num(N, D, latex);
        };
        if (!q.np) {
            plain();
            return;
        }
        if (!(ponep(N) && ponep(D))) {
            if (ponep(N) && pmonep(D))
                gprint("-");
            else
                plain();
        }
        ltx_prod(q.np, latex);
        return;
    }
    const bool simple = simple_list(q.np) && simple_list(q.dp);
    if (latex)
        gprint(simple ? "(" : "\\frac{");
    frac_side(N, q.np, latex);
    gprint(latex ? (simple ? ")/(" : "}{") : " / ");
    frac_side(D, q.dp, latex);
    if (latex)
        gprint(simple ? ")" : "}");
}

void show_elim(const elim_step* step, int latex)
{
    if (!step || !step->var || step->var->type < 0)
        return;
    if (latex)
        gprint("$");
    var_rec* v = step->var;
    if (!step->num) {
        const xterm* E = step->den;
        if (E && deg_in(E, v) == 1) {
            print_var(v, latex);
            gprint(" = ");
            const PolyPtr value(pminus(get_m(v), cp_poly(E)));
            pprint(value.get(), latex);
        } else {
            pprint(E, latex);
            gprint(" = 0 ( ");
            gprint(alg_words::kEliminateVariables);
            print_var(v, latex);
            gprint(")");
        }
    } else {
        print_var(v, latex);
        gprint(" = ");
        quot_rec value;
        const PolyPtr one(get_n(1));
        set_side(step->num, one.get(), value.nc, value.np);
        set_side(step->den, one.get(), value.dc, value.dp);
        ltx_frac(value, latex);
        // The cells made by set_side, without the polynomials they show.
        plist_free_cells(value.np);
        plist_free_cells(value.dp);
    }
    if (latex)
        gprint("$");
}

void show_steps(const elim_step* steps, int latex, const ProofCitations* citations)
{
    if (latex)
        gprint("\\hskip 10pt ");
    gprint(alg_words::kBecause);
    show_elim(steps, latex);
    cite_reasons(steps, latex, citations);
    gprint("\r\n");
    for (const elim_step* s = steps ? steps->next : nullptr; s; s = s->next) {
        gprint(latex ? "\\vskip-5pt\r\n\\hskip 70pt " : "               ");
        show_elim(s, latex);
        cite_reasons(s, latex, citations);
        gprint("\r\n");
    }
}

void show_machine_proof(int latex, const ProofCitations* citations)
{
    const quot_rec* first = g_proof_head.next;
    if (!first) {
        gprint(alg_words::kNoProof);
        return;
    }
    if (citations && citations->begin)
        citations->begin();
    gprint(alg_words::kConclusionIs);
    gprint(conclusion_keyword_line());
    gprint(alg_words::kEquivalentTo);
    gprint("  ");
    equivalent_side(first->nc, first->np, latex);
    gprint(" = ");
    equivalent_side(first->dc, first->dp, latex);
    // The facts that turned the conclusion into this quotient.
    if (first->type == kQuotConclusion)
        cite_reasons(first->steps, latex, citations);
    if (latex)
        gprint("\r\n{\\vskip6pt \\parskip=6pt \\parindent=10pt \r\n");
    gprint("\r\n");
    gprint(alg_words::kMachineProof);
    gprint("\r\n\r\n");
    for (const quot_rec* r = first; r; r = r->next) {
        if (r->type == kQuotCancel) {
            if (latex)
                gprint("\\hskip 15pt ");
            gprint(alg_words::kEliminatingFactors);
            if (latex)
                gprint("$");
            ltx_prod(r->cancelled, latex);
            if (latex)
                gprint("$");
            gprint("\r\n\r\n");
        } else if (r->type != kQuotPlain && r->type != kQuotConclusion) {
            show_steps(r->steps, latex, citations);
            gprint("\r\n");
        }
        if (r->type == kQuotConclusion) {
            if (latex)
                gprint("\\hskip15pt $");
        } else {
            if (latex)
                gprint(" $");
            gprint(" = ");
        }
        ltx_frac(*r, latex);
        if (latex)
            gprint("$");
        gprint("\r\n\r\n");
    }
    if (citations && citations->derivations)
        citations->derivations(latex);
    if (latex)
        gprint("}");
    gprint("\r\n");
}
