// Coordinate polynomials of the constructions and Wu's hypothesis list.

#include "statement/cons_equations.h"

#include "algebra/coords.h"
#include "algebra/eq_builders.h"
#include "algebra/equations.h"
#include "algebra/quantity_terms.h"
#include "algebra/relations.h"
#include "facts/fact_tests.h"
#include "prover/poly.h"
#include "statement/cons_internal.h"

namespace {

using cons::arg;

bool wu() { return g_method == kMethodWu; }
bool groebner() { return g_method == kMethodGroebner; }

const Pro_point& rec(int no) { return cons::record(no); }

// Copies of the record's ratio polynomials (the record keeps its own).
xterm* ratio_p(int no) { return rec(no).ps[0] ? cp_poly(rec(no).ps[0]) : get_num(); }
xterm* ratio_q(int no) { return rec(no).ps[1] ? cp_poly(rec(no).ps[1]) : get_n(1); }

// The parameter of a point on a line ("r_{o%d}") or on a parallel ("r_{p%d}").
xterm* line_param(const char* form, int no) { return get_m_name(fmt(form, no)); }

xterm* times(coef_t k, xterm* p) { return ptimes(get_n(k), p); }

// The hypothesis polynomial of a predicate written among the hypotheses.
xterm* predicate_poly(int no)
{
    const int A = arg(no, 1), B = arg(no, 2), C = arg(no, 3), D = arg(no, 4), E = arg(no, 5), F = arg(no, 6);
    switch (cons::kind_of(no)) {
    case cons_kind::kHypCollinear: return poly_coll(A, B, C);
    case cons_kind::kHypParallel: return poly_para(A, B, C, D);
    case cons_kind::kHypPerpendicular: return poly_perp(A, B, C, D);
    case cons_kind::kHypEqDistance: return poly_eqdist(A, B, C, D);
    case cons_kind::kHypEqAngle: return poly_eqangle(A, B, C, D, E, F);
    case cons_kind::kHypCocircle: return poly_eqangle(A, C, B, A, D, B);  // A, B, C, D on one circle
    default: return nullptr;
    }
}

struct Slots {
    xterm* x = nullptr;
    xterm* y = nullptr;
};

Slots construction_polys(int no)
{
    const int X = no;
    const int A = arg(no, 1), B = arg(no, 2), C = arg(no, 3), D = arg(no, 4), E = arg(no, 5), F = arg(no, 6);
    switch (equation_kind(no)) {
    case cons_kind::kOnHline: return {poly_dy(A, X), nullptr};
    case cons_kind::kOnBline: return {poly_eqdist(X, A, X, B), nullptr};  // on the perpendicular bisector of AB
    case cons_kind::kFoot: return {poly_coll(X, B, C), poly_perp(X, A, B, C)};
    case cons_kind::kMidpoint: return {poly_midx(X, A, B), poly_midy(X, A, B)};
    case cons_kind::kCentroid:
        return {pminus(times(3, x_poly(X)), pplus(x_poly(A), pplus(x_poly(B), x_poly(C)))),
                pminus(times(3, y_poly(X)), pplus(y_poly(A), pplus(y_poly(B), y_poly(C))))};
    case cons_kind::kCircumcenter: return {poly_eqdist(X, A, X, B), poly_eqdist(X, A, X, C)};
    case cons_kind::kOrthocenter: return {poly_perp(X, A, B, C), poly_perp(X, B, A, C)};
    case cons_kind::kIncenterVertex: {
        const int I = C;
        return {poly_eqangle(B, A, I, I, A, X), poly_eqangle(A, B, I, I, B, X)};
    }
    case cons_kind::kEquilateralVertex:
        return {poly_eqdist(X, A, X, B), gq2co(poly_rel4(X, A, A, B, get_m(mk_cvar("w")), get_n(2)))};
    case cons_kind::kOnLine:
        if (wu())
            return {poly_coll(A, B, X), nullptr};
        if (groebner())
            return {poly_wratio_x(X, A, A, B, line_param("r_{o%d}", no), get_n(1)),
                    poly_wratio_y(X, A, A, B, line_param("r_{o%d}", no), get_n(1))};
        return {};
    case cons_kind::kOnPline:
        if (wu())
            return {poly_para(X, A, B, C), nullptr};
        if (groebner())
            return {poly_wratio_x(X, A, B, C, line_param("r_{p%d}", no), get_n(1)),
                    poly_wratio_y(X, A, B, C, line_param("r_{p%d}", no), get_n(1))};
        return {};
    case cons_kind::kOnTline: return {poly_perp(X, A, B, C), nullptr};
    case cons_kind::kOnCircle: return {poly_eqdist(X, A, B, A), nullptr};  // O = A, through B
    case cons_kind::kOnAline: return {poly_eqangle(X, A, B, C, D, E), nullptr};
    case cons_kind::kOnRcircle: return {poly_eqdist(X, A, B, C), nullptr};
    case cons_kind::kInterLineLine: return {poly_coll(X, A, B), poly_coll(X, C, D)};
    case cons_kind::kInterLinePline: return {poly_coll(X, A, B), poly_para(X, C, D, E)};
    case cons_kind::kInterLineTline: return {poly_coll(X, A, B), poly_perp(X, C, D, E)};
    case cons_kind::kInterPlinePline: return {poly_para(X, A, B, C), poly_para(X, D, E, F)};
    case cons_kind::kInterPlineTline: return {poly_para(X, A, B, C), poly_perp(X, D, E, F)};
    case cons_kind::kInterTlineTline: return {poly_perp(X, A, B, C), poly_perp(X, D, E, F)};
    case cons_kind::kInterLineCircle: {  // A B O C
        Slots s{poly_coll(X, A, B), poly_eqdist(X, C, D, C)};
        if (groebner() && (A == D || B == D)) {
            const EqPair pair = eq_pair_pt(s.x, s.y, A == D ? A : B);
            s = {pair.lower, pair.higher};
        }
        return s;
    }
    case cons_kind::kInterPlineCircle: return {poly_para(X, A, B, C), poly_eqdist(X, D, E, D)};  // A B C O D
    case cons_kind::kInterTlineCircle: return {poly_perp(X, A, B, C), poly_eqdist(X, D, E, D)};
    case cons_kind::kInterCircleCircle: return {poly_eqdist(X, A, B, A), poly_eqdist(X, C, D, C)};  // O A Q B
    case cons_kind::kInterLineRcircle: return {poly_coll(X, A, B), poly_eqdist(X, C, D, E)};
    case cons_kind::kInterCircleRcircle: return {poly_eqdist(X, A, B, A), poly_eqdist(X, C, D, E)};  // O A C D E
    case cons_kind::kInterRcircleRcircle: return {poly_eqdist(X, A, B, C), poly_eqdist(X, D, E, F)};
    case cons_kind::kSymmetricPoint: return {poly_midx(A, B, X), poly_midy(A, B, X)};  // O A
    case cons_kind::kReflection: return {poly_eqdist(X, B, A, B), poly_eqdist(X, C, A, C)};
    case cons_kind::kInversion: {  // A O B: the inverse of A in the circle with centre O through B
        const int O = B, R = C;
        if (xcoll(A, O, R)) {
            return {gq2co(poly_wratio_x(X, O, O, R, rtrim(O, R, O, A), get_n(1))),
                    gq2co(poly_wratio_y(X, O, O, R, rtrim(O, R, O, A), get_n(1)))};
        }
        return {gq2co(poly_wratio_x(X, O, O, A, mk_pdiff(O, R, R, O), mk_pdiff(O, A, A, O))),
                gq2co(poly_wratio_y(X, O, O, A, mk_pdiff(O, R, R, O), mk_pdiff(O, A, A, O)))};
    }
    case cons_kind::kPositiveSquare:
        return {pminus(pplus(x_poly(X), y_poly(B)), pplus(x_poly(A), y_poly(A))),
                pminus(pplus(y_poly(X), x_poly(A)), pplus(x_poly(B), y_poly(A)))};
    case cons_kind::kNegativeSquare:
        return {pminus(pplus(x_poly(X), y_poly(A)), pplus(x_poly(A), y_poly(B))),
                pminus(pplus(y_poly(X), x_poly(B)), pplus(x_poly(A), y_poly(A)))};
    case cons_kind::kLratio:
        return {gq2co(poly_wratio_x(X, A, A, B, ratio_p(no), ratio_q(no))),
                gq2co(poly_wratio_y(X, A, A, B, ratio_p(no), ratio_q(no)))};
    case cons_kind::kMratio:
        return {gq2co(poly_wratio_x(X, A, A, B, ratio_p(no), pplus(ratio_p(no), ratio_q(no)))),
                gq2co(poly_wratio_y(X, A, A, B, ratio_p(no), pplus(ratio_p(no), ratio_q(no))))};
    case cons_kind::kPratio:
        return {gq2co(poly_wratio_x(X, A, B, C, ratio_p(no), ratio_q(no))),
                gq2co(poly_wratio_y(X, A, B, C, ratio_p(no), ratio_q(no)))};
    case cons_kind::kConstant: return {gq2co(ratio_p(no)), nullptr};  // the relation in coordinates
    case cons_kind::kNrotate: return {gq2co(poly_aline_a(X, A, B)), gq2co(poly_aline_b(X, A, B))};
    default: return {};
    }
}

// INTERSECTION_LC without a known point of line and circle among its arguments:
// an earlier point on both, from the fact database, is divided out instead.
void line_circle_hyps(int no)
{
    const int X = no, A = arg(no, 1), B = arg(no, 2), O = arg(no, 3), C = arg(no, 4);
    const Coord_pair& pair = g_pairs[static_cast<std::size_t>(no)];
    if (A == C || B == C) {
        eq_lq1(pair.x, pair.y, A == C ? A : B);
        return;
    }
    int known = 0;
    for (int k = 1; k < no && !known; ++k)
        if (xcoll(k, A, B) && xcir_2p(O, C, k))
            known = k;
    gprint("\r\n xn=");
    gprint(pt_name(known ? known : X));
    if (!known) {
        eq_lq(pair.x, pair.y);
        return;
    }
    free_pair(no);
    set_pair(no, poly_coll(X, A, known), poly_eqdist(O, known, O, X));
    eq_lq1(g_pairs[static_cast<std::size_t>(no)].x, g_pairs[static_cast<std::size_t>(no)].y, known);
}

// eq_lq1 on the radical line of two circles (the remainder of y by x) and x.
void radical_line_hyps(const Coord_pair& pair, int known)
{
    if (!pair.x || !pair.y)
        return;
    const PolyPtr line(prem(cp_poly(pair.y), pair.x));
    eq_lq1(line.get(), pair.x, known);
}

}  // namespace

void cons_coord_polys(int no)
{
    if (no < 1 || no >= kProPointCount)
        return;
    set_pair(no, nullptr, nullptr);
    Slots s;
    if (rec(no).hyp_predicate)
        s.x = predicate_poly(no);
    else
        s = construction_polys(no);
    set_pair(no, s.x, s.y);
}

void cons_hyp_list(int no)
{
    if (no < 1 || no >= kProPointCount)
        return;
    const Coord_pair& pair = g_pairs[static_cast<std::size_t>(no)];
    if (rec(no).hyp_predicate) {
        eq_pred(pair.x);
        return;
    }
    const int A = arg(no, 1), B = arg(no, 2), D = arg(no, 4);
    switch (equation_kind(no)) {
    case cons_kind::kOnBline: case cons_kind::kOnHline: case cons_kind::kOnLine: case cons_kind::kOnPline:
    case cons_kind::kOnTline: case cons_kind::kOnCircle: case cons_kind::kOnAline: case cons_kind::kOnRcircle:
    case cons_kind::kConstant:
        eq_on_pt(pair.x);
        break;
    case cons_kind::kMidpoint: case cons_kind::kCentroid: case cons_kind::kSymmetricPoint: case cons_kind::kInversion:
    case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio: case cons_kind::kNrotate:
        eq_on_pt(pair.x);
        eq_on_pt(pair.y);
        break;
    case cons_kind::kFoot: case cons_kind::kCircumcenter: case cons_kind::kOrthocenter:
    case cons_kind::kIncenterVertex: case cons_kind::kEquilateralVertex: case cons_kind::kInterLineLine:
    case cons_kind::kInterLinePline: case cons_kind::kInterLineTline:
    case cons_kind::kInterPlinePline: case cons_kind::kInterPlineTline: case cons_kind::kInterTlineTline:
    case cons_kind::kPositiveSquare: case cons_kind::kNegativeSquare:
        if (pair.x && pair.y)
            eq_ll(pair.x, pair.y);
        break;
    case cons_kind::kInterLineCircle:
        if (pair.x && pair.y)
            line_circle_hyps(no);
        break;
    case cons_kind::kInterPlineCircle: case cons_kind::kInterTlineCircle:  // A B C O D
        if (!pair.x || !pair.y)
            break;
        if (pt_name(A) == pt_name(arg(no, 5)))
            eq_lq1(pair.x, pair.y, A);
        else
            eq_lq(pair.x, pair.y);
        break;
    case cons_kind::kInterCircleCircle:  // O A Q B: two circles through one point A = B
        if (B == D)
            radical_line_hyps(pair, B);
        else if (pair.x && pair.y)
            eq_lq(pair.y, pair.x);
        break;
    case cons_kind::kInterLineRcircle:
        if (pair.x && pair.y)
            eq_lq(pair.x, pair.y);
        break;
    case cons_kind::kInterCircleRcircle: case cons_kind::kInterRcircleRcircle:
        if (pair.x && pair.y)
            eq_lq(pair.y, pair.x);
        break;
    case cons_kind::kReflection:
        radical_line_hyps(pair, A);
        break;
    default:
        break;
    }
}
