// Similar and congruent triangles (the list chosen by g_tri_mode).

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

namespace {

void add_member(Gdd_tri* T, int s, int a, int b, int c)
{
    if (T->last + 1 >= kMaxGeo)
        member_overflow(g_tri_mode == 0 ? "MAX_GEO of st overflow" : "MAX_GEO of ct overflow");
    ++T->last;
    const auto k = static_cast<std::size_t>(T->last);
    T->num[k] = static_cast<std::int8_t>(s);
    T->va[k] = static_cast<std::int8_t>(a);
    T->vb[k] = static_cast<std::int8_t>(b);
    T->vc[k] = static_cast<std::int8_t>(c);
}

// A copy of `from` that also holds the members of `with`; both die; the
// copy's reasons name them.
Gdd_tri* merge_tri(Gdd_tri* from, Gdd_tri* with, Gdd_tri* first_named, Gdd_tri* second_named)
{
    Gdd_tri* C = tri_list().append_copy(*from);
    kill_rec(from);
    tri_union(C, with);
    kill_rec(with);
    C->state = kNew;
    clear_merge_db();
    new_co(tri_cond_type(), first_named);
    new_co(tri_cond_type(), second_named);
    C->reasons = g_merge_db;
    return C;
}

}  // namespace

void tri_union(Gdd_tri* C, const Gdd_tri* N)
{
    for (int k = 0; k <= N->last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!in_tri(N->va[i], N->vb[i], N->vc[i], C))
            add_member(C, N->num[i], N->va[i], N->vb[i], N->vc[i]);
    }
}

void add_stri(int lemma, int s, int a, int b, int c, int d, int e, int f)
{
    Gdd_tri* A = fd_tri(1, a, b, c);
    if (A && in_tri(d, e, f, A))
        return;
    Gdd_tri* B = fd_tri(s, d, e, f);
    if (A == B)
        A = nullptr;

    Gdd_tri* N = tri_list().append();
    N->state = kNew;
    N->lemma = static_cast<std::uint8_t>(lemma);
    N->reasons = g_co_db;
    N->last = 1;
    N->num[0] = 1;
    N->va[0] = static_cast<std::int8_t>(a);
    N->vb[0] = static_cast<std::int8_t>(b);
    N->vc[0] = static_cast<std::int8_t>(c);
    N->num[1] = static_cast<std::int8_t>(s);
    N->va[1] = static_cast<std::int8_t>(d);
    N->vb[1] = static_cast<std::int8_t>(e);
    N->vc[1] = static_cast<std::int8_t>(f);
    if (!A && !B) {
        queue_cond(tri_cond_type(), N);
        return;
    }
    Gdd_tri* X = B ? B : A;
    Gdd_tri* Y = B ? A : nullptr;
    Gdd_tri* C = merge_tri(X, N, X, N);
    if (Y)
        C = merge_tri(C, Y, Y, C);
    queue_cond(tri_cond_type(), C);
}
