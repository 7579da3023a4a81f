#include <sstream>
#include <string>

#include "prover/prover.h"
#include "stm_fixture.h"

namespace {

using ProverTest = StatementTest;

TEST_F(ProverTest, ResetGivesTheOpeningDefaults)
{
    g_method = kMethodWu;
    g_concl.type = 148;
    g_concl.p = {1, 2, 3, 0, 0, 0, 0, 0};
    g_npoints = 5;
    g_abort = 1;
    g_trace = 1;
    g_save_latex = 0;
    g_maxterm_on = 0;
    g_timelimit = 1234;
    g_detailed = 1;
    std::ostringstream file;
    g_outfile = &file;
    prover_reset();
    EXPECT_EQ(g_method, kMethodDatabase);
    EXPECT_EQ(g_concl.type, concl_kind::kNone);
    EXPECT_EQ(g_concl.p, (std::array<std::uint32_t, 8>{}));
    EXPECT_EQ(g_concl.obj, nullptr);
    EXPECT_EQ(g_npoints, 0);
    EXPECT_EQ(g_abort, 0);
    EXPECT_EQ(g_trace, 0);
    EXPECT_EQ(g_save_latex, 1);
    EXPECT_EQ(g_maxterm_on, 1);
    EXPECT_EQ(g_outfile, nullptr);
    EXPECT_EQ(g_example, "example");
    // The time limit and the detailed-proof switch survive a reopening.
    EXPECT_EQ(g_timelimit, 1234);
    EXPECT_EQ(g_detailed, 1);
    g_timelimit = 60000;
    g_detailed = 0;
}

TEST_F(ProverTest, ResetRunsTheRegisteredResetsInStageOrder)
{
    std::string order;
    add_prover_reset_hook(ResetStage::FactDatabase, "test.z", [&] { order += "F"; });
    add_prover_reset_hook(ResetStage::Polynomials, "test.z", [&] { order += "P"; });
    add_prover_reset_hook(ResetStage::Equations, "test.z", [&] { order += "E"; });
    // Registering a key again replaces the earlier function.
    add_prover_reset_hook(ResetStage::Equations, "test.z", [&] { order += "e"; });
    prover_reset();
    EXPECT_EQ(order, "PeF");
    add_prover_reset_hook(ResetStage::FactDatabase, "test.z", nullptr);
    add_prover_reset_hook(ResetStage::Polynomials, "test.z", nullptr);
    add_prover_reset_hook(ResetStage::Equations, "test.z", nullptr);
    prover_reset();
    EXPECT_EQ(order, "PeF");
}

TEST_F(ProverTest, GerrorReportsOnceAndEmptiesTheStatement)
{
    g_npoints = 4;
    gerror("what");
    EXPECT_EQ(out(), "\r\n Sytax error: \r\nwhat\r\n\r\n");
    EXPECT_EQ(g_npoints, 0);
    EXPECT_EQ(g_abort, 1);
}

TEST_F(ProverTest, GprintPassesPercentSignsUnchanged)
{
    gprint("100% %s %d");
    EXPECT_EQ(out(), "100% %s %d");
    std::ostringstream file;
    g_outfile = &file;
    gprint("50% \\%");
    g_outfile = nullptr;
    EXPECT_EQ(file.str(), "50% \\%");
    EXPECT_EQ(out(), "100% %s %d");
}

TEST_F(ProverTest, SinksNestAndRestore)
{
    std::string window;
    set_gprint_sink([&](std::string_view t) { window.append(t); });
    gprint("a");
    {
        GprintCapture inner;
        gprint("b");
        EXPECT_EQ(inner.text(), "b");
    }
    gprint("c");
    EXPECT_EQ(window, "ac");
    clear_gprint_sink();
    prover_output().clear();
    gprint("d");
    EXPECT_EQ(prover_output(), "d");
    prover_output().clear();
}

TEST_F(ProverTest, FatalPrintsAndThrowsInsteadOfExiting)
{
    try {
        prover_fatal("MAX_GEO of ln overflow");
        FAIL() << "no exception";
    } catch (const ProverAbort& e) {
        EXPECT_STREQ(e.what(), "MAX_GEO of ln overflow");
    }
    EXPECT_EQ(out(), "MAX_GEO of ln overflow\r\n");
}

TEST_F(ProverTest, TimeCheckThrowsOnlyPastTheLimit)
{
    std::uint32_t now = 5000;
    set_prover_clock([&] { return now; });
    g_timelimit = 1000;
    g_tstart = 5000;
    g_timing = 1;
    now = 6000;  // exactly at the limit
    EXPECT_NO_THROW(check_time());
    now = 6001;
    try {
        check_time();
        FAIL() << "no TTIME";
    } catch (const TTIME& t) {
        EXPECT_EQ(t.timing, 1u);
        EXPECT_EQ(t.tstart, 5000u);
    }
    // Not timed: no limit.
    g_timing = 0;
    now = 100000;
    EXPECT_NO_THROW(check_time());
    // A wrap of the millisecond counter is still a short time.
    g_timing = 1;
    g_tstart = 0xFFFFFF00u;
    now = 0x100;
    EXPECT_NO_THROW(check_time());
    g_timing = 0;
    g_timelimit = 60000;
}

TEST(FnamePart, AfterTheLastSlash)
{
    EXPECT_EQ(fname_part("/a/b/example.tex"), "example.tex");
    EXPECT_EQ(fname_part("example"), "example");
    EXPECT_EQ(fname_part("dir/"), "");
}

TEST(Fmt, FormatsWithoutAFixedBuffer)
{
    const std::string long_name(500, 'x');
    EXPECT_EQ(fmt("Cannot find point %s", long_name.c_str()).size(), 18 + 500u);
    EXPECT_EQ(fmt("%d:  %s ", 3, "A"), "3:  A ");
    EXPECT_EQ(fmt("%s", ""), "");
}

}  // namespace
