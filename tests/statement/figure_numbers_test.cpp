// Exact numbers in the figures that judge a verdict: big coefficients enter
// them at their value, and a CONSTANT of numbers takes its values at the
// true roots of its equation, found once per Prove.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "prover/constant_roots.h"
#include "prover/poly.h"
#include "sem_fixture.h"
#include "statement/prove_run.h"
#include "support/counted_prover_clock.h"

namespace {

using FigureNumbersTest = SemanticsTest;

constexpr int kTimeLimitS = 60;

struct Method {
    const char* name;
    int id;
};
constexpr Method kMethods[] = {{"gdd", kMethodDatabase}, {"angle", kMethodFullAngle}, {"area", kMethodArea},
                               {"vector", kMethodVector}, {"wu", kMethodWu},          {"groebner", kMethodGroebner}};

std::string statement(const std::string& lines, const std::string& show)
{
    return "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\n" + lines + "\nSHOW: " + show + ".\n";
}

// The figures refused the statement (a construction or a hypothesis they
// cannot meet), as opposed to a method that does not take it.
bool refused_by_figures(const ProveRun& run)
{
    return run.result == "error" && run.message.find("figure") != std::string::npos;
}

enum class Expect {
    Sound,          // not "false", and not refused by the figures
    TrueByAlgebra,  // as Sound, and "true" by the area, vector and Wu methods
    NoRealValue,    // refused by name for a CONSTANT without a real root (by every method that takes it)
    HasRealValue,   // not "false", and not refused for having no real value
    BeyondDoubles,  // refused by name for real values the doubles cannot hold
};

struct Case {
    const char* what;
    std::string text;
    Expect expect;
};

// lead * 10^zeros.
std::string big(int zeros, int lead = 1)
{
    return std::to_string(lead) + std::string(static_cast<std::size_t>(zeros), '0');
}

// (100 k - step) * (100 k - 2 step) * ... : the roots step/100, 2 step/100, ...
std::string factors(int count, int step)
{
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += (i > 1 ? " * " : "") + std::string("(100 * k - ") + std::to_string(step * i) + ")";
    return out;
}

const std::string kLratio = "\nLRATIO D A B k 1;";

// Numbers beyond 64 bits in ratios, conclusions and CONSTANT equations.
std::vector<Case> big_number_cases()
{
    return {
        {"a ratio of big numbers",
         statement("LRATIO D A B " + big(19, 2) + " " + big(19) + ";", "SQ_DIS A D = 4 * SQ_DIS A B"),
         Expect::TrueByAlgebra},
        {"big coefficients of a conclusion",
         statement("MIDPOINT M A B;", big(19, 4) + " * SQ_DIS A M = " + big(19) + " * SQ_DIS A B"),
         Expect::TrueByAlgebra},
        {"a CONSTANT of big coefficients",
         statement("CONSTANT " + big(19) + " * k - " + big(19, 2) + ";" + kLratio, "SQ_DIS A D = 4 * SQ_DIS A B"),
         Expect::TrueByAlgebra},
        {"roots 1 to 8 of big coefficients", statement("CONSTANT " + factors(8, 100) + ";" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
        {"two roots 3e-10 apart", statement("CONSTANT " + big(19) + " * (k - 2) ^ 2 - 1;" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
        {"two double roots 1e-6 apart",
         statement("CONSTANT (1000000 * k - 1000000) ^ 2 * (1000000 * k - 1000001) ^ 2;" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
        {"two triple roots 1e-8 apart",
         statement("CONSTANT (k - 1) ^ 3 * (100000000 * k - 100000001) ^ 3;" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
        {"thirty roots 0.01 apart", statement("CONSTANT " + factors(30, 1) + ";" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
    };
}

// CONSTANT equations whose doubles mislead: a factor without a real root
// that comes within the rounding of 0, roots at the ends of the doubles.
std::vector<Case> exact_root_cases()
{
    const std::string near_three = "(100000000000000 * (k - 3) ^ 2 + 1)";
    return {
        {"a root beside a rootless factor near 3", statement("CONSTANT (k - 2) * " + near_three + ";", "k = 2"),
         Expect::Sound},
        {"the same, B the midpoint of AD",
         statement("CONSTANT (k - 2) * " + near_three + ";" + kLratio, "MIDPOINT B A D"), Expect::Sound},
        {"the same, root -1", statement("CONSTANT (k + 1) * " + near_three + ";" + kLratio, "MIDPOINT A D B"),
         Expect::Sound},
        {"no real root, one nearly", statement("CONSTANT " + near_three + ";", "k = 3"), Expect::NoRealValue},
        {"roots 10^300 and 10^-300",
         statement("CONSTANT (k - " + big(300) + ") * (" + big(300) + " * k - 1);" + kLratio, "COLLINEAR A B D"),
         Expect::HasRealValue},
        {"a root beyond the largest double", statement("CONSTANT k - " + big(400) + ";" + kLratio, "COLLINEAR A B D"),
         Expect::BeyondDoubles},
        {"roots nearer 0 than the least double",
         statement("CONSTANT " + big(700) + " * k ^ 2 - 1;" + kLratio, "COLLINEAR A B D"), Expect::BeyondDoubles},
    };
}

void expect_class(const Case& c, const Method& m, const ProveRun& run)
{
    SCOPED_TRACE(std::string(c.what) + ", " + m.name + ": " + run.result + " " + run.message);
    EXPECT_NE(run.result, "false");
    const bool algebraic = m.id == kMethodArea || m.id == kMethodVector || m.id == kMethodWu;
    // The angle and Groebner methods refuse a CONSTANT themselves.
    const bool takes_constant = m.id != kMethodFullAngle && m.id != kMethodGroebner;
    switch (c.expect) {
    case Expect::TrueByAlgebra:
        if (algebraic) {
            EXPECT_EQ(run.result, "true");
        }
        [[fallthrough]];
    case Expect::Sound: EXPECT_FALSE(refused_by_figures(run)); break;
    case Expect::NoRealValue:
        if (takes_constant) {
            EXPECT_NE(run.message.find(": k has no real value in any figure."), std::string::npos);
        }
        break;
    case Expect::HasRealValue: EXPECT_EQ(run.message.find("has no real value"), std::string::npos); break;
    case Expect::BeyondDoubles:
        if (takes_constant) {
            EXPECT_NE(run.message.find(": the real values of k are too large or too small for the figures to hold."),
                      std::string::npos);
        }
        break;
    }
}

void expect_classes(const std::vector<Case>& table)
{
    const CountedProverClock clock;
    for (const Case& c : table)
        for (const Method& m : kMethods)
            expect_class(c, m, prove_statement_text(c.text, m.id, kTimeLimitS));
}

TEST_F(FigureNumbersTest, BigNumbersGetTheirVerdictUnderEveryMethod) { expect_classes(big_number_cases()); }

TEST_F(FigureNumbersTest, ConstantsTakeTheirTrueRootsUnderEveryMethod) { expect_classes(exact_root_cases()); }

// A random CONSTANT equation: linear factors of known rational roots and
// quadratic factors without a real root, one of them nearly touching 0 (so
// that doubles would take its near root for one). Its text, and a
// conclusion true at each of its real roots.
struct Random_constant {
    std::string equation;
    std::string roots_product;  // the product of the linear factors
};

// (a k - b), or with + |b| for a negative b.
std::string linear(int a, int b, const char* power = "")
{
    return "(" + std::to_string(a) + " * k " + (b < 0 ? "+ " : "- ") + std::to_string(std::abs(b)) + ")" + power;
}

Random_constant random_constant(std::mt19937& rng)
{
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<std::string> factors;
    std::string product;
    for (int i = pick(1, 3); i > 0; --i) {
        const std::string f = linear(pick(1, 50), pick(-200, 200));
        factors.push_back(f);
        product += (product.empty() ? "" : " * ") + f;
    }
    for (int i = pick(1, 2); i > 0; --i) {
        // a (k - b)^2 + 1, a up to 10^15: its least value 1 is below the
        // rounding of its terms near b.
        const std::string a = "1" + std::string(static_cast<std::size_t>(pick(0, 15)), '0');
        factors.push_back("(" + a + " * " + linear(1, pick(-5, 5), " ^ 2") + " + 1)");
    }
    std::shuffle(factors.begin(), factors.end(), rng);
    Random_constant out;
    for (const std::string& f : factors)
        out.equation += (out.equation.empty() ? "" : " * ") + f;
    out.roots_product = product;
    return out;
}

TEST_F(FigureNumbersTest, NoConstantConclusionTrueAtEveryRootIsFalse)
{
    const CountedProverClock clock;
    std::mt19937 rng(3401);
    for (int n = 0; n < 24; ++n) {
        const Random_constant k = random_constant(rng);
        const std::string texts[] = {
            statement("CONSTANT " + k.equation + ";\nLRATIO D A B k 1;", "COLLINEAR A B D"),
            statement("CONSTANT " + k.equation + ";", k.roots_product + " = 0"),
        };
        for (const std::string& text : texts)
            for (int method : {kMethodArea, kMethodVector, kMethodWu}) {
                const ProveRun run = prove_statement_text(text, method, kTimeLimitS);
                SCOPED_TRACE(text + " method " + std::to_string(method) + ": " + run.result + " " + run.message);
                EXPECT_NE(run.result, "false");
                EXPECT_NE(run.result, "error");
            }
    }
}

// The roots of a CONSTANT are kept for one Prove only: a second Prove of the
// statement, under a time limit its root search does not fit alone, ends as
// it would alone.
TEST_F(FigureNumbersTest, ASecondProveGetsWhatItGetsAlone)
{
    const std::string text = statement("CONSTANT (k ^ 50) ^ 10 + k - 1;\nLRATIO D A B k 1;", "COLLINEAR A B D");
    const CountedProverClock clock;  // a millisecond a look
    ASSERT_EQ(prove_statement_text(text, kMethodArea, kTimeLimitS).result, "true");
    // Proves the statement again, as the window does, under a limit in
    // milliseconds: looks at the clock.
    const auto prove_within = [](int ms) {
        g_timelimit = ms;
        return cmd_prove();
    };
    const auto alone = [&](int ms) {
        clear_constant_roots();
        return prove_within(ms);
    };
    // The least limit the Prove fits alone.
    int short_of = 0, fits = kTimeLimitS * 1000;
    ASSERT_EQ(alone(fits), ProveEnd::Ran);
    while (fits - short_of > 1) {
        const int mid = (short_of + fits) / 2;
        (alone(mid) == ProveEnd::Ran ? fits : short_of) = mid;
    }
    ASSERT_EQ(alone(short_of), ProveEnd::TimedOut);
    // After a Prove that found the roots, one under the limit just short.
    ASSERT_EQ(prove_within(fits), ProveEnd::Ran);
    EXPECT_EQ(prove_within(short_of), ProveEnd::TimedOut);
}

// A reset gives back what the roots held, as it does every other number.
TEST_F(FigureNumbersTest, AResetForgetsTheRoots)
{
    const std::size_t empty = pool_stats().bytes_in_use;
    const CountedProverClock clock;
    ASSERT_EQ(prove_statement_text(statement("CONSTANT " + factors(30, 1) + ";" + kLratio, "COLLINEAR A B D"),
                                   kMethodArea, kTimeLimitS)
                  .result,
              "true");
    prover_reset();
    EXPECT_EQ(pool_stats().bytes_in_use, empty);
}

}  // namespace
