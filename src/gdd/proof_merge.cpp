// The wording of a step whose record came from merging other records: the
// merged records are named by record facts, and the step is explained by
// the member the merged records share.

#include <array>
#include <optional>
#include <vector>

#include "facts/gdd_lookup.h"
#include "gdd/fact_text.h"
#include "gdd/gdd_words.h"
#include "gdd/proof_internal.h"
#include "gdd/proof_text.h"
#include "prover/prover.h"

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

// The pair of lines a record gives, and the record.
struct Found_pair {
    const Gdd_line* A;
    const Gdd_line* B;
    Gdd_ea* from;
};
using Line_pair = std::optional<Found_pair>;

struct Try {
    int first;   // line holding ab (index into l1..l4)
    int second;  // line holding cd
    int out1;    // the pair the record gives
    int out2;
};

// Segment ab lies on line k of E as E was made, or a line record older than
// the step's record carries it there.
bool seg_on(int a, int b, const Gdd_ea* E, int k)
{
    return line_merge_fact(a, b, E->written_line(k), cite_before()).has_value();
}

Line_pair find_pair(Gdd_ea* E, int a, int b, int c, int d, const Try* tries, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        if (seg_on(a, b, E, tries[i].first) && seg_on(c, d, E, tries[i].second))
            return Found_pair{E->written_line(tries[i].out1), E->written_line(tries[i].out2), E};
    return std::nullopt;
}

// [ab, cd] = [A, B] by transitivity through record E.
Line_pair pair81(Gdd_ea* E, int a, int b, int c, int d)
{
    static const Try tries[] = {
        {0, 1, 2, 3}, {1, 0, 3, 2}, {0, 2, 1, 3}, {2, 0, 3, 1},
        {2, 3, 0, 1}, {3, 2, 1, 0}, {1, 3, 0, 2}, {3, 1, 2, 0},
    };
    return find_pair(E, a, b, c, d, tries, std::size(tries));
}

// [ab, A] = [B, cd] by record E.
Line_pair pair_outer(Gdd_ea* E, int a, int b, int c, int d)
{
    static const Try tries[] = {
        {0, 3, 1, 2}, {3, 0, 2, 1}, {1, 2, 0, 3}, {2, 1, 3, 0},
    };
    return find_pair(E, a, b, c, d, tries, std::size(tries));
}

// An equal-angle fact the merged record `from` holds: cited as that record's
// fact, not as whatever record the lines hold now (after a line merge that
// may be a record resting on the step being explained).
Gdd_cond from_record(const std::array<int, 8>& pts, Gdd_ea* from)
{
    Gdd_cond f = pred_fact(kCondEqAngle, pts);
    f.obj = from;
    return f;
}

// Lines a and b are one line: the same record, or b carried onto a by a
// line record older than the step's record.
bool same_line(const Gdd_line* a, const Gdd_line* b)
{
    return a == b || line_merge_fact(p0(b), p1(b), a, cite_before()).has_value();
}

// The wording for S read with its segments in the order `seg`. Both facts
// must meet in the same two lines (by transitivity [ab, cd] = [A, B] =
// [ef, gh]; for lemma 82 [ab, A] = [B, gh] and [ef, B] = [A, cd]), and the
// second is written with the first one's lines.
Preds eqangle_reading(const Gdd_cond& S, const std::array<int, 4>& seg, int lemma, Gdd_ea* E1, Gdd_ea* E2)
{
    const auto pt = [&](int k, int end) { return fact_pt(S, 2 * seg[static_cast<std::size_t>(k)] + end); };
    const int a = pt(0, 0), b = pt(0, 1), c = pt(1, 0), d = pt(1, 1);
    const int e = pt(2, 0), f = pt(2, 1), g = pt(3, 0), h = pt(3, 1);
    if (lemma == 81) {
        Line_pair AB = pair81(E1, a, b, c, d);
        Line_pair CD;
        if (!AB) {
            AB = pair81(E2, a, b, c, d);
            CD = pair81(E1, e, f, g, h);
        } else {
            CD = pair81(E2, e, f, g, h);
        }
        if (!AB || !CD || !same_line(AB->A, CD->A) || !same_line(AB->B, CD->B))
            return {};
        const Gdd_line *A = AB->A, *B = AB->B;
        return {from_record({a, b, c, d, p0(A), p1(A), p0(B), p1(B)}, AB->from),
                from_record({e, f, g, h, p0(A), p1(A), p0(B), p1(B)}, CD->from)};
    }
    Line_pair AB = pair_outer(E1, a, b, g, h);
    Line_pair CD = pair_outer(E2, e, f, c, d);
    if (!AB || !CD) {
        AB = pair_outer(E2, a, b, g, h);
        CD = pair_outer(E1, e, f, c, d);
    }
    if (!AB || !CD || !same_line(AB->A, CD->B) || !same_line(AB->B, CD->A))
        return {};
    const Gdd_line *A = AB->A, *B = AB->B;
    return {from_record({a, b, p0(A), p1(A), p0(B), p1(B), g, h}, AB->from),
            from_record({e, f, p0(B), p1(B), p0(A), p1(A), c, d}, CD->from)};
}

Preds eqangle_merge(const Gdd_cond& S, int lemma, Gdd_ea* E1, Gdd_ea* E2)
{
    // S may be written in any of the eight readings of its fact, while the
    // wording pairs its segments with the merged records' lines in one; S as
    // written is tried first.
    for (const auto& seg : kEaReadings) {
        Preds preds = eqangle_reading(S, seg, lemma, E1, E2);
        if (!preds.empty())
            return preds;
    }
    if (lemma == 81)
        return {pred_fact(kCondEqAngle, {fact_pt(S, 0), fact_pt(S, 1), fact_pt(S, 4), fact_pt(S, 5), fact_pt(S, 2),
                                         fact_pt(S, 3), fact_pt(S, 6), fact_pt(S, 7)})};
    return {};
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
