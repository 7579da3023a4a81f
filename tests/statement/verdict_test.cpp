// Verdicts of all six methods on statements that once fooled them:
// degenerate constructions, false statements, CONSTANT hypotheses, a
// statement without conclusion after one with; and a run ended by a limit
// leaving the prover as a fresh one.

#include <regex>
#include <string>

#include "statement/numeric_figure.h"
#include "statement/prove_run.h"
#include "sem_fixture.h"

namespace {

using VerdictTest = SemanticsTest;

constexpr int kMethods[] = {kMethodDatabase, kMethodFullAngle, kMethodArea,
                            kMethodVector,   kMethodWu,        kMethodGroebner};

// One letter per method, in the order of kMethods: T true, F false, N not
// solved, E error, D error naming the degenerate construction; ~ true or not
// solved, - false or not solved (where a method may yet learn to decide), *
// anything but false.
bool as_expected(char code, const std::string& result)
{
    switch (code) {
    case 'T': return result == "true";
    case 'F': return result == "false";
    case 'N': return result == "not-solved";
    case 'E': case 'D': return result == "error";
    case '~': return result == "true" || result == "not-solved";
    case '-': return result == "false" || result == "not-solved";
    case '*': return result != "false";
    default: return false;
    }
}

std::string statement(std::string_view hyps, std::string_view show)
{
    return "EXAMPLE v\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + "\n";
}

TEST_F(VerdictTest, EveryMethodOnStatementsThatOnceFooledIt)
{
    const struct {
        const char* hyps;
        const char* show;
        const char* codes;
        const char* message;  // of the D codes
    } cases[] = {
        {"POINT A B C;\nCIRCUMCENTER O A B C;", "MIDPOINT O A B.", "NE--FF", ""},
        {"POINT A B C;\nCIRCUMCENTER O A B C;", "COLLINEAR O A B.", "NNFFFF", ""},
        {"POINT A B C;\nFOOT D C A B;", "PERPENDICULAR C D A C.", "NNFFFF", ""},
        {"POINT A B C;\nMIDPOINT M A B;", "COLLINEAR M A B.", "TT~~TT", ""},
        {"POINT A B C;\nINTERSECTION_LL H B C A B;", "COLLINEAR A C H.", "DDDDDD",
         "INTERSECTION_LL H B C A B: H is the point B in every figure. The statement is not proved."},
        {"POINT A B C;\nMIDPOINT E B C;\nINTERSECTION_LL H E C A B;", "COLLINEAR A B C.", "DDDDDD",
         "INTERSECTION_LL H E C A B: H is the point B in every figure. The statement is not proved."},
        {"CIRCLE A B C D;\nINTERSECTION_LS X D C A B C;", "EQANGEL A B C A B D.", "DDEEDD",
         "INTERSECTION_LS X D C A B C: X is the point C or D in every figure. The statement is not proved."},
        {"POINT A B C D;\nINTERSECTION_LP X D B D C A;", "EQDISTANCE X A A A.", "DDDDDD",
         "INTERSECTION_LP X D B D C A: X is the point D in every figure. The statement is not proved."},
        {"POINT A B C;\nFOOT D A B C;\nFOOT E B A C;\nFOOT F C A B;\nINTERSECTION_LL G A D B E;\n"
         "INTERSECTION_LL H A D C F;",
         "PARALLEL A B A C.", "DDDDDD",
         "INTERSECTION_LL H A D C F: H is the point G in every figure. The statement is not proved."},
        {"POINT A O T;\nON_TLINE B T T O;\nINTERSECTION_LC X T B O T;", "COLLINEAR X A B.", "DDDDDD",
         "INTERSECTION_LC X T B O T: X is the point T in every figure. The statement is not proved."},
        {"POINT A B C D;\nINTERSECTION_LL X A B A B;", "COLLINEAR X C D.", "DDDDDD",
         "INTERSECTION_LL X A B A B: X has no proper solution in any figure. The statement is not proved."},
        {"POINT A B C D;\nPARALLEL A B C D;", "PARALLEL C D A B.", "TT~~TT", ""},
        // Figures that satisfy the hypothesis predicate show it false.
        {"POINT A B C D;\nPARALLEL A B C D;", "PARALLEL A C B D.", "NNFFFF", ""},
        // A statement without conclusion after one with.
        {"POINT A B C;", ".", "NEEEEE", ""},
        {"POINT A B C;\nCONSTANT (AREA A B C);", "COLLINEAR A B C.", "NN~~T~", ""},
        {"POINT A B C D;\nCONSTANT (ANGLE A B C D);", "PARALLEL A B C D.", "NNNNEE", ""},
        {"POINT A B C D;\nCONSTANT (ANGLE A B C D);\nINTERSECTION_LL X A B C D;", "COLLINEAR X A C.", "DDDDEE",
         "INTERSECTION_LL X A B C D: X has no proper solution in any figure. The statement is not proved."},
        {"POINT A B C D;\nPARALLEL A B C D;", "(ANGLE A B C D) = 0.", "NT**EE", ""},
        // A circle of no size, an angle with a side of no length, a distance 0.
        {"POINT A B C;\nINTERSECTION_CR D A C B B B;", "PARALLEL A A B A.", "DDDDDD",
         "INTERSECTION_CR D A C B B B: D has no proper solution in any figure. The statement is not proved."},
        {"POINT A B C;\nON_ALINE D B C A A A;", "COLLINEAR D B C.", "DDDDDD",
         "ON_ALINE D B C A A A: D has no proper solution in any figure. The statement is not proved."},
        {"POINT A B C D;\nEQDISTANCE A A A D;\nINTERSECTION_LL E A D C B;", "COLLINEAR E A D.", "DDDDDD",
         "EQDISTANCE A A A D: D is the point A in every figure. The statement is not proved."},
        // Figures moved onto the COCIRCLE put F on B, not beside it.
        {"POINT A B C D E;\nCOCIRCLE B D C E;\nINTERSECTION_SS F C D E B A D;", "EQ_PRODUCT E C C E C E C F.", "DDDDDD",
         "INTERSECTION_SS F C D E B A D: F is the point B or D in every figure. The statement is not proved."},
        // HARMONIC places its point freely in the figures.
        {"POINT A B C;\nHARMONIC D A B C;\nINTERSECTION_TC E C C C B C;", "EQANGEL D C D D D D.", "DDDDEE",
         "INTERSECTION_TC E C C C B C: E has no proper solution in any figure. The statement is not proved."},
        {"POINT A B C;\nMIDPOINT M A B;", "TANGENT A M B M.", "NETTTT", ""},
        {"POINT A B C D;", "TANGENT A B C D.", "NEFFFF", ""},
        // Conclusions that hold of any points, and a figure found past a missed circle.
        {"POINT A B C;\nMIDPOINT D C A;", "EQANGEL D A B C C A.", "~~~~TT", ""},
        {"POINT A B C D;\nCOCIRCLE A C C D;\nCENTROID E B D A;", "EQANGEL D A B C E E.", "NNEETT", ""},
        {"POINT A B C D;\nEQANGEL C A B C A D;\nMRATIO E A C 2 3;\nINTERSECTION_CC F D B A E;", "COLLINEAR A B D.",
         "TTEET~", ""},
    };
    for (const auto& c : cases) {
        for (std::size_t m = 0; m < std::size(kMethods); ++m) {
            SCOPED_TRACE(std::string(c.hyps) + " / " + c.show + " / " + std::string(method_name(kMethods[m])));
            const ProveRun run = prove_statement_text(statement(c.hyps, c.show), kMethods[m], 20);
            EXPECT_TRUE(as_expected(c.codes[m], run.result)) << run.result << "\n" << run.window_text;
            if (c.codes[m] == 'D') {
                EXPECT_EQ(run.message, c.message);
                EXPECT_EQ(shown_.result, "Not Solved");
            }
        }
    }
}

// Points that come close only by repeated halving are not one point.
TEST_F(VerdictTest, AChainOfMidpointsIsNotDegenerate)
{
    std::string hyps = "POINT A B C;\nMIDPOINT M1 A B;";
    for (int i = 2; i <= 30; ++i)
        hyps += fmt("\nMIDPOINT M%d A M%d;", i, i - 1);
    read_stm(hyps, "COLLINEAR A B M30.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_FALSE(degenerate_construction(g_npoints).has_value());
}

// Time figures differ from run to run.
std::string mask_times(const std::string& text)
{
    static const std::regex time(R"([0-9]+(\.[0-9]+)? ?(ms|s|seconds)\b|Time :[0-9.]+)");
    return std::regex_replace(text, time, "#");
}

// The n-th look at the clock ends the run, as running out of memory or out
// of time would there; the next run must give what it gives alone.
TEST_F(VerdictTest, ARunEndedByALimitLeavesTheProverAsNew)
{
    constexpr int kOrthocenter = 316;
    for (int method : kMethods) {
        SCOPED_TRACE(std::string(method_name(method)));
        const ProveRun alone = prove_example(kOrthocenter, method, 20);
        ASSERT_EQ(alone.result, "true") << alone.window_text;
        for (int n : {2, 20, 200, 2000}) {
            for (bool memory : {true, false}) {
                int looks = 0;
                set_prover_clock([&]() -> std::uint32_t {
                    if (++looks < n)
                        return 0;
                    if (memory)
                        prover_out_of_memory();
                    return 1U << 30;
                });
                const ProveRun cut = prove_example(kOrthocenter, method, 20);
                set_prover_clock(nullptr);
                if (looks >= n) {
                    EXPECT_EQ(cut.result, memory ? "error" : "timeout") << n;
                }
                const ProveRun again = prove_example(kOrthocenter, method, 20);
                EXPECT_EQ(again.result, alone.result) << n << (memory ? " memory" : " time");
                EXPECT_EQ(mask_times(again.window_text), mask_times(alone.window_text)) << n;
            }
        }
    }
}

}  // namespace
