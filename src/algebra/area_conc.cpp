// The conclusion of a statement as the first record of the area method's
// proof chain: an equation between two products of quantities.

#include <algorithm>
#include <utility>
#include <vector>

#include "algebra/area.h"
#include "algebra/area_internal.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "algebra/area_words.h"
#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_lookup.h"
#include "prover/numeric_figure.h"
#include "prover/point_names.h"
#include "prover/prover.h"
#include "prover/statement_lines.h"
#include "prover/variables.h"

using namespace aterm;

quot_rec* add_pstep(coef_t numc, xterm* nump, coef_t denc, xterm* denp)
{
    quot_rec* rec = new_quot(get_n(numc), nump, get_n(denc), denp);
    append_quot(rec);
    return rec;
}

namespace {

// A factor list of two polynomials; one that is 0 makes the side 0.
dterm* two_factors(xterm* a, xterm* b)
{
    if (pzerop(a) || pzerop(b)) {
        put_p(a);
        put_p(b);
        return get_dt(1, get_n(0), nullptr);
    }
    if (peq(a, b)) {
        put_p(b);
        return get_dt(2, a, nullptr);
    }
    return get_dt(1, a, get_dt(1, b, nullptr));
}

// a b = c d with each product kept as two factors, so that every
// elimination works on the smaller polynomials and common factors cancel.
void add_products(xterm* a, xterm* b, xterm* c, xterm* d)
{
    append_quot(new_ratio_rec(get_n(1), two_factors(a, b), get_n(1), two_factors(c, d), kQuotConclusion));
}

bool distinct(std::initializer_list<int> points)
{
    std::vector<int> v(points);
    std::sort(v.begin(), v.end());
    return std::adjacent_find(v.begin(), v.end()) == v.end();
}

// The equal angles s1 p2 = p1 s2 (areas s, Pythagoras differences p of the
// two angles). Both sides 0 from the start compares nothing unless both
// angles are right or both are zero; on a circle a zero angle means three
// points on one line, which no circle passes through (on_circle: four
// distinct points on a circle).
void add_angle_products(xterm* s1, xterm* p2, xterm* p1, xterm* s2, bool on_circle)
{
    const bool zero_left = pzerop(s1) || pzerop(p2);
    const bool zero_right = pzerop(p1) || pzerop(s2);
    const bool right_angles = pzerop(p1) && pzerop(p2);
    const bool zero_angles = pzerop(s1) && pzerop(s2);
    const bool undefined = zero_left && zero_right && !right_angles && !zero_angles;
    if (undefined || (on_circle && (pzerop(s1) || pzerop(s2)))) {
        for (xterm* q : {s1, p2, p1, s2})
            put_p(q);
        proof_not_proved(on_circle ? "three of the points are on one line" : "an angle of the conclusion is not defined");
        return;
    }
    add_products(s1, p2, p1, s2);
}

int cp_(int k) { return static_cast<int>(g_concl.p[static_cast<std::size_t>(k - 1)]); }

void conc_ratio()
{
    const int p1 = cp_(1), p2 = cp_(2), p3 = cp_(3), p4 = cp_(4), p5 = cp_(5), p6 = cp_(6), p7 = cp_(7), p8 = cp_(8);
    if (xpara(p1, p2, p3, p4) && xpara(p7, p8, p5, p6))
        add_pstep(1, R(p1, p2, p3, p4), 1, R(p5, p6, p7, p8));
    else if (xpara(p1, p2, p5, p6) && xpara(p7, p8, p3, p4))
        add_pstep(1, R(p1, p2, p5, p6), 1, R(p3, p4, p7, p8));
    else if (xpara(p1, p2, p7, p8) && xpara(p3, p4, p5, p6))
        add_pstep(1, P(p1, p7, p2, p8), 1, P(p3, p5, p4, p6));
    else if (xcoll4(p1, p7, p2, p8))
        add_products(P(p1, p7, p2, p8), P(p1, p7, p2, p8), P(p3, p4, p4, p3), P(p5, p6, p6, p5));
    else
        add_products(P(p1, p2, p2, p1), P(p7, p8, p8, p7), P(p3, p4, p4, p3), P(p5, p6, p6, p5));
}

// The lines a construction puts its point on, each by two named points.
std::vector<std::pair<int, int>> construction_lines(int x)
{
    const auto& p = g_pro_points[static_cast<std::size_t>(x)].pots;
    const auto line = [&](std::size_t i, std::size_t j) {
        return std::pair<int, int>{static_cast<int>(p[i]), static_cast<int>(p[j])};
    };
    switch (point_kind(x)) {
    case cons_kind::kOnLine: case cons_kind::kMidpoint: case cons_kind::kInterLinePline:
    case cons_kind::kInterLineTline: case cons_kind::kLratio: case cons_kind::kMratio:
        return {line(0, 1)};
    case cons_kind::kFoot:
        return {line(1, 2)};
    case cons_kind::kInterLineLine:
        return {line(0, 1), line(2, 3)};
    default:
        return {};
    }
}

bool on_construction_line(int x, std::pair<int, int> l)
{
    if (x == l.first || x == l.second)
        return true;
    for (const auto& [a, b] : construction_lines(x))
        if ((a == l.first && b == l.second) || (a == l.second && b == l.first))
            return true;
    return false;
}

// Whether the constructions themselves put the three points on one line
// (a collinearity of the database may rest on lines merged through points
// that coincide).
bool collinear_by_construction(int a, int b, int c)
{
    for (const int x : {a, b, c})
        for (const auto& l : construction_lines(x))
            if (l.first != l.second && on_construction_line(a, l) && on_construction_line(b, l) &&
                on_construction_line(c, l))
                return true;
    return false;
}

// A ratio of segments in p that are not parallel in random figures of the
// statement (its value would assume they are), or null.
const var_rec* ratio_off_parallels(const xterm* p)
{
    if (!p || pconstp(p))
        return nullptr;
    for (const var_rec* v : vars2(p)) {
        if (v->type != kVarRatio || xpara(v->a[0], v->a[1], v->a[2], v->a[3]))
            continue;
        Gdd_cond parallel;
        parallel.type = concl_kind::kParallel;
        for (std::size_t k = 0; k < 4; ++k)
            parallel.p[k] = static_cast<std::uint32_t>(v->a[k]);
        if (numerically_false(parallel, g_npoints))
            return v;
    }
    return nullptr;
}

void refuse_off_line()
{
    std::string text = statement_conclusion_line();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    gerror(text + " The points are not known to lie on one line; the area method cannot compare their ratios.\r\n");
}

// The point p on a line of at least three points and the two smallest other
// points of such a line through p, the smallest first.
void conc_ln_pts(int p, int& l1, int& l2)
{
    l1 = kProPointCount;
    l2 = kProPointCount;
    const Gdd_line* best = nullptr;
    for (const Gdd_line* l : g_ln_list) {
        if (!l->live() || l->count() < 3 || !on_ln(p, l))
            continue;
        for (int k = 0; k < l->count(); ++k) {
            const int q = l->pts[static_cast<std::size_t>(k)];
            if (q != p && q < l1) {
                l1 = q;
                best = l;
            }
        }
    }
    if (!best)
        return;
    for (int k = 0; k < best->count(); ++k) {
        const int q = best->pts[static_cast<std::size_t>(k)];
        if (q != p && q != l1 && q < l2)
            l2 = q;
    }
}

}  // namespace

void conc_tangent(int a, int b, int c, int d)
{
    dterm* np = get_dt(2, sub(add(P(a, b, b, a), P(c, d, d, c)), P(a, c, c, a)), nullptr);
    dterm* dp = get_dt(1, P(c, d, d, c), get_dt(1, P(a, b, b, a), nullptr));
    append_quot(new_ratio_rec(get_n(1), np, get_n(4), dp, kQuotConclusion));
}

void conc_coll()
{
    int pts[3] = {cp_(1), cp_(2), cp_(3)};
    std::sort(pts, pts + 3);
    const int lo = pts[0], mid = pts[1], hi = pts[2];
    int p = 0, o1 = 0, o2 = 0;
    // A point its construction put on the line of the two others has no
    // other line to meet: the area is the conclusion.
    if (collinear_by_construction(lo, mid, hi)) {
    } else if (fd_ln_pt(hi)) {
        p = hi, o1 = lo, o2 = mid;
    } else if (fd_ln_pt(mid)) {
        p = mid, o1 = lo, o2 = hi;
    } else if (fd_ln_pt(lo)) {
        p = lo, o1 = mid, o2 = hi;
    }
    if (p == 0) {
        add_pstep(1, S(lo, mid, hi, hi), 0, nullptr);
        return;
    }
    int l1, l2;
    conc_ln_pts(p, l1, l2);
    gprint(fmt("conc_coll: %d %d %d %d %d\r\n", o1, o2, p, l1, l2));
    const int I = g_elim_count + 1;
    // The point table ends at record 99.
    if (I > kMaxProPoints) {
        gerror("Too many points in the statements\n");
        return;
    }
    g_elim_count = I;
    Pro_point& rec = g_pro_points[static_cast<std::size_t>(I)];
    rec.clear();
    rec.kind = cons_kind::kInterLineLine;
    rec.name = "I_{" + pt_name(p) + "}";
    rec.pots = {static_cast<std::uint32_t>(l1), static_cast<std::uint32_t>(l2), static_cast<std::uint32_t>(o1),
                static_cast<std::uint32_t>(o2), 0, 0, 0, 0};
    add_line(0, I, l1, l2);
    add_line(0, I, o1, o2);
    add_pstep(1, R(l1, p, l2, p), 1, R(l1, I, l2, I));
    gprint("\r\n***************************************\r\n");
    gprint(fmt("%s %s %s", area_words::kNewPoint, rec.name.c_str(), area_words::kIntroduced));
    gprint(statement_record_line(I));
    gprint("\r\n\r\n");
    gprint(area_words::kNewConclusion);
    gprint(fmt("%s %s %s %s %s %s %s %s %s.\r\n\r\n", area_words::kEqRatio, pt_name(l1).c_str(), pt_name(p).c_str(),
               pt_name(l2).c_str(), pt_name(p).c_str(), pt_name(l1).c_str(), rec.name.c_str(), pt_name(l2).c_str(),
               rec.name.c_str()));
}

void pconc()
{
    const int p1 = cp_(1), p2 = cp_(2), p3 = cp_(3), p4 = cp_(4), p5 = cp_(5), p6 = cp_(6), p7 = cp_(7), p8 = cp_(8);
    switch (g_concl.type) {
    case concl_kind::kCollinear:
        conc_coll();
        break;
    case concl_kind::kParallel:
        add_pstep(1, S(p1, p3, p4, p4), 1, S(p2, p3, p4, p4));
        break;
    case concl_kind::kPerpendicular:
        add_pstep(1, P(p1, p3, p3, p4), 1, P(p2, p3, p3, p4));
        break;
    case concl_kind::kMidpoint:
        // The ratio form holds the point on the line; without that fact the
        // point must be as far from both ends as half the segment:
        // (AO^2 - BO^2)^2 + (AB^2 - 4 AO^2)^2 = 0.
        if (xcoll(p1, p2, p3))
            add_pstep(1, R(p1, p2, p1, p3), -1, nullptr);
        else
            add_pstep(1,
                      add(sq(sub(P(p2, p1, p1, p2), P(p3, p1, p1, p3))),
                          sq(sub(P(p2, p3, p3, p2), mul(num(4), P(p2, p1, p1, p2))))),
                      0, nullptr);
        break;
    case concl_kind::kCyclic:
        add_angle_products(S(p4, p2, p2, p5), P(p4, p3, p3, p5), P(p4, p2, p2, p5), S(p4, p3, p3, p5),
                           distinct({p2, p3, p4, p5}));
        break;
    case concl_kind::kEqualDistance:
        add_pstep(1, P(p1, p1, p2, p2), 1, P(p3, p3, p4, p4));
        break;
    case concl_kind::kEqualAngle:
        add_angle_products(S(p1, p2, p3, p4), P(p5, p6, p7, p8), P(p1, p2, p3, p4), S(p5, p6, p7, p8), false);
        break;
    case concl_kind::kEqualProduct:
        conc_ratio();
        break;
    case concl_kind::kTangentCircles:
        conc_tangent(p1, p2, p3, p4);
        break;
    case concl_kind::kHarmonic:
        // Ratios of segments compare only along one line.
        if (!xcoll4(p1, p2, p3, p4)) {
            refuse_off_line();
            break;
        }
        add_pstep(1, R(p3, p1, p3, p2), -1, R(p4, p1, p4, p2));
        break;
    case concl_kind::kEquilateral:
        add_pstep(1, add(V(p1), mul(named("w"), V(p2)), mul(named("w"), named("w"), V(p3))), 0, nullptr);
        break;
    case concl_kind::kNone:
        break;
    case concl_kind::kEquation: {
        const xterm* l = g_concl_lhs;
        const xterm* r = g_concl_rhs;
        if (!l || !r) {
            gerror(area_words::kConclusionNotFound);
            break;
        }
        if (const var_rec* v = ratio_off_parallels(l) ? ratio_off_parallels(l) : ratio_off_parallels(r)) {
            gerror(fmt("%s: the segments are not parallel; the area method cannot compare them.\r\n",
                       var_text(v, 0).c_str()));
            break;
        }
        // A constant side is the side's coefficient, of any size.
        const auto coefficient = [](const xterm* side) { return pconstp(side) ? cp(side) : get_n(1); };
        const auto factor = [](const xterm* side) { return pconstp(side) ? nullptr : cp(side); };
        append_quot(new_quot(coefficient(l), factor(l), coefficient(r), factor(r)));
        break;
    }
    default:
        gerror(area_words::kConclusionNotFound);
        break;
    }
    if (g_trace && !g_abort) {
        trace_str("pconc:\r\n");
        trace_str(poly_text(g_proof_tail->np ? g_proof_tail->np->coef : nullptr, 0) + " = " +
                  poly_text(g_proof_tail->dp ? g_proof_tail->dp->coef : nullptr, 0) + "\r\n");
    }
}
