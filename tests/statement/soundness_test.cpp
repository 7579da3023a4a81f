// Randomized soundness of the six proving methods: generated statements,
// every verdict checked against the test's own numeric figures.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "soundness_run.h"

namespace {

using namespace soundness;

std::string stm(std::string_view hyps, std::string_view show)
{
    return "EXAMPLE t\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + ".\n";
}

// The numeric model itself, on statements whose truth is known.
TEST(SoundnessFigures, KnownStatements)
{
    const struct {
        std::string_view hyps, show;
        Truth truth;
    } cases[] = {
        {"POINT A B C; CIRCUMCENTER O A B C;", "MIDPOINT O A B", Truth::Fails},
        {"POINT A B C; CIRCUMCENTER O A B C;", "EQDISTANCE O A O C", Truth::Holds},
        {"POINT A B C; INTERSECTION_LL H B C A B;", "COLLINEAR A C H", Truth::Degenerate},
        {"POINT A B C; MIDPOINT E B C; INTERSECTION_LL H E C A B;", "COLLINEAR A B C", Truth::Degenerate},
        {"CIRCLE A B C D; INTERSECTION_LS X D C A B C;", "EQANGEL A B C A B D", Truth::Degenerate},
        {"POINT A B C D; INTERSECTION_LP X D B D C A;", "EQDISTANCE X A A A", Truth::Degenerate},
        {"POINT A B; INTERSECTION_LL X A B A B;", "COLLINEAR X A B", Truth::Degenerate},
        {"POINT A B C; INTERSECTION_LP X A B C A B;", "COLLINEAR X A B", Truth::Degenerate},
        {"POINT A B C; FOOT D A B C; FOOT E B A C; INTERSECTION_LL G A D B E; ORTHOCENTER H A B C;",
         "PARALLEL A B A C", Truth::Degenerate},
        {"POINT A B C D; PARALLEL A B C D;", "PARALLEL C D A B", Truth::Holds},
        {"POINT A B C D; PERPENDICULAR A B C D;", "PERPENDICULAR A C B D", Truth::Fails},
        {"POINT A B C D; PERPENDICULAR A B A B;", "COLLINEAR A B C", Truth::Degenerate},
        {"POINT A B C; ORTHOCENTER H A B C;", "PERPENDICULAR A H B C", Truth::Holds},
        {"POINT A B C D E; ON_ALINE X A B C D E;", "EQANGEL X A B C D E", Truth::Holds},
        {"POINT A B C; ON_ALINE D B C A A A;", "COLLINEAR D B C", Truth::Degenerate},
        {"POINT A B I; INCENTER X A B I;", "EQANGEL X A I I A B", Truth::Holds},
        {"POINT A B; EQ_TRIANGLE X A B;", "EQDISTANCE X A A B", Truth::Holds},
        {"POINT A O Q; INTERSECTION_CC X O A Q A;", "PERPENDICULAR X A O Q", Truth::Holds},
        {"POINT A B O; INTERSECTION_LC X A B O A;", "EQDISTANCE O X O A", Truth::Holds},
        {"POINT A B C D E F; INTERSECTION_SS X A B C D E F;", "COCIRCLE X A B C", Truth::Holds},
        {"POINT A B C; INTERSECTION_SS X A B C A B D;", "COCIRCLE X A B C", Truth::Degenerate},
        {"POINT A O B; INVERSION X A O B;", "EQ_PRODUCT O A O X O B O B", Truth::Holds},
        {"POINT A B C; REFLECTION X A B C;", "EQDISTANCE B X B A", Truth::Holds},
        {"POINT A B; PSQUARE X A B; NSQUARE Y A B;", "MIDPOINT A X Y", Truth::Holds},
        {"POINT A B C; PRATIO X A B A 1 2; PRATIO Y A A B 1 2;", "MIDPOINT A X Y", Truth::Holds},
        {"POINT A B; MRATIO X A B 1 -1;", "COLLINEAR X A B", Truth::Degenerate},
        {"POINT A B C; FOOT D A B C;", "(PY A D B) = 0", Truth::Holds},
        {"POINT A B C; MIDPOINT M B C;", "(AREA A B M) = (AREA A M C)", Truth::Holds},
        {"POINT A B C; MIDPOINT M B C;", "RATIO B M M C = 1", Truth::Holds},
        {"POINT A B C; MIDPOINT M B C;", "RATIO B M B C = 1", Truth::Fails},
        {"POINT O A B C; ON_CIRCLE X O A; ON_CIRCLE Y O A;", "TANGENT O X O Y", Truth::Holds},
        {"POINT A B C; CENTROID G A B C; MIDPOINT M B C;", "COLLINEAR A G M", Truth::Holds},
        {"POINT A B C; ON_TLINE X A B C; ON_PLINE Y A B C; ON_BLINE Z B C;", "PERPENDICULAR X A A Y",
         Truth::Holds},
        {"POINT A B C; INTERSECTION_LR X A B C A B;", "EQDISTANCE X C A B", Truth::Holds},
        {"POINT A B C; SYM X A B;", "ANGLE X B B C = ANGLE A B B C", Truth::Holds},
    };
    for (const auto& c : cases) {
        const std::string text = stm(c.hyps, c.show);
        SCOPED_TRACE(text);
        const Statement s = statement_from_text(text);
        EXPECT_EQ(statement_from_text(s.text()).text(), s.text());
        EXPECT_EQ(judge(s, 7).truth, c.truth);
    }
}

// Predicate versions: the figures build the construction each stands for,
// with either turn where the predicates allow both, and leave out what its
// predicates might meet otherwise when the construction has no solution.
TEST(SoundnessFigures, PredicateVersions)
{
    const struct {
        std::string_view hyps, show, constructions;
        Truth truth;
    } cases[] = {
        {"POINT A B C; POINT D; PARALLEL D A B C; PARALLEL D C A B;", "EQDISTANCE A B C D",
         "INTERSECTION_PP D A B C C A B;", Truth::Holds},
        {"POINT A B C; POINT D; PARALLEL D A B C; PARALLEL D C A B;", "PARALLEL A C B D",
         "INTERSECTION_PP D A B C C A B;", Truth::Fails},
        {"POINT C D E; POINT X; COLLINEAR X E D; COLLINEAR X C E;", "EQDISTANCE E X E E",
         "INTERSECTION_LL X E D C E;", Truth::Degenerate},
        // Identical lines: X anywhere on AB meets the predicates.
        {"POINT A B; POINT X; COLLINEAR X A B; COLLINEAR X B A;", "COLLINEAR X A B",
         "INTERSECTION_LL X A B B A;", Truth::Unknown},
        // X turns the other way from Y, or is Y.
        {"POINT A B; EQ_TRIANGLE Y A B; POINT X; EQDISTANCE X A A B; EQDISTANCE X B A B;", "PERPENDICULAR X Y A B",
         "EQ_TRIANGLE X A B;", Truth::Holds},
        {"POINT A B; PSQUARE Y A B; POINT X; PERPENDICULAR A X A B; EQDISTANCE A X A B;", "MIDPOINT A X Y",
         "PSQUARE X A B;", Truth::Holds},
        // Both lines through B wherever X1 is on its circle: X3 is B.
        {"POINT A B C; MIDPOINT X0 A C; ON_CIRCLE X1 C B; ORTHOCENTER X2 B C X1; POINT X3; "
         "PERPENDICULAR X3 B A X0; PERPENDICULAR X3 X2 X1 C;",
         "PARALLEL X3 C C B", "INTERSECTION_TT X3 B A X0 X2 X1 C;", Truth::Degenerate},
    };
    for (const auto& c : cases) {
        const std::string text = stm(c.hyps, c.show) + "CONSTRUCTIONS: " + std::string(c.constructions) + "\n";
        SCOPED_TRACE(text);
        const Statement s = statement_from_text(text);
        EXPECT_EQ(s.text(), statement_from_text(s.text()).text());
        EXPECT_EQ(std::count_if(s.lines.begin(), s.lines.end(), [](const Line& l) { return l.as_predicates; }), 1);
        EXPECT_EQ(judge(s, 7).truth, c.truth);
    }
}

// Each predicate of a construction's form holds in the construction's figures.
TEST(SoundnessFigures, PredicateFormsHoldOfTheirConstruction)
{
    const std::vector<std::string> names{"A", "B", "C", "D", "E", "F"};
    int forms = 0;
    for (const std::string& keyword : construction_keywords()) {
        const int parents = construction_parent_count(keyword);
        const Line construction{keyword, "X", {names.begin(), names.begin() + parents}};
        for (const Line& predicate : predicate_form(construction)) {
            ++forms;
            Statement s = statement_from_text(stm("POINT A B C D E F;", "NO"));
            s.lines.push_back(construction);
            s.conclusion = {predicate.keyword, predicate.args, {}, {}};
            SCOPED_TRACE(s.text());
            EXPECT_EQ(judge(s, 3).truth, Truth::Holds);
        }
    }
    EXPECT_GT(forms, 40);
    // A form whose line has a point named twice asks nothing: there is none.
    EXPECT_TRUE(predicate_form(Line{"MIDPOINT", "X", {"A", "A"}}).empty());
    EXPECT_FALSE(predicate_form(Line{"INTERSECTION_LC", "X", {"A", "B", "O", "A"}}).empty());
}

TEST(Soundness, GeneratedStatementsUnderEveryMethod)
{
    constexpr int kStatements = 30;
    constexpr std::uint64_t kSeed = 20261207;
    RunOptions options;
    options.methods = all_methods();
    // Time checks, not milliseconds: every run but one needs fewer than
    // 250,000; the one Groebner run that grows ends at the limit on any machine.
    options.counted_clock = true;
    options.time_limit_ms = 3000000;
    options.minimize = false;
    Generator generator(kSeed);
    std::map<std::string, int> truths;
    for (int n = 0; n < kStatements; ++n) {
        const Statement s = generator.next();
        const Checked c = check(s, kSeed + n, options);
        ++truths[std::to_string(static_cast<int>(c.judgement.truth))];
        for (const auto& f : c.findings)
            ADD_FAILURE() << f.kind << " under " << f.method << ": " << f.why << "\n" << f.statement << f.detail;
    }
    // The run meets true, false and ill-posed statements alike.
    EXPECT_GT(truths["0"], 0);
    EXPECT_GT(truths["1"], 0);
    EXPECT_GT(truths["2"], 0);
}

// Every keyword of the language is generated, ill-posed shapes included.
TEST(Soundness, GeneratorCoversTheLanguage)
{
    Generator generator(1);
    std::set<std::string> constructions, conclusions, predicate_constructions;
    int degenerate = 0, predicate_versions = 0, after_freedom = 0, degenerate_after_freedom = 0;
    for (int n = 0; n < 300; ++n) {
        const Statement s = generator.next();
        EXPECT_EQ(statement_from_text(s.text()).text(), s.text());
        bool as_predicates = false, freedom = false, predicates_after_freedom = false;
        for (const auto& l : s.lines) {
            constructions.insert(l.keyword);
            if (l.as_predicates)
                predicate_constructions.insert(l.keyword);
            as_predicates = as_predicates || l.as_predicates;
            // The reader numbers the point of such a line before the point
            // on a line or circle it follows.
            predicates_after_freedom = predicates_after_freedom || (l.as_predicates && freedom);
            freedom = freedom || l.keyword.starts_with("ON_");
        }
        predicate_versions += as_predicates;
        conclusions.insert(s.conclusion.keyword);
        const bool ill_posed = judge(s, n).truth == Truth::Degenerate;
        degenerate += ill_posed;
        after_freedom += predicates_after_freedom;
        degenerate_after_freedom += predicates_after_freedom && ill_posed;
    }
    for (const auto& k : construction_keywords())
        EXPECT_TRUE(constructions.count(k)) << k;
    EXPECT_GT(predicate_versions, 60);
    EXPECT_GT(predicate_constructions.size(), 25u);
    for (const auto& k : conclusion_keywords())
        EXPECT_TRUE(conclusions.count(k)) << k;
    for (const char* k : {"POINT", "CIRCLE", "COLLINEAR", "PARALLEL", "PERPENDICULAR", "EQDISTANCE", "EQANGEL",
                          "COCIRCLE"})
        EXPECT_TRUE(constructions.count(k)) << k;
    EXPECT_GT(degenerate, 20);
    // Among them points whose two lines meet at a named point.
    EXPECT_GT(after_freedom, 30);
    EXPECT_GT(degenerate_after_freedom, 20);
}

}  // namespace
