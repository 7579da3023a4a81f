// The Script Manager that the program opens at start: it lists the active
// drawing's objects and follows constructions, a deletion and a restore.

#include <gtest/gtest.h>

#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kMidpoint = 103;
constexpr int kDeletePoint = 140;
constexpr int kRestore = 141;

std::vector<std::string> listed() { return g_script_mgr ? g_script_mgr->lines() : std::vector<std::string>{}; }

// The lines the Script Manager shows when it lists the drawing anew: the
// lines it keeps in step must never differ from these.
std::vector<std::string> refilled()
{
    const std::vector<std::string> kept = listed();
    g_script_mgr->Refill();
    std::vector<std::string> fresh = listed();
    EXPECT_EQ(kept, fresh);
    return fresh;
}

TEST(ScriptManagerFlow, ListsEveryObjectAndFollowsDeleteAndRestore)
{
    RunningApp r;
    ASSERT_NE(g_script_mgr, nullptr) << "the program opens the Script Manager at start";
    EXPECT_EQ(g_script_mgr->windowType(), Qt::Tool) << "kept above the frame";
    EXPECT_EQ(g_script_mgr->parentWidget(), r.app->frame());
    EXPECT_TRUE(r.app->menu_action(188)->isCheckable());
    r.app->EvInitMenu();
    EXPECT_TRUE(r.app->menu_action(188)->isChecked());
    EXPECT_TRUE(listed().empty());

    r.command(kPoint);
    r.click({100, 100});
    r.click({300, 120});
    r.right_click();
    r.command(kMidpoint);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();
    EXPECT_EQ(listed(), (std::vector<std::string>{"0: A: a free point", "1: B: a free point",
                                                  "2: C= midpoint(AB)", "3: line: AB"}));
    EXPECT_EQ(listed(), refilled());

    // A point that others are built on is not deleted.
    ASSERT_TRUE(r.command(kDeletePoint));
    r.ui.boxes.push_answer(MessageResult::Yes);
    r.click_on(r.find("A"));
    EXPECT_EQ(r.ui.boxes.asked().back().text, "Can't delete the point");
    EXPECT_EQ(listed().size(), 4u);

    // The midpoint goes, after the question.
    r.ui.boxes.push_answer(MessageResult::Yes);
    r.click_on(r.find("C"));
    EXPECT_EQ(r.ui.boxes.asked().back().text, "Are you sure?");
    r.right_click();
    EXPECT_EQ(r.find("C"), 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{"0: A: a free point", "1: B: a free point", "2: line: AB"}));
    EXPECT_EQ(listed(), refilled());

    // Restore puts it back at the end of the table, and its line at the end of the list.
    ASSERT_TRUE(r.command(kRestore));
    EXPECT_EQ(r.find("C"), 23);
    EXPECT_EQ(listed(), (std::vector<std::string>{"0: A: a free point", "1: B: a free point", "2: line: AB",
                                                  "3: C= midpoint(AB)"}));
    EXPECT_EQ(listed(), refilled());
    EXPECT_DOUBLE_EQ(r.table()[23].x, 200.0);
}

}  // namespace
