#include <gtest/gtest.h>

#include "model/diagram.h"
#include "model/object_table.h"

namespace {

TEST(NewTable, HoldsTwentyReservedRecordsWithTheirPresets) {
    ObjectTable t;
    EXPECT_EQ(t.count(), 20);
    EXPECT_EQ(t.capacity(), 21);  // grew once from 11
    EXPECT_EQ(t.restore_top(), 14);
    EXPECT_EQ(t.next_name_letter(), 'A');
    EXPECT_EQ(t.name_suffix(), 0);
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(t.block_count(), 1);
    EXPECT_EQ(t.command_lock(), 0);
    EXPECT_EQ(t.placing(), 0);
    EXPECT_EQ(t.recompute(), 1);
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_DOUBLE_EQ(t.unit_length(), 20.0);
    EXPECT_EQ(t.conclusion_type(), 1111);
    EXPECT_EQ(t.brush_colour(), Dpoint::kGreen);
    EXPECT_EQ(t.pen_colour(), Dpoint::kBlack);
    EXPECT_EQ(t.font_colour(), Dpoint::kBlack);
    EXPECT_EQ(t.from_clicks(), 1);
    EXPECT_EQ(t.repaint_switch(), 1);
}

TEST(NewTable, SettingsRecordPresets) {
    ObjectTable t;
    EXPECT_EQ(t.new_points_show_names(), 1);
    EXPECT_EQ(t.expression_open(), 0);
    EXPECT_EQ(t.pen_size_setting(), 1);
    EXPECT_EQ(t.pen_style_setting(), 0);
    EXPECT_EQ(t.fill_style_setting(), 6);
    EXPECT_EQ(t.last_quantity(), -1);
    EXPECT_EQ(t.open_brackets(), 0);
    EXPECT_EQ(t.last_locus(), -1);
    EXPECT_EQ(t.last_driver(), -1);
    EXPECT_DOUBLE_EQ(t.static_unit(), 20.0);
    EXPECT_DOUBLE_EQ(t.unit_segment_length(), 1.0);
    EXPECT_EQ(t.no_choice_pending(), 1);
    EXPECT_EQ(t.button_down(), 0);
    EXPECT_EQ(t.leave_trace(), 0);
    EXPECT_EQ(t.current_driver(), -1);
    EXPECT_EQ(t.unit_segment_a(), 0);
    EXPECT_EQ(t.unit_segment_b(), 0);
    EXPECT_EQ(t.anim_step(), 0);
    EXPECT_EQ(t.anim_steps(), 400);
    EXPECT_EQ(t.anim_interval(), 1);
}

TEST(NewTable, OtherReservedRecordsAreResetBlueRecords) {
    ObjectTable t;
    for (int r : {3, 4, 9, 10, 11, 13, 14, 19}) {
        SCOPED_TRACE(r);
        const Dpoint& p = t[r];
        EXPECT_EQ(p.colour, Dpoint::kBlue);
        EXPECT_EQ(p.block, 1);
        EXPECT_EQ(p.pen_style, 0);
        EXPECT_EQ(p.size, 1);
        EXPECT_EQ(p.type, 0);
        EXPECT_EQ(p.name_view(), "");
        EXPECT_EQ(p.name_dx, -3);
        EXPECT_EQ(p.name_dy, 3);
    }
}

TEST(StateRecordRoles, AliasTheFieldsOfRecordZero) {
    ObjectTable t;
    t.action_state() = 11;
    t.dragged_index() = 25;
    t.record_count() = 22;
    t.new_index() = 21;
    t.picked_index() = 23;
    t.mouse_x() = 7.5;
    t.result_y() = -2.0;
    const Dpoint& s = t[0];
    EXPECT_EQ(s.arg[0], 11);
    EXPECT_EQ(s.arg[2], 25);
    EXPECT_EQ(s.arg[3], 22);
    EXPECT_EQ(s.arg[4], 21);
    EXPECT_EQ(s.arg[5], 23);
    EXPECT_DOUBLE_EQ(s.x, 7.5);
    EXPECT_DOUBLE_EQ(s.aux2.as_double(), -2.0);
}

TEST(Capacity, GrowsByTenFromEleven) {
    ObjectTable t = ObjectTable::empty();
    EXPECT_EQ(t.capacity(), 11);
    struct Step {
        int records;
        int capacity;
    };
    const Step steps[] = {{11, 11}, {12, 21}, {21, 21}, {22, 31}, {31, 31}, {32, 41}};
    for (const Step& s : steps) {
        while (t.count() < s.records) t.append(Dpoint());
        EXPECT_EQ(t.capacity(), s.capacity) << "after " << s.records << " records";
    }
}

TEST(Access, ReadingPastTheCountGivesADefaultRecordWithoutGrowing) {
    ObjectTable t;
    while (t.count() < 25) t.append(Dpoint(101, "P"));
    const int capacity = t.capacity();
    const ObjectTable& ct = t;
    EXPECT_EQ(ct[40].type, 0);
    EXPECT_EQ(t.get(40).type, 0);
    EXPECT_EQ(t[40].type, 0);
    EXPECT_EQ(ct[-1].type, 0);
    EXPECT_EQ(t.count(), 25);
    EXPECT_EQ(t.capacity(), capacity);
}

TEST(Access, AWritePastTheCountIsRefused) {
    ObjectTable t;
    t[40].type = 135;
    t[40].x = 3.0;
    EXPECT_EQ(t[40].type, 0);  // the write went nowhere
    EXPECT_EQ(t.count(), 20);
    EXPECT_FALSE(t.write(20, Dpoint(101, "A")));
    EXPECT_EQ(t.count(), 20);
    EXPECT_TRUE(t.write(19, Dpoint(101, "A")));
    EXPECT_EQ(t[19].type, 101);
}

TEST(Access, RemoveAndInsertShiftLaterRecords) {
    ObjectTable t;
    for (int i = 0; i < 3; ++i) t.append(Dpoint(101 + i, "P"));
    EXPECT_TRUE(t.remove(20));
    EXPECT_EQ(t.count(), 22);
    EXPECT_EQ(t[20].type, 102);
    EXPECT_FALSE(t.remove(22));
    EXPECT_TRUE(t.insert(20, Dpoint(101, "Q")));
    EXPECT_EQ(t[20].name_view(), "Q");
    EXPECT_EQ(t[21].type, 102);
    EXPECT_FALSE(t.insert(30, Dpoint()));
}

TEST(ListRoles, EntriesBeyondEightAreNotWrittenAnywhere) {
    ObjectTable t;
    t.driver_point(7) = 33;
    t.driver_path(2) = 425;
    t.locus_object(8) = 99;  // no ninth entry
    EXPECT_EQ(t[7].arg[7], 33);
    EXPECT_EQ(t[8].arg[2], 425);
    for (int r = 4; r <= 9; ++r)
        for (int k = 0; k < 8; ++k) EXPECT_NE(t[r].arg[k], 99);
}

TEST(UnitLength, IsNeverBelowAThousandthNorNonFinite) {
    ObjectTable t;
    t.unit_length() = 0.0;
    EXPECT_DOUBLE_EQ(t.safe_unit_length(), 0.001);
    t.unit_length() = std::numeric_limits<double>::quiet_NaN();
    EXPECT_DOUBLE_EQ(t.safe_unit_length(), 20.0);
    t.unit_length() = 40.0;
    EXPECT_DOUBLE_EQ(t.safe_unit_length(), 40.0);
}

class RecordingHooks : public DiagramHooks {
public:
    int computation_resets = 0;
    int animation_resets = 0;
    void reset_computation_list() override { ++computation_resets; }
    void reset_animation() override { ++animation_resets; }
};

TEST(DiagramReset, RestoresTheReservedStateAndResetsTheNeighbours) {
    RecordingHooks hooks;
    Diagram d(&hooks);
    EXPECT_EQ(hooks.computation_resets, 0);  // not called while the window is built
    ObjectTable& t = d.table;
    t.next_name_letter() = 'F';
    t.name_suffix() = 2;
    t.restore_top() = 17;
    t.current_block() = 3;
    t.block_count() = 4;
    t.conclusion_type() = 148;
    t.last_locus() = 2;
    t.anim_steps() = 50;
    t.pen_colour() = 0x123456;
    d.locus_lists[3].push_front(LocusNode{1, 2, 3, 4});
    d.reset_reserved_records();
    EXPECT_EQ(t.next_name_letter(), 'A');
    EXPECT_EQ(t.name_suffix(), 0);
    EXPECT_EQ(t.restore_top(), 14);
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(t.block_count(), 1);
    EXPECT_EQ(t.conclusion_type(), 1111);
    EXPECT_EQ(t.last_locus(), -1);
    EXPECT_EQ(t.anim_steps(), 400);
    EXPECT_EQ(t.pen_colour(), 0x123456u);  // colours are the user's settings
    EXPECT_TRUE(d.locus_lists[3].empty());
    EXPECT_EQ(hooks.computation_resets, 1);
    EXPECT_EQ(hooks.animation_resets, 1);
}

TEST(DiagramPending, StartsWithThePenSettings) {
    Diagram d;
    EXPECT_EQ(d.pending.name_view(), "x");
    EXPECT_EQ(d.pending.colour, Dpoint::kBlack);
    EXPECT_EQ(d.pending.size, 1);
    EXPECT_EQ(d.pending.pen_style, 0);
    EXPECT_EQ(d.pending.block, 1);
}

}  // namespace
