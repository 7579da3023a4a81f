#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/adding.h"
#include "model/deleting.h"
#include "recording_hooks.h"

namespace {

using model_test::RecordingHooks;

// A diagram whose neighbours are recorded, with `points` free points at 20...
struct Drawing {
    RecordingHooks hooks;
    Diagram d{&hooks};
    ObjectTable& t = d.table;

    explicit Drawing(int points = 0, bool script_open = false) {
        hooks.script_open = script_open;
        hooks.table = &t;
        for (int i = 0; i < points; ++i) add(101, "P" + std::to_string(i));
    }
    int add(int type, const std::string& name, int a0 = 0, int a1 = 0, int a2 = 0) {
        Dpoint p(type, name, a0, a1, a2);
        p.cls = type < 135 ? 1 : 2;
        p.x = t.count();
        return add_obj(d, p);
    }
    int add_hide_button(std::vector<std::int32_t> list) {
        Dpoint b(466, "x");
        b.cls = 7;
        b.aux1.set_int(static_cast<std::int32_t>(list.size()) - 1);
        b.hide_list = std::move(list);
        return add_obj(d, b);
    }
};

TEST(Delete, AnEndpointOfASegmentIsRefusedUntilTheSegmentIsGone) {
    Drawing w(2);
    const int s = add_segment(w.d, 0, 20, 21, w.d.pending);
    EXPECT_FALSE(del_point(w.d, 20, 0, 0));
    ASSERT_EQ(w.hooks.boxes.asked.size(), 1u);
    EXPECT_EQ(w.hooks.boxes.asked[0].text, "Can't delete the point");
    EXPECT_EQ(w.hooks.boxes.asked[0].caption, "");
    EXPECT_EQ(w.hooks.boxes.asked[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(w.t.count(), 23);
    EXPECT_EQ(w.t.restore_top(), 14);

    EXPECT_EQ(del_segment(w.d, 21, 20, 0), s);
    EXPECT_EQ(w.t.count(), 22);
    EXPECT_TRUE(del_point(w.d, 20, 0, 0));
    EXPECT_EQ(w.t.count(), 21);
    EXPECT_EQ(del_segment(w.d, 20, 21, 0), 0);
}

TEST(Delete, RenumbersLaterParentsAndHideLists) {
    Drawing w(10);  // points 20..29
    const int circle = w.add(136, "x", 22, 25);
    ASSERT_EQ(circle, 30);
    const int button = w.add_hide_button({21, 26});
    ASSERT_TRUE(del_point(w.d, 24, 0, 0));
    EXPECT_EQ(w.t[29].type, 136);
    EXPECT_EQ(w.t[29].arg[0], 22);
    EXPECT_EQ(w.t[29].arg[1], 24);
    EXPECT_EQ(w.t[button - 1].hide_list, (std::vector<std::int32_t>{21, 25}));
}

TEST(Delete, RenumbersConclusionLociAndDrivingPoints) {
    Drawing w(12);
    w.t.conclusion_args() = {20, 27, 0, 0, 0, 0, 0, 0};
    w.t.last_locus() = 0;
    w.t.locus_object(0) = 28;
    w.t.last_driver() = 1;
    w.t.driver_point(0) = 29;
    w.t.driver_path(0) = 30;
    w.t.driver_point(1) = 31;
    w.t.driver_path(1) = rec::kSelfTraceMarker;
    w.t.locus_kind(0) = 426;
    ASSERT_TRUE(del_point(w.d, 22, 0, 0));
    EXPECT_EQ(w.t.conclusion_args()[0], 20);
    EXPECT_EQ(w.t.conclusion_args()[1], 26);
    EXPECT_EQ(w.t.locus_object(0), 27);
    EXPECT_EQ(w.t.driver_point(0), 28);
    EXPECT_EQ(w.t.driver_path(0), 29);
    EXPECT_EQ(w.t.driver_point(1), 30);
    EXPECT_EQ(w.t.driver_path(1), rec::kSelfTraceMarker);  // a marker, not an index
    EXPECT_EQ(w.t.locus_kind(0), 426);
}

TEST(Delete, IsRefusedForEveryKindOfReference) {
    struct Case {
        const char* what;
        void (*set_up)(Drawing&);
    };
    const Case cases[] = {
        {"measured", [](Drawing& w) { w.hooks.measured = {23}; }},
        {"conclusion", [](Drawing& w) { w.t.conclusion_args()[2] = 23; }},
        {"driving point", [](Drawing& w) { w.t.last_driver() = 0; w.t.driver_point(0) = 23; }},
        {"driver's path", [](Drawing& w) { w.t.last_driver() = 0; w.t.driver_path(0) = 23; }},
        {"locus", [](Drawing& w) { w.t.last_locus() = 0; w.t.locus_object(0) = 23; }},
        {"hide button", [](Drawing& w) { w.add_hide_button({21, 23}); }},
        {"parent", [](Drawing& w) { w.add(103, "M", 21, 23); }},
    };
    for (const Case& c : cases) {
        Drawing w(5);
        c.set_up(w);
        const int count = w.t.count();
        EXPECT_FALSE(can_delete(w.d, 23)) << c.what;
        EXPECT_FALSE(del_point(w.d, 23, 0, 0)) << c.what;
        EXPECT_EQ(w.t.count(), count) << c.what;
        EXPECT_TRUE(can_delete(w.d, 22)) << c.what;
    }
}

TEST(Delete, ListsOfEightAreOnlyReadUpToTheirLastEntry) {
    Drawing w(5);
    w.t.last_locus() = -1;
    w.t.locus_object(0) = 23;  // a stale entry: no locus in use
    w.t.last_driver() = 40;    // beyond eight: read as eight
    EXPECT_TRUE(can_delete(w.d, 23));
}

TEST(Delete, TextsAndTheTraceMarkerNeverBlock) {
    Drawing w(5);
    Dpoint text(180, "x");
    text.cls = 6;
    text.set_text(std::string(1, char(22)) + "abc");
    w.t.last_driver() = 0;
    w.t.driver_path(0) = rec::kSelfTraceMarker;
    add_obj(w.d, text);
    EXPECT_TRUE(can_delete(w.d, 22));
    while (w.t.count() <= rec::kSelfTraceMarker) w.add(101, "Q");
    EXPECT_TRUE(can_delete(w.d, rec::kSelfTraceMarker));
}

TEST(Delete, HideListsAreNeverReadPastThirtyEntries) {
    Drawing w(40);
    std::vector<std::int32_t> list(35, 21);
    list[31] = 55;  // beyond the thirty entries in use
    Dpoint b(466, "x");
    b.aux1.set_int(34);
    b.hide_list = list;
    add_obj(w.d, b);
    EXPECT_TRUE(can_delete(w.d, 55));
    EXPECT_FALSE(can_delete(w.d, 21));
}

TEST(Delete, AsksFirstWhenConfirming) {
    Drawing w(3);
    w.hooks.boxes.answers = {MessageResult::No};
    EXPECT_FALSE(del_point(w.d, 21, 0, 1));
    ASSERT_EQ(w.hooks.boxes.asked.size(), 1u);
    EXPECT_EQ(w.hooks.boxes.asked[0].caption, "Delete A Point");
    EXPECT_EQ(w.hooks.boxes.asked[0].text, "Are you sure?");
    EXPECT_EQ(w.hooks.boxes.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(w.t.count(), 23);
    EXPECT_EQ(w.t.restore_top(), 14);
    w.hooks.boxes.answers = {MessageResult::Yes};
    EXPECT_TRUE(del_point(w.d, 21, 0, 1));
    EXPECT_EQ(w.t.count(), 22);
}

TEST(Delete, ByScriptPositionAndItsLines) {
    Drawing w(4, true);
    w.hooks.calls.clear();
    EXPECT_TRUE(del_point(w.d, 1, 1, 0));  // line 1 is object 21
    EXPECT_EQ(w.t[21].name_view(), "P2");
    EXPECT_EQ(w.hooks.calls,
              (std::vector<std::string>{"delete_line 1", "update_line 1", "update_line 2"}));
    EXPECT_EQ(w.t.repaint_switch(), 1);
}

TEST(Delete, RenumbersTheComputationList) {
    Drawing w(6);
    w.hooks.measured = {21, 25};
    ASSERT_TRUE(del_point(w.d, 23, 0, 0));
    EXPECT_EQ(w.hooks.measured, (std::vector<int>{21, 24}));
}

TEST(RestoreStack, KeepsTheSixNewestDeletions) {
    Drawing w(10);
    for (int i = 0; i < 7; ++i) delete_last_construction(w.d);
    EXPECT_EQ(w.t.count(), 23);
    EXPECT_EQ(w.t.restore_top(), 20);
    std::vector<std::string> restored;
    while (can_restore(w.d)) {
        restore_last(w.d);
        restored.emplace_back(w.t[w.t.count() - 1].name_view());
    }
    // Deleted P9 first, P3 last; P9 is gone for good.
    EXPECT_EQ(restored, (std::vector<std::string>{"P3", "P4", "P5", "P6", "P7", "P8"}));
    EXPECT_EQ(w.t.count(), 29);
    restore_last(w.d);  // empty stack: nothing
    EXPECT_EQ(w.t.count(), 29);
}

TEST(RestoreStack, ADeletedObjectComesBackLastInTheCurrentBlock) {
    Drawing w(4, true);
    const int seg = add_segment(w.d, 0, 20, 21, w.d.pending);
    w.add(101, "Z");
    ASSERT_TRUE(del_point(w.d, seg, 0, 0));
    w.t.current_block() = 3;
    w.hooks.calls.clear();
    restore_last(w.d);
    const Dpoint& back = w.t[w.t.count() - 1];
    EXPECT_EQ(back.type, 135);
    EXPECT_EQ(back.arg[0], 20);
    EXPECT_EQ(back.arg[1], 21);
    EXPECT_EQ(back.block, 3);
    EXPECT_EQ(w.t.count(), 26);
    EXPECT_TRUE(w.hooks.called("append_line 25"));
    EXPECT_EQ(w.hooks.calls.back(), "invalidate");
}

TEST(RestoreStack, HideThenDeleteRestoresInReverseOrder) {
    Drawing w(3);
    const int seg = add_segment(w.d, 0, 20, 21, w.d.pending);
    push_hide_change(w.d, seg);
    EXPECT_EQ(w.t[14].type, -seg);
    w.t[seg].shown = 0;  // the hide command toggles it
    ASSERT_TRUE(del_point(w.d, 22, 0, 0));  // the segment moves from 23 to 22
    EXPECT_EQ(w.t[14].type, -22);           // the change entry follows it
    restore_last(w.d);                      // first: the deleted point
    EXPECT_EQ(w.t[w.t.count() - 1].name_view(), "P2");
    EXPECT_EQ(w.t[22].shown, 0);
    restore_last(w.d);                      // then: the hide is undone
    EXPECT_EQ(w.t[22].shown, 1);
    EXPECT_FALSE(can_restore(w.d));
}

TEST(RestoreStack, AChangeEntryRestoresNameAndLookOnly) {
    Drawing w(3, true);
    push_hide_change(w.d, 21);
    Dpoint& p = w.t[21];
    p.set_name("R");
    p.colour = 0x123456;
    p.size = 5;
    p.x = 99;
    p.name_shown = 0;
    w.hooks.calls.clear();
    restore_last(w.d);
    EXPECT_EQ(p.name_view(), "P1");
    EXPECT_EQ(p.colour, Dpoint::kBlack);
    EXPECT_EQ(p.size, 1);
    EXPECT_EQ(p.name_shown, 1);
    EXPECT_DOUBLE_EQ(p.x, 99.0);  // the rest stays
    // Renamed: the lines from 21 on are rebuilt.
    EXPECT_EQ(w.hooks.calls,
              (std::vector<std::string>{"update_line 1", "update_line 2", "invalidate"}));
}

TEST(RestoreStack, EntriesThatReferToADeletedObjectAreDropped) {
    Drawing w(6);
    const int mid = w.add(103, "M", 22, 23);     // 26
    push_hide_change(w.d, 24);                   // entry 14: change of 24
    ASSERT_TRUE(del_point(w.d, mid, 0, 0));      // entry 15: M (parents 22, 23)
    ASSERT_TRUE(del_point(w.d, 23, 0, 0));       // drops M's entry; entry 15: P3
    EXPECT_EQ(w.t.restore_top(), 16);
    EXPECT_EQ(w.t[14].type, -23);                // the change entry of P4 renumbered
    EXPECT_EQ(w.t[15].name_view(), "P3");
    ASSERT_TRUE(del_point(w.d, 23, 0, 0));       // P4 itself: its change entry goes
    EXPECT_EQ(w.t.restore_top(), 16);
    EXPECT_EQ(w.t[14].name_view(), "P3");
    EXPECT_EQ(w.t[15].name_view(), "P4");
}

TEST(RestoreStack, AStoredHideButtonLosesAnEntryForADeletedObject) {
    Drawing w(6);
    const int button = w.add_hide_button({21, 24});
    ASSERT_TRUE(del_point(w.d, button, 0, 0));
    ASSERT_TRUE(del_point(w.d, 21, 0, 0));
    restore_last(w.d);  // P1
    restore_last(w.d);  // the button
    const Dpoint& b = w.t[w.t.count() - 1];
    EXPECT_EQ(b.type, 466);
    EXPECT_EQ(b.hide_list, (std::vector<std::int32_t>{23}));
    EXPECT_EQ(b.aux1.as_int(), 0);
}

TEST(RestoreStack, ARestoredConicIsSampledAnewAndArraysAreNotShared) {
    Drawing w(3);
    Dpoint conic(455, "x", 20, 21, 22);
    conic.cls = 2;
    conic.samples = {{1, 2}, {3, 4}};
    const int k = add_obj(w.d, conic);
    ASSERT_TRUE(del_point(w.d, k, 0, 0));
    w.t[14].samples[0].x = 42;  // the stack entry is a copy of its own
    w.hooks.calls.clear();
    restore_last(w.d);
    EXPECT_TRUE(w.hooks.called("resample " + std::to_string(k)));

    const int button = w.add_hide_button({20, 21});
    push_hide_change(w.d, button);
    w.t[button].hide_list[0] = 22;
    EXPECT_EQ(w.t[14].hide_list[0], 20);
}

TEST(Clear, RemovesEveryObjectAndCannotBeRestored) {
    Drawing w(5);
    ASSERT_TRUE(del_point(w.d, 24, 0, 0));
    w.t.next_name_letter() = 'K';
    w.d.locus_lists[0].push_front(LocusNode{});
    clear_diagram(w.d);
    EXPECT_EQ(w.t.count(), 20);
    EXPECT_FALSE(can_restore(w.d));
    EXPECT_EQ(w.t.next_name_letter(), 'A');
    EXPECT_TRUE(w.d.locus_lists[0].empty());
    EXPECT_TRUE(w.hooks.called("release_tokens"));
    EXPECT_EQ(w.hooks.calls.back(), "invalidate");
}

TEST(DeleteCommands, LastConstructionAndCurrentBlock) {
    Drawing w;
    delete_last_construction(w.d);  // nothing to delete
    EXPECT_EQ(w.t.count(), 20);
    EXPECT_FALSE(can_restore(w.d));

    w.add(101, "A");
    w.t.current_block() = 2;
    w.add(101, "B");
    w.add(101, "C");
    w.t.current_block() = 1;
    w.add(103, "M", 20, 21);  // block 1, depends on B of block 2
    w.t.current_block() = 2;
    delete_current_block(w.d);  // C goes, B is refused
    EXPECT_EQ(w.t.count(), 23);
    EXPECT_EQ(w.t[21].name_view(), "B");
    EXPECT_EQ(w.hooks.boxes.asked.size(), 1u);
    w.t.current_block() = 0;  // no block: every object
    delete_current_block(w.d);
    EXPECT_EQ(w.t.count(), 20);
}

}  // namespace
