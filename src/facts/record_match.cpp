// The record tests shared by the scans and the indexed lookups.

#include "facts/record_match.h"

#include <utility>

#include "facts/gdd_lookup.h"

bool ln3_match(const Gdd_line* l, int a, int b, int c)
{
    const bool has_a = on_ln(a, l);
    const bool has_b = on_ln(b, l);
    return (on_ln(c, l) && (has_a || has_b)) || (has_a && has_b);
}

bool meets_twice(const Gdd_line* l, const Gdd_line* m)
{
    int shared = 0;  // the first shared point, until a second one is found
    for (int i = 0; i <= l->last; ++i) {
        const int p = ln_pt(l, i);
        if (p == shared || !on_ln(p, m))
            continue;
        if (shared != 0)
            return true;
        shared = p;
    }
    return false;
}

bool tp_is(const Gdd_tline* T, const Gdd_line* l1, const Gdd_line* l2)
{
    return (T->l1 == l1 && T->l2 == l2) || (T->l1 == l2 && T->l2 == l1);
}

Gdd_line* tp_other_through(const Gdd_tline* T, const Gdd_line* l, int p)
{
    if (!T->live())
        return nullptr;
    Gdd_line* other = T->l1 == l ? T->l2 : T->l2 == l ? T->l1 : nullptr;
    return other && on_ln(p, other) ? other : nullptr;
}

std::optional<Line_pair> tp_4pt_lines(int a, int b, int c, int d)
{
    if (a == b || c == d)
        return std::nullopt;
    const Gdd_line* l1 = fd_ln(a, b);
    const Gdd_line* l2 = fd_ln(c, d);
    if (!l1 || !l2)
        return std::nullopt;
    return Line_pair{l1, l2};
}

std::optional<Ea_lines> ea_key(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    if (!l1 || !l2 || !l3 || !l4)
        return std::nullopt;
    if (l1 == l2 || l3 == l4)
        std::swap(l2, l3);
    return ea_canonical(l1, l2, l3, l4);
}

bool ea_match(const Gdd_ea* E, const Ea_lines& q)
{
    return E->l1 == q.l1 && E->l4 == q.l4 && ((E->l2 == q.l2 && E->l3 == q.l3) || (E->l2 == q.l3 && E->l3 == q.l2));
}

namespace {

struct Seg {
    int a, b;
};

// {s, t} matches {u, v} by congruence, in either order.
bool pair_match(const Cong_to& s, const Cong_to& t, Seg u, Seg v)
{
    return (s(u.a, u.b) && t(v.a, v.b)) || (s(v.a, v.b) && t(u.a, u.b));
}

}  // namespace

bool ra_match(const Gdd_ra* R, const Ratio_key& key)
{
    const Seg r1{R->pts[0], R->pts[1]}, r2{R->pts[2], R->pts[3]};
    const Seg r3{R->pts[4], R->pts[5]}, r4{R->pts[6], R->pts[7]};
    return (pair_match(key.s1, key.s4, r1, r4) && pair_match(key.s2, key.s3, r2, r3)) ||
           (pair_match(key.s1, key.s4, r2, r3) && pair_match(key.s2, key.s3, r1, r4));
}
