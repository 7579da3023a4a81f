#include <string>

#include "statement/examples.h"
#include "statement/table_dump.h"
#include "stm_fixture.h"

namespace {

using ExamplesTest = StatementTest;

TEST_F(ExamplesTest, MenuOrder)
{
    std::string ids;
    for (const auto& e : example_menu())
        ids += std::to_string(e.id) + " ";
    EXPECT_EQ(ids, "315 316 317 337 319 318 320 ");
}

TEST_F(ExamplesTest, RecordCountsAndConclusions)
{
    const struct {
        int id;
        int records;
        const char* conclusion;
    } cases[] = {
        {315, 5, "concl 151 O A C"},
        {316, 7, "concl 150 A B C H"},
        {317, 8, "concl 148 E F G"},
        {318, 13, "concl 154 A B B C A3 B3 B3 C3"},
        {319, 9, "concl 148 R P Q"},
        {320, 20, "concl 152 0 M1 M2 M3 M5"},
        {337, 8, "concl 150 F H A M"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(load_example(c.id));
        EXPECT_EQ(g_npoints, c.records);
        EXPECT_EQ(dump_conclusion(), c.conclusion);
        // Every construction names only points of lower number.
        for (int i = 1; i <= g_npoints; ++i)
            for (auto p : rec(i).pots)
                EXPECT_LT(static_cast<int>(p), i);
    }
    ASSERT_TRUE(load_example(315));
    EXPECT_EQ(dump_statement(),
              "1 A 101\n2 B 101\n3 C 101\n4 D 119 A B C C A B\n5 O 116 A C B D\nconcl 151 O A C\n");
}

TEST_F(ExamplesTest, SelectedRecords)
{
    ASSERT_TRUE(load_example(316));
    EXPECT_EQ(dump_record(6), "6 H 116 E A F B");
    EXPECT_EQ(dump_record(7), "7 T 116 A B C H");
    ASSERT_TRUE(load_example(318));
    EXPECT_EQ(dump_record(13), "13 C3 102 P A2 B2");
    ASSERT_TRUE(load_example(319));
    EXPECT_EQ(dump_record(9), "9 Q 116 A G E C");
    ASSERT_TRUE(load_example(320));
    EXPECT_EQ(dump_record(6), "6 Q1 116 P2 P5 P1 P3");
    EXPECT_EQ(dump_record(15), "15 O5 105 P5 Q4 Q5");
    EXPECT_EQ(dump_record(20), "20 M5 125 O5 Q5 O1 Q5");
    ASSERT_TRUE(load_example(337));
    EXPECT_EQ(dump_record(4), "4 F 132 A B");
    EXPECT_EQ(dump_record(5), "5 H 133 A C");
    EXPECT_EQ(dump_record(8), "8 G 119 H A C C A H");
    ASSERT_TRUE(load_example(317));
    EXPECT_EQ(dump_record(5), "5 D 113 O A");
}

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
