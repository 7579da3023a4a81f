// The drawing window's repaint rules and its close protocol.

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPointer>

#include "model/deleting.h"
#include "platform/dialogs.h"
#include "platform/recording_dc.h"
#include "window_test_support.h"

namespace {

class DchildPaint : public WindowTest {};
class DchildClose : public WindowTest {};

// Marks the four state fields that a repaint settles, so that a test can see
// whether the repaint ran.
void unsettle(ObjectTable& t)
{
    t.placing() = 1;
    t.recompute() = 1;
    t.state_label_style() = 7;
    t.dragged_index() = 22;
}

bool settled(ObjectTable& t)
{
    return t.placing() == 0 && t.recompute() == 0 && t.state_label_style() == 0 && t.dragged_index() == 0;
}

TEST(DchildPaintTable, RepaintRunsOnlyWhenPaintingIsEnabledAndTheModeDrawsNothingItself)
{
    struct Case {
        const char* what;
        int repaint_switch;
        int mode;
        bool runs;
    };
    const Case cases[] = {
        {"idle", 1, 0, true},
        {"construction", 1, 11, true},
        {"object-table edit", 0, 0, false},
        {"animation", 1, 26, false},
        {"step-through", 1, 207, false},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        ObjectTable& t = f.win->objects();
        t.repaint_switch() = c.repaint_switch;
        t.action_state() = c.mode;
        unsettle(t);
        f.win->invalidate(true);
        f.win->flush();
        EXPECT_EQ(settled(t), c.runs) << c.what;
        EXPECT_EQ(f.win->mouse_dc(), nullptr) << c.what << ": the repaint gives its context back";
    }
}

TEST_F(DchildPaint, PrintRepaintUsesTheGivenContextEvenDuringAnimation)
{
    t.pending_command() = 210;
    t.action_state() = 26;
    unsettle(t);
    RecordingDC printer;
    win.Paint(&printer);
    EXPECT_TRUE(settled(t));
    EXPECT_EQ(win.mouse_dc(), nullptr) << "printing takes no client context";
}

TEST_F(DchildPaint, RepaintNeverReleasesTheContextOfARunningMouseOperation)
{
    win.draw_action(3);
    DeviceContext* held = win.mouse_dc();
    ASSERT_NE(held, nullptr);
    win.invalidate(true);
    win.flush();
    EXPECT_EQ(win.mouse_dc(), held);
    EXPECT_TRUE(win.mouse_captured());
    win.draw_action(4);
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

TEST_F(DchildPaint, EraseClearsTheSurface)
{
    win.surface().set_pixel(10, 10, kRed);
    win.invalidate(false);
    win.flush();
    EXPECT_EQ(win.surface().pixel(10, 10), kRed) << "without erase the picture stays";
    win.invalidate(true);
    win.flush();
    EXPECT_EQ(win.surface().pixel(10, 10), kWhite);
}

TEST_F(DchildClose, MenuEditsMarkTheDrawingChangedAndModeCommandsDoNot)
{
    add_free_point(win, 50, 60, "A");
    const int b = add_free_point(win, 90, 60, "B");
    ASSERT_TRUE(del_point(win.diagram, b, 0, 0));
    win.modified = 0;

    win.command(101);  // choosing a construction changes nothing yet
    EXPECT_EQ(win.modified, 0);

    ASSERT_TRUE(win.command(141));  // Restore brings B back from the menu
    ASSERT_EQ(win.objects().count(), 22);
    EXPECT_EQ(win.modified, 1) << "the restored point must be saved, so closing asks";
}

TEST(DchildCloseInApp, ClosingTheMdiWindowFollowsTheAnswer)
{
    AppFixture f;
    Dchild* win = g_active_draw;
    ASSERT_NE(win, nullptr);
    QPointer<QWidget> alive(win);
    win->modified = 1;

    f.ui.boxes.push_answer(MessageResult::Cancel);
    win->parentWidget()->close();
    process_deferred_deletes();
    ASSERT_FALSE(alive.isNull()) << "Cancel keeps the window";
    EXPECT_EQ(g_active_draw, win);

    f.services.save_succeeds = false;
    f.ui.boxes.push_answer(MessageResult::Yes);
    win->parentWidget()->close();
    process_deferred_deletes();
    ASSERT_FALSE(alive.isNull()) << "a failed save keeps the window";

    f.ui.boxes.push_answer(MessageResult::No);
    win->parentWidget()->close();
    process_deferred_deletes();
    EXPECT_TRUE(alive.isNull()) << "No closes and releases the window";
    EXPECT_EQ(g_active_draw, nullptr) << "no reference to a closed window";
}

TEST(DchildCloseInApp, ClosingTheBlockOwnerMakesPasteUnavailable)
{
    AppFixture f;
    Dchild* owner = g_active_draw;
    owner->command(452);  // Copy the Current Block
    ASSERT_EQ(g_block_owner, owner);
    f.client().CmFileNew();
    Dchild* other = g_active_draw;
    EXPECT_TRUE(other->enabler_rule(CommandEnabler::Paste));
    owner->parentWidget()->close();
    process_deferred_deletes();
    EXPECT_EQ(g_block_owner, nullptr);
    EXPECT_FALSE(other->enabler_rule(CommandEnabler::Paste));
}

TEST(AppClose, RefusedWhileTheProverIsOpen)
{
    AppFixture f;
    auto prover = std::make_unique<QWidget>();
    g_prover_app = prover.get();
    g_active_draw->modified = 1;
    EXPECT_FALSE(f.app->CanClose());
    ASSERT_EQ(f.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(f.ui.boxes.asked()[0].text, "Please close the prover first.");
    EXPECT_EQ(f.ui.boxes.asked()[0].buttons, MessageButtons::Ok);

    f.app->frame()->close();
    process_deferred_deletes();
    EXPECT_TRUE(f.app->frame()->isVisible()) << "the frame stays open";
    EXPECT_EQ(f.client().children().size(), 1u);

    prover.reset();
    EXPECT_TRUE(prover_flag_clear()) << "a closed prover window leaves no reference";
}

TEST(AppClose, AsksEveryDrawingAndStopsAtTheFirstRefusal)
{
    AppFixture f;
    Dchild* first = g_active_draw;
    f.client().CmFileNew();
    Dchild* second = g_active_draw;
    f.client().CmFileNew();
    first->modified = 1;
    second->modified = 1;
    f.ui.boxes.push_answer(MessageResult::No);
    f.ui.boxes.push_answer(MessageResult::Cancel);
    EXPECT_FALSE(f.app->CanClose());
    EXPECT_EQ(f.ui.boxes.asked().size(), 2u);
    EXPECT_EQ(f.client().children().size(), 3u) << "every window stays with its data";
    EXPECT_EQ(first->objects().count(), 20);

    f.ui.boxes.push_answer(MessageResult::No);
    f.ui.boxes.push_answer(MessageResult::No);
    EXPECT_TRUE(f.app->CanClose());
}

}  // namespace
