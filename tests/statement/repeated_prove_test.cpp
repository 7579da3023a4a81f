// Proves in a row: every Prove starts from the statement as it was read or
// loaded, whatever the Prove before it left in the tables (the database
// method's auxiliary points, the free points the area and vector methods put
// first, tables a method's error emptied), and gives what the first Prove
// under its method gave; the tables keep what each Prove left.

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/kept_statement.h"
#include "statement/prove_run.h"
#include "statement/table_dump.h"
#include "statement/tokenizer.h"
#include "support/bench_corpus.h"
#include "support/counted_prover_clock.h"

namespace {

constexpr int kMethods[] = {kMethodDatabase, kMethodFullAngle, kMethodArea,
                            kMethodVector,   kMethodWu,        kMethodGroebner};

// Limit in seconds of the counted clock, a thousand time checks each. Ten of
// the 156 first Proves run into it (the Pedal Triangle and the Miquel Circle
// under the four algebraic methods, Pappus under the Groebner method, the
// Square under the database method), and every later one at the same check.
constexpr int kCheckLimit = 10;
constexpr int kProvesAfterTheFirst = 2;

// Statements the corpus leaves out: a free point after a constructed one
// (the area and vector methods put it first), a CIRCLE line (the reader's
// facts, renumbered with the points), circles the area and vector methods
// refuse to meet with an error that empties the tables.
const char* const kMore[] = {
    "EXAMPLE late_free\nHYPOTHESES:\nPOINT A B;\nMIDPOINT M A B;\nPOINT C;\nMIDPOINT N A C;\n"
    "SHOW: PARALLEL M N B C.\n",
    "EXAMPLE circle\nHYPOTHESES:\nPOINT A B;\nMIDPOINT M A B;\nCIRCLE C A D B E;\nMIDPOINT P D E;\n"
    "SHOW: PERPENDICULAR P D P C.\n",
    "EXAMPLE circles_met\nHYPOTHESES:\nPOINT A B C D;\nINTERSECTION_CC X A C B D;\nSHOW: EQDISTANCE A X A C.\n",
};

// A statement and how it comes into the tables, under g_method.
struct Source {
    std::string name;
    std::function<void()> load;
};

std::vector<Source> sources()
{
    std::vector<Source> list;
    const auto text_source = [&](std::string name, std::string text) {
        list.push_back({std::move(name), [text] { read_window_statement(text); }});
    };
    for (const CorpusStatement& s : bench_corpus())
        text_source(s.name, s.text);
    for (const char* text : kMore)
        text_source(std::string(text).substr(0, std::string(text).find('\n')), text);
    for (const ExampleInfo& e : example_menu())
        list.push_back({std::string(e.menu_text), [id = e.id] { load_example(id); }});
    return list;
}

// The statement loaded under method; false when it does not read so.
bool load(const Source& source, int method)
{
    g_method = method;
    g_abort = 0;
    source.load();
    return g_abort == 0 && g_npoints > 0;
}

void expect_same_run(const ProveRun& run, const ProveRun& first)
{
    EXPECT_EQ(run.result, first.result);
    EXPECT_EQ(run.message, first.message);
    EXPECT_EQ(run.window_text, first.window_text);
}

class RepeatedProveTest : public ::testing::Test {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override { prover_reset(); }

    const GprintCapture capture_;
    const CountedProverClock clock_;
};

TEST_F(RepeatedProveTest, EveryProveGivesWhatTheFirstUnderItsMethodGave)
{
    const std::vector<Source> list = sources();
    ASSERT_GE(list.size(), 20u);
    int runs = 0;
    int timeouts = 0;
    int grown = 0;    // Proves that left more records than were loaded
    int emptied = 0;  // Proves whose method's error emptied the tables
    for (const Source& source : list) {
        SCOPED_TRACE(source.name);
        // Proved again and again under one method.
        std::map<int, ProveRun> first;
        for (int method : kMethods) {
            SCOPED_TRACE(std::string("proved by ") + std::string(method_name(method)));
            if (!load(source, method))
                continue;
            const int loaded = g_npoints;
            const std::string loaded_tables = dump_statement();
            first[method] = prove_again(method, kCheckLimit);
            const int left = g_npoints;
            ++runs;
            timeouts += first[method].result == "timeout";
            grown += left > loaded;
            emptied += left == 0;
            for (int n = 0; n < kProvesAfterTheFirst; ++n) {
                expect_same_run(prove_again(method, kCheckLimit), first[method]);
                EXPECT_EQ(g_npoints, left);
            }
            // What every Prove starts from is the statement as loaded.
            ASSERT_EQ(restart_kept_statement(), Restart::kRestarted);
            EXPECT_EQ(dump_statement(), loaded_tables);
        }
        // Proved under each method after a Prove under another, the
        // statement loaded once.
        if (!load(source, kMethods[0]))
            continue;
        std::vector<int> order(std::begin(kMethods), std::end(kMethods));
        order.insert(order.end(), std::rbegin(kMethods), std::rend(kMethods));
        for (int method : order) {
            SCOPED_TRACE(std::string("proved next by ") + std::string(method_name(method)));
            const ProveRun run = prove_again(method, kCheckLimit);
            if (first.count(method))
                expect_same_run(run, first[method]);
            else
                EXPECT_EQ(run.result, "error");  // the statement does not read under method
        }
    }
    // The property is met on most proofs, not only by timing out; the
    // database method's auxiliary points stay in the tables after its Prove,
    // and so do the tables a method's error emptied.
    EXPECT_GE(runs, 150);
    EXPECT_LE(timeouts * 5, runs);
    EXPECT_GT(grown, 0);
    EXPECT_GT(emptied, 0);
}

// A loaded table is forgotten as a kept reading is: by a reading, whether it
// reads or not, by prover_reset, and by a load of no example, which clears
// the conclusion's points.
TEST_F(RepeatedProveTest, ALoadedStatementGoesWithWhateverReplacesIt)
{
    constexpr int kOrthocenter = 316;
    constexpr int kNoExample = 321;
    const std::string text = kMore[0];
    const ProveRun text_alone = prove_statement_text(text, kMethodArea, kCheckLimit);
    ASSERT_EQ(text_alone.result, "true");
    ASSERT_EQ(prove_example(kOrthocenter, kMethodArea, kCheckLimit).result, "true");
    ASSERT_TRUE(statement_kept());
    g_method = kMethodArea;
    read_window_statement(text);
    expect_same_run(prove_again(kMethodArea, kCheckLimit), text_alone);

    const std::vector<std::function<void()>> emptyings = {
        [] { read_window_statement("EXAMPLE t\nHYPOTHESES:\nPOINT A B;\nSHOW: COLLINEAR A B C.\n"); },
        [] { prover_reset(); },
        [] { load_example(kNoExample); },
    };
    for (const auto& empty_tables : emptyings) {
        prove_example(kOrthocenter, kMethodArea, kCheckLimit);
        empty_tables();
        EXPECT_FALSE(statement_kept());
        const int left = g_npoints;
        EXPECT_EQ(restart_kept_statement(), Restart::kNothingKept);
        EXPECT_EQ(g_npoints, left);
    }
}

}  // namespace
