#include "animate/computation.h"

#include <gtest/gtest.h>

#include "anim_fixture.h"

using namespace anim_test;

namespace {

// Two measured quantities, AB = 5 and VH = 2, and the calculator.
struct Calc : Drawing {
    int A = point(100, 100, "A");
    int B = point(160, 180, "B");
    int V = point(100, 100, "V");
    int H = point(140, 100, "H");
    Computation& c = animation.computation;

    Calc()
    {
        measure(159, {A, B});
        measure(159, {V, H});
    }
    void open() { c.measure_cmd(223); }
    // A press on row `row` of the list while the calculator waits for an operand.
    void pick(int row)
    {
        t.mouse_y() = kListTop + kRowHeight * row + 9;
        c.measure_cmd(-1);
    }
    std::string row_text(int k)
    {
        RecordingDC dc;
        paint_diagram(host.d, dc, 1);
        for (const RecordedCall& call : dc.calls_named("text_out"))
            if (call.args[1] == kListTop + kRowHeight * k && call.text.find(" = ") != std::string::npos)
                return call.text;
        return {};
    }
};

TEST(Calculator, BuildsAnExpressionFromKeysAndPickedRows)
{
    Calc f;
    f.open();
    EXPECT_EQ(f.t.last_quantity(), 2);
    EXPECT_TRUE(f.c.expression_open());
    EXPECT_EQ(f.t.action_state(), kOperandMode);
    EXPECT_EQ(f.t.pending_command(), 223);
    EXPECT_EQ(f.host.calculator_opened, 1);
    EXPECT_EQ(f.host.panes[1], "Select a quantity in the Left-Top corner or use the calculator");

    EXPECT_TRUE(f.c.calc_key(CalcKey::Open));
    f.pick(0);
    EXPECT_EQ(f.t.action_state(), kAfterOperandMode);
    EXPECT_EQ(f.t.open_brackets(), 1);
    f.pick(1);  // an operand cannot follow an operand
    EXPECT_EQ(f.c.list()[2].tokens.size(), 2u);
    EXPECT_TRUE(f.c.calc_key(CalcKey::Plus));
    EXPECT_EQ(f.t.action_state(), kOperandMode);
    f.pick(2);  // the expression itself is no operand
    f.pick(7);  // nor is a row below the list
    EXPECT_EQ(f.c.list()[2].tokens.size(), 3u);
    f.pick(1);
    EXPECT_TRUE(f.c.calc_key(CalcKey::Close));
    EXPECT_TRUE(f.c.calc_key(CalcKey::Times));
    EXPECT_TRUE(f.c.calc_key(CalcKey::D2));
    EXPECT_EQ(f.t.open_brackets(), 0);
    EXPECT_EQ(f.c.calc_expression_text(), "(AB+VH)\u00D72");
    EXPECT_EQ(f.c.calc_value_text(), "= 14.00");
    EXPECT_GT(f.host.calculator_refreshed, 0);

    // A measurement taken meanwhile is dropped.
    f.measure(159, {f.A, f.H});
    EXPECT_EQ(f.t.last_quantity(), 2);

    EXPECT_TRUE(f.c.calc_finish());
    EXPECT_FALSE(f.c.expression_open());
    EXPECT_EQ(f.t.action_state(), 0);
    EXPECT_EQ(f.t.pending_command(), 0);
    EXPECT_EQ(f.host.calculator_closed, 1);
    EXPECT_EQ(f.row_text(2), "(AB+VH)\u00D72 = 14.00");

    // The expression follows the diagram.
    f.t[f.H].x = 180;
    EXPECT_EQ(f.row_text(2), "(AB+VH)\u00D72 = 18.00");
    // Keys reach nothing once the calculator is closed.
    EXPECT_FALSE(f.c.calc_key(CalcKey::D1));
}

TEST(Calculator, ExpressionsOfExpressionsAndDivisionByZero)
{
    Calc f;
    f.open();
    f.pick(0);
    f.c.calc_key(CalcKey::Divide);
    f.c.calc_key(CalcKey::Open);
    f.pick(1);
    f.c.calc_key(CalcKey::Minus);
    f.pick(1);
    f.c.calc_key(CalcKey::Close);
    ASSERT_TRUE(f.c.calc_finish());
    EXPECT_EQ(f.row_text(2), "AB/(VH-VH) = division by zero");
    EXPECT_EQ(f.c.value(2).error, FexpError::DivisionByZero);

    f.open();
    f.c.calc_key(CalcKey::Sqrt);
    f.pick(2);
    f.c.calc_key(CalcKey::Close);
    ASSERT_TRUE(f.c.calc_finish());
    // The error of the expression it reads passes on.
    EXPECT_EQ(f.row_text(3), "sqrt((AB/(VH-VH))) = division by zero");
}

TEST(Calculator, AnIncompleteExpressionIsRefusedAndCancelDropsIt)
{
    Calc f;
    f.open();
    f.pick(0);
    f.c.calc_key(CalcKey::Plus);
    EXPECT_FALSE(f.c.calc_finish());
    EXPECT_TRUE(f.c.expression_open());
    ASSERT_EQ(f.host.boxes.asked().size(), 1u);
    EXPECT_EQ(f.host.boxes.asked()[0].text, "The expression is not complete");
    EXPECT_EQ(f.c.calc_value_text(), "= incomplete");

    f.c.calc_cancel();
    EXPECT_FALSE(f.c.expression_open());
    EXPECT_EQ(f.t.last_quantity(), 1);
    EXPECT_TRUE(f.c.list()[2].tokens.empty());
    EXPECT_EQ(f.t.action_state(), 0);
    EXPECT_EQ(f.host.calculator_closed, 1);

    // OK on an empty expression drops it as Cancel does.
    f.open();
    EXPECT_TRUE(f.c.calc_finish());
    EXPECT_EQ(f.t.last_quantity(), 1);
    // "Delete an Expression" while one is built drops that one.
    f.open();
    f.c.calc_key(CalcKey::D9);
    f.c.measure_cmd(168);
    EXPECT_EQ(f.t.last_quantity(), 1);
    EXPECT_FALSE(f.c.expression_open());
}

TEST(Calculator, CalculatorAgainBringsTheOpenOneForward)
{
    Calc f;
    f.open();
    f.open();
    EXPECT_EQ(f.t.last_quantity(), 2);
    EXPECT_EQ(f.host.calculator_opened, 2);
}

TEST(Calculator, ANewUnitSettlesTheOpenExpression)
{
    Calc f;
    f.t.unit_segment_a() = f.V;
    f.t.unit_segment_b() = f.H;
    f.open();
    f.pick(0);
    f.host.input_dialog.push_answer(std::string("2"));
    f.c.measure_cmd(462);
    EXPECT_FALSE(f.c.expression_open());
    EXPECT_EQ(f.t.last_quantity(), 2);  // complete, so kept
    EXPECT_EQ(f.row_text(2), "AB =  5.00");

    f.open();
    f.c.calc_key(CalcKey::Sqrt);
    f.host.input_dialog.push_answer(std::string("2"));
    f.c.measure_cmd(462);
    EXPECT_FALSE(f.c.expression_open());
    EXPECT_EQ(f.t.last_quantity(), 2);  // incomplete, so dropped
    EXPECT_TRUE(f.host.boxes.asked().empty());
}

TEST(Calculator, ClearingTheDrawingReleasesTheTokens)
{
    Calc f;
    f.open();
    f.c.calc_key(CalcKey::D4);
    ASSERT_TRUE(f.c.calc_finish());
    f.c.release_expression_tokens();
    EXPECT_TRUE(f.c.list()[2].tokens.empty());
    f.host.d.reset_reserved_records();
    EXPECT_EQ(f.t.last_quantity(), -1);
    EXPECT_EQ(f.c.list()[0].type, 0);
}

}  // namespace
