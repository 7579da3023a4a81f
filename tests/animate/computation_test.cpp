#include "animate/computation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "anim_fixture.h"
#include "model/deleting.h"
#include "model/find_object.h"

using namespace anim_test;

namespace {

// Points whose measurements have round values with the preset unit of 20.
struct Figure : Drawing {
    int A = point(100, 100, "A");
    int B = point(160, 180, "B");  // |AB| = 100
    int V = point(100, 100, "V");
    int P = point(200, 100, "P");
    int R = point(100, 40, "R");   // angle PVR = 90
    int E = point(200, 0, "E");    // slope of AE = 1
    int F = point(100, 200, "F");
    int G = point(200, 200, "G");
    int H = point(140, 100, "H");  // |VH| = 40

    // The rows written on the diagram: texts with a value, and where.
    std::vector<RecordedCall> rows()
    {
        RecordingDC dc;
        paint_diagram(host.d, dc, 1);
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : dc.calls_named("text_out"))
            if (c.text.find(" = ") != std::string::npos)
                out.push_back(c);
        return out;
    }
};

struct MeasureCase {
    int type;
    std::vector<const char*> names;
    const char* row;
};

class Measurements : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(Measurements, AreWrittenAsRowsWithTheirValue)
{
    Figure f;
    std::vector<int> operands;
    for (const char* name : GetParam().names)
        operands.push_back(find_object_by_name(f.t, name, 0, 0));
    f.host.d.pending = Dpoint::of_type(GetParam().type, 1);
    std::copy(operands.begin(), operands.end(), f.host.d.pending.arg.begin());
    f.animation.computation.measure_cmd(-102);

    EXPECT_EQ(f.t.last_quantity(), 0);
    EXPECT_GT(f.host.invalidations, 0);
    const std::vector<RecordedCall> rows = f.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, GetParam().row);
    EXPECT_EQ(rows[0].args[0], kListLeft);
    EXPECT_EQ(rows[0].args[1], kListTop);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Measurements,
    ::testing::Values(MeasureCase{159, {"A", "B"}, "AB =  5.00"},
                      MeasureCase{160, {"P", "V", "R"}, "\u2220PVR = 90.00"},
                      MeasureCase{161, {"A", "E"}, "Slope(AE) =  1.00"},
                      MeasureCase{162, {"V", "P", "F"}, "Area(VPF) = 12.50"},
                      MeasureCase{163, {"V", "P", "G", "F"}, "Area(VPGF) = 25.00"},
                      MeasureCase{164, {"V", "H"}, "Area(\u2299V,H) = 12.57"},
                      MeasureCase{224, {"V", "H"}, "Perimeter(\u2299V,H) = 12.57"},
                      MeasureCase{165, {"A", "B", "V", "H"}, "AB/VH =  2.50"},
                      MeasureCase{166, {"V", "P", "F", "V", "H", "F"}, "Area(VPF)/Area(VHF) =  2.50"}));

TEST(Computation, RowsFollowTheListAndTheUnit)
{
    Figure f;
    f.measure(159, {f.A, f.B});
    f.measure(159, {f.V, f.H});
    f.measure(161, {f.V, f.R});  // vertical: no slope
    std::vector<RecordedCall> rows = f.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].text, "VH =  2.00");
    EXPECT_EQ(rows[1].args[1], kListTop + kRowHeight);
    EXPECT_EQ(rows[2].text, "Slope(VR) = undefined");
    EXPECT_EQ(rows[2].args[1], kListTop + 2 * kRowHeight);
    EXPECT_EQ(rows[2].state.text_colour, kRed);
    EXPECT_EQ(rows[0].state.text_colour, f.t.font_colour());

    // Every repaint evaluates anew: a moved point and a new unit show at once.
    f.t[f.B].x = 100;
    f.t[f.B].y = 300;
    f.t.unit_length() = 40.0;
    rows = f.rows();
    EXPECT_EQ(rows[0].text, "AB =  5.00");
    EXPECT_EQ(rows[1].text, "VH =  1.00");
}

TEST(Computation, TheTwentyFirstQuantityIsRefused)
{
    Figure f;
    for (int i = 0; i < kMaxQuantities; ++i)
        f.measure(159, {f.A, f.B});
    EXPECT_EQ(f.t.last_quantity(), kMaxQuantities - 1);
    EXPECT_TRUE(f.host.boxes.asked().empty());

    f.measure(160, {f.P, f.V, f.R});
    EXPECT_EQ(f.t.last_quantity(), kMaxQuantities - 1);
    ASSERT_EQ(f.host.boxes.asked().size(), 1u);
    EXPECT_EQ(f.host.boxes.asked()[0].text, "The computation list holds at most 20 quantities");
    EXPECT_EQ(f.animation.computation.list()[kMaxQuantities - 1].type, 159);
    // Nor does the calculator open a twenty-first entry.
    f.animation.computation.measure_cmd(223);
    EXPECT_EQ(f.t.last_quantity(), kMaxQuantities - 1);
    EXPECT_EQ(f.host.calculator_opened, 0);
    EXPECT_EQ(f.host.boxes.asked().size(), 2u);
}

TEST(Computation, OperandsAreRenumberedAfterADeletion)
{
    Drawing f;
    const int unused = f.point(300, 300, "U");
    const int a = f.point(100, 100, "A");
    const int b = f.point(160, 180, "B");
    f.measure(159, {a, b});
    f.measure(160, {a, b, a});

    // Measured points cannot go; the point below them can, and the operands follow.
    f.t.record_count() = a;
    EXPECT_TRUE(f.animation.computation.pt_in_quantity(1));
    EXPECT_FALSE(can_delete(f.host.d, a));
    f.t.record_count() = unused;
    EXPECT_FALSE(f.animation.computation.pt_in_quantity(1));
    EXPECT_FALSE(f.animation.computation.pt_in_quantity(0));
    ASSERT_TRUE(del_point(f.host.d, unused, 0, 0));

    const ComputationList& list = f.animation.computation.list();
    EXPECT_EQ(list[0].args[0], a - 1);
    EXPECT_EQ(list[0].args[1], b - 1);
    EXPECT_EQ(list[1].args[2], a - 1);
    EXPECT_EQ(list[0].args[2], 0);  // unused operands stay 0
    RecordingDC dc;
    f.animation.computation.eval_qty(dc, 0, 0);
    EXPECT_DOUBLE_EQ(f.animation.computation.value(0).value, 5.0);
}

TEST(Computation, RenumberingLeavesExpressionsAlone)
{
    Drawing f;
    const ObjectTable& t = f.t;
    ComputationList& list = f.animation.computation.list();
    list[0].type = 159;
    list[0].args = {25, 30, 0, 0, 0, 0, 0, 0};
    list[1].type = kExpressionType;
    list[1].args = {25, 30, 0, 0, 0, 0, 0, 0};
    list[2].type = 165;
    list[2].args = {21, 22, 26, 40, 0, 0, 0, 0};
    f.t.last_quantity() = 2;
    renumber_operands(t, list, 25);
    EXPECT_EQ(list[0].args, (std::array<std::int32_t, 8>{25, 29, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list[1].args[1], 30);
    EXPECT_EQ(list[2].args, (std::array<std::int32_t, 8>{21, 22, 25, 39, 0, 0, 0, 0}));
    // Entries past the last in use are not touched.
    list[3].type = 159;
    list[3].args[0] = 50;
    renumber_operands(t, list, 25);
    EXPECT_EQ(list[3].args[0], 50);
}

TEST(Computation, DeleteAnExpressionRemovesTheLastEntry)
{
    Figure f;
    f.measure(159, {f.A, f.B});
    f.measure(159, {f.V, f.H});
    f.animation.computation.measure_cmd(168);
    EXPECT_EQ(f.t.last_quantity(), 0);
    EXPECT_EQ(f.animation.computation.list()[1].type, 0);
    f.animation.computation.measure_cmd(168);
    f.animation.computation.measure_cmd(168);
    EXPECT_EQ(f.t.last_quantity(), -1);
    EXPECT_TRUE(f.rows().empty());
}

TEST(Computation, TheCommandLockIsGivenBack)
{
    Figure f;
    f.t.command_lock() = -1;  // a step-through drawing holds the commands
    f.measure(159, {f.A, f.B});
    EXPECT_EQ(f.t.command_lock(), -1);
    f.t.command_lock() = 0;
    f.measure(159, {f.A, f.B});
    EXPECT_EQ(f.t.command_lock(), 0);
}

TEST(Computation, DynamicAndStaticUnit)
{
    Figure f;
    f.measure(159, {f.A, f.B});
    // The unit segment VH with length 4: one unit is 10 world units.
    f.t.unit_segment_a() = f.V;
    f.t.unit_segment_b() = f.H;
    f.host.input_dialog.push_answer(" 4 ");
    f.animation.computation.measure_cmd(462);
    ASSERT_EQ(f.host.input_dialog.asked().size(), 1u);
    EXPECT_EQ(f.host.input_dialog.asked()[0].prompt, "Input a new length");
    EXPECT_EQ(f.host.input_dialog.asked()[0].initial, "1");
    EXPECT_EQ(f.host.input_dialog.asked()[0].max_length, 9u);
    EXPECT_DOUBLE_EQ(f.t.unit_length(), 10.0);
    EXPECT_DOUBLE_EQ(f.t.unit_segment_length(), 4.0);
    EXPECT_EQ(f.rows()[0].text, "AB = 10.00");

    // The unit follows the segment as the diagram changes.
    f.t[f.H].x = 180;
    EXPECT_EQ(f.rows()[0].text, "AB =  5.00");

    // A length that is no positive number is refused; the old one stays.
    for (const char* bad : {"0", "-3", "abc", "4x", ""}) {
        f.host.input_dialog.push_answer(std::string(bad));
        f.animation.computation.measure_cmd(462);
        EXPECT_DOUBLE_EQ(f.t.unit_segment_length(), 4.0) << bad;
    }
    EXPECT_EQ(f.host.boxes.asked().back().text, "Please input a positive number");

    f.animation.computation.measure_cmd(463);
    EXPECT_EQ(f.t.unit_segment_a(), 0);
    EXPECT_EQ(f.t.unit_segment_b(), 0);
    EXPECT_DOUBLE_EQ(f.t.unit_length(), f.t.static_unit());
    EXPECT_EQ(f.rows()[0].text, "AB =  5.00");
}

}  // namespace
