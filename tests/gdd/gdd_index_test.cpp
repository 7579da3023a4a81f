// The indexes kept beside the fact lists answer exactly what the first-match
// scans over whole lists answer, on random databases built and merged by the
// adders and the forward chaining.

#include <random>
#include <set>

#include "facts/gdd_fixture.h"
#include "facts/gdd_index.h"
#include "facts/gdd_scan.h"
#include "gdd/forward.h"

namespace gddtest {
namespace {

constexpr int kPoints = 10;

class IndexTest : public GddTest {
protected:
    std::mt19937 rng{12345};

    int pt() { return std::uniform_int_distribution<int>(1, kPoints)(rng); }
    bool coin(int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; }

    template <class T>
    T* pick(const Gdd_list<T>& list)
    {
        if (list.empty())
            return nullptr;
        const auto n = static_cast<int>(list.size());
        const int k = std::uniform_int_distribution<int>(0, n - 1)(rng);
        for (T* r : list)
            if (r->seq == k)
                return r;
        return nullptr;
    }

    // One random fact, as a hypothesis or (with a premise pushed) derived.
    void random_fact()
    {
        const bool derived = coin(40);
        if (derived)
            add_codb(149, pt(), pt(), pt(), pt());
        switch (std::uniform_int_distribution<int>(0, 7)(rng)) {
        case 0:
            if (Gdd_line* l = pick(g_ln_list); l && coin(50))
                add_line(1, l->pts[0], l->pts[1], pt());  // extends or merges a known line
            else
                add_line(1, pt(), pt(), pt());
            break;
        case 1: add_pline(2, pt(), pt(), pt(), pt()); break;
        case 2: add_tline(3, pt(), pt(), pt(), pt()); break;
        case 3: add_cong(0, 0, pt(), pt(), pt(), pt()); break;
        case 4: add_ae_pt(5, pt(), pt(), pt(), pt(), pt(), pt()); break;
        case 5: add_ratio(0, 0, pt(), pt(), pt(), pt(), pt(), pt(), pt(), pt()); break;
        case 6: add_cir3(0, coin(50) ? pt() : 0, pt(), pt(), pt()); break;
        default: add_mid(0, pt(), pt(), pt()); break;
        }
        if (derived)
            next_cond();
    }

    // Records that still name a line merged away: a line merge is under way.
    static bool merge_under_way()
    {
        const auto dead = [](const Gdd_line* l) { return !l->live(); };
        for (const Gdd_pline* P : g_pn_list)
            for (int i = 0; P->live() && i <= P->last; ++i)
                if (dead(P->lines[static_cast<std::size_t>(i)]))
                    return true;
        for (const Gdd_tline* T : g_tn_list)
            if (T->live() && (dead(T->l1) || dead(T->l2)))
                return true;
        for (const Gdd_ea* E : g_ea_list)
            if (E->live() && (dead(E->l1) || dead(E->l2) || dead(E->l3) || dead(E->l4)))
                return true;
        return false;
    }

    // Forward chaining for a bounded number of clock readings. A time-out in
    // the middle of a line merge leaves a database that no run goes on from,
    // so the clock runs out between merges only.
    void bounded_forward()
    {
        std::uint32_t ticks = 0;
        set_prover_clock([&ticks] { return ++ticks > 400 && merge_under_way() ? 0 : ticks; });
        g_tstart = 0;
        g_timelimit = 400;
        g_timing = 1;
        try {
            forward();
        } catch (const TTIME&) {
            clear_queue();
        }
        g_timing = 0;
        set_prover_clock({});
    }

    void compare_lines()
    {
        for (int a = 1; a <= kPoints; ++a) {
            ASSERT_EQ(fd_ln_pt(a), fd_ln_pt_scan(a)) << a;
            for (int b = 1; b <= kPoints; ++b) {
                ASSERT_EQ(fd_ln(a, b), fd_ln_scan(a, b)) << a << " " << b;
                const int c = pt();
                ASSERT_EQ(fd_ln3(a, b, c), fd_ln3_scan(a, b, c));
                ASSERT_EQ(fd_ln_3pt(a, b, c), fd_ln_3pt_scan(a, b, c));
                ASSERT_EQ(fd_tl_pt(c, a, b), fd_tl_pt_scan(c, a, b));
                const int d = pt();
                ASSERT_EQ(fd_tp_4pt(a, b, c, d), fd_tp_4pt_scan(a, b, c, d));
            }
        }
        for (Gdd_line* l : g_ln_list) {
            ASSERT_EQ(fd_ln_meet2(l), fd_ln_meet2_scan(l));
            ASSERT_EQ(fd_pls(l), fd_pls_scan(l));
            ASSERT_EQ(fd_tp(l), fd_tp_scan(l));
            const Gdd_line* m = pick(g_ln_list);
            ASSERT_EQ(xpara_ln(l, m), xpara_ln_scan(l, m));
            ASSERT_EQ(xperp_ln(l, m), xperp_ln_scan(l, m));
            const Gdd_pline* P = pick(g_pn_list);
            ASSERT_EQ(fd_pls_other(P, l), fd_pls_other_scan(P, l));
        }
    }

    void compare_segments()
    {
        for (int a = 1; a <= kPoints; ++a)
            for (int b = 1; b <= kPoints; ++b) {
                ASSERT_EQ(fd_cg(a, b), fd_cg_scan(a, b));
                const int c = pt(), d = pt();
                ASSERT_EQ(xcong(a, b, c, d), xcong_scan(a, b, c, d));
                ASSERT_EQ(Cong_to(a, b)(c, d), xcong_scan(a, b, c, d));
                ASSERT_EQ(fd_cg_2seg(a, b, c, d), fd_cg_2seg_scan(a, b, c, d));
            }
        for (Gdd_cg* G : g_cg_list)
            ASSERT_EQ(fd_cg_meet(G), fd_cg_meet_scan(G));
        // Ratios asked for as stored, in a cross-multiplied order, and at random.
        for (Gdd_ra* R : g_ra_list) {
            const auto& p = R->pts;
            ASSERT_EQ(fd_ra(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]),
                      fd_ra_scan(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]));
            ASSERT_EQ(fd_ra(p[2], p[3], p[0], p[1], p[6], p[7], p[4], p[5]),
                      fd_ra_scan(p[2], p[3], p[0], p[1], p[6], p[7], p[4], p[5]));
            const int q[8] = {pt(), pt(), pt(), pt(), pt(), pt(), pt(), pt()};
            ASSERT_EQ(fd_ra(q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]),
                      fd_ra_scan(q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]));
            // Partners: the earlier records with a segment congruent to one
            // of R's (for every third record: the scan is slow).
            if (R->seq % 3 != 0)
                continue;
            auto congruent_segment = [&](const Gdd_ra* R2) {
                for (std::size_t i = 0; i < 8; i += 2)
                    for (std::size_t j = 0; j < 8; j += 2)
                        if (xcong(R2->pts[i], R2->pts[i + 1], p[j], p[j + 1]))
                            return true;
                return false;
            };
            const int after = std::uniform_int_distribution<int>(-1, R->seq)(rng);
            std::vector<Gdd_ra*> scan;
            for (Gdd_ra* R2 : g_ra_list)
                if (R2->seq > after && R2->seq < R->seq && congruent_segment(R2))
                    scan.push_back(R2);
            ASSERT_EQ(ra_partners(R, after), scan);
        }
    }

    void compare_angles()
    {
        for (Gdd_ea* E : g_ea_list) {
            // The record's own fact, its other readings, and random lines.
            Gdd_line* l[4] = {E->l1, E->l2, E->l3, E->l4};
            ASSERT_EQ(fd_ea_ln(l[0], l[1], l[2], l[3]), fd_ea_ln_scan(l[0], l[1], l[2], l[3]));
            ASSERT_EQ(fd_ea_ln(l[2], l[3], l[0], l[1]), fd_ea_ln_scan(l[2], l[3], l[0], l[1]));
            ASSERT_EQ(fd_ea_ln(l[0], l[2], l[1], l[3]), fd_ea_ln_scan(l[0], l[2], l[1], l[3]));
            ASSERT_EQ(fd_ea_ln(l[1], l[0], l[3], l[2]), fd_ea_ln_scan(l[1], l[0], l[3], l[2]));
            const Gdd_line* r[4] = {pick(g_ln_list), pick(g_ln_list), pick(g_ln_list), pick(g_ln_list)};
            ASSERT_EQ(fd_ea_ln(r[0], r[1], r[2], r[3]), fd_ea_ln_scan(r[0], r[1], r[2], r[3]));
            if (!E->live())
                continue;
            // Partners: the live earlier records sharing a pair of lines.
            std::vector<Gdd_ea*> scan;
            for (Gdd_ea* E2 : g_ea_list) {
                if (E2->seq >= E->seq)
                    break;
                if (!E2->live())
                    continue;
                std::set<const Gdd_line*> mine{E->l1, E->l2, E->l3, E->l4};
                int shared = 0;
                for (const Gdd_line* x : std::set<const Gdd_line*>{E2->l1, E2->l2, E2->l3, E2->l4})
                    shared += mine.count(x) ? 1 : 0;
                if (shared >= 2)
                    scan.push_back(E2);
            }
            ASSERT_EQ(ea_partners(E), scan);
        }
        // Bisected angles: every record stored as [k1, m] = [m, k4] for m one
        // of two lines is a candidate, in list order.
        for (const Gdd_line* m : g_ln_list) {
            const Gdd_line* n = pick(g_ln_list);
            auto bisected = [&](const Gdd_ea* E) { return E->l2 == E->l3 && (E->l2 == m || E->l2 == n); };
            std::vector<Gdd_ea*> scan, found;
            for (Gdd_ea* E : g_ea_list)
                if (bisected(E))
                    scan.push_back(E);
            const std::vector<Gdd_ea*> candidates = bisected_by(m, n);
            for (std::size_t i = 1; i < candidates.size(); ++i)
                ASSERT_LT(candidates[i - 1]->seq, candidates[i]->seq);
            for (Gdd_ea* E : candidates)
                if (bisected(E))
                    found.push_back(E);
            ASSERT_EQ(found, scan);
        }
    }

    void compare_all()
    {
        compare_lines();
        compare_segments();
        compare_angles();
    }
};

TEST_F(IndexTest, IndexedLookupsAgreeWithTheScansOnRandomDatabases)
{
    for (int round = 0; round < 3; ++round) {
        for (int step = 0; step < 40; ++step) {
            random_fact();
            if (step % 8 == 7)
                bounded_forward();
            if (step % 4 == 3) {
                ASSERT_NO_FATAL_FAILURE(compare_all()) << "round " << round << " step " << step;
            }
        }
        bounded_forward();
        ASSERT_NO_FATAL_FAILURE(compare_all());
        EXPECT_GT(g_ln_list.size() + g_cg_list.size() + g_ea_list.size(), 0u);
        // Emptying the database empties the indexes with it.
        free_gdd();
        for (int a = 1; a <= kPoints; ++a) {
            EXPECT_TRUE(lines_through(a).empty());
            for (int b = 1; b <= kPoints; ++b)
                EXPECT_TRUE(groups_of(a, b).empty());
        }
    }
}

}  // namespace
}  // namespace gddtest
