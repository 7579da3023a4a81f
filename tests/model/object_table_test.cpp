#include <gtest/gtest.h>

#include "model/diagram.h"
#include "model/object_table.h"

namespace {

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

}  // namespace
