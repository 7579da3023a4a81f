#pragma once
// A drawing's computation list at work: measurements appended by the
// measure commands, values re-evaluated and written on the diagram at every
// repaint, expressions built with the calculator, the unit of length, and
// the list's part in deleting objects.

#include <string>

#include "animate/animation_host.h"
#include "animate/expression_builder.h"
#include "animate/quantity.h"

// Codes of measure_cmd besides the menu commands 168, 223, 462 and 463.
namespace measure_code {
inline constexpr int kPickOperand = -1;    // a press in mode -22
inline constexpr int kAppend = -102;       // the pending measurement into the list
inline constexpr int kRenumber = -103;     // operands after a deletion
inline constexpr int kDeleteLast = 168;
inline constexpr int kCalculator = 223;
inline constexpr int kDynamicUnit = 462;
inline constexpr int kStaticUnit = 463;
}  // namespace measure_code

// Modes of the calculator: waiting for an operand, after one.
inline constexpr int kOperandMode = -22;
inline constexpr int kAfterOperandMode = -24;
// The list's rows on the diagram.
inline constexpr int kListTop = 22;
inline constexpr int kRowHeight = 18;
inline constexpr int kListLeft = 2;

// The row under a mouse y, truncated toward zero.
int list_row(double mouse_y);

class Computation {
public:
    explicit Computation(AnimationHost& host) : host_(host) {}

    const ComputationList& list() const { return list_; }
    ComputationList& list() { return list_; }

    // A new, empty list: every entry and its tokens released.
    void reset();
    // Releases the tokens of every expression (the diagram is being cleared).
    void release_expression_tokens();

    // mode 0: re-evaluates entry k (entry 0 first follows a dynamic unit);
    // mode 2: writes its row, words and value, on dc.
    void eval_qty(DeviceContext& dc, int k, int mode);
    void measure_cmd(int code);
    // mode 1: is the object index held in record_count an operand of a measurement?
    bool pt_in_quantity(int mode);

    // --- Calculator ---
    // An expression is being built (record 2 name_shown); it is the last entry.
    bool expression_open();
    bool calc_key(CalcKey key);
    // OK: keeps a complete expression and closes the calculator; an empty one
    // is dropped as by cancel; an incomplete one is refused with a notice.
    bool calc_finish();
    // Cancel or the dialog closed: the expression is dropped.
    void calc_cancel();
    // What the calculator shows.
    std::string calc_expression_text();
    std::string calc_value_text();

    // The value of row k as last evaluated.
    FexpResult value(int k) const;

private:
    void append_measurement();
    void pick_operand();
    void delete_last();
    void start_expression();
    void set_dynamic_unit();
    void use_static_unit();
    void follow_unit_segment();
    void expression_changed(bool operand_last);
    void notice(const std::string& text);
    ExpressionBuilder builder();

    AnimationHost& host_;
    ComputationList list_{};
    // The characters of the number being typed in the calculator.
    std::string typing_;
};
