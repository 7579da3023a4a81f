#include <string>

#include "statement/examples.h"
#include "stm_fixture.h"

namespace {

using ExamplesTest = StatementTest;

TEST_F(ExamplesTest, OtherIdsOnlyClearTheConclusionSlots)
{
    ASSERT_TRUE(load_example(316));
    EXPECT_FALSE(load_example(321));
    EXPECT_EQ(g_concl.p, (std::array<std::uint32_t, 8>{}));
    EXPECT_EQ(g_concl.type, 150);
    EXPECT_EQ(g_npoints, 7);
}

TEST_F(ExamplesTest, TheMethodAndFlagsAreUntouched)
{
    g_method = kMethodWu;
    g_abort = 1;
    ASSERT_TRUE(load_example(320));
    EXPECT_EQ(g_method, kMethodWu);
    EXPECT_EQ(g_abort, 1);
}

}  // namespace
