// A whole Prove from a statement text, as prove_bench runs it.

#include <functional>
#include <string>

#include "statement/prove_run.h"
#include "sem_fixture.h"

namespace {

using ProveRunTest = SemanticsTest;

constexpr std::string_view kFoot = "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nFOOT D C A B;\nSHOW: PERPENDICULAR C D A B.";

TEST_F(ProveRunTest, ResultWords)
{
    // "true" and "not-solved" head the corpus goldens, "error" the cases below.
    g_result = -1;
    EXPECT_EQ(prove_result_word(ProveEnd::Ran), "false");
    EXPECT_EQ(prove_result_word(ProveEnd::TimedOut), "timeout");
}

TEST_F(ProveRunTest, TheLastLineOfAFileIsRead)
{
    // kFoot has no final line break; its SHOW line is read all the same.
    set_method_entry(kMethodDatabase, {[] { g_result = 1; }, {}});
    EXPECT_EQ(prove_statement_text(kFoot, kMethodDatabase, 60).result, "true");
    EXPECT_EQ(g_concl.type, 150);
}

TEST_F(ProveRunTest, ErrorsCarryTheirMessage)
{
    const auto long_text_then = [](std::function<void()> fail) {
        return [fail] {
            for (int i = 0; i < 50; ++i)
                gprint(fmt("line %d\r\n", i));
            fail();
        };
    };
    const struct {
        std::string_view statement;
        int method;
        std::function<void()> run;  // the method's entry; none: not built
        std::string_view message;
    } cases[] = {
        {"EXAMPLE t\nHYPOTHESES:\nPOINT A B;\nFOO X A B;\nSHOW: NO.\n", kMethodDatabase, [] { g_result = 1; },
         "Sytax error: FOO X A is not a proper construction"},
        {"EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nHARMONIC G A B C;\nSHOW: COLLINEAR A B G.\n", kMethodWu,
         [] { g_result = 1; }, "Wu's method cannot use the hypothesis HARMONIC G A B C;"},
        {kFoot, kMethodWu, {}, "Wu's method is not built yet."},
        // After a long text the report names the error by its last lines.
        {kFoot, kMethodDatabase, long_text_then([] { prover_fatal("run out of memory."); }),
         "line 48 line 49 run out of memory."},
        {kFoot, kMethodDatabase, long_text_then([] { gerror("forward: wrong type of predicates"); }),
         "Sytax error: forward: wrong type of predicates"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        set_method_entry(c.method, {c.run, {}});
        const ProveRun run = prove_statement_text(c.statement, c.method, 60);
        EXPECT_EQ(run.result, "error");
        EXPECT_EQ(run.message, c.message);
    }
}

TEST_F(ProveRunTest, AnErrorIsNamedByItsFirstReport)
{
    // A conclusion that does not read also leaves the statement without its
    // ".": the second report follows from the first, which names the reason.
    const struct {
        std::string_view show;
        std::string_view message;
    } cases[] = {
        {"k ^ 100000000000000000000 = 1.",
         "Sytax error: SHOW: k ^ 100000000000000000000 = 1: the value has a degree above 65535"},
        {"k * = 1.", "Sytax error: SHOW: k * = 1: expresion error 13"},
        // A report of more than one paragraph is kept whole.
        {"COLLINEAR A B", "Sytax error: Conclusion wrong: COLLINEAR A B ."},
        {"COLLINEAR A B Z.", "Sytax error: Cannot find point Z"},  // the only report
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        const ProveRun run = prove_statement_text(
            "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nSHOW: " + std::string(c.show) + "\n", kMethodArea, 60);
        EXPECT_EQ(run.result, "error");
        EXPECT_EQ(run.message, c.message);
    }
}

}  // namespace
