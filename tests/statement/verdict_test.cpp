// Verdicts of all six methods on statements that once fooled them:
// degenerate constructions, false statements, CONSTANT hypotheses, a
// statement without conclusion after one with; and a run ended by a limit
// leaving the prover as a fresh one.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "prover/numeric_figure.h"
#include "prover/proof_tex_file.h"
#include "prover/verdict.h"
#include "sem_fixture.h"
#include "statement/prove_run.h"

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

int occurrences(const std::string& text, std::string_view what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The window shows one verdict: none contrary to the result, and an
// overruling sentence at most once.
void expect_one_verdict(const ProveRun& run)
{
    const std::string& text = run.window_text;
    const int said_true = occurrences(text, "Problem Is True") + occurrences(text, "The statement is true.");
    const int said_false = occurrences(text, "Problem Is False") + occurrences(text, "The statement is false.");
    const int overruled = occurrences(text, "The method finds the statement");
    EXPECT_EQ(said_true, run.result == "true" ? 1 : 0) << text;
    EXPECT_EQ(said_false, run.result == "false" ? 1 : 0) << text;
    EXPECT_LE(overruled, run.result == "not-solved" ? 1 : 0) << text;
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
        // Predicates solved on the principal component: the parallelogram, not
        // four points of one line; the isosceles triangle, not C on line AB;
        // the bisector from X through the midpoint, not X on line AB.
        {"POINT A B C D;\nPARALLEL A B C D;\nPARALLEL A D B C;", "EQDISTANCE A B C D.", "TEEE**", ""},
        {"POINT A B C;\nEQANGEL C A B A B C;", "EQDISTANCE C A C B.", "TEEE**", ""},
        {"POINT A B X;\nMIDPOINT M A B;\nEQANGEL A X M M X B;", "EQDISTANCE X A X B.", "TEEE**", ""},
        {"POINT O A B M;\nEQDISTANCE O A O B;\nCOLLINEAR M A B;\nEQANGEL A O M M O B;", "EQDISTANCE M A M B.",
         "TEEE**", ""},
        // More is asked of D than it can give, so A, B, C move as well: onto
        // the rhombus, the rectangle, the isosceles trapezoid, not onto one line.
        {"POINT A B C D;\nPARALLEL A B C D;\nPARALLEL A D B C;\nEQDISTANCE A B A D;", "PERPENDICULAR A C B D.",
         "T~EE**", ""},
        {"POINT A B C D;\nPARALLEL A B C D;\nPARALLEL A D B C;\nEQDISTANCE A C B D;", "PERPENDICULAR A B A D.",
         "~~EE**", ""},
        {"POINT A B C D;\nPARALLEL A B C D;\nEQDISTANCE A D B C;\nCOCIRCLE A B C D;", "EQDISTANCE A C B D.",
         "TEEE**", ""},
        // The predicates put X on E: refused, as the construction is.
        {"POINT C D E X;\nCOLLINEAR X E D;\nCOLLINEAR X C E;", "EQDISTANCE E X E E.", "DDDDDD",
         "COLLINEAR X E D; COLLINEAR X C E: X is the point E in every figure that meets these hypotheses. "
         "The statement is not proved."},
        {"POINT C D E;\nINTERSECTION_LL X E D C E;", "EQDISTANCE E X E E.", "DDDDDD",
         "INTERSECTION_LL X E D C E: X is the point E in every figure. The statement is not proved."},
        // Two circles that touch at B: the solver stalls short of it.
        {"POINT A B C D E;\nCOLLINEAR D C B;\nPERPENDICULAR A D C B;\nEQDISTANCE C E C B;\nEQDISTANCE D E D B;",
         "PERPENDICULAR A E C B.", "DDDDDD",
         "COLLINEAR D C B; PERPENDICULAR A D C B; EQDISTANCE C E C B; EQDISTANCE D E D B: E is the point B in every "
         "figure that meets these hypotheses. The statement is not proved."},
        // A line that touches the circle at D, a point constructed after E.
        {"POINT A B C;\nFOOT D A C B;\nPOINT E;\nCOLLINEAR E D A;\nEQDISTANCE B E B D;", "PERPENDICULAR E B A D.",
         "DDDDDD",
         "COLLINEAR E D A; EQDISTANCE B E B D: E is the point D in every figure that meets these hypotheses. The "
         "statement is not proved."},
        // Parallel lines never meet; an angle's arms that can only be one line.
        {"POINT A B C X;\nPARALLEL X A B C;\nPARALLEL X B B C;", "COLLINEAR X A B.", "DDDDDD",
         "PARALLEL X A B C; PARALLEL X B B C: no figure meets these hypotheses. The statement is not proved."},
        {"POINT A B C;\nCOLLINEAR A B C;\nEQANGEL A B C A C B;", "COLLINEAR A B C.", "DDDDDD",
         "COLLINEAR A B C; EQANGEL A B C A C B: the arms AB and BC of the angle are one line in every figure that "
         "meets these hypotheses. The statement is not proved."},
        // A constant is a real root of its equation, in the ratios and the
        // conclusion alike.
        {"POINT A B C;\nCONSTANT k * k - 2;", "k * k = 2.", "~ETTTE", ""},
        {"POINT A B;\nCONSTANT m ^ 2 - 2;\nLRATIO C A B m 1;", "COLLINEAR A B C.", "~~TTTE", ""},
        {"POINT A B C;\nCONSTANT n - 3;\nLRATIO D A B n 1;\nLRATIO E A C n 1;", "PARALLEL D E B C.", "~~TTTE", ""},
        // An area that is 0 (C, G, M on the median) beside a number.
        {"POINT A B C;\nMIDPOINT M A B;\nCENTROID G A B C;", "(AREA C G M) + 1 = 1.", "~ETTTT", ""},
        // The lines of X3 (or X) both pass through B (or A) wherever the point
        // on the circle is: they are one line only where it is special.
        {"POINT A B C;\nPOINT X3;\nMIDPOINT X0 A C;\nON_CIRCLE X1 C B;\nORTHOCENTER X2 B C X1;\n"
         "PERPENDICULAR X3 B A X0;\nPERPENDICULAR X3 X2 X1 C;",
         "PARALLEL X3 C C B.", "DDDDDD",
         "PERPENDICULAR X3 B A X0; PERPENDICULAR X3 X2 X1 C: X3 is the point B in every figure that meets these "
         "hypotheses. The statement is not proved."},
        {"POINT A B C X;\nON_CIRCLE Y A B;\nCOLLINEAR X A Y;\nCOLLINEAR X A C;", "COLLINEAR X A C.", "DDDDDD",
         "COLLINEAR X A Y; COLLINEAR X A C: X is the point A in every figure that meets these hypotheses. The "
         "statement is not proved."},
        // Points first named after the point on the circle are placed where
        // it is generic: P on both lines, C where XA is perpendicular to BC.
        {"POINT A B C P;\nON_CIRCLE Y A B;\nCOLLINEAR P A C;\nCOLLINEAR P B Y;", "COLLINEAR P C A.", "TTEETT", ""},
        {"POINT A B C;\nON_CIRCLE X A B;\nPERPENDICULAR X A B C;", "EQDISTANCE A X A B.", "TEEETT", ""},
        // Y, on a circle about X, comes after X: the second line places Y.
        {"POINT A B C X;\nON_CIRCLE Y X A;\nCOLLINEAR X A B;\nCOLLINEAR X B Y;", "COLLINEAR Y A B.", "TTEET~", ""},
        // The first line places X, the second Y, which the first names: the
        // two are met together, not one after the other.
        {"POINT A B C X;\nON_CIRCLE Y A C;\nCOLLINEAR X A Y;\nCOLLINEAR Y B C;", "COLLINEAR X Y A.", "TTEETT", ""},
    };
    for (const auto& c : cases) {
        for (std::size_t m = 0; m < std::size(kMethods); ++m) {
            SCOPED_TRACE(std::string(c.hyps) + " / " + c.show + " / " + std::string(method_name(kMethods[m])));
            const ProveRun run = prove_statement_text(statement(c.hyps, c.show), kMethods[m], 20);
            EXPECT_TRUE(as_expected(c.codes[m], run.result)) << run.result << "\n" << run.window_text;
            expect_one_verdict(run);
            if (c.codes[m] == 'D') {
                EXPECT_EQ(run.message, c.message);
                EXPECT_EQ(shown_.result, "Not Solved");
            }
        }
    }
}

// Points that come close only by repeated halving are not one point, towards
// A or towards B, however far below rounding of the figure's coordinates they
// come; a point that falls on one of them still does.
TEST_F(VerdictTest, AChainOfMidpointsIsNotDegenerate)
{
    std::string towards_a = "POINT A B C;\nMIDPOINT M1 A B;";
    for (int i = 2; i <= 30; ++i)
        towards_a += fmt("\nMIDPOINT M%d A M%d;", i, i - 1);
    read_stm(towards_a, "COLLINEAR A B M30.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_FALSE(degenerate_construction(g_npoints).has_value());

    std::string towards_b = "POINT A B C;\nMIDPOINT M1 A B;";
    for (int i = 2; i <= 56; ++i)
        towards_b += fmt("\nMIDPOINT M%d M%d B;", i, i - 1);
    read_stm(towards_b, "COLLINEAR A B M56.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_FALSE(degenerate_construction(g_npoints).has_value());
    EXPECT_FALSE(generic_figures(g_npoints).figures.empty());

    // Three quarters of the way from M54 to B is M56.
    read_stm(towards_b + "\nLRATIO Z M54 B 3 4;", "COLLINEAR A B Z.");
    ASSERT_EQ(g_abort, 0) << out();
    const auto bad = degenerate_construction(g_npoints);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->reason, "Z is the point M56 in every figure");
}

// A CONSTANT's variable takes each real root of its equation, one in each
// figure, and the ratio built on it that value; an equation without a real
// root is refused by name.
TEST_F(VerdictTest, AConstantTakesEachRealRootOfItsEquation)
{
    constexpr int kConstantRecord = 4;
    std::mt19937 rng(7);
    for (int n = 0; n < 30; ++n) {
        // Whole roots, some of them twice, and factors without a real root;
        // D would be A or B for the roots 0 and 1.
        std::set<long> roots;
        std::string equation;
        auto factor = [&](const std::string& f) { equation += (equation.empty() ? "" : " * ") + f; };
        for (unsigned i = rng() % 3; i > 0; --i) {
            const int r = static_cast<int>(rng() % 5) - 3;
            roots.insert(r < 0 ? r : r + 2);
            factor(r < 0 ? fmt("(k + %d)", -r) : fmt("(k - %d)", r + 2));
        }
        for (unsigned i = rng() % 2 + (roots.empty() ? 1 : 0); i > 0; --i)
            factor(fmt("(k * k + %d)", static_cast<int>(1 + rng() % 5)));
        SCOPED_TRACE(equation);
        read_stm("POINT A B C;\nCONSTANT " + equation + ";\nLRATIO D A B k 1;", "COLLINEAR A B D.");
        ASSERT_EQ(g_abort, 0) << out();
        const auto bad = degenerate_construction(g_npoints);
        if (roots.empty()) {
            ASSERT_TRUE(bad.has_value());
            EXPECT_EQ(bad->record, kConstantRecord);
            EXPECT_EQ(bad->reason, "k has no real value in any figure");
            continue;
        }
        EXPECT_FALSE(bad.has_value()) << bad->reason;
        // k is the ratio AD / AB.
        std::set<long> taken;
        for (const Num_figure& f : generic_figures(g_npoints).figures) {
            const Num_point a = f[pt("A")], b = f[pt("B")], d = f[pt("D")];
            const double k = (d.x - a.x) / (b.x - a.x);
            EXPECT_NEAR(k, std::lround(k), 1e-9);
            EXPECT_NEAR(d.y - a.y, k * (b.y - a.y), 1e-9);
            taken.insert(std::lround(k));
        }
        EXPECT_EQ(taken, roots);
    }
    // The coefficient of k is an area that is 0 but for rounding.
    read_stm("POINT A B C;\nMIDPOINT M A B;\nCENTROID G A B C;\nCONSTANT (AREA C G M) * k - 1;\nLRATIO D A B k 1;",
             "COLLINEAR A B D.");
    const auto bad = degenerate_construction(g_npoints);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->reason, "k has no real value in any figure");
}

// The Groebner method reads a CONSTANT's variable as a parameter, which the
// other methods cannot use; a Groebner run leaves the next reading as if it
// came first.
TEST_F(VerdictTest, AConstantReadForGroebnerLeavesOtherMethodsTheirReading)
{
    const std::string text = statement("POINT A B C;\nCONSTANT k * k - 2;", "k * k = 2.");
    for (int method : {kMethodArea, kMethodWu}) {
        SCOPED_TRACE(std::string(method_name(method)));
        const ProveRun alone = prove_statement_text(text, method, 20);
        ASSERT_EQ(alone.result, "true") << alone.window_text;
        prove_statement_text(text, kMethodGroebner, 20);
        const ProveRun again = prove_statement_text(text, method, 20);
        EXPECT_EQ(again.result, alone.result) << again.window_text;
    }
}

// A method's verdict is said once: in its own words where the figures agree,
// and where they do not, the overruling sentence in its place, the same in
// the window, the status bar and the LaTeX file.
TEST_F(VerdictTest, AVerdictIsSaidOnceInWindowStatusAndLatex)
{
    const std::filesystem::path dir = std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "verdict-latex";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    g_tex_dir = dir.string();
    const std::string holds = "COLLINEAR M A B.", fails = "EQDISTANCE C A C M.";
    const struct {
        const std::string& show;
        int verdict;
        const char* said;  // in the window and the status bar
        const char* why;   // the overruling reason, "" when the verdict stands
    } cases[] = {
        {holds, 1, "Problem Is True", ""},
        {fails, -1, "Problem Is False", ""},
        {fails, 1, "Not Solved", "the conclusion fails in a numeric figure that meets the hypotheses"},
        {holds, -1, "Not Solved", "no numeric figure that meets the hypotheses shows the conclusion failing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show + " said " + std::to_string(c.verdict));
        const int verdict = c.verdict;
        const char* words = verdict == 1 ? "Problem Is True" : "Problem Is False";
        set_method_entry(kMethodDatabase,
                         {[&] {
                              if (say_verdict(verdict, words))
                                  gprint("\r\nTHE PROOF\r\n");
                          },
                          [] { write_proof_tex({}, [] { gprint("THE PROOF\r\n"); }); }});
        read_stm("POINT A B C;\nMIDPOINT M A B;", c.show);
        ASSERT_EQ(cmd_prove(), ProveEnd::Ran) << out();
        EXPECT_EQ(shown_.result, c.said);
        std::ifstream in(dir / "example.tex", std::ios::binary);
        std::stringstream latex;
        latex << in.rdbuf();
        const std::string sentence = std::string("The method finds the statement ") +
                                     (verdict == 1 ? "true" : "false") + ", but " + c.why +
                                     ": the statement is not proved.";
        const bool stands = std::string_view(c.why).empty();
        EXPECT_EQ(occurrences(out(), words), stands ? 1 : 0) << out();
        EXPECT_EQ(occurrences(out(), "THE PROOF"), stands ? 1 : 0) << out();
        EXPECT_EQ(occurrences(out(), sentence), stands ? 0 : 1) << out();
        EXPECT_EQ(occurrences(latex.str(), "THE PROOF"), stands ? 1 : 0) << latex.str();
        EXPECT_EQ(occurrences(latex.str(), sentence), stands ? 0 : 1) << latex.str();
    }
    g_tex_dir.clear();
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
