// Equal full angles: storing in canonical form, the degenerate cases that are
// really parallel or perpendicular facts, and transitivity.

#include <array>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

void add_ae_pt(int lemma, int a, int b, int c, int d, int e, int f)
{
    if (g_trace)
        trace_str(fmt("add_ae_pt: %d %s,%s,%s,%s %s %s\n", lemma, pname(a), pname(b), pname(c), pname(d),
                      pname(e), pname(f)));
    Gdd_line* l4 = fadd_ln(e, f);
    Gdd_line* l3 = fadd_ln(d, e);
    Gdd_line* l2 = fadd_ln(b, c);
    Gdd_line* l1 = fadd_ln(a, b);
    add_ea_ln(lemma, l1, l2, l3, l4);
}

void add_ea_ln(int lemma, Gdd_line* l1, Gdd_line* l2, Gdd_line* l3, Gdd_line* l4)
{
    if (g_fa_stage == 1 || xacong_ln(l1, l2, l3, l4))
        return;
    adj_ea(new_ea(lemma, l1, l2, l3, l4));
}

Gdd_ea* new_ea(int lemma, Gdd_line* l1, Gdd_line* l2, Gdd_line* l3, Gdd_line* l4)
{
    const Ea_lines c = ea_canonical(l1, l2, l3, l4);
    Gdd_ea* E = g_ea_list.append();
    E->state = kNew;
    E->lemma = static_cast<std::uint8_t>(lemma);
    E->reasons = g_co_db;
    // The canonical lines are the caller's lines in another order.
    E->l1 = const_cast<Gdd_line*>(c.l1);
    E->l2 = const_cast<Gdd_line*>(c.l2);
    E->l3 = const_cast<Gdd_line*>(c.l3);
    E->l4 = const_cast<Gdd_line*>(c.l4);
    queue_cond(kCondEqAngle, E);
    ea_deg(E, E->l1, E->l2, E->l3, E->l4);
    if (E->live())
        ea_deg(E, E->l4, E->l3, E->l2, E->l1);
    return E;
}

Gdd_cond* ea_premise(Gdd_cond* premise, Gdd_ea* E)
{
    // The premise states E's own fact; when the lookup finds no record for
    // it (an angle of a line with itself, say), E holds it.
    if (!premise->obj)
        premise->obj = E;
    return premise;
}

void ea_deg(Gdd_ea* E, Gdd_line* w, Gdd_line* x, Gdd_line* y, Gdd_line* z)
{
    clear_merge_db();
    if (xpara_ln(w, x) && y != z) {
        kill_rec(E);
        ea_premise(add_codb2_ln(kCondEqAngle, w, x, y, z), E);
        add_codb2_ln(kCondPara, w, x);
        add_ppn(8, y, z);
    } else if (xperp_ln(w, x)) {
        kill_rec(E);
        ea_premise(add_codb2_ln(kCondEqAngle, w, x, y, z), E);
        add_codb2_ln(kCondPerp, w, x);
        add_tx(9, y, z);
    } else if (xpara_ln(w, y) && x != z) {
        ea_premise(add_codb2_ln(kCondEqAngle, w, x, y, z), E);
        add_codb2_ln(kCondPara, w, y);
        add_ppn(10, x, z);
    } else if (xperp_ln(w, y)) {
        ea_premise(add_codb2_ln(kCondEqAngle, w, x, y, z), E);
        add_codb2_ln(kCondPerp, w, y);
        add_tx(11, x, z);
    }
}

namespace {

// The new record's reasons: E2 and E1, the two records it follows from.
void set_trans_reasons(Gdd_ea* E, Gdd_ea* E1, Gdd_ea* E2)
{
    clear_merge_db();
    new_co(kCondEqAngle, E2);
    new_co(kCondEqAngle, E1);
    E->reasons = g_merge_db;
}

// The eight readings [p, q] = [u, v] of E1's fact, in the order
// transitivity tries them.
struct Readings {
    struct Pair {
        Gdd_line *p, *q, *u, *v;
    };
    std::array<Pair, 8> pairs;

    explicit Readings(const Gdd_ea* E1)
    {
        Gdd_line *A = E1->l1, *B = E1->l2, *C = E1->l3, *D = E1->l4;
        pairs = {{
            {A, B, C, D}, {B, A, D, C}, {C, D, A, B}, {D, C, B, A},
            {A, C, B, D}, {C, A, D, B}, {B, D, A, C}, {D, B, C, A},
        }};
    }
};

// E2 says [x0, x1] = [y0, y1]; when E1 gives [x0, x1] = [u, v], then
// [u, v] = [y0, y1].
void ea_trans1(Gdd_line* x0, Gdd_line* x1, Gdd_line* y0, Gdd_line* y1, Gdd_ea* E1, Gdd_ea* E2,
               const Readings& e1)
{
    for (const Readings::Pair& pr : e1.pairs) {
        if (pr.p != x0 || pr.q != x1)
            continue;
        if (!xacong_ln(pr.u, pr.v, y0, y1))
            set_trans_reasons(new_ea(81, pr.u, pr.v, y0, y1), E1, E2);
        return;
    }
}

// E2 says [x0, y0] = [y1, x1]; when E1 gives [x0, u] = [v, x1], then
// [u, y0] = [y1, v].
void ea_trans2(Gdd_line* x0, Gdd_line* x1, Gdd_line* y0, Gdd_line* y1, Gdd_ea* E1, Gdd_ea* E2)
{
    Gdd_line *u, *v;
    if ((x0 == E1->l1 && x1 == E1->l4) || (x0 == E1->l4 && x1 == E1->l1)) {
        u = E1->l2;
        v = E1->l3;
    } else if ((x0 == E1->l2 && x1 == E1->l3) || (x0 == E1->l3 && x1 == E1->l2)) {
        u = E1->l1;
        v = E1->l4;
    } else {
        return;
    }
    if (!xacong_ln(u, y0, y1, v))
        set_trans_reasons(new_ea(82, u, y0, y1, v), E1, E2);
}

}  // namespace

void adj_ea(Gdd_ea* E0)
{
    for (Gdd_ea* E1 = E0; E1; E1 = E1->next) {
        check_time();  // the closure can grow long between premises
        if (!E1->live())
            continue;
        // Only records sharing a pair of lines with E1 can combine with it;
        // they come in list order, like the walk from the list's start.
        // (Nothing in the walk replaces a line of E1.)
        const Readings e1(E1);
        for (Gdd_ea* E2 : ea_partners(E1)) {
            Gdd_line *A = E2->l1, *B = E2->l2, *C = E2->l3, *D = E2->l4;
            ea_trans1(A, B, C, D, E1, E2, e1);
            ea_trans1(C, D, A, B, E1, E2, e1);
            ea_trans1(A, C, B, D, E1, E2, e1);
            ea_trans1(B, D, A, C, E1, E2, e1);
            ea_trans2(A, D, B, C, E1, E2);
            ea_trans2(B, C, A, D, E1, E2);
        }
    }
}
