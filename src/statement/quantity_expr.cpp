#include "statement/quantity_expr.h"

#include <algorithm>
#include <string>
#include <vector>

#include "algebra/quantity_terms.h"
#include "prover/keywords.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/parser.h"
#include "statement/tokenizer.h"
#include "statement/value_bounds.h"

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

// The bounds of a value. The largest values of the examples, the test
// statements and the bench corpus take 84 words, and their largest product
// 350 (the fourth power of a sum of four by its square, on the way to its
// sixth power): these give them a hundredfold and more. A product may take
// as many words as its work before it is measured, some megabytes at the
// bound; a value at the bounds reads in a few milliseconds.
constexpr ValueBounds kReaderBounds{10'000, 40'000};

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

// A value ends at ";", "=" or "." in either mode (a ratio value in
// parentheses also where they close).
bool ends_value(int i) { return tok_is(i, ";") || tok_is(i, "=") || tok_is(i, "."); }

// A ratio value of two tokens: a sign and a number.
bool signed_number_at(int i)
{
    return (tok_is(i, "+") || tok_is(i, "-")) && is_number(tok(i + 1));
}

// A quantity term at a token: its keyword (string id; 0 when the token is
// none) and the points it names, -1 when the ")" that AREA, PY or VEC look
// for is not where either of their forms needs it. The reader takes the
// keyword and that many tokens, whatever they say.
struct TermShape {
    int keyword = 0;
    int points = 0;
};

TermShape term_at(int i)
{
    const auto closes_at = [i](int k) { return tok_is(i + k, ")"); };
    for (const int id : {sid::kRatio, sid::kAngle, sid::kCrossRatio, sid::kSqDis, sid::kL, sid::kArea, sid::kPy,
                         sid::kVec}) {
        if (!tok_is(i, stm_string(id)))
            continue;
        switch (id) {
        case sid::kSqDis: case sid::kL: return {id, 2};
        case sid::kArea: case sid::kPy: return {id, closes_at(4) ? 3 : closes_at(5) ? 4 : -1};
        case sid::kVec: return {id, closes_at(2) ? 1 : closes_at(3) ? 2 : -1};
        default: return {id, 4};
        }
    }
    return {};
}

// Tokens the expression loop takes in one step at token i.
int step_tokens(int i) { return 1 + std::max(term_at(i).points, 0); }

// Longest text of a statement line a message quotes.
constexpr std::size_t kNamedLineChars = 80;

// The statement line starting at token first, as a message names it, the
// reading having stopped at token stop. The conclusion ends at "."; a
// hypothesis line at the first ";" from stop on that closes its parentheses,
// or at the first ";" from stop on when they never close. A long line is cut
// with "...".
std::string named_line(int first, int stop)
{
    const bool conclusion = tok_is(first, stm_string(sid::kShow));
    int depth = 0;
    int first_semicolon = -1;
    int end = first;
    for (; end <= g_last_tok && !tok_is(end, "."); ++end) {
        if (end >= stop && !conclusion && tok_is(end, ";")) {
            if (depth <= 0)
                break;
            if (first_semicolon < 0)
                first_semicolon = end;
        }
        depth += static_cast<int>(tok_is(end, "(")) - static_cast<int>(tok_is(end, ")"));
    }
    if (!tok_is(end, ";") && first_semicolon >= 0)
        end = first_semicolon;
    // Only the tokens that can show are joined: one may hold many thousand
    // digits.
    int shown_end = first;
    for (std::size_t length = 0; shown_end < end && length <= kNamedLineChars; ++shown_end)
        length += tok(shown_end).size() + 1;
    std::string text = tokens_text(first, shown_end);
    if (shown_end == end && text.size() <= kNamedLineChars)
        return text;
    std::size_t cut = std::min(text.size(), kNamedLineChars);
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 sequence
    text.resize(cut);
    return text + " ...";
}

struct Cell {
    int tag;
    xterm* poly;
};

class ExprReader {
public:
    explicit ExprReader(int line) : line_(line) {}
    ~ExprReader()
    {
        for (auto& c : stack_)
            put_p(c.poly);
    }

    xterm* read();

private:
    int line_;  // the first token of the statement line the value stands in
    std::vector<Cell> stack_;
    BoundedArithmetic arithmetic_{kReaderBounds};

    bool top_is(int tag) const { return !stack_.empty() && stack_.back().tag == tag; }
    void push(int tag, xterm* poly = nullptr) { stack_.push_back({tag, poly}); }

    // Every message of the reader names the line it stands in.
    bool fail(std::string_view message)
    {
        if (!g_abort) {
            const bool own_blank = !message.empty() && message.front() == ' ';
            gerror(named_line(line_, g_tok) + (own_blank ? ":" : ": ") + std::string(message));
        }
        return false;
    }
    // An operand from the bounded arithmetic, which refuses with null.
    bool push_bounded(xterm* value)
    {
        if (!value)
            return fail(arithmetic_.refusal());
        push(kOperand, value);
        return true;
    }

    bool operator_step(int t);
    bool reduce_once();
    bool push_quantity_term(bool* matched);
    bool expression_step();
    bool group_closed() const { return stack_.size() == 1 && top_is(kOperand); }
    xterm* take_result();
    void skip_rest_of_value();
    xterm* read_single_token_value();
    xterm* read_expression(bool one_group);
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
        result = arithmetic_.plus(left, right);
        break;
    case kMinus:
        result = arithmetic_.minus(left, right);
        break;
    case kTimes:
        result = arithmetic_.times(left, right);
        break;
    default: {
        if (!pconstp(right)) {
            put_p(left);
            put_p(right);
            return fail("expression error");
        }
        result = arithmetic_.raise(left, right);
        break;
    }
    }
    return push_bounded(result);
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

// Reads a quantity term at g_tok when there is one.
bool ExprReader::push_quantity_term(bool* matched)
{
    const TermShape term = term_at(g_tok);
    *matched = term.keyword != 0;
    if (!*matched)
        return true;
    if (term.points < 0) {
        return fail(term.keyword == sid::kArea ? "area is not proper"
                    : term.keyword == sid::kPy ? "py is not proper"
                                               : "vector is not proper");
    }
    // The points after the keyword, resolved in order.
    const int n = term.points;
    int p[4] = {0, 0, 0, 0};
    for (int k = 0; k < n; ++k) {
        p[k] = fd_pt(g_tok + 1 + k);
        if (g_abort)
            return false;
    }
    g_tok += 1 + n;
    xterm* q = nullptr;
    switch (term.keyword) {
    case sid::kRatio:
        q = rtrim(p[0], p[1], p[2], p[3]);
        break;
    case sid::kAngle:
        q = trim_a1(p[0], p[1], p[2], p[3]);
        break;
    case sid::kArea:
        q = n == 3 ? mk_sarea(p[0], p[1], p[2], p[2]) : mk_sarea(p[0], p[1], p[2], p[3]);
        break;
    case sid::kPy:
        q = n == 3 ? mk_pdiff(p[0], p[1], p[1], p[2]) : mk_pdiff(p[0], p[1], p[2], p[3]);
        break;
    case sid::kSqDis:
        q = mk_pdiff(p[0], p[1], p[1], p[0]);
        break;
    case sid::kVec:
        q = gq_atom4(p[0], p[1]);
        break;
    case sid::kL:
        q = gq_atom5(p[0], p[1]);
        break;
    default:  // CROSS_RATIO
        q = ptimes(rtrim(p[2], p[0], p[2], p[1]), rtrim(p[3], p[1], p[3], p[0]));
        break;
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
        if (!push_bounded(arithmetic_.number(t)))
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
    while (g_tok <= g_last_tok && !ends_value(g_tok))
        ++g_tok;
}

// A ratio value not in parentheses: one token, or a sign and a number.
xterm* ExprReader::read_single_token_value()
{
    const std::string_view first = tok(g_tok);
    if (first == ";") {
        ++g_tok;
        return get_n(1);
    }
    const bool signed_number = signed_number_at(g_tok);
    if (!signed_number && !is_number(first)) {
        ++g_tok;
        return get_m(mk_var_name(first));
    }
    xterm* value = arithmetic_.number(tok(g_tok + (signed_number ? 1 : 0)));
    if (!value) {
        fail(arithmetic_.refusal());
        return nullptr;
    }
    g_tok += signed_number ? 2 : 1;
    return signed_number && first == "-" ? neg_poly(value) : value;
}

// The expression at g_tok up to the end of the value; with one_group (a
// ratio value, which starts with "(") also up to where that group closes.
// Both modes end a value and reduce it here, so that a text reads to the
// same value or the same error in either.
xterm* ExprReader::read_expression(bool one_group)
{
    if (tok_is(g_tok, "+") || tok_is(g_tok, "-"))
        push(kOperand, get_n(0));
    while (!ends_value(g_tok) && !(one_group && group_closed())) {
        if (g_tok > g_last_tok) {
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

xterm* ExprReader::read()
{
    if (g_tok > g_last_tok) {
        fail(" expression error\n");
        return nullptr;
    }
    // The pass that numbers the free points finds a ratio line's end with
    // value_end: a value read anywhere else is refused, so that the two
    // passes cannot part.
    const int end = value_end(g_tok, g_rd_expr_mode);
    xterm* value = !g_rd_expr_mode && !tok_is(g_tok, "(") ? read_single_token_value()
                                                          : read_expression(!g_rd_expr_mode);
    if (value && g_tok != end) {
        put_p(value);
        fail(fmt("expression error: the value ends at %s", std::string(tok(g_tok)).c_str()));
        return nullptr;
    }
    return value;
}

}  // namespace

int value_end(int first, bool expression_mode)
{
    if (!expression_mode && !tok_is(first, "(")) {
        if (tok_is(first, ";"))
            return first + 1;
        return first + (signed_number_at(first) ? 2 : 1);
    }
    // A ratio value in parentheses ends where its group closes holding an
    // operand: after the ")" of a group with more than parentheses in it, or
    // after the first operand that follows empty groups, as in "() 2".
    int depth = 0;
    bool content = false;
    int i = first;
    while (i <= g_last_tok && !ends_value(i)) {
        if (tok_is(i, "(")) {
            ++depth;
            ++i;
        } else if (tok_is(i, ")")) {
            --depth;
            ++i;
            if (!expression_mode && depth <= 0 && content)
                return i;
        } else {
            content = true;
            i += step_tokens(i);
            if (!expression_mode && depth <= 0)
                return i;
        }
    }
    return i;
}

xterm* rd_pol(int line)
{
    if (g_trace)
        trace_str(fmt("rd_pol (%d) %s %s\n", g_rd_expr_mode ? 1 : 0, std::string(tok(g_tok)).c_str(),
                      std::string(tok(g_tok + 1)).c_str()));
    ExprReader reader(line);
    xterm* result = reader.read();
    if (g_trace && result) {
        // The trace must not move the proof printer's column.
        const int column = g_pcol;
        trace_str("rd_out: " + poly_text(result, 0) + "\n");
        g_pcol = column;
    }
    return result;
}
