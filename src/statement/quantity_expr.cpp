#include "statement/quantity_expr.h"

#include <string>
#include <vector>

#include "algebra/quantity_terms.h"
#include "prover/keywords.h"
#include "prover/poly_coef.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/parser.h"
#include "statement/tokenizer.h"

namespace {

// Work-stack tags; an operator's tag is its precedence.
enum Tag : int {
    kFinal = 0,
    kOperand = 1,
    kOpen = 2,
    kClose = 3,
    kPlus = 4,
    kMinus = 5,
    kTimes = 6,
    kDivide = 7,
    kPower = 8,
};

// Exponents above this are refused: no statement needs them, and the
// power of a sum grows beyond any use long before.
constexpr coef_t kMaxExponent = 64;

int operator_tag(std::string_view t)
{
    if (t.size() != 1)
        return 0;
    switch (t[0]) {
    case ')': return kClose;
    case '+': return kPlus;
    case '-': return kMinus;
    case '*': return kTimes;
    case '/': return kDivide;
    case '^': return kPower;
    default: return 0;
    }
}

// An optional sign followed only by digits; the sign alone passes (as 0).
bool is_number(std::string_view t)
{
    if (t.empty())
        return false;
    std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    for (; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9')
            return false;
    return true;
}

// The value of a number token as a constant polynomial, exact however many
// digits it has.
xterm* number_value(std::string_view t)
{
    if (t[0] == '+')
        t.remove_prefix(1);
    return coef_from_text(t);
}

struct Cell {
    int tag;
    xterm* poly;
};

class ExprReader {
public:
    ~ExprReader()
    {
        for (auto& c : stack_)
            put_p(c.poly);
    }

    xterm* read();

private:
    std::vector<Cell> stack_;

    bool top_is(int tag) const { return !stack_.empty() && stack_.back().tag == tag; }
    void push(int tag, xterm* poly = nullptr) { stack_.push_back({tag, poly}); }

    bool fail(std::string_view message)
    {
        if (!g_abort)
            gerror(message);
        return false;
    }

    bool operator_step(int t);
    bool reduce_once();
    bool push_number(std::string_view t);
    bool push_quantity_term(bool* matched);
    bool expression_step();
    bool done_in_value_mode() const { return stack_.size() == 1 && top_is(kOperand); }
    xterm* take_result();
    void skip_rest_of_value();
};

bool ExprReader::reduce_once()
{
    const int op = stack_[stack_.size() - 2].tag;
    if (op != kPlus && op != kMinus && op != kTimes && op != kPower)
        return fail("expression error 99");
    if (stack_.size() < 3 || stack_[stack_.size() - 3].tag != kOperand)
        return fail("expresion error 13");
    // Both operands leave the stack before the arithmetic consumes them, so
    // that nothing is freed twice when it throws.
    xterm* right = stack_.back().poly;
    stack_.pop_back();
    stack_.pop_back();
    xterm* left = stack_.back().poly;
    stack_.pop_back();
    xterm* result = nullptr;
    switch (op) {
    case kPlus:
        result = pplus(left, right);
        break;
    case kMinus:
        result = pminus(left, right);
        break;
    case kTimes:
        result = ptimes(left, right);
        break;
    default: {
        if (!pconstp(right)) {
            put_p(left);
            put_p(right);
            return fail("expression error");
        }
        // An exponent beyond 64 bits is held in a big integer, not in value.
        const bool too_large = pbigp(right) || right->value > kMaxExponent;
        const coef_t n = right->value;
        put_p(right);
        if (too_large) {
            put_p(left);
            return fail("expression error");
        }
        result = ppower(left, n < 0 ? 0 : static_cast<int>(n));
        break;
    }
    }
    push(kOperand, result);
    return true;
}

bool ExprReader::operator_step(int t)
{
    if (!top_is(kOperand)) {
        if (top_is(kOpen)) {
            if (t == kClose)
                stack_.pop_back();  // empty parentheses
            else if (t != kFinal)
                push(t);
            return true;
        }
        return fail("expresion error 13");
    }
    while (stack_.size() >= 2 && stack_[stack_.size() - 2].tag >= t)
        if (!reduce_once())
            return false;
    if (t == kClose) {
        if (stack_.size() < 2 || stack_[stack_.size() - 2].tag != kOpen)
            return fail("expression error 17");
        stack_.erase(stack_.end() - 2);
    } else if (t != kFinal) {
        push(t);
    }
    return true;
}

bool ExprReader::push_number(std::string_view t)
{
    push(kOperand, number_value(t));
    return true;
}

// Reads a quantity term at g_tok when there is one.
bool ExprReader::push_quantity_term(bool* matched)
{
    *matched = true;
    const auto is = [](int id) { return tok_is(g_tok, stm_string(id)); };
    // The points after the keyword, resolved in order; false on a missing name.
    int p[4] = {0, 0, 0, 0};
    const auto points = [&](int n) {
        for (int k = 0; k < n; ++k) {
            p[k] = fd_pt(g_tok + 1 + k);
            if (g_abort)
                return false;
        }
        g_tok += 1 + n;
        return true;
    };
    const auto closes_at = [](int k) { return tok_is(g_tok + k, ")"); };
    xterm* q = nullptr;
    if (is(sid::kRatio)) {
        if (!points(4))
            return false;
        q = rtrim(p[0], p[1], p[2], p[3]);
    } else if (is(sid::kAngle)) {
        if (!points(4))
            return false;
        q = trim_a1(p[0], p[1], p[2], p[3]);
    } else if (is(sid::kArea) || is(sid::kPy)) {
        const bool area = is(sid::kArea);
        const int n = closes_at(4) ? 3 : closes_at(5) ? 4 : 0;
        if (n == 0)
            return fail(area ? "area is not proper" : "py is not proper");
        if (!points(n))
            return false;
        if (area)
            q = n == 3 ? mk_sarea(p[0], p[1], p[2], p[2]) : mk_sarea(p[0], p[1], p[2], p[3]);
        else
            q = n == 3 ? mk_pdiff(p[0], p[1], p[1], p[2]) : mk_pdiff(p[0], p[1], p[2], p[3]);
    } else if (is(sid::kSqDis)) {
        if (!points(2))
            return false;
        q = mk_pdiff(p[0], p[1], p[1], p[0]);
    } else if (is(sid::kVec)) {
        const int n = closes_at(2) ? 1 : closes_at(3) ? 2 : 0;
        if (n == 0)
            return fail("vector is not proper");
        if (!points(n))
            return false;
        q = gq_atom4(p[0], p[1]);
    } else if (is(sid::kL)) {
        if (!points(2))
            return false;
        q = gq_atom5(p[0], p[1]);
    } else if (is(sid::kCrossRatio)) {
        if (!points(4))
            return false;
        q = ptimes(rtrim(p[2], p[0], p[2], p[1]), rtrim(p[3], p[1], p[3], p[0]));
    } else {
        *matched = false;
        return true;
    }
    push(kOperand, q);
    return true;
}

// One step of the expression loop at g_tok.
bool ExprReader::expression_step()
{
    const std::string_view t = tok(g_tok);
    if (t == "(") {
        if (top_is(kOperand) && !operator_step(kTimes))
            return false;
        push(kOpen);
        ++g_tok;
        if (tok_is(g_tok, "+") || tok_is(g_tok, "-"))
            push(kOperand, get_n(0));
        return true;
    }
    if (const int op = operator_tag(t)) {
        if (!operator_step(op))
            return false;
        ++g_tok;
        return true;
    }
    bool matched = false;
    if (!push_quantity_term(&matched))
        return false;
    if (matched)
        return !g_abort;
    if (top_is(kOperand) && !operator_step(kTimes))
        return false;
    if (is_number(t)) {
        if (!push_number(t))
            return false;
    } else {
        push(kOperand, get_m(mk_var_name(t)));
    }
    ++g_tok;
    return true;
}

xterm* ExprReader::take_result()
{
    if (!top_is(kOperand)) {
        fail("expression error: empty expression");
        return nullptr;
    }
    xterm* result = stack_.back().poly;
    stack_.pop_back();
    return result;
}

// After an error the rest of the value is passed over, so that the caller
// resumes where the value ends.
void ExprReader::skip_rest_of_value()
{
    if (!g_rd_expr_mode)
        return;
    while (g_tok <= g_last_tok && !tok_is(g_tok, ";") && !tok_is(g_tok, "=") && !tok_is(g_tok, "."))
        ++g_tok;
}

xterm* ExprReader::read()
{
    const auto exhausted = [] { return g_tok > g_last_tok; };
    if (exhausted()) {
        fail(" expression error\n");
        return nullptr;
    }
    const std::string_view first = tok(g_tok);
    if (!g_rd_expr_mode) {
        if (first == ";") {
            ++g_tok;
            return get_n(1);
        }
        if ((first == "+" || first == "-") && is_number(tok(g_tok + 1))) {
            xterm* value = number_value(tok(g_tok + 1));
            g_tok += 2;
            return first == "-" ? neg_poly(value) : value;
        }
        if (is_number(first)) {
            xterm* value = number_value(first);
            ++g_tok;
            return value;
        }
        if (first != "(") {
            ++g_tok;
            return get_m(mk_var_name(first));
        }
        push(kOpen);
        ++g_tok;
        if (tok_is(g_tok, "+") || tok_is(g_tok, "-"))
            push(kOperand, get_n(0));
        while (!done_in_value_mode()) {
            if (exhausted()) {
                fail(" expression error\n");
                return nullptr;
            }
            if (!expression_step())
                return nullptr;
        }
        return take_result();
    }
    if (first == "+" || first == "-")
        push(kOperand, get_n(0));
    while (!tok_is(g_tok, ";") && !tok_is(g_tok, "=") && !tok_is(g_tok, ".")) {
        if (exhausted()) {
            fail(" expression error\n");
            return nullptr;
        }
        if (!expression_step()) {
            skip_rest_of_value();
            return nullptr;
        }
    }
    if (stack_.empty()) {
        fail("expression error: empty expression");
        return nullptr;
    }
    if (!operator_step(kFinal))
        return nullptr;
    return take_result();
}

}  // namespace

xterm* rd_pol()
{
    if (g_trace)
        trace_str(fmt("rd_pol (%d) %s %s\n", g_rd_expr_mode ? 1 : 0, std::string(tok(g_tok)).c_str(),
                      std::string(tok(g_tok + 1)).c_str()));
    ExprReader reader;
    xterm* result = reader.read();
    if (g_trace && result) {
        // The trace must not move the proof printer's column.
        const int column = g_pcol;
        trace_str("rd_out: " + poly_text(result, 0) + "\n");
        g_pcol = column;
    }
    return result;
}
