// Equal ratios: storing, the ratios that are really congruences, the
// trapezoid ratios and combining ratio records.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

namespace {

struct Seg {
    int a = 0, b = 0;
};

bool cong(Seg s, Seg t) { return xcong(s.a, s.b, t.a, t.b); }

Seg ra_seg(const Gdd_ra* R, int pos)  // pos 1..4
{
    const auto i = static_cast<std::size_t>(2 * (pos - 1));
    return {R->pts[i], R->pts[i + 1]};
}

}  // namespace

Gdd_ra* add_ra(int lemma, int o, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    Gdd_ra* R = g_ra_list.append();
    R->state = kNew;
    R->lemma = static_cast<std::uint8_t>(lemma);
    R->o = static_cast<std::uint8_t>(o);
    R->reasons = g_co_db;
    const int pts[8] = {p1, p2, p3, p4, p5, p6, p7, p8};
    for (std::size_t i = 0; i < 8; ++i)
        R->pts[i] = static_cast<std::int8_t>(pts[i]);
    queue_cond(kCondRatio, R);

    // A ratio with a congruent pair is a congruence of the other pair.
    clear_merge_db();
    const Seg s1{p1, p2}, s2{p3, p4}, s3{p5, p6}, s4{p7, p8};
    auto to_cong = [R](Seg known1, Seg known2, Seg x, Seg y) {
        new_co(kCondRatio, R);
        kill_rec(R);
        add_cong1(0, known1.a, known1.b, known2.a, known2.b, x.a, x.b, y.a, y.b);
    };
    if (cong(s1, s3))
        to_cong(s1, s3, s2, s4);
    else if (cong(s2, s4))
        to_cong(s2, s4, s1, s3);
    else if (cong(s1, s2))
        to_cong(s1, s2, s3, s4);
    else if (cong(s3, s4))
        to_cong(s3, s4, s1, s2);
    else if (cong(s1, s4) && cong(s2, s3))
        to_cong(s1, s4, s2, s3);
    return R;
}

void add_ratio(int lemma, int o, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    if (g_trace)
        trace_str(fmt("add_ratio: lm=%d, o=%d %s%s/%s%s, %s%s/%s%s\n", lemma, o, pname(p1), pname(p2), pname(p3),
                      pname(p4), pname(p5), pname(p6), pname(p7), pname(p8)));
    if (!xratio(p1, p2, p3, p4, p5, p6, p7, p8))
        add_ra(lemma, o, p1, p2, p3, p4, p5, p6, p7, p8);
}

void add_ratioo(int o, int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("add_ratioo: %s %s%s%s%s\n", pname(o), pname(a), pname(b), pname(c), pname(d)));
    add_ratio(73, 1, o, a, o, c, o, b, o, d);
    add_ratio(73, 1, o, a, o, c, a, b, c, d);
    add_ratio(73, 1, o, b, o, d, a, b, c, d);
    add_ratio(73, 1, o, a, a, c, o, b, b, d);
    add_ratio(73, 1, o, c, c, a, o, d, d, b);
}

int ra_pos(int a, int b, const Gdd_ra* R, int late)
{
    const Cong_to cong_ab(a, b);
    auto congruent = [&](Seg t) { return cong_ab(t.a, t.b); };
    for (int pos = 1; pos <= 4; ++pos) {
        if (!congruent(ra_seg(R, pos)))
            continue;
        if (late && pos == 1 && congruent(ra_seg(R, 4)))
            return 4;
        if (late && pos == 2 && congruent(ra_seg(R, 3)))
            return 3;
        return pos;
    }
    return 0;
}

namespace {

// The reasons of a ratio combined from R1 and R2.
void set_combined_reasons(Gdd_ra* R, Gdd_ra* R1, Gdd_ra* R2)
{
    if (!R1->reasons && !R2->reasons) {
        R->reasons = nullptr;
        return;
    }
    clear_merge_db();
    new_co(kCondRatio, R2);
    new_co(kCondRatio, R1);
    R->reasons = g_merge_db;
}

// R2 says x / y equals the ratio of R1's segments at positions u and v; the
// partner positions 5 - v and 5 - u of R1 give the same ratio.
void adj_ra1(Seg x, Seg y, int u, int v, Gdd_ra* R1, Gdd_ra* R2)
{
    if (g_trace)
        trace_str(fmt("adj_ra1 %d,%d\n", u, v));
    if (v < 1 || v > 4)
        prover_fatal("adj_ra1");
    if (u < 1 || u > 4)
        prover_fatal("adj_ra11");
    const Seg pv = ra_seg(R1, 5 - v), pu = ra_seg(R1, 5 - u);
    if (xratio(x.a, x.b, y.a, y.b, pv.a, pv.b, pu.a, pu.b))
        return;
    Gdd_ra* R = add_ra(0, 0, x.a, x.b, y.a, y.b, pv.a, pv.b, pu.a, pu.b);
    set_combined_reasons(R, R1, R2);
}

// x * y equals the product of R1's extremes (k 1 or 4) or means (k 2 or 3).
void adj_ra2(Seg x, Seg y, int k, Gdd_ra* R1, Gdd_ra* R2)
{
    const bool extremes = k == 1 || k == 4;
    const Seg e = ra_seg(R1, extremes ? 2 : 1), f = ra_seg(R1, extremes ? 3 : 4);
    if (g_trace)
        trace_str(fmt("adj_ra2 %s %s %s %s (%d)\n", pname(x.a), pname(x.b), pname(y.a), pname(y.b), k));
    if (xratio(x.a, x.b, e.a, e.b, f.a, f.b, y.a, y.b))
        return;
    Gdd_ra* R = add_ra(0, 0, x.a, x.b, e.a, e.b, f.a, f.b, y.a, y.b);
    set_combined_reasons(R, R1, R2);
}

bool distinct_pair(int i, int j) { return i != 0 && j != 0 && i != j && i + j != 5; }

// The ratios that R1 and the earlier record R2 give together.
void combine_ra(Gdd_ra* R1, Gdd_ra* R2)
{
    const Seg s1 = ra_seg(R2, 1), s2 = ra_seg(R2, 2), s3 = ra_seg(R2, 3), s4 = ra_seg(R2, 4);
    const int i1 = ra_pos(s1.a, s1.b, R1, 0);
    const int i2 = ra_pos(s2.a, s2.b, R1, 0);
    const int i3 = ra_pos(s3.a, s3.b, R1, 1);
    const int i4 = ra_pos(s4.a, s4.b, R1, 1);
    if (distinct_pair(i1, i2))
        adj_ra1(s3, s4, i1, i2, R1, R2);
    else if (distinct_pair(i3, i4))
        adj_ra1(s1, s2, i3, i4, R1, R2);
    if (distinct_pair(i1, i3))
        adj_ra1(s2, s4, i1, i3, R1, R2);
    else if (distinct_pair(i2, i4))
        adj_ra1(s1, s3, i2, i4, R1, R2);
    if (i1 && i4 && i1 + i4 == 5)
        adj_ra2(s2, s3, i1, R1, R2);
    else if (i2 && i3 && i2 + i3 == 5)
        adj_ra2(s1, s4, i2, R1, R2);
}

}  // namespace

void adj_ra(Gdd_ra* R0)
{
    for (Gdd_ra* R1 = R0; R1; R1 = R1->next) {
        check_time();  // the combination can grow long between premises
        if (!R1->live())
            continue;
        // Every combination needs segments of R2 congruent to segments of
        // R1, so only such earlier records are visited, in list order. A
        // congruence found on the way can make more records qualify: the
        // rest of the list is then asked again.
        std::uint64_t generation = cg_generation();
        std::vector<Gdd_ra*> partners = ra_partners(R1, -1);
        std::size_t k = 0;
        while (k < partners.size()) {
            Gdd_ra* R2 = partners[k++];
            if (!R2->live())
                continue;
            combine_ra(R1, R2);
            if (cg_generation() != generation) {
                generation = cg_generation();
                partners = ra_partners(R1, R2->seq);
                k = 0;
            }
        }
    }
    g_ra_cursor = g_ra_list.last;
}
