// The predicate dialog: which point boxes each predicate fills, how a choice
// becomes a fact record, and the dialog's own handlers.

#include <gtest/gtest.h>

#include <QComboBox>

#include "prover_fixture.h"
#include "statement/examples.h"
#include "statement/window/fact_choice.h"

namespace {

struct ChoiceCase {
    int predicate;
    const char* text;
    const char* boxes;  // '1' where the dialog fills a box
    int kind;
    std::array<std::uint32_t, 8> p;  // for the choice 0, 1, 2, ... 7 (points 1..8)
};

// Choosing positions 0..7 in the eight boxes names points 1..8.
const ChoiceCase kChoices[] = {
    {0, "COLLINEAR", "11100000", 148, {1, 2, 3, 0, 0, 0, 0, 0}},
    {1, "PARALLEL", "11001100", 149, {1, 2, 5, 6, 0, 0, 0, 0}},
    {2, "PERPENDICULAR", "11001100", 150, {1, 2, 5, 6, 0, 0, 0, 0}},
    {3, "MIDPOINT", "11100000", 151, {1, 2, 3, 0, 0, 0, 0, 0}},
    {4, "COCIRCLE", "11110000", 152, {0, 1, 2, 3, 4, 0, 0, 0}},
    {5, "EQDISTANCE", "11001100", 153, {1, 2, 5, 6, 0, 0, 0, 0}},
    {6, "EQANGEL", "11101110", 154, {1, 2, 2, 3, 5, 6, 6, 7}},
    {7, "EQ_PRODUCT", "11111111", 155, {1, 2, 3, 4, 5, 6, 7, 8}},
    {8, "SIM_TRIANGLE", "11101110", 237, {1, 2, 3, 5, 6, 7, 0, 0}},
    {9, "CON_TRIANGLE\u00CE", "11101110", 236, {1, 2, 3, 5, 6, 7, 0, 0}},
};

class FactChoiceTable : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(FactChoiceTable, ChoiceGivesTheRecord)
{
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(predicate_choice_text(c.predicate), c.text);
    const auto used = predicate_point_boxes(c.predicate);
    for (std::size_t i = 0; i < used.size(); ++i)
        EXPECT_EQ(used[i], c.boxes[i] == '1') << "box " << i;

    FactChoice choice;
    choice.predicate = c.predicate;
    choice.points = {0, 1, 2, 3, 4, 5, 6, 7};
    Gdd_cond fact;
    fact.p.fill(99);
    fact_from_choice(choice, fact);
    EXPECT_EQ(fact.type, c.kind);
    EXPECT_EQ(fact.p, c.p);
}

INSTANTIATE_TEST_SUITE_P(Predicates, FactChoiceTable, ::testing::ValuesIn(kChoices));

TEST(FactChoice, AnUnknownPredicateOnlyEmptiesThePoints)
{
    FactChoice choice;
    choice.predicate = 10;
    Gdd_cond fact;
    fact.type = 148;
    fact.p.fill(3);
    fact_from_choice(choice, fact);
    EXPECT_EQ(fact.type, 148);
    EXPECT_EQ(fact.p, (std::array<std::uint32_t, 8>{}));
    EXPECT_EQ(predicate_choice_text(-1), "");
}

class PredicateDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_widgets_application();
        prover_reset();
        load_example(315);  // A, B, C, D, O
    }
    void TearDown() override { prover_reset(); }

    static std::vector<std::string> items(QComboBox* box)
    {
        std::vector<std::string> out;
        for (int i = 0; i < box->count(); ++i)
            out.push_back(box->itemText(i).toStdString());
        return out;
    }
};

TEST_F(PredicateDialog, StartsWithCollinearAndTheStatementsPoints)
{
    Dlg1 dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Input A Predicate");
    EXPECT_EQ(dialog.predicate_box()->count(), 10);
    EXPECT_EQ(dialog.predicate_box()->currentIndex(), 0);
    const std::vector<std::string> names{"A", "B", "C", "D", "O"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items(dialog.point_box(i)), names) << i;
        EXPECT_EQ(dialog.point_box(i)->currentIndex(), 0);
    }
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(dialog.point_box(i)->count(), 0) << i;
    const FactChoice c = dialog.choice();
    EXPECT_EQ(c.predicate, 0);
    EXPECT_EQ(c.points, (std::array<int, 8>{}));
}

TEST_F(PredicateDialog, ChangingThePredicateStartsThePointsAgain)
{
    Dlg1 dialog;
    dialog.point_box(1)->setCurrentIndex(3);
    dialog.point_chosen(1, 3);
    ASSERT_EQ(dialog.choice().points[1], 3);

    dialog.predicate_box()->setCurrentIndex(6);
    dialog.predicate_chosen(6);
    const FactChoice c = dialog.choice();
    EXPECT_EQ(c.predicate, 6);
    EXPECT_EQ(c.points, (std::array<int, 8>{}));
    const auto used = predicate_point_boxes(6);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog.point_box(i)->count(), used[static_cast<std::size_t>(i)] ? 5 : 0) << i;
        if (used[static_cast<std::size_t>(i)]) {
            EXPECT_EQ(dialog.point_box(i)->currentIndex(), 0) << i;
        }
    }
}

TEST_F(PredicateDialog, PointChoicesAreDelivered)
{
    Dlg1 dialog;
    dialog.predicate_chosen(7);
    const std::array<int, 8> picks{4, 3, 2, 1, 0, 1, 2, 3};
    for (int i = 0; i < 8; ++i)
        dialog.point_chosen(i, picks[static_cast<std::size_t>(i)]);
    // A position below 0 (nothing chosen) counts as the first point.
    dialog.point_chosen(2, -1);
    auto expected = picks;
    expected[2] = 0;
    EXPECT_EQ(dialog.choice().points, expected);
    EXPECT_EQ(dialog.choice().predicate, 7);
}

}  // namespace
