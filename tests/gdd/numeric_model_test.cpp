// Numeric instances of statements, the predicates tested in them, and the
// database method refusing a conclusion that is false in the figure.

#include "chain_fixture.h"
#include "prover/numeric_figure.h"

namespace chaintest {
namespace {

using NumericTest = ChainTest;

Gdd_cond fact(int kind, std::array<int, 8> p)
{
    Gdd_cond f;
    f.type = kind;
    for (std::size_t i = 0; i < 8; ++i)
        f.p[i] = static_cast<std::uint32_t>(p[i]);
    return f;
}

// Each construction's point, computed in an instance, has the construction's
// properties.
TEST_F(NumericTest, ConstructionsHaveTheirPropertiesInTheInstance)
{
    struct Case {
        const char* line;           // a construction of X on the free points A..F
        std::vector<Gdd_cond> props;  // in conclusion layout, points by number
    };
    enum { A = 1, B, C, D, E, F, X };
    const Case cases[] = {
        {"FOOT X A B C;", {fact(148, {X, B, C}), fact(150, {X, A, B, C})}},
        {"MIDPOINT X A B;", {fact(151, {X, A, B})}},
        {"CIRCUMCENTER X A B C;", {fact(153, {X, A, X, B}), fact(153, {X, A, X, C})}},
        {"ORTHOCENTER X A B C;", {fact(150, {X, A, B, C}), fact(150, {X, B, A, C})}},
        {"EQ_TRIANGLE X A B;", {fact(153, {X, A, A, B}), fact(153, {X, B, A, B})}},
        {"ON_LINE X A B;", {fact(148, {X, A, B})}},
        {"ON_PLINE X A B C;", {fact(149, {X, A, B, C})}},
        {"ON_TLINE X A B C;", {fact(150, {X, A, B, C})}},
        {"ON_CIRCLE X A B;", {fact(153, {A, X, A, B})}},
        {"INTERSECTION_LL X A B C D;", {fact(148, {X, A, B}), fact(148, {X, C, D})}},
        {"INTERSECTION_LP X A B C D E;", {fact(148, {X, A, B}), fact(149, {X, C, D, E})}},
        {"INTERSECTION_LT X A B C D E;", {fact(148, {X, A, B}), fact(150, {X, C, D, E})}},
        {"INTERSECTION_PP X A B C D E F;", {fact(149, {X, A, B, C}), fact(149, {X, D, E, F})}},
        {"INTERSECTION_TT X A B C D E F;", {fact(150, {X, A, B, C}), fact(150, {X, D, E, F})}},
        // The second common point with a circle through a point already placed.
        {"INTERSECTION_LC X A B C A;", {fact(148, {X, A, B}), fact(153, {C, X, C, A})}},
        {"INTERSECTION_CC X A B C B;", {fact(153, {A, X, A, B}), fact(153, {C, X, C, B})}},
        {"SYM X A B;", {fact(151, {A, X, B})}},
        {"PSQUARE X A B;", {fact(150, {X, A, A, B}), fact(153, {A, X, A, B})}},
        {"NSQUARE X A B;", {fact(150, {X, A, A, B}), fact(153, {A, X, A, B})}},
    };
    for (const Case& c : cases) {
        read(std::string("POINT A B C D E F;\n") + c.line, "NO.");
        ASSERT_EQ(g_npoints, X) << c.line;
        const auto inst = numeric_instance(3, g_npoints);
        ASSERT_TRUE(inst.has_value()) << c.line;
        for (const Gdd_cond& f : c.props)
            EXPECT_EQ(numeric_fact_holds(f, *inst), 1) << c.line << " kind " << f.type;
    }
}

TEST_F(NumericTest, PredicatesAreTestedWithTheirDegenerateCases)
{
    read("POINT A B C;\nMIDPOINT M A B;\nFOOT D C A B;", "NO.");
    enum { A = 1, B, C, M, D };
    const auto inst = numeric_instance(9, g_npoints);
    ASSERT_TRUE(inst.has_value());
    struct Case {
        Gdd_cond f;
        int holds;
    };
    const Case cases[] = {
        {fact(148, {A, M, B}), 1},          {fact(148, {A, M, C}), 0},
        {fact(150, {C, D, A, B}), 1},       {fact(149, {C, D, A, B}), 0},
        {fact(151, {M, B, A}), 1},          {fact(151, {D, A, B}), 0},
        {fact(153, {M, A, B, M}), 1},       {fact(153, {C, A, C, B}), 0},
        {fact(150, {A, A, C, D}), 1},       {fact(148, {A, A, C}), 1},  // a line of no length: 0 as a polynomial
        {fact(154, {A, B, B, C, A, B, B, C}), 1},
        {fact(154, {C, D, D, A, C, D, D, B}), 1},  // both right angles
        {fact(154, {A, C, C, B, B, C, C, A}), 0},
        {fact(1112, {}), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numeric_fact_holds(c.f, *inst), c.holds) << c.f.type << " " << c.f.p[0] << c.f.p[1] << c.f.p[2];
}

TEST_F(NumericTest, StatementsWithoutANumericMeaningGiveNoInstance)
{
    // A hypothesis predicate constrains points already placed.
    read("POINT A B C D;\nPERPENDICULAR A B C D;", "NO.");
    EXPECT_FALSE(numeric_instance(1, g_npoints).has_value());
    // A degenerate figure: the midpoint of a segment of no length.
    read("POINT A B;\nMIDPOINT M A A;", "NO.");
    EXPECT_FALSE(numeric_instance(1, g_npoints).has_value());
    EXPECT_FALSE(numerically_false(fact(148, {1, 2, 3}), g_npoints));
}

TEST_F(NumericTest, PointFallingOntoAnEarlierPointIsFound)
{
    // Lines AB and AC meet at A itself; the foot of C on AB is a point of
    // its own; the mirror image of A in the midpoint of AB is B.
    read("POINT A B C;\nMIDPOINT M A B;\nFOOT Y C A B;\nINTERSECTION_LL X A B A C;", "NO.");
    EXPECT_TRUE(numeric_point_coincides(pt("X")));
    EXPECT_FALSE(numeric_point_coincides(pt("Y")));
    EXPECT_FALSE(numeric_point_coincides(pt("M")));
    read("POINT A B C;\nMIDPOINT M A B;\nSYM Z M A;", "NO.");
    EXPECT_TRUE(numeric_point_coincides(pt("Z")));
    // A point after one that coincided: the figure before it is degenerate,
    // nothing can be told.
    read("POINT A B C;\nINTERSECTION_LL X A B A C;\nFOOT Y C A B;", "NO.");
    EXPECT_FALSE(numeric_point_coincides(pt("Y")));
    EXPECT_FALSE(numeric_point_coincides(1));
    EXPECT_FALSE(numeric_point_coincides(kProPointCount));
}

TEST_F(NumericTest, ConclusionFalseInTheFigureIsNotCalledProved)
{
    // A false fact among the hypotheses stands for a database that an
    // auxiliary point made inconsistent: it holds the false conclusion.
    read("POINT A B C;\nMIDPOINT D A B;\nMIDPOINT E A C;", "PARALLEL D E A B.");
    enter_hypotheses();
    add_pline(0, pt("D"), pt("E"), pt("A"), pt("B"));
    out.clear();
    run_gdd_method(concl_holds);
    EXPECT_TRUE(concl_holds());
    EXPECT_EQ(g_result, 2);
    EXPECT_NE(out.text().find("The theorem is not in the database."), std::string::npos);
    EXPECT_EQ(out.text().find("Problem Is True"), std::string::npos);
}

TEST_F(NumericTest, TrueConclusionsOfTheBuiltInExamplesAreTrueInTheirInstances)
{
    for (const char* stm : {"POINT A B C;\nFOOT E A B C;\nFOOT F B A C;\nINTERSECTION_LL H E A F B;",
                            "POINT A B C;\nCIRCUMCENTER O A B C;\nON_CIRCLE D O A;\nFOOT E D A B;\n"
                            "FOOT F D A C;\nFOOT G D B C;"}) {
        read(stm, "NO.");
        const auto inst = numeric_instance(5, g_npoints);
        ASSERT_TRUE(inst.has_value()) << stm;
        if (g_npoints == 6)  // orthocentre: CH perpendicular to AB
            EXPECT_EQ(numeric_fact_holds(fact(150, {3, 6, 1, 2}), *inst), 1);
        else  // Simson line
            EXPECT_EQ(numeric_fact_holds(fact(148, {6, 7, 8}), *inst), 1);
    }
}

}  // namespace
}  // namespace chaintest
