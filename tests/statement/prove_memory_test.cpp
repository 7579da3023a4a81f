// What a Prove gives back: a run that runs out of memory inside any method
// ends with "run out of memory.", leaves no pool block, database record or
// list behind, and the next run gets the result it gets alone; a run that
// runs to its end gives back the blocks it no longer uses; the status shows
// the whole run's time however the run ends.

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <regex>
#include <string>

#include "algebra/equations.h"
#include "facts/gdd.h"
#include "facts/gdd_conds.h"
#include "prover/node_pool.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/kept_statement.h"
#include "statement/prove.h"
#include "statement/prove_run.h"

namespace {

constexpr int kOrthocenter = 316;
constexpr int kSimson = 317;
constexpr int kPappus = 319;
constexpr std::size_t kBlock = NodePool<xterm>::kBlockSize;

// Constructions and a conclusion that the statement keeps as polynomials.
constexpr const char* kThirdOfASide =
    "EXAMPLE third\nHYPOTHESES:\nPOINT A B C;\nLRATIO D A B 1 3;\nLRATIO E A C 1 3;\n"
    "SHOW: PARALLEL D E B C.\n";
constexpr const char* kThirdOfTheArea =
    "EXAMPLE third_area\nHYPOTHESES:\nPOINT A B C;\nLRATIO D A B 1 3;\nLRATIO E A C 1 3;\n"
    "SHOW: 9 (AREA A D E) = (AREA A B C).\n";

std::string mask_times(const std::string& text)
{
    static const std::regex time(R"([0-9]+\.[0-9]+ ?s|Time :[0-9.]+)");
    return std::regex_replace(text, time, "#");
}

std::size_t count_of(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class ProveMemoryTest : public ::testing::Test {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override
    {
        fail_prover_growth_at(0);
        set_prover_clock(nullptr);
        g_timelimit = 60000;
        prover_reset();
    }
};

struct Case {
    const char* name;
    int method;
    std::function<ProveRun()> run;
    // Whether the method itself grows the pools or tables; otherwise the
    // run fails at the last growth before it.
    bool method_grows = true;
};

ProveRun example(int id, int method) { return prove_example(id, method, 60); }
ProveRun text(const char* statement, int method) { return prove_statement_text(statement, method, 60); }

TEST_F(ProveMemoryTest, MemoryRunningOutInsideEachMethodLeavesTheProverAsNew)
{
    const Case cases[] = {
        {"database", kMethodDatabase, [] { return example(kOrthocenter, kMethodDatabase); }},
        {"full angle", kMethodFullAngle, [] { return example(kSimson, kMethodFullAngle); }},
        {"area", kMethodArea, [] { return example(kOrthocenter, kMethodArea); }},
        {"area, ratios kept", kMethodArea, [] { return text(kThirdOfASide, kMethodArea); }},
        {"vector", kMethodVector, [] { return example(kOrthocenter, kMethodVector); }},
        {"Wu", kMethodWu, [] { return example(kOrthocenter, kMethodWu); }},
        {"area, equation kept", kMethodArea, [] { return text(kThirdOfTheArea, kMethodArea); }, false},
        {"Groebner", kMethodGroebner, [] { return example(kPappus, kMethodGroebner); }},
    };
    for (const Case& c : cases) {
        for (const GrowthFailure how : {GrowthFailure::System, GrowthFailure::Budget}) {
            SCOPED_TRACE(std::string(c.name) + (how == GrowthFailure::System ? ", system" : ", budget"));
            prover_reset();
            const ProveRun alone = c.run();
            ASSERT_EQ(alone.result, "true") << alone.window_text;
            // The last growth of a run lies deep in the method (counted from
            // where the cut run starts: after a run of the statement).
            fail_prover_growth_at(0);
            std::size_t before_method = 0;
            const MethodEntry entry = get_method_entry(c.method);
            set_method_entry(c.method, {[&] {
                                            before_method = prover_growth_count();
                                            entry.run();
                                        },
                                        entry.after});
            c.run();
            const std::size_t growths = prover_growth_count();
            if (c.method_grows)
                ASSERT_LT(before_method, growths);
            else
                ASSERT_GE(before_method, 2u);  // past the statement's own block
            fail_prover_growth_at(c.method_grows ? growths : before_method, how);
            const ProveRun cut = c.run();
            fail_prover_growth_at(0);
            set_method_entry(c.method, entry);
            EXPECT_EQ(cut.result, "error");
            EXPECT_EQ(cut.message, "run out of memory.") << cut.window_text;
            EXPECT_EQ(count_of(cut.window_text, "run out of memory."), 1u) << cut.window_text;
            EXPECT_EQ(g_result, kResultNotSolved);
            // Nothing of the run stays: at most the block of the statement's
            // own polynomials, no database, no lists.
            const PoolStats left = pool_stats();
            EXPECT_LE(left.xterm_total, kBlock);
            EXPECT_LE(left.dterm_total, kBlock);
            EXPECT_EQ(cond_pool_size(), 0u);
            EXPECT_TRUE(g_ln_list.empty());
            EXPECT_EQ(g_hyps, nullptr);
            EXPECT_EQ(g_concs, nullptr);

            const ProveRun again = c.run();
            EXPECT_EQ(again.result, alone.result);
            EXPECT_EQ(mask_times(again.window_text), mask_times(alone.window_text));
        }
    }
}

// The statement's polynomials are carried over the reset of the pools at the
// start of a run; with no memory even for them the statement goes, as after
// an error in it, and the window says why.
TEST_F(ProveMemoryTest, AStatementThatCannotBeCarriedOverGoes)
{
    for (const GrowthFailure how : {GrowthFailure::System, GrowthFailure::Budget}) {
        prover_reset();
        ASSERT_EQ(text(kThirdOfASide, kMethodWu).result, "true");
        fail_prover_growth_at(1, how);
        const ProveRun cut = text(kThirdOfASide, kMethodWu);
        fail_prover_growth_at(0);
        EXPECT_EQ(cut.result, "error");
        EXPECT_EQ(cut.window_text, "\r\nrun out of memory.\r\n");
        EXPECT_EQ(g_npoints, 0);
        EXPECT_EQ(g_pro_points[4].ps[0], nullptr);
        // Nor does a Prove under another method read it again.
        g_method = kMethodGroebner;
        EXPECT_EQ(restart_kept_statement(), Restart::kNothingKept);
        EXPECT_EQ(g_npoints, 0);
        EXPECT_EQ(text(kThirdOfASide, kMethodWu).result, "true");
    }
}

// A run that runs to its end keeps what the window shows afterwards (the
// Groebner basis) and gives back every block its working polynomials held.
TEST_F(ProveMemoryTest, ARunThatEndsGivesBackTheBlocksItNoLongerUses)
{
    PoolStats working;
    const MethodEntry groebner = get_method_entry(kMethodGroebner);
    set_method_entry(kMethodGroebner, {[&] {
                                           groebner.run();
                                           working = pool_stats();
                                       },
                                       groebner.after});
    const ProveRun run = example(kPappus, kMethodGroebner);
    set_method_entry(kMethodGroebner, groebner);
    ASSERT_EQ(run.result, "true");
    const PoolStats left = pool_stats();
    EXPECT_GT(working.xterm_total, 2 * kBlock);
    EXPECT_LT(left.xterm_total, working.xterm_total);
    EXPECT_LT(left.xterm_total - left.xterm_in_use(), kBlock);
    EXPECT_LT(left.dterm_total - left.dterm_in_use(), kBlock);
    EXPECT_NE(g_hyps, nullptr);  // the basis, for the algebraic form
}

// The status shows the time from the start of the proof to its end, however
// it ends, even where a method counts only some of its stages.
TEST_F(ProveMemoryTest, TheTimeShownIsTheWholeRun)
{
    struct Ending {
        const char* name;
        std::function<void()> end;  // after the method's first 36 s
        const char* time;
    };
    std::uint32_t now = 1000;
    const Ending endings[] = {
        {"proved", [] { g_result = 1; }, "Time :36.000000"},
        {"time-out",
         [&] {
             now += 30000;
             check_time();
         },
         "Time :66.000000"},
        {"error", [] { gerror("wrong type of predicates"); }, "Time :36.000000"},
        {"budget", [] { prover_out_of_memory(); }, "Time :36.000000"},
        {"system memory", [] { throw std::bad_alloc(); }, "Time :36.000000"},
    };
    set_prover_clock([&] { return now; });
    ProveStatus shown;
    set_status_sink([&](const ProveStatus& s) { shown = s; });
    const MethodEntry wu = get_method_entry(kMethodWu);
    for (const Ending& e : endings) {
        SCOPED_TRACE(e.name);
        set_method_entry(kMethodWu, {[&] {
                                         g_time += 137;  // the one stage the method timed
                                         now += 36000;
                                         e.end();
                                     },
                                     {}});
        prove_example(kOrthocenter, kMethodWu, 60);
        EXPECT_EQ(shown.time, e.time);
    }
    set_method_entry(kMethodWu, wu);
    set_status_sink(nullptr);
}

}  // namespace
