// The built-in examples through the forward chaining: every fact the
// database derives is true in numeric models of the figure, the theorems the
// rules reach are proved, and false variants of them are not.

#include <algorithm>

#include "chain_fixture.h"
#include "prover/numeric_figure.h"
#include "statement/examples.h"

namespace chaintest {
namespace {

struct ExampleCase {
    int id;
    bool proved_by_fixpoint;  // the conclusion holds after forward chaining alone
};

class ExampleTest : public ChainTest, public ::testing::WithParamInterface<ExampleCase> {
protected:
    void SetUp() override
    {
        ChainTest::SetUp();
        ASSERT_TRUE(load_example(GetParam().id));
        enter_hypotheses();
    }
};

TEST_P(ExampleTest, EveryDerivedFactIsTrueAndTheTheoremIsReached)
{
    forward();
    EXPECT_TRUE(g_cond_queue.empty());
    for (unsigned seed : {1u, 2u, 3u}) {
        const auto bad = ModelCheck(model(seed)).false_records();
        EXPECT_TRUE(bad.empty()) << "seed " << seed << ": " << (bad.empty() ? "" : bad.front());
    }
    EXPECT_EQ(concl_holds(), GetParam().proved_by_fixpoint);
}

// The theorem is true in the figure: the method's numeric check does not
// stand in its way.
TEST_P(ExampleTest, ConclusionIsTrueInNumericInstances)
{
    for (unsigned seed : {1u, 2u}) {
        const auto inst = numeric_instance(seed, g_npoints);
        ASSERT_TRUE(inst.has_value());
        EXPECT_EQ(numeric_fact_holds(g_concl, *inst), 1);
    }
    EXPECT_FALSE(numerically_false(g_concl, g_npoints));
    if (GetParam().proved_by_fixpoint) {
        run_gdd_method(concl_holds);
        EXPECT_EQ(g_result, 1);
    }
}

// Every conclusion made from the example's by putting another point of the
// figure in one place, that is false in the model, does not hold in the
// saturated database. (A point already in the conclusion would make it
// degenerate, which the fact tests take as true.)
TEST_P(ExampleTest, FalseVariantsOfTheConclusionDoNotHold)
{
    forward();
    const ModelCheck m1(model(1)), m2(model(2));
    const Gdd_cond original = g_concl;
    auto in_concl = [&](int r) {
        return std::find(original.p.begin(), original.p.end(), static_cast<std::uint32_t>(r)) != original.p.end();
    };
    int variants = 0;
    for (std::size_t slot = 0; slot < 8; ++slot) {
        // Equal angles [p1p2, p2p4] = [p5p6, p6p8] keep their shared points.
        if (original.p[slot] == 0 || (original.type == 154 && (slot == 2 || slot == 6)))
            continue;
        for (int r = 1; r <= g_npoints; ++r) {
            if (in_concl(r))
                continue;
            Gdd_cond v = original;
            v.p[slot] = static_cast<std::uint32_t>(r);
            if (v.type == 154) {
                v.p[2] = v.p[1];
                v.p[6] = v.p[5];
            }
            std::array<int, 8> pts{};
            for (std::size_t i = 0; i < 8; ++i)
                pts[i] = static_cast<int>(v.p[i]);
            if (m1.holds(v.type, pts) || m2.holds(v.type, pts))
                continue;
            ++variants;
            EXPECT_FALSE(gdd_fact_holds(v)) << "slot " << slot << " point " << r;
        }
    }
    EXPECT_GT(variants, 0);
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, ExampleTest,
                         ::testing::Values(ExampleCase{315, true}, ExampleCase{316, true}, ExampleCase{317, true},
                                           ExampleCase{318, true}, ExampleCase{319, false},
                                           ExampleCase{320, true}, ExampleCase{337, false}),
                         [](const auto& info) { return "Example" + std::to_string(info.param.id); });

}  // namespace
}  // namespace chaintest
