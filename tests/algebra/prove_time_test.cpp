// The proof-time limit inside Wu's and the Groebner method, and the
// successive remainders of Wu's method on small lists.

#include <string>

#include "algebra/equations.h"
#include "algebra/plist.h"
#include "algebra/wu.h"
#include "poly_test_util.h"
#include "prove_fixture.h"

namespace {

using ProveTimeTest = AlgebraProveTest;
using polytest::P;

TEST_F(ProveTimeTest, TimeLimitEndsTheProofAndTheNextProofStartsClean)
{
    for (int method : {kMethodWu, kMethodGroebner}) {
        SCOPED_TRACE(method);
        prover_reset();
        set_method_entry(kMethodWu, {prove_wu, {}});
        set_method_entry(kMethodGroebner, {prove_groebner, {}});
        load(319, method);  // Pappus
        // Every look at the clock finds a millisecond more.
        std::uint32_t now = 0;
        set_prover_clock([&] { return ++now; });
        g_timelimit = 1000;
        clear_output();
        EXPECT_EQ(cmd_prove(), ProveEnd::TimedOut);
        EXPECT_EQ(out(),
                  "\r\n\r\nThe program is terminated after running 1().\r\n"
                  "You may reset a maximal proof time for the prover\r\nwith the Prove menu\r\n");
        EXPECT_EQ(g_timing, 0u);
        EXPECT_EQ(g_outfile, nullptr);
        EXPECT_GT(now, 1000u);
        // The lists the time-out left behind are freed by the next Prove
        // (a node freed twice would stop it); nodes of the operations the
        // time-out interrupted stay abandoned until the pools are reset.
        set_prover_clock(nullptr);
        g_timelimit = 60000;
        EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
        EXPECT_EQ(g_result, 1) << out();
    }
}

TEST_F(ProveTimeTest, SuccessiveRemaindersOfSmallLists)
{
    read_stm("POINT A B C D;", "NO.", kMethodWu);
    dterm* ts = nullptr;
    plist_append(ts, P("x3-x2"), 0);
    // Zero and constants need no division.
    EXPECT_EQ(wu_srem(get_num(), ts), nullptr);
    dterm* constant = wu_srem(get_n(5), ts);
    ASSERT_NE(constant, nullptr);
    EXPECT_EQ(constant->coef->value, 5);
    put_dts(constant);
    // A conclusion above every hypothesis must vanish coefficient by coefficient.
    EXPECT_EQ(wu_srem(P("x5(x3-x2)+x4(x3^2-x2^2)"), ts), nullptr);
    dterm* rest = wu_srem(P("x5(x3-x2)+1"), ts);
    ASSERT_NE(rest, nullptr);
    EXPECT_TRUE(ponep(rest->coef));
    put_dts(rest);
    put_dts(ts);
}

TEST_F(ProveTimeTest, InitialsOfPivotsGetTheirSlots)
{
    read_stm("POINT A B C D;", "NO.", kMethodWu);
    // pivot (tag 1) before its remainder (tag 2), twice, and a single equation.
    plist_append(g_hyps, P("x2x5+x4"), 1);
    plist_append(g_hyps, P("x3x4+1"), 2);
    plist_append(g_hyps, P("x1x3+x2"), 1);
    plist_append(g_hyps, P("x2+1"), 2);
    plist_append(g_hyps, P("x1-3"), 0);
    ts_initials();
    std::vector<int> tags;
    for (const dterm* h = g_hyps; h; h = h->next)
        tags.push_back(h->deg);
    EXPECT_EQ(tags, (std::vector<int>{1, 3, 0, 4, 0}));
    ASSERT_GE(g_ts_inits.size(), 5u);
    EXPECT_EQ(poly_text(g_ts_inits[3], 0), "x2");
    EXPECT_EQ(poly_text(g_ts_inits[4], 0), "x1");
}

}  // namespace
