// Blocks: beginning, selecting, deleting and uniting them; copying a part or
// a block and pasting it as a new block.

#include <gtest/gtest.h>

#include "model/deleting.h"
#include "mouse_fixture.h"

namespace {

class Blocks : public WindowTest {};
class PartCopy : public WindowTest {};
class CopyPaste : public WindowTest {};

TEST_F(Blocks, NewDrawingAndNewBlocks)
{
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(t.block_count(), 1);
    win.command(203);
    win.command(203);
    EXPECT_EQ(t.current_block(), 3);
    EXPECT_EQ(t.block_count(), 3);
    EXPECT_FALSE(win.repaint_pending());
    win.command(205);
    EXPECT_EQ(t.current_block(), 0);
    win.command(204);
    EXPECT_EQ(t.action_state(), 204);
    EXPECT_EQ(t.pending_command(), 204);
    EXPECT_EQ(f.pane(1), "Use\u201C\u2191\u201Dkey or \u201C\u2193\u201Dkey to select blocks");
    EXPECT_TRUE(win.repaint_pending());
}

// Three points in each of blocks 1, 2 and 3.
void three_blocks(Dchild& win)
{
    ObjectTable& t = win.objects();
    for (int b = 1; b <= 3; ++b)
        for (int i = 0; i < 3; ++i) {
            const int k = add_free_point(win, 50 + 40 * i, 50 * b, ("P" + std::to_string(b * 10 + i)).c_str());
            t[k].block = static_cast<std::int8_t>(b);
        }
    t.block_count() = 3;
}

TEST_F(Blocks, DeletingABlockClosesTheGap)
{
    three_blocks(win);
    t.current_block() = 2;
    win.command(206);
    ASSERT_EQ(t.count(), 26);
    for (int i = 20; i < 23; ++i)
        EXPECT_EQ(t[i].block, 1);
    for (int i = 23; i < 26; ++i) {
        EXPECT_EQ(t[i].block, 2) << "block 3 became block 2";
        EXPECT_EQ(t[i].name_view().substr(0, 2), "P3");
    }
    EXPECT_EQ(t.block_count(), 2);
    EXPECT_EQ(t.current_block(), 2);
}

TEST_F(Blocks, DeletingAllBlocksDeletesEveryObject)
{
    three_blocks(win);
    win.command(205);
    win.command(206);
    EXPECT_EQ(t.count(), 20);
    EXPECT_EQ(t.block_count(), 2);
    EXPECT_EQ(t.current_block(), 2);

    win.command(206);  // nothing left: nothing happens
    EXPECT_EQ(t.block_count(), 2);
}

TEST_F(Blocks, UnitingPutsEverythingInBlockOne)
{
    three_blocks(win);
    t.current_block() = 3;
    win.command(299);
    EXPECT_EQ(t.block_count(), 1);
    EXPECT_EQ(t.current_block(), 1);
    for (int i = 20; i < t.count(); ++i)
        EXPECT_EQ(t[i].block, 1);
}

// Points A, B, C, D of block 1, the circle about A through B, the segment
// C D and the triangle fill A B C.
struct PartSource {
    int a, b, c, d, circle, segment, fill;
};

PartSource part_source(Dchild& win)
{
    PartSource s{};
    s.a = add_free_point(win, 100, 100, "A");
    s.b = add_free_point(win, 200, 100, "B");
    s.c = add_free_point(win, 150, 200, "C");
    s.d = add_free_point(win, 250, 220, "D");
    s.circle = add_object(win, 136, 2, {s.a, s.b});
    s.segment = add_object(win, 135, 2, {s.c, s.d});
    s.fill = add_object(win, 143, 3, {s.a, s.b, s.c});
    win.objects()[s.fill].name_dx = 4;
    return s;
}

void click(Dchild& win, const Dpoint& p)
{
    const DevPoint where = at(p);  // the press may move the table's records
    win.EvLButtonDown(where);
    win.EvLButtonUp(where);
}

TEST_F(PartCopy, ClickedOutlineWithWhatStandsOnItBecomesANewBlock)
{
    const PartSource s = part_source(win);
    win.command(451);
    ASSERT_EQ(t.action_state(), 451);
    EXPECT_EQ(t.current_block(), 2);
    EXPECT_EQ(f.pane(1), "Use left button to select point(Use Right button to stop)");
    for (int k : {s.a, s.b, s.c, s.a})
        click(win, t[k]);
    EXPECT_EQ(t[s.a].block, -1) << "a clicked source point is marked";

    // Copies A, B, C (blue, size 2) with segments A-B, B-C, C-A.
    ASSERT_EQ(t.count(), 27 + 3 + 3);
    for (int k = 27; k < 33; ++k)
        EXPECT_EQ(t[k].block, 2);
    EXPECT_EQ(t[27].name_view(), "A");
    EXPECT_EQ(t[27].type, 101);
    EXPECT_EQ(t[27].colour, kBlue);
    EXPECT_EQ(t[27].size, 2);
    EXPECT_DOUBLE_EQ(t[27].x, 100.0);
    EXPECT_EQ(t[28].type, 101);  // B, then the segment A-B
    EXPECT_EQ(t[29].type, 135);

    win.EvRButtonDown();
    // The circle and the fill stand on clicked points; the segment C D does not.
    ASSERT_EQ(t.count(), 35);
    const Dpoint& circle = t[33];
    EXPECT_EQ(circle.type, 136);
    EXPECT_EQ(circle.arg[0], 27);
    EXPECT_EQ(circle.arg[1], 28);
    EXPECT_EQ(circle.colour, kBlue);
    EXPECT_EQ(circle.block, 2);
    EXPECT_EQ(t[34].type, 143);
    EXPECT_EQ(t[34].arg[2], 30);  // the copy of C
    EXPECT_EQ(t[s.a].block, 1) << "marks restored";
    EXPECT_EQ(t[s.c].block, 1);
    EXPECT_EQ(t.action_state(), 177) << "translation: the new block can be moved away";
    EXPECT_EQ(t.outer_mode(), 451);
    win.EvRButtonUp();
    EXPECT_EQ(t.action_state(), 177) << "the copy's mode survives the release";
    EXPECT_EQ(t.outer_mode(), 0);
    EXPECT_EQ(f.pane(3), "Translate");
    (void)s.segment;
}

TEST_F(PartCopy, OneClickGivesOnePointAndTranslation)
{
    const PartSource s = part_source(win);
    win.command(451);
    click(win, t[s.d]);
    win.EvRButtonDown();
    win.EvRButtonUp();
    ASSERT_EQ(t.count(), 28);
    EXPECT_EQ(t[27].name_view(), "D");
    EXPECT_EQ(t.action_state(), 177);
}

TEST_F(PartCopy, NothingClickedOrTooFewObjects)
{
    add_free_point(win, 100, 100, "A");
    win.command(451);
    EXPECT_EQ(t.action_state(), 0) << "one object: no part copy";
    EXPECT_EQ(t.block_count(), 1);

    add_free_point(win, 200, 100, "B");
    win.command(451);
    ASSERT_EQ(t.action_state(), 451);
    win.invalidate(true);
    win.flush();  // a repaint in between must not lose the copy's start
    win.EvRButtonDown();
    win.EvRButtonUp();
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_EQ(t.count(), 22);
}

TEST_F(PartCopy, ClickingACopyJoinsItWithoutMarkingIt)
{
    add_free_point(win, 100, 100, "A");
    add_free_point(win, 200, 100, "B");
    add_free_point(win, 150, 200, "C");
    win.command(451);
    click(win, t[20]);  // A' at 23
    click(win, t[21]);  // B' at 24, segment A'B' at 25
    click(win, t[22]);  // C' at 26, segment B'C' at 27
    t[23].x = 40;       // A' away from A, so that a click finds it
    click(win, t[23]);  // the copy itself closes the outline
    ASSERT_EQ(t.count(), 29);
    EXPECT_EQ(t[28].type, 135);
    EXPECT_EQ(t[28].arg[0], 23);
    EXPECT_EQ(t[28].arg[1], 26);
    win.EvRButtonDown();
    for (int i = 20; i < t.count(); ++i)
        EXPECT_GT(t[i].block, 0) << i;
}

TEST_F(CopyPaste, PastedBlockKeepsItsConstructionRelations)
{
    const int a = add_free_point(win, 100, 100, "A");
    const int b = add_free_point(win, 200, 100, "B");
    const int m = add_object(win, 103, 1, {a, b}, 150, 100, "M");
    const int outside = add_free_point(win, 300, 300, "Q");
    t[outside].block = 2;
    const int n = add_object(win, 103, 1, {a, outside}, 200, 200, "N");
    t.block_count() = 2;
    t.current_block() = 1;
    win.command(452);
    EXPECT_EQ(g_block_owner, &win);
    EXPECT_EQ(g_copied_block, 1);
    EXPECT_EQ(g_copied_last, n);

    win.command(453);
    ASSERT_EQ(t.count(), 25 + 4);
    EXPECT_EQ(t.block_count(), 3);
    EXPECT_EQ(t.current_block(), 3);
    EXPECT_EQ(t[25].name_view(), "A");
    EXPECT_EQ(t[27].type, 103);
    EXPECT_EQ(t[27].arg[0], 25) << "the midpoint is made of the pasted points";
    EXPECT_EQ(t[27].arg[1], 26);
    EXPECT_EQ(t[28].arg[0], 25);
    EXPECT_EQ(t[28].arg[1], 0) << "its parent Q lies outside the copied block";
    for (int i = 25; i < 29; ++i)
        EXPECT_EQ(t[i].block, 3);
    EXPECT_EQ(t.action_state(), 177);
    EXPECT_EQ(win.mouse_dc(), nullptr);

    win.command(453);
    EXPECT_EQ(t.count(), 33) << "each paste is a new block";
    EXPECT_EQ(t.block_count(), 4);
    (void)m;
}

TEST_F(CopyPaste, AllBlocksDuplicateTheWholeDrawingIntoAnotherWindow)
{
    Dchild& owner = win;
    add_free_point(owner, 100, 100, "A");
    add_free_point(owner, 200, 100, "B");
    owner.objects()[21].block = 2;
    owner.objects().block_count() = 2;
    owner.command(205);
    owner.command(452);
    EXPECT_EQ(g_copied_block, 0);

    auto other = std::make_unique<Dchild>("Diagram 2", std::nullopt, f.services, f.ui_services);
    other->command(453);
    ObjectTable& t = other->objects();
    ASSERT_EQ(t.count(), 22);
    EXPECT_EQ(t[20].block, 2);
    EXPECT_EQ(t[21].block, 2);
    EXPECT_EQ(t.current_block(), 2);

    // The owner lost an object since: the paste skips it.
    del_point(owner.diagram, 21, 0, 0);
    other->command(453);
    EXPECT_EQ(t.count(), 23);

    other.reset();
    f.win.reset();
    EXPECT_EQ(g_block_owner, nullptr);
}

TEST_F(CopyPaste, PasteWithNothingCopiedDoesNothing)
{
    ASSERT_EQ(g_block_owner, nullptr);
    add_free_point(win, 100, 100, "A");
    win.command(453);
    EXPECT_EQ(win.objects().count(), 21);
    EXPECT_EQ(win.objects().block_count(), 1);
}

}  // namespace
