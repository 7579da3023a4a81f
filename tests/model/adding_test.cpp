#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/adding.h"
#include "recording_hooks.h"
#include "table_fixture.h"

namespace {

using model_test::RecordingHooks;

// A free point finished by mouse clicks; returns its index.
int click_point(Diagram& d, double x = 0, double y = 0) {
    Dpoint rec(101, "");
    rec.x = x;
    rec.y = y;
    d.table.from_clicks() = 1;
    add_point(d, kAddPoint, rec);
    return d.table.new_index();
}

std::vector<std::string> names_of(ObjectTable& t) {
    std::vector<std::string> names;
    for (int i = rec::kFirstObject; i < t.count(); ++i) names.emplace_back(t[i].name_view());
    return names;
}

TEST(AutomaticNames, RunFromAThroughZThenWithASuffix) {
    Diagram d;
    for (int i = 0; i < 5; ++i) click_point(d);
    EXPECT_EQ(names_of(d.table), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    for (int i = 5; i < 26 + 26 + 1; ++i) click_point(d);
    const auto names = names_of(d.table);
    EXPECT_EQ(names[25], "Z");
    EXPECT_EQ(names[26], "A1");
    EXPECT_EQ(names[51], "Z1");
    EXPECT_EQ(names[52], "A2");
}

TEST(AutomaticNames, SkipANameInUseAndConsumeIt) {
    Diagram d;
    Dpoint user(101, "C");
    user.cls = 1;
    add_obj(d, user);
    const int a = click_point(d);
    const int b = click_point(d);
    const int third = click_point(d);
    const int fourth = click_point(d);
    EXPECT_EQ(d.table[a].name_view(), "A");
    EXPECT_EQ(d.table[b].name_view(), "B");
    EXPECT_EQ(d.table[third].name_view(), "D");
    EXPECT_EQ(d.table[fourth].name_view(), "E");
}

TEST(AutomaticNames, StartAgainAfterTheReservedReset) {
    Diagram d;
    click_point(d);
    click_point(d);
    d.table.truncate(rec::kFirstObject);
    d.reset_reserved_records();
    EXPECT_EQ(d.table[click_point(d)].name_view(), "A");
}

TEST(AddPoint, FromACompleteRecordKeepsItsNameAndPosition) {
    RecordingHooks hooks;
    Diagram d(&hooks);
    click_point(d);  // A
    d.table.from_clicks() = 0;
    Dpoint named(101, "A");
    named.x = 40;
    named.y = 50;
    add_point(d, kAddPoint, named);
    const int k = d.table.new_index();
    EXPECT_EQ(d.table[k].name_view(), "A");  // kept although in use
    EXPECT_DOUBLE_EQ(d.table[k].x, 40.0);
    EXPECT_EQ(hooks.calls.back(), "draw_point " + std::to_string(k));  // not re-solved

    Dpoint unnamed(103, "", 20, k);
    add_point(d, kAddPoint, unnamed);
    const int m = d.table.new_index();
    EXPECT_EQ(d.table[m].name_view(), "B");
    EXPECT_EQ(hooks.calls.back(), "draw_one " + std::to_string(m));
}

TEST(AddPoint, SetsThePointFieldsAndTheStateRoles) {
    Diagram d;
    d.table.new_points_show_names() = 0;
    d.table.current_block() = 0;
    const int k = click_point(d, 3, 4);
    const Dpoint& p = d.table[k];
    EXPECT_EQ(k, 20);
    EXPECT_EQ(p.cls, 1);
    EXPECT_EQ(p.size, 2);
    EXPECT_EQ(p.name_shown, 0);
    EXPECT_EQ(p.block, 1);  // no current block: block 1
    EXPECT_EQ(d.table.record_count(), k);
    EXPECT_EQ(d.table.placing(), 1);
    EXPECT_EQ(d.table.recompute(), 1);
}

TEST(AddPoint, ChoosesTheCandidateNearerTheMouseTiesTakingRecordTen) {
    struct Case {
        double mouse_x;
        double expected_x;
    };
    const Case cases[] = {{0, 0}, {10, 10}, {5, 0}, {6, 10}};
    for (const Case& c : cases) {
        RecordingHooks hooks;
        Diagram d(&hooks);
        const int k = click_point(d);
        model_test::place(d.table, 10, 0, 0);
        model_test::place(d.table, 11, 10, 0);
        d.table.mouse_x() = c.mouse_x;
        d.table.mouse_y() = 3;
        Dpoint unused;
        add_point(d, kAddChooseCandidate, unused);
        EXPECT_DOUBLE_EQ(d.table[k].x, c.expected_x) << "mouse at " << c.mouse_x;
        EXPECT_EQ(d.table.placing(), 0);
        EXPECT_EQ(d.table.recompute(), 0);
        EXPECT_EQ(hooks.calls.back(), "invalidate");
    }
}

TEST(AddPoint, MarksTakeTheBrushColourAndFilledAngleStyle) {
    Diagram d;
    d.table.brush_colour() = 0x00AA00;
    for (int type : {181, 183}) {
        Dpoint mark(type, "M", 20, 21, 22);
        add_point(d, kAddMark, mark);
        const Dpoint& m = d.table[d.table.new_index()];
        EXPECT_EQ(m.cls, 4);
        EXPECT_EQ(m.name_view(), "x");
        EXPECT_EQ(m.colour, 0x00AA00u);
        EXPECT_EQ(m.name_shown, 0);
        EXPECT_EQ(m.pen_style, type == 183 ? 6 : 0);
    }
}

TEST(AddPoint, AFillTakesTheBrushThenThePendingRecordGoesBackToLines) {
    Diagram d;
    d.table.brush_colour() = 0x0000AA;
    d.table.fill_style_setting() = 3;
    d.table.pen_colour() = 0x111111;
    d.table.pen_style_setting() = 2;
    d.table.from_clicks() = 1;
    Dpoint& rec = d.pending;
    rec.reinit(143, "", 20, 21, 22);
    add_point(d, kAddFill, rec);
    const Dpoint& fill = d.table[d.table.count() - 1];
    EXPECT_EQ(fill.cls, 3);
    EXPECT_EQ(fill.size, 1);
    EXPECT_EQ(fill.name_view(), "f");
    EXPECT_EQ(fill.colour, 0x0000AAu);
    EXPECT_EQ(fill.pen_style, 3);
    EXPECT_EQ(rec.colour, 0x111111u);
    EXPECT_EQ(rec.pen_style, 2);

    // From a complete record with a name: its own colour and style stay.
    d.table.from_clicks() = 0;
    Dpoint own(145, "f", 20, 21);
    own.colour = 0x333333;
    own.pen_style = 5;
    add_point(d, kAddFill, own);
    EXPECT_EQ(d.table[d.table.count() - 1].colour, 0x333333u);
    EXPECT_EQ(d.table[d.table.count() - 1].pen_style, 5);
}

TEST(AddPoint, AConclusionGoesIntoRecordOneAndAddsNothing) {
    Diagram d;
    d.table.pending_command() = 150;
    d.table.action_state() = 13;
    Dpoint concl(150, "", 20, 21, 22, 23);
    add_point(d, kAddConclusion, concl);
    EXPECT_EQ(d.table.count(), 20);
    EXPECT_EQ(d.table.conclusion_type(), 150);
    EXPECT_EQ(d.table.conclusion_args()[3], 23);
    EXPECT_EQ(d.table.action_state(), 0);
}

TEST(AddPoint, UnknownKindsDoNothing) {
    Diagram d;
    Dpoint rec(101, "");
    add_point(d, 5, rec);
    EXPECT_EQ(d.table.count(), 20);
}

TEST(AddSegment, OrdersTheEndsAndFindsTheDuplicate) {
    RecordingHooks hooks;
    Diagram d(&hooks);
    for (int i = 0; i < 6; ++i) click_point(d, i * 10, 0);
    Dpoint proto = d.pending;
    proto.colour = 0x0000FF;
    proto.size = 3;
    const int s = add_segment(d, 0, 25, 21, proto);
    EXPECT_EQ(s, 26);
    EXPECT_EQ(d.table[s].arg[0], 21);
    EXPECT_EQ(d.table[s].arg[1], 25);
    EXPECT_EQ(d.table[s].colour, 0x0000FFu);
    EXPECT_EQ(d.table[s].size, 3);
    EXPECT_EQ(d.table[s].cls, 2);
    EXPECT_EQ(d.table[s].name_view(), "x");
    EXPECT_EQ(d.table.placing(), 1);
    EXPECT_EQ(d.table.recompute(), 0);

    // Again: keep_style 1 leaves it, keep_style 0 restyles it; nothing added.
    const int count = d.table.count();
    d.table.pen_colour() = 0x00FF00;
    d.table.pen_size_setting() = 4;
    EXPECT_EQ(add_segment(d, 1, 21, 25, proto), s);
    EXPECT_EQ(d.table[s].colour, 0x0000FFu);
    EXPECT_EQ(add_segment(d, 0, 21, 25, proto), s);
    EXPECT_EQ(d.table.count(), count);
    EXPECT_EQ(d.table[s].colour, 0x00FF00u);
    EXPECT_EQ(d.table[s].size, 4);
    EXPECT_EQ(d.table.record_count(), s);
    EXPECT_EQ(hooks.calls.back(), "draw_line " + std::to_string(s));

    EXPECT_EQ(add_segment(d, 0, 22, 22, proto), 0);
    EXPECT_EQ(d.table.count(), count);
}

TEST(AddSegment, SearchesOnlyTheCurrentBlock) {
    Diagram d;
    click_point(d);
    click_point(d, 10, 0);
    const int s = add_segment(d, 0, 20, 21, d.pending);
    d.table.current_block() = 2;
    const int other = add_segment(d, 0, 20, 21, d.pending);
    EXPECT_NE(other, s);
    EXPECT_EQ(d.table[other].block, 2);
}

TEST(AddCircle, AnEqualCircleIsOneWhoseRadiusDiffersByLessThanTwo) {
    Diagram d;
    const int c = click_point(d, 0, 0);
    const int p = click_point(d, 10, 0);
    const int near = click_point(d, 0, 11.9);
    const int far = click_point(d, 0, 12.0);
    const int circle = add_circle(d, 0, c, p, d.pending);
    EXPECT_EQ(d.table[circle].type, 136);
    EXPECT_EQ(add_circle(d, 0, c, near, d.pending), circle);
    const int count = d.table.count();
    const int second = add_circle(d, 0, c, far, d.pending);
    EXPECT_NE(second, circle);
    EXPECT_EQ(d.table.count(), count + 1);
    EXPECT_EQ(d.table[second].arg[0], c);
    EXPECT_EQ(d.table[second].arg[1], far);
}

TEST(UpdObj, RebuildsLinesFromARenamedPointOn) {
    RecordingHooks hooks(true);
    Diagram d(&hooks);
    for (int i = 0; i < 4; ++i) click_point(d);
    hooks.calls.clear();
    Dpoint renamed = d.table[21];
    renamed.set_name("Q");
    g_name_changed = 1;
    upd_obj(d, 21, renamed);
    EXPECT_EQ(d.table[21].name_view(), "Q");
    EXPECT_EQ(g_name_changed, 0);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"update_line 1", "update_line 2",
                                                      "update_line 3", "invalidate"}));
    EXPECT_EQ(d.table.repaint_switch(), 1);

    hooks.calls.clear();
    Dpoint moved = d.table[22];
    moved.x = 5;
    upd_obj(d, 22, moved);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"update_line 2", "invalidate"}));
}

TEST(UpdObj, RefusesReservedAndMissingIndices) {
    Diagram d;
    upd_obj(d, 3, Dpoint(101, "Z"));
    upd_obj(d, 20, Dpoint(101, "Z"));
    EXPECT_EQ(d.table[3].type, 0);
    EXPECT_EQ(d.table.count(), 20);
}

TEST(AddFromRec, SetsThePendingCommandAndBuildsAtOnce) {
    RecordingHooks hooks;
    Diagram d(&hooks);
    Dpoint rec(103, "M", 20, 21);
    add_from_rec(d, rec);
    EXPECT_EQ(d.table.pending_command(), 103);
    EXPECT_TRUE(hooks.called("build 103"));
}

TEST(GetObj, AnswersOnlyForObjects) {
    Diagram d;
    click_point(d);
    click_point(d);
    EXPECT_EQ(get_obj(d, 19), nullptr);
    ASSERT_NE(get_obj(d, 21), nullptr);
    EXPECT_EQ(get_obj(d, 21)->name_view(), "B");
    EXPECT_EQ(get_obj(d, 22), nullptr);
    EXPECT_EQ(d.table.record_count(), 22);
}

TEST(AddObj, AppendsTheScriptLineWhenTheManagerIsOpen) {
    RecordingHooks hooks(true);
    Diagram d(&hooks);
    const int k = add_obj(d, Dpoint(101, "P"));
    EXPECT_TRUE(hooks.called("append_line " + std::to_string(k)));
}

}  // namespace
