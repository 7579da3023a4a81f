// The lookups of the forward chaining's inner loops, answered from the
// indexes kept beside the lists (gdd_index.h). Each returns what its
// first-match scan (gdd_scan.h) returns: the candidates come in list order
// and every candidate is checked against the record itself.

#include <algorithm>
#include <vector>

#include "facts/fact_tests.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/record_match.h"

namespace {

// Walks the candidate lists of several keys together in list order, as one
// list without repeats; stops at the first record pred accepts.
template <class T, class Pred>
T* first_of(const std::vector<T*>& v1, const std::vector<T*>& v2, Pred pred)
{
    std::size_t i = 0, j = 0;
    while (i < v1.size() || j < v2.size()) {
        T* r;
        if (j >= v2.size() || (i < v1.size() && v1[i]->seq <= v2[j]->seq)) {
            r = v1[i++];
            if (j < v2.size() && v2[j] == r)
                ++j;
        } else {
            r = v2[j++];
        }
        if (pred(r))
            return r;
    }
    return nullptr;
}

}  // namespace

// ---- lines -------------------------------------------------------------------------------

Gdd_line* fd_ln(int a, int b)
{
    for (Gdd_line* l : lines_through(a))
        if (l->live() && on_ln(b, l))
            return l;
    return nullptr;
}

Gdd_line* fd_ln3(int a, int b, int c)
{
    return first_of(lines_through(a), lines_through(b),
                    [&](const Gdd_line* l) { return l->live() && ln3_match(l, a, b, c); });
}

Gdd_line* fd_ln_pt(int p)
{
    for (Gdd_line* l : lines_through(p))
        if (l->live() && l->last >= 2)
            return l;
    return nullptr;
}

Gdd_line* fd_ln_meet2(const Gdd_line* l)
{
    Gdd_line* best = nullptr;
    for (int i = 0; i <= l->last; ++i) {
        for (Gdd_line* m : lines_through(l->pts[static_cast<std::size_t>(i)])) {
            if (best && m->seq >= best->seq)
                break;
            if (m != l && m->live() && meets_twice(l, m)) {
                best = m;
                break;
            }
        }
    }
    return best;
}

Gdd_line* fd_ln_3pt(int a, int b, int c)
{
    // The shortest of the three candidate lists.
    const std::vector<Gdd_line*>* v = &lines_through(a);
    for (int p : {b, c})
        if (lines_through(p).size() < v->size())
            v = &lines_through(p);
    for (Gdd_line* l : *v)
        if (l->last >= 2 && on_ln(a, l) && on_ln(b, l) && on_ln(c, l))
            return l;
    return nullptr;
}

// ---- parallel classes -------------------------------------------------------------------

Gdd_pline* fd_pls(const Gdd_line* l)
{
    for (Gdd_pline* P : classes_of(l))
        if (P->state == kLive && in_pls(l, P))
            return P;
    return nullptr;
}

Gdd_pline* fd_pls_other(const Gdd_pline* P, const Gdd_line* l)
{
    for (Gdd_pline* Q : classes_of(l))
        if (Q != P && Q->live() && in_pls(l, Q))
            return Q;
    return nullptr;
}

bool xpara_ln(const Gdd_line* l1, const Gdd_line* l2)
{
    if (l1 == l2)
        return true;
    for (const Gdd_pline* P : classes_of(l1))
        if (in_pls(l1, P) && in_pls(l2, P))
            return true;
    return false;
}

// ---- perpendicular pairs ----------------------------------------------------------------

Gdd_tline* fd_tp(const Gdd_line* l)
{
    for (Gdd_tline* T : pairs_of(l))
        if (T->live() && in_tp(l, T))
            return T;
    return nullptr;
}

Gdd_line* fd_tl_pt(int p, int a, int b)
{
    const Gdd_line* l = fd_ln(a, b);
    if (!l)
        return nullptr;
    for (Gdd_tline* T : pairs_of(l))
        if (Gdd_line* other = tp_other_through(T, l, p))
            return other;
    return nullptr;
}

bool xperp_ln(const Gdd_line* l1, const Gdd_line* l2)
{
    if (!l1 || !l2 || l1 == l2)
        return false;
    for (const Gdd_tline* T : pairs_of(l1))
        if (tp_is(T, l1, l2))
            return true;
    return false;
}

Gdd_tline* fd_tp_4pt(int a, int b, int c, int d)
{
    const auto lines = tp_4pt_lines(a, b, c, d);
    if (!lines)
        return nullptr;
    for (Gdd_tline* T : pairs_of(lines->l1))
        if (tp_is(T, lines->l1, lines->l2))
            return T;
    return nullptr;
}

// ---- congruent segments -----------------------------------------------------------------

Gdd_cg* fd_cg(int a, int b)
{
    for (Gdd_cg* G : groups_of(a, b))
        if (G->live() && in_cg(a, b, G))
            return G;
    return nullptr;
}

Gdd_cg* fd_cg_meet(const Gdd_cg* G)
{
    Gdd_cg* best = nullptr;
    for (int i = 0; i <= G->last; ++i) {
        const int a = G->end1[static_cast<std::size_t>(i)], b = G->end2[static_cast<std::size_t>(i)];
        for (Gdd_cg* H : groups_of(a, b)) {
            if (best && H->seq >= best->seq)
                break;
            if (H != G && H->live() && in_cg(a, b, H)) {
                best = H;
                break;
            }
        }
    }
    return best;
}

Gdd_cg* fd_cg_2seg(int a, int b, int c, int d)
{
    if (same_pair(a, b, c, d))
        return nullptr;
    for (Gdd_cg* G : groups_of(a, b))
        if (in_cg(a, b, G) && in_cg(c, d, G))
            return G;
    return nullptr;
}

Cong_to::Cong_to(int a, int b) : a_(a), b_(b)
{
    for (const Gdd_cg* G : groups_of(a, b)) {
        if (!G->live() || !in_cg(a, b, G))
            continue;
        if (count_ < kKept)
            groups_[static_cast<std::size_t>(count_)] = G;
        ++count_;
    }
}

bool Cong_to::operator()(int c, int d) const
{
    if (count_ > kKept)
        return xcong(a_, b_, c, d);
    if (same_pair(a_, b_, c, d))
        return true;
    for (int i = 0; i < count_; ++i)
        if (in_cg(c, d, groups_[static_cast<std::size_t>(i)]))
            return true;
    return false;
}

bool xcong(int a, int b, int c, int d)
{
    if (same_pair(a, b, c, d))
        return true;
    for (const Gdd_cg* G : groups_of(a, b))
        if (G->live() && in_cg(a, b, G) && in_cg(c, d, G))
            return true;
    return false;
}

// ---- equal angles -----------------------------------------------------------------------

Gdd_ea* fd_ea_ln(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    const auto key = ea_key(l1, l2, l3, l4);
    if (!key)
        return nullptr;
    // A record's lines change in place when a line merges, so the record
    // itself decides.
    const Ea_lines q = *key;
    return first_ea_with_lines(q.l1, q.l2, q.l3, q.l4, [&q](const Gdd_ea* E) { return ea_match(E, q); });
}

// ---- ratios ------------------------------------------------------------------------------

namespace {

// The ratio records holding a segment congruent to ab, as the index lists
// they stand in: those of ab itself and of every member of a live group
// with ab. (The lists stay put while no ratio record is added.)
struct Ratio_sources {
    std::vector<const std::vector<Gdd_ra*>*> lists;
    std::size_t total = 0;

    Ratio_sources(int a, int b)
    {
        add(ratios_with(a, b));
        for (const Gdd_cg* G : groups_of(a, b)) {
            if (!G->live() || !in_cg(a, b, G))
                continue;
            for (int i = 0; i <= G->last; ++i)
                add(ratios_with(G->end1[static_cast<std::size_t>(i)], G->end2[static_cast<std::size_t>(i)]));
        }
    }
    void add(const std::vector<Gdd_ra*>& v)
    {
        lists.push_back(&v);
        total += v.size();
    }
};

}  // namespace

Gdd_ra* fd_ra(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    const Ratio_key key(p1, p2, p3, p4, p5, p6, p7, p8);
    // A match holds a segment congruent to each of the four asked for, so
    // the fewest records with a segment congruent to one of them hold every
    // match.
    const Ratio_sources sources[] = {{p1, p2}, {p3, p4}, {p5, p6}, {p7, p8}};
    const Ratio_sources* fewest = &sources[0];
    for (const Ratio_sources& s : sources)
        if (s.total < fewest->total)
            fewest = &s;
    std::vector<Gdd_ra*> candidates;
    candidates.reserve(fewest->total);
    for (const auto* v : fewest->lists)
        candidates.insert(candidates.end(), v->begin(), v->end());
    std::sort(candidates.begin(), candidates.end(), [](const Gdd_ra* x, const Gdd_ra* y) { return x->seq < y->seq; });
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        Gdd_ra* R = candidates[i];
        if (i > 0 && candidates[i - 1] == R)
            continue;
        if (ra_match(R, key))
            return R;
    }
    return nullptr;
}
