#include "animate/computation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "animate/animate_strings.h"
#include "model/device_mapping.h"
#include "model/numeric.h"
#include "model/primitives.h"
#include "paint/points_draw.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"

namespace {

constexpr double kSmallestUnit = 0.001;
constexpr std::size_t kLengthEditSize = 10;  // the edit takes one character less

std::string format_int(int id, int value)
{
    const std::string pattern = load_string(id);
    const int n = std::snprintf(nullptr, 0, pattern.c_str(), value);
    std::string text(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), value);
    text.resize(static_cast<std::size_t>(std::max(n, 0)));
    return text;
}

std::string length_text(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

// A positive finite number, the whole text (blanks around it allowed).
std::optional<double> positive_number(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const std::string trimmed = text.substr(first, last - first + 1);
    char* end = nullptr;
    const double v = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(v) || v <= 0.0)
        return std::nullopt;
    return v;
}

}  // namespace

int list_row(double mouse_y) { return trunc_to_int(mouse_y - kListTop, kDeviceLimit) / kRowHeight; }

void Computation::reset()
{
    list_.fill(Quantity{});
    typing_.clear();
}

void Computation::release_expression_tokens()
{
    for (Quantity& q : list_) {
        q.tokens.clear();
        q.tokens.shrink_to_fit();
    }
    typing_.clear();
}

ExpressionBuilder Computation::builder()
{
    return ExpressionBuilder(list_[static_cast<std::size_t>(std::max(last_entry(host_.table()), 0))].tokens,
                             typing_);
}

void Computation::follow_unit_segment()
{
    ObjectTable& t = host_.table();
    const int a = t.unit_segment_a();
    const int b = t.unit_segment_b();
    if (a == 0)
        return;
    if (a < rec::kFirstObject || b < rec::kFirstObject || !t.contains(a) || !t.contains(b))
        return;
    const double length = t.unit_segment_length() > 0.0 ? t.unit_segment_length() : 1.0;
    const double unit = p_dist(t, a, b) / length;
    if (std::isfinite(unit))
        t.unit_length() = std::max(unit, kSmallestUnit);
}

void Computation::eval_qty(DeviceContext& dc, int k, int mode)
{
    ObjectTable& t = host_.table();
    if (k < 0 || k > last_entry(t))
        return;
    if (mode == 0) {
        if (k == 0)
            follow_unit_segment();
        evaluate_quantity(t, list_, k);
        return;
    }
    if (mode != 2)
        return;
    const Quantity& q = list_[k];
    const bool building = expression_open() && k == last_entry(t);
    Colour colour = t.font_colour();
    if (building)
        colour = kBlue;
    else if (!q.result.ok())
        colour = kRed;
    const std::string line = quantity_text(t, list_, k) + " " + value_text(q.result);
    draw_label(host_.diagram(), dc, p_to_dev(t, kListLeft), p_to_dev(t, kListTop + kRowHeight * k), line,
               colour, 0);
}

bool Computation::pt_in_quantity(int mode)
{
    ObjectTable& t = host_.table();
    return mode == 1 && quantity_uses_object(t, list_, t.record_count());
}

void Computation::measure_cmd(int code)
{
    ObjectTable& t = host_.table();
    // The commands stay disabled while the list changes; the flag is given
    // back as it was, so a step-through drawing keeps its lock.
    const char lock = t.command_lock();
    t.command_lock() = -1;
    switch (code) {
    case measure_code::kPickOperand: pick_operand(); break;
    case measure_code::kAppend: append_measurement(); break;
    case measure_code::kRenumber: renumber_operands(t, list_, t.record_count()); break;
    case measure_code::kDeleteLast: delete_last(); break;
    case measure_code::kCalculator: start_expression(); break;
    case measure_code::kDynamicUnit: set_dynamic_unit(); break;
    case measure_code::kStaticUnit: use_static_unit(); break;
    default: break;
    }
    t.command_lock() = lock;
}

void Computation::notice(const std::string& text)
{
    if (MessageBoxes* boxes = host_.message_boxes())
        boxes->ok(load_string(asid::kError), text, MessageIcon::Warning);
}

void Computation::append_measurement()
{
    ObjectTable& t = host_.table();
    // A measurement taken while an expression is being entered is dropped.
    if (expression_open())
        return;
    const Dpoint& pending = host_.diagram().pending;
    const int n = operand_count(pending.type);
    if (n == 0)
        return;
    const int last = last_entry(t);
    if (last >= kMaxQuantities - 1) {
        notice(format_int(asid::kListFull, kMaxQuantities));
        return;
    }
    const int k = last + 1;
    Quantity q;
    q.type = pending.type;
    for (int j = 0; j < n; ++j)
        q.args[j] = pending.arg[j];
    list_[k] = std::move(q);
    t.last_quantity() = k;
    evaluate_quantity(t, list_, k);
    host_.invalidate();
}

void Computation::pick_operand()
{
    ObjectTable& t = host_.table();
    if (!expression_open())
        return;
    const int row = list_row(t.mouse_y());
    // Rows before the expression being built, which is the last entry.
    if (row < 0 || row >= last_entry(t))
        return;
    if (builder().add_quantity(row))
        expression_changed(true);
}

void Computation::delete_last()
{
    ObjectTable& t = host_.table();
    const int last = last_entry(t);
    if (last < 0)
        return;
    if (expression_open()) {
        calc_cancel();
        return;
    }
    list_[last] = Quantity{};
    t.last_quantity() = last - 1;
    host_.invalidate();
}

void Computation::start_expression()
{
    ObjectTable& t = host_.table();
    if (expression_open()) {
        host_.open_calculator();
        return;
    }
    const int last = last_entry(t);
    if (last >= kMaxQuantities - 1) {
        notice(format_int(asid::kListFull, kMaxQuantities));
        return;
    }
    const int k = last + 1;
    list_[k] = Quantity{};
    list_[k].type = kExpressionType;
    evaluate_quantity(t, list_, k);
    t.last_quantity() = k;
    t.expression_open() = 1;
    t.open_brackets() = 0;
    typing_.clear();
    t.pending_command() = measure_code::kCalculator;
    t.action_state() = kOperandMode;
    host_.set_status(1, load_string(asid::kCalculatorPrompt));
    host_.set_status(3, load_string(asid::kCalculatorTitle));
    host_.open_calculator();
    host_.invalidate();
}

void Computation::set_dynamic_unit()
{
    ObjectTable& t = host_.table();
    // The unit changes under the expression: it is settled first, kept when
    // complete, else dropped.
    if (expression_open()) {
        if (builder().complete())
            calc_finish();
        else
            calc_cancel();
    }
    if (t.unit_segment_a() == 0)
        return;
    if (InputDialog* input = host_.input()) {
        const std::string prompt = load_string(asid::kNewLength);
        const auto answer =
            input->ask(prompt, prompt, length_text(t.unit_segment_length()), kLengthEditSize - 1);
        if (answer) {
            if (const auto length = positive_number(*answer))
                t.unit_segment_length() = *length;
            else
                notice(load_string(asid::kPositiveNumber));
        }
    }
    follow_unit_segment();
    host_.invalidate();
}

void Computation::use_static_unit()
{
    ObjectTable& t = host_.table();
    t.unit_segment_a() = 0;
    t.unit_segment_b() = 0;
    const double unit = t.static_unit();
    t.unit_length() = std::isfinite(unit) ? std::max(unit, kSmallestUnit) : 20.0;
    host_.invalidate();
}

bool Computation::expression_open()
{
    ObjectTable& t = host_.table();
    const int last = last_entry(t);
    return t.expression_open() != 0 && last >= 0 && list_[last].is_expression();
}

void Computation::expression_changed(bool operand_last)
{
    ObjectTable& t = host_.table();
    ExpressionBuilder b = builder();
    t.open_brackets() = b.open_brackets();
    if (t.action_state() == kOperandMode || t.action_state() == kAfterOperandMode)
        t.action_state() = operand_last ? kAfterOperandMode : kOperandMode;
    evaluate_quantity(t, list_, last_entry(t));
    host_.refresh_calculator();
    host_.invalidate();
}

bool Computation::calc_key(CalcKey key)
{
    if (!expression_open())
        return false;
    ExpressionBuilder b = builder();
    if (!b.key(key))
        return false;
    expression_changed(!b.expecting_operand());
    return true;
}

namespace {

void end_calculator_mode(AnimationHost& host)
{
    ObjectTable& t = host.table();
    t.expression_open() = 0;
    t.open_brackets() = 0;
    if (t.action_state() == kOperandMode || t.action_state() == kAfterOperandMode) {
        t.action_state() = 0;
        host.set_status(1, "");
    }
    if (t.pending_command() == measure_code::kCalculator)
        t.pending_command() = 0;
}

}  // namespace

bool Computation::calc_finish()
{
    ObjectTable& t = host_.table();
    if (!expression_open())
        return false;
    const int last = last_entry(t);
    if (list_[last].tokens.empty()) {
        calc_cancel();
        return true;
    }
    if (!builder().complete()) {
        notice(load_string(asid::kIncomplete));
        return false;
    }
    typing_.clear();
    end_calculator_mode(host_);
    evaluate_quantity(t, list_, last);
    host_.close_calculator();
    host_.invalidate();
    return true;
}

void Computation::calc_cancel()
{
    ObjectTable& t = host_.table();
    if (expression_open()) {
        const int last = last_entry(t);
        list_[last] = Quantity{};
        t.last_quantity() = last - 1;
    }
    typing_.clear();
    end_calculator_mode(host_);
    host_.close_calculator();
    host_.invalidate();
}

std::string Computation::calc_expression_text()
{
    if (!expression_open())
        return {};
    std::string text = quantity_text(host_.table(), list_, last_entry(host_.table()));
    if (!typing_.empty() && typing_.back() == '.')
        text += '.';
    return text;
}

std::string Computation::calc_value_text()
{
    if (!expression_open())
        return {};
    ObjectTable& t = host_.table();
    return value_text(evaluate_quantity(t, list_, last_entry(t)));
}

FexpResult Computation::value(int k) const
{
    if (k < 0 || k >= kMaxQuantities)
        return FexpResult::fail(FexpError::BadReference);
    return list_[k].result;
}
