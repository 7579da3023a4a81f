// The lemma dispatcher of the area and vector method: the elimination lemma
// for a quantity of the point i, chosen by i's construction and the
// quantity's type.

#include <string>

#include "algebra/area_internal.h"
#include "algebra/area_terms.h"
#include "algebra/area_words.h"
#include "facts/fact_tests.h"
#include "prover/point_names.h"
#include "prover/prover.h"

using namespace aterm;

int point_kind(int i)
{
    if (i <= 0 || i >= kProPointCount)
        return 0;
    return static_cast<int>(g_pro_points[static_cast<std::size_t>(i)].kind);
}

int pot(int i, int k)
{
    if (i <= 0 || i >= kProPointCount || k < 1 || k > 8)
        return 0;
    return static_cast<int>(g_pro_points[static_cast<std::size_t>(i)].pots[static_cast<std::size_t>(k - 1)]);
}

xterm* gq_subst(const var_rec* var, int a, int b)
{
    std::array<int, 4> p{};
    for (std::size_t k = 0; k < 4; ++k)
        p[k] = var->a[k] == a ? b : var->a[k];
    switch (var->type < 0 ? -var->type : var->type) {
    case 1:
        return rtrim(p[0], p[1], p[2], p[3]);
    case 2:
        return mk_sarea(p[0], p[1], p[2], p[3]);
    case 3:
        return mk_pdiff(p[0], p[1], p[2], p[3]);
    case 4:
        return gq_atom4(p[0], p[1]);
    default:
        prover_fatal(fmt("gq_subst: no builder for a quantity of type %d", var->type));
    }
}

namespace {

void refuse_construction(int i)
{
    gerror(fmt("%s %s %s", pt_name(i).c_str(), area_words::kConstructionFor, area_words::kNotAllowed));
}

void refuse_meeting(int i)
{
    gerror(pt_name(i) + area_words::kColon + area_words::kMeetInOnePoint);
}

void refuse_incenter(int i)
{
    gerror(pt_name(i) + area_words::kColon + area_words::kIncenterRefused + area_words::kUseVertex);
}

// Value polynomials made for one lemma call and freed after it.
struct Values {
    PolyPtr r1, r2;
    Values(xterm* a, xterm* b) : r1(a), r2(b) {}
};

}  // namespace

elim_step* pe_lemma(var_rec* var, int i)
{
    const int p1 = pot(i, 1), p2 = pot(i, 2), p3 = pot(i, 3), p4 = pot(i, 4), p5 = pot(i, 5), p6 = pot(i, 6);
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    (void)a, (void)b, (void)c, (void)d;
    const Pro_point& rec = g_pro_points[static_cast<std::size_t>(i)];
    const auto record_values = [&](bool sum) {
        xterm* r1 = rec.ps[0] ? cp_poly(rec.ps[0]) : get_n(1);
        xterm* r2 = rec.ps[1] ? cp_poly(rec.ps[1]) : get_n(1);
        if (sum)
            r2 = pplus(r2, cp_poly(r1));
        return Values(r1, r2);
    };
    switch (point_kind(i)) {
    case cons_kind::kFreePoint:
        return pe_c2(var, i);
    case cons_kind::kFoot:
        return pe_v_ipt(var, i, p2, p2, p3, p1, p2, p3);
    case cons_kind::kMidpoint: {
        const Values v(num(1), num(2));
        return pe_v_ratio(var, i, p1, p1, p2, v.r1.get(), v.r2.get());
    }
    case cons_kind::kCentroid:
        return pe_v_cent(var, i, p1, p2, p3);
    case cons_kind::kCircumcenter:
        switch (var->type) {
        case 1: return pe_r_circum1(var, i, p1, p2, p3);
        case 2: return pe_a_circum(var, i, p1, p2, p3);
        case 3: return pe_g_circum2(var, i, p1, p2, p3);
        case 4: return pe_v_circum(var, i, p1, p2, p3);
        default: gerror("pe_v_c111"); return nullptr;
        }
    case cons_kind::kOrthocenter:
        switch (var->type) {
        case 1: refuse_meeting(i); return nullptr;
        case 2: return pe_a_orth(var, i, p1, p2, p3);
        case 3: return pe_g_orth(var, i, p1, p2, p3);
        case 4: return pe_v_orth(var, i, p1, p2, p3);
        default: return nullptr;
        }
    case cons_kind::kIncenterVertex:
        switch (var->type) {
        case 1: return pe_r_incenter(var, i, p3, p1, p2);
        case 2: return pe_a_incent(var, i, p3, p1, p2);
        case 3: return pe_g_incent2(var, i, p3, p1, p2);
        case 4: return pe_v_incent(var, i, p3, p1, p2);
        default: gerror("pe_v_c111"); return nullptr;
        }
    case cons_kind::kIncenter:
        refuse_incenter(i);
        return nullptr;
    case cons_kind::kEquilateralVertex:
        if (var->type == 4)
            return pe_g_lratio(var, i, p1, p2);
        gerror(area_words::kTriangleVectorsOnly);
        return nullptr;
    case cons_kind::kOnLine: {
        const Values v(get_m(mk_var(-1, p1, i, p1, p2)), num(1));
        return pe_v_ratio(var, i, p1, p1, p2, v.r1.get(), v.r2.get());
    }
    case cons_kind::kOnPline: {
        // The parameter is the ratio AX / BC, X = A + t (C - B).
        const Values v(get_m(mk_var(-1, p1, i, p2, p3)), num(1));
        return pe_v_ratio(var, i, p1, p2, p3, v.r1.get(), v.r2.get());
    }
    case cons_kind::kOnTline: {
        const Values v(named(("t_{" + pt_name(i) + "}").c_str()), num(1));
        return pe_v_tratio(var, i, p1, p2, p3, v.r1.get(), v.r2.get());
    }
    case cons_kind::kOnAline: {
        const Values v(mul(num(-4), S(p3, p4, p4, p5)), P(p3, p4, p4, p5));
        return pe_v_tratio(var, i, p2, p2, p1, v.r1.get(), v.r2.get());
    }
    case cons_kind::kInterLineLine:
        return pe_v_ipp(var, i, p1, p1, p2, p3, p3, p4);
    case cons_kind::kInterLinePline:
        return pe_v_ipp(var, i, p1, p1, p2, p3, p4, p5);
    case cons_kind::kInterLineTline:
        return pe_v_ipt(var, i, p1, p1, p2, p3, p4, p5);
    case cons_kind::kInterPlinePline:
        return pe_v_ipp(var, i, p1, p2, p3, p4, p5, p6);
    case cons_kind::kInterPlineTline:
        return pe_v_ipt(var, i, p1, p2, p3, p4, p5, p6);
    case cons_kind::kInterTlineTline:
        switch (var->type) {
        case 1: refuse_construction(i); return nullptr;
        case 2: return pe_g_ipt(var, i, p1, p2, p3, p4, p5, p6);
        case 3: return pe_g_ipt2(var, i, p1, p2, p3, p4, p5, p6);
        default: gerror("pe_v_c: itt"); return nullptr;
        }
    case cons_kind::kInterLineCircle:
        if (p2 == p4)
            return pe_v_ipc(var, i, p2, p2, p1, p3, p4);
        if (p1 == p4)
            return pe_v_ipc(var, i, p1, p1, p2, p3, p4);
        refuse_meeting(i);
        return nullptr;
    case cons_kind::kInterPlineCircle:
        if (p1 == p5)
            return pe_v_ipc(var, i, p1, p2, p3, p4, p5);
        refuse_meeting(i);
        return nullptr;
    case cons_kind::kInterCircleCircle:
        if (p2 == p4) {
            const Values v(mul(num(-8), S(p2, p1, p3, p3)), P(p1, p3, p3, p1));
            return pe_v_tratio(var, i, p2, p1, p3, v.r1.get(), v.r2.get());
        }
        refuse_meeting(i);
        return nullptr;
    case cons_kind::kSymmetricPoint: {
        const Values v(num(-1), num(1));
        return pe_v_ratio(var, i, p1, p1, p2, v.r1.get(), v.r2.get());
    }
    case cons_kind::kReflection: {
        const Values v(mul(num(-8), S(p1, p2, p3, p3)), P(p2, p3, p3, p2));
        return pe_v_tratio(var, i, p1, p2, p3, v.r1.get(), v.r2.get());
    }
    case cons_kind::kInversion:
        if (xcoll(p1, p2, p3)) {
            const Values v(R(p2, p3, p2, p1), num(1));
            return pe_v_ratio(var, i, p2, p2, p3, v.r1.get(), v.r2.get());
        } else {
            const Values v(P(p2, p3, p3, p2), P(p2, p1, p1, p2));
            return pe_v_ratio(var, i, p2, p2, p1, v.r1.get(), v.r2.get());
        }
    case cons_kind::kPositiveSquare:
        return pe_tri4(var, i, p1, p2, 1);
    case cons_kind::kNegativeSquare:
        return pe_tri4(var, i, p1, p2, -1);
    case cons_kind::kLratio: {
        const Values v = record_values(false);
        return pe_v_ratio(var, i, p1, p1, p2, v.r1.get(), v.r2.get());
    }
    case cons_kind::kMratio: {
        const Values v = record_values(true);
        return pe_v_ratio(var, i, p1, p1, p2, v.r1.get(), v.r2.get());
    }
    case cons_kind::kPratio: {
        const Values v = record_values(false);
        return pe_v_ratio(var, i, p1, p2, p3, v.r1.get(), v.r2.get());
    }
    default:
        refuse_construction(i);
        return nullptr;
    }
}
