#include "poly_test_util.h"

using namespace polytest;

namespace {

class VariablesTest : public PolyTest {
protected:
    void SetUp() override
    {
        PolyTest::SetUp();
        prover_init();
        g_trace = 0;
        const char* names[] = {"", "A", "B", "C", "D", "E"};
        for (int i = 1; i <= 5; ++i)
            g_pro_points[static_cast<std::size_t>(i)].name = names[i];
        g_method = kMethodArea;
    }
    void TearDown() override
    {
        prover_init();
        PolyTest::TearDown();
    }
};

constexpr int A = 1, B = 2, C = 3, D = 4, E = 5;

TEST_F(VariablesTest, InterningSharesRecords)
{
    var_rec* w = mk_var_name("w");
    EXPECT_EQ(mk_cvar("w"), w);
    EXPECT_EQ(w->type, kVarNamed);  // the first one made stays
    var_rec* k = mk_cvar("k");
    EXPECT_EQ(mk_var_name("k"), k);
    EXPECT_EQ(k->type, kVarParam);
    EXPECT_NE(mk_var_name("w"), mk_var_name("w2"));
    EXPECT_EQ(mk_var(kVarArea, A, B, C, C), mk_var(kVarArea, A, B, C, C));
    EXPECT_NE(mk_var(kVarArea, A, B, C, C), mk_var(-kVarArea, A, B, C, C));
    EXPECT_NE(mk_var(kVarArea, A, B, C, C), mk_var(kVarArea, A, C, B, C));
    const std::size_t n = var_count();
    mk_var(kVarArea, A, B, C, C);
    EXPECT_EQ(var_count(), n);
    // Names longer than eight characters are kept whole.
    EXPECT_EQ(mk_var_name("longername12")->name, "longername12");
    EXPECT_NE(mk_var_name("longername12"), mk_var_name("longername13"));
}

TEST_F(VariablesTest, ReversedRatiosAreNeitherBelowTheOther)
{
    var_rec* r1 = mk_var(kVarRatio, A, B, C, D);  // A < C
    var_rec* r2 = mk_var(kVarRatio, C, D, A, B);
    EXPECT_NE(r1, r2);
    EXPECT_FALSE(vless(r1, r2));
    EXPECT_FALSE(vless(r2, r1));
}

}  // namespace
