// Coordinate polynomials of the conclusion and its algebraic form.

#include "algebra/equations.h"
#include "algebra/plist.h"
#include "algebra/quantity_terms.h"
#include "algebra/relations.h"
#include "prover/keywords.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "statement/cons_equations.h"
#include "statement/semantics.h"

namespace {

int p(int k) { return static_cast<int>(g_concl.p[static_cast<std::size_t>(k - 1)]); }

// The polynomials of an equation conclusion: left side minus right side in
// coordinates, once per component when it speaks of vectors.
void equation_polys()
{
    const PolyPtr diff(pminus(g_concl_lhs ? cp_poly(g_concl_lhs) : get_num(),
                              g_concl_rhs ? cp_poly(g_concl_rhs) : get_num()));
    if (has_var_of_type(g_concl_lhs, kVarVector) || has_var_of_type(g_concl_rhs, kVarVector)) {
        g_vcomp = 1;
        plist_append(g_concs, gq2co(cp_poly(diff.get())), 0);
        g_vcomp = 2;
        plist_append(g_concs, gq2co(cp_poly(diff.get())), 0);
        g_vcomp = 1;
        return;
    }
    plist_append(g_concs, gq2co(cp_poly(diff.get())), 0);
}

void add(xterm* q) { plist_append(g_concs, q, 0); }

}  // namespace

void concl_coord_polys()
{
    switch (g_concl.type) {
    case concl_kind::kCollinear: add(poly_coll(p(1), p(2), p(3))); break;
    case concl_kind::kParallel: add(poly_para(p(1), p(2), p(3), p(4))); break;
    case concl_kind::kPerpendicular: add(poly_perp(p(1), p(2), p(3), p(4))); break;
    case concl_kind::kMidpoint:
        add(poly_midx(p(1), p(2), p(3)));
        add(poly_midy(p(1), p(2), p(3)));
        break;
    case concl_kind::kCyclic: add(poly_eqangle(p(2), p(4), p(3), p(2), p(5), p(3))); break;
    case concl_kind::kEqualDistance: add(poly_eqdist(p(1), p(2), p(3), p(4))); break;
    case concl_kind::kEqualAngle: add(poly_eqangle(p(1), p(2), p(4), p(5), p(6), p(8))); break;
    case concl_kind::kEqualProduct:
        add(pminus(ptimes(poly_dist2(p(1), p(2)), poly_dist2(p(7), p(8))),
                   ptimes(poly_dist2(p(3), p(4)), poly_dist2(p(5), p(6)))));
        break;
    case concl_kind::kTangentCircles: add(poly_sumdist(p(1), p(2), p(3), p(4))); break;
    case concl_kind::kHarmonic: add(gq2co(pplus(rtrim(p(3), p(1), p(3), p(2)), rtrim(p(4), p(1), p(4), p(2))))); break;
    case concl_kind::kEquilateral:
        add(poly_eqdist(p(1), p(2), p(1), p(3)));
        add(poly_eqdist(p(1), p(2), p(2), p(3)));
        break;
    case concl_kind::kCongruent:
        add(poly_eqdist(p(1), p(2), p(4), p(5)));
        add(poly_eqdist(p(1), p(3), p(4), p(6)));
        add(poly_eqdist(p(2), p(3), p(5), p(6)));
        break;
    case concl_kind::kSimilar:
        add(poly_eqangle(p(1), p(2), p(3), p(4), p(5), p(6)));
        add(poly_eqangle(p(1), p(3), p(2), p(4), p(6), p(5)));
        break;
    case concl_kind::kEquation: equation_polys(); break;
    case concl_kind::kEmpty:
    case concl_kind::kNone: add(get_num()); break;
    default:
        gerror(fmt("%d %s.", g_concl.type, std::string(stm_string(sid::kNotProperPredicate)).c_str()));
        return;
    }
    g_concs_print = cp_dterms(g_concs);
}

void print_concl_algebraic()
{
    gprint(concl_keyword_text());
    gprint(":    ");
    print_eqs();
}
