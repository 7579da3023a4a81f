// The wording of a step whose record came from merging other records: the
// merged records are named by record facts, and the step is explained by
// the member the merged records share.

#include <array>
#include <optional>
#include <vector>

#include "gdd/fact_text.h"
#include "gdd/gdd_lookup.h"
#include "gdd/gdd_words.h"
#include "gdd/proof_internal.h"
#include "gdd/proof_text.h"
#include "statement/prover.h"

namespace {

template <class T>
T* record_of(const Gdd_cond* c, std::int32_t type)
{
    return c && c->type == type && c->obj && is_record_fact(*c) ? static_cast<T*>(c->obj) : nullptr;
}

// The facts a member wording explains a step by, in print order; none when
// the wording does not apply.
using Preds = std::vector<Gdd_cond>;

int p0(const Gdd_line* l) { return l->pts[0]; }
int p1(const Gdd_line* l) { return l->last >= 1 ? l->pts[1] : 0; }

// ---- parallels --------------------------------------------------------------------------

// S: p1p2 parallel p3p4; its class took line L in place of a smaller line.
Preds para_line_merge(Gdd_cond* S, const Gdd_line* L, const Gdd_pline* P)
{
    int X = 0, Y = 0;
    for (int i = 0; i <= P->last && !Y; ++i) {
        const Gdd_line* M = P->lines[static_cast<std::size_t>(i)];
        X = Y = 0;
        for (int k = 0; k <= L->last; ++k) {
            const int q = L->pts[static_cast<std::size_t>(k)];
            if (!on_ln(q, M))
                continue;
            if (!X)
                X = q;
            else {
                Y = q;
                break;
            }
        }
    }
    if (!Y)
        proof_inconsistent(103);
    if (on_ln(fact_pt(*S, 2), L) && on_ln(fact_pt(*S, 3), L)) {
        std::swap(S->p[0], S->p[2]);
        std::swap(S->p[1], S->p[3]);
    }
    return {pred_fact(kCondColl, {fact_pt(*S, 0), fact_pt(*S, 1), X, Y}),
            pred_fact(kCondPara, {fact_pt(*S, 2), fact_pt(*S, 3), X, Y})};
}

// S: p1p2 parallel p3p4; two classes were merged.
Preds para_class_merge(const Gdd_cond& S, const Gdd_pline* P, const Gdd_pline* Q)
{
    for (int i = 0; i <= P->last; ++i) {
        const Gdd_line* M = P->lines[static_cast<std::size_t>(i)];
        if (!in_pls(M, Q))
            continue;
        return {pred_fact(kCondPara, {fact_pt(S, 0), fact_pt(S, 1), p0(M), p1(M)}),
                pred_fact(kCondPara, {fact_pt(S, 2), fact_pt(S, 3), p0(M), p1(M)})};
    }
    proof_inconsistent(104);
}

// ---- congruent segments -----------------------------------------------------------------

Preds cong_merge(const Gdd_cond& S, const Gdd_cg* G1, const Gdd_cg* G2)
{
    for (int k = 0; k <= G1->last; ++k) {
        const int e1 = G1->end1[static_cast<std::size_t>(k)];
        const int e2 = G1->end2[static_cast<std::size_t>(k)];
        if (!in_cg(e1, e2, G2))
            continue;
        return {pred_fact(kCondCong, {fact_pt(S, 0), fact_pt(S, 1), e1, e2}),
                pred_fact(kCondCong, {fact_pt(S, 2), fact_pt(S, 3), e1, e2})};
    }
    proof_inconsistent(104);
}

// ---- equal angles -----------------------------------------------------------------------

using Line_pair = std::optional<std::array<const Gdd_line*, 2>>;

bool seg_on(int a, int b, const Gdd_line* l) { return on_ln(a, l) && on_ln(b, l); }

struct Try {
    int first;   // line holding ab (index into l1..l4)
    int second;  // line holding cd
    int out1;    // the pair the record gives
    int out2;
};

Line_pair find_pair(const Gdd_ea* E, int a, int b, int c, int d, const Try* tries, std::size_t n)
{
    const Gdd_line* l[4] = {E->l1, E->l2, E->l3, E->l4};
    for (std::size_t i = 0; i < n; ++i)
        if (seg_on(a, b, l[tries[i].first]) && seg_on(c, d, l[tries[i].second]))
            return std::array<const Gdd_line*, 2>{l[tries[i].out1], l[tries[i].out2]};
    return std::nullopt;
}

// [ab, cd] = [A, B] by transitivity through record E.
Line_pair pair81(const Gdd_ea* E, int a, int b, int c, int d)
{
    static const Try tries[] = {
        {0, 1, 2, 3}, {1, 0, 3, 2}, {0, 2, 1, 3}, {2, 0, 3, 1},
        {2, 3, 0, 1}, {3, 2, 1, 0}, {1, 3, 0, 2}, {3, 1, 2, 0},
    };
    return find_pair(E, a, b, c, d, tries, std::size(tries));
}

// [ab, A] = [B, cd] by record E.
Line_pair pair_outer(const Gdd_ea* E, int a, int b, int c, int d)
{
    static const Try tries[] = {
        {0, 3, 1, 2}, {3, 0, 2, 1}, {1, 2, 0, 3}, {2, 1, 3, 0},
    };
    return find_pair(E, a, b, c, d, tries, std::size(tries));
}

Preds eqangle_merge(const Gdd_cond& S, int lemma, const Gdd_ea* E1, const Gdd_ea* E2)
{
    const int a = fact_pt(S, 0), b = fact_pt(S, 1), c = fact_pt(S, 2), d = fact_pt(S, 3);
    const int e = fact_pt(S, 4), f = fact_pt(S, 5), g = fact_pt(S, 6), h = fact_pt(S, 7);
    if (lemma == 81) {
        Line_pair AB = pair81(E1, a, b, c, d);
        Line_pair CD;
        if (!AB) {
            AB = pair81(E2, a, b, c, d);
            CD = pair81(E1, e, f, g, h);
        } else {
            CD = pair81(E2, e, f, g, h);
        }
        if (!AB || !CD)
            return {pred_fact(kCondEqAngle, {a, b, e, f, c, d, g, h})};
        const Gdd_line *A = (*AB)[0], *B = (*AB)[1], *C = (*CD)[0], *D = (*CD)[1];
        return {pred_fact(kCondEqAngle, {a, b, c, d, p0(A), p1(A), p0(B), p1(B)}),
                pred_fact(kCondEqAngle, {e, f, g, h, p0(C), p1(C), p0(D), p1(D)})};
    }
    Line_pair AB = pair_outer(E1, a, b, g, h);
    Line_pair CD = pair_outer(E2, e, f, c, d);
    if (!AB || !CD) {
        AB = pair_outer(E2, a, b, g, h);
        CD = pair_outer(E1, e, f, c, d);
    }
    if (!AB || !CD)
        return {};
    const Gdd_line *A = (*AB)[0], *B = (*AB)[1], *C = (*CD)[0], *D = (*CD)[1];
    return {pred_fact(kCondEqAngle, {a, b, p0(A), p1(A), p0(B), p1(B), g, h}),
            pred_fact(kCondEqAngle, {e, f, p0(C), p1(C), p0(D), p1(D), c, d})};
}

// ---- triangles --------------------------------------------------------------------------

using Tri = std::array<int, 3>;

Tri member(const Gdd_tri* T, int k)
{
    const auto i = static_cast<std::size_t>(k);
    return {T->va[i], T->vb[i], T->vc[i]};
}

Tri reorder(const std::array<int, 3>& order, const Tri& t) { return {t[order[0]], t[order[1]], t[order[2]]}; }

// The vertex order under which xyz is a member of T; none when it is not one.
std::optional<std::array<int, 3>> find_in_group(const Tri& xyz, const Gdd_tri* T)
{
    for (int k = 0; k <= T->last; ++k)
        for (const auto& o : kVertexOrders)
            if (reorder(o, member(T, k)) == xyz)
                return o;
    if (in_tri(xyz[0], xyz[1], xyz[2], T))
        return kVertexOrders[0];
    return std::nullopt;
}

// Explains S by a member the two groups share, each triangle of S taken from
// its own group. False when the two triangles of S are not spread over the
// two groups (both came from one group before the merge): the member wording
// does not apply and the merged records are named instead.
Preds tri_merge(const Gdd_cond& S, const Gdd_tri* G1, const Gdd_tri* G2)
{
    const Tri first{fact_pt(S, 0), fact_pt(S, 1), fact_pt(S, 2)};
    const Tri second{fact_pt(S, 3), fact_pt(S, 4), fact_pt(S, 5)};
    auto o1 = find_in_group(first, G1);
    if (!o1) {
        std::swap(G1, G2);
        o1 = find_in_group(first, G1);
    }
    const auto o2 = find_in_group(second, G2);
    if (!o1 || !o2)
        return {};
    for (int k = 0; k <= G1->last; ++k) {
        const Tri T = member(G1, k);
        // T as the second group holds it, so that its correspondence there is known.
        std::optional<Tri> T2;
        for (int j = 0; j <= G2->last && !T2; ++j)
            for (const auto& o : kVertexOrders)
                if (reorder(o, member(G2, j)) == T) {
                    T2 = reorder(*o2, member(G2, j));
                    break;
                }
        if (!T2 && in_tri(T[0], T[1], T[2], G2))
            T2 = reorder(*o2, T);
        if (!T2)
            continue;
        const Tri T1 = reorder(*o1, T);
        return {pred_fact(S.type, {first[0], first[1], first[2], T1[0], T1[1], T1[2], 0, 0}),
                pred_fact(S.type, {second[0], second[1], second[2], (*T2)[0], (*T2)[1], (*T2)[2], 0, 0})};
    }
    proof_inconsistent(100);
}

// ---- any other merge --------------------------------------------------------------------

void general_merge(Gdd_cond* R)
{
    for (Gdd_cond* r = R; r; r = r->next) {
        if (!is_record_fact(*r)) {
            show_reason_fact(r);
        } else if (const Gdd_cond* step = find_step_obj(r)) {
            show_step_ref(step);
        } else if (!fact_reasons(r)) {
            gprint(gdd_words::kHyp);
            print_fact(*r);
        } else {
            show_step_ref(new_step(r));
        }
        gprint(r->next ? ", " : ".\r\n");
    }
}

}  // namespace

namespace {

// The member wording of step S, when one applies.
Preds member_wording(Gdd_cond* S, Gdd_cond* R1, Gdd_cond* R2)
{
    switch (S->type) {
    case kCondPara:
        if (auto* L = record_of<Gdd_line>(R1, kCondColl)) {
            if (auto* P = record_of<Gdd_pline>(R2, kCondPara))
                return para_line_merge(S, L, P);
        } else if (auto* P = record_of<Gdd_pline>(R1, kCondPara)) {
            if (auto* Q = record_of<Gdd_pline>(R2, kCondPara))
                return para_class_merge(*S, P, Q);
        }
        return {};
    case kCondCong: {
        auto* G1 = record_of<Gdd_cg>(R1, kCondCong);
        auto* G2 = record_of<Gdd_cg>(R2, kCondCong);
        return G1 && G2 ? cong_merge(*S, G1, G2) : Preds{};
    }
    case kCondEqAngle: {
        auto* E1 = record_of<Gdd_ea>(R1, kCondEqAngle);
        auto* E2 = record_of<Gdd_ea>(R2, kCondEqAngle);
        const Gdd_fact* rec = cond_fact(S);
        return E1 && E2 && rec ? eqangle_merge(*S, rec->lemma, E1, E2) : Preds{};
    }
    case kCondCongTri:
    case kCondSimTri: {
        auto* G1 = record_of<Gdd_tri>(R1, S->type);
        auto* G2 = record_of<Gdd_tri>(R2, S->type);
        return G1 && G2 ? tri_merge(*S, G1, G2) : Preds{};
    }
    default: return {};
    }
}

}  // namespace

void show_merge_reasons(Gdd_cond* S, Gdd_cond* R)
{
    // The member wordings explain a fact written with points; a step that is
    // itself a whole record is explained by its merged records, and so is one
    // whose member facts are held only by records younger than its own.
    if (!is_record_fact(*S)) {
        Preds preds = member_wording(S, R, R->next);
        bool citable = !preds.empty();
        for (const Gdd_cond& f : preds)
            citable = citable && pred_citable(f);
        if (citable) {
            for (std::size_t i = 0; i < preds.size(); ++i)
                show_pred(preds[i], i + 1 == preds.size());
            return;
        }
    }
    general_merge(R);
}
