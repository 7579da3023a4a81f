#include "animate/expression_builder.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Digits of one number; more would only be noise in a double.
constexpr std::size_t kMaxNumberLength = 16;

std::optional<Ffunction> function_of(CalcKey k)
{
    switch (k) {
    case CalcKey::Sin: return Ffunction::Sin;
    case CalcKey::Cos: return Ffunction::Cos;
    case CalcKey::Tan: return Ffunction::Tan;
    case CalcKey::Asin: return Ffunction::Asin;
    case CalcKey::Acos: return Ffunction::Acos;
    case CalcKey::Atan: return Ffunction::Atan;
    case CalcKey::Sqrt: return Ffunction::Sqrt;
    case CalcKey::Abs: return Ffunction::Abs;
    case CalcKey::Ln: return Ffunction::Ln;
    case CalcKey::Log: return Ffunction::Log;
    case CalcKey::Exp: return Ffunction::Exp;
    default: return std::nullopt;
    }
}

std::optional<FtokenKind> operator_of(CalcKey k)
{
    switch (k) {
    case CalcKey::Plus: return FtokenKind::Plus;
    case CalcKey::Minus: return FtokenKind::Minus;
    case CalcKey::Times: return FtokenKind::Times;
    case CalcKey::Divide: return FtokenKind::Divide;
    case CalcKey::Power: return FtokenKind::Power;
    default: return std::nullopt;
    }
}

}  // namespace

CalcKey digit_key(int digit) { return static_cast<CalcKey>(static_cast<int>(CalcKey::D0) + std::clamp(digit, 0, 9)); }

bool ExpressionBuilder::expecting_operand() const
{
    return tokens_.empty() || !ends_operand(tokens_.back().kind);
}

int ExpressionBuilder::open_brackets() const
{
    int open = 0;
    for (const Ftoken& t : tokens_) {
        if (t.kind == FtokenKind::Open || t.kind == FtokenKind::Function)
            ++open;
        else if (t.kind == FtokenKind::Close)
            --open;
    }
    return open;
}

bool ExpressionBuilder::complete() const { return !tokens_.empty() && !expecting_operand() && open_brackets() == 0; }

bool ExpressionBuilder::push(const Ftoken& token)
{
    if (tokens_.size() >= kMaxTokens)
        return false;
    tokens_.push_back(token);
    typing_.clear();
    return true;
}

bool ExpressionBuilder::digit(char c)
{
    const bool continuing = !typing_.empty() && !tokens_.empty() && tokens_.back().kind == FtokenKind::Number;
    if (!continuing) {
        if (!expecting_operand())
            return false;
        if (!push(Ftoken::number(0.0)))
            return false;
        typing_ = c == '.' ? "0." : std::string(1, c);
    } else {
        if (c == '.' && typing_.find('.') != std::string::npos)
            return false;
        if (typing_.size() >= kMaxNumberLength)
            return false;
        typing_ += c;
    }
    tokens_.back().value = std::strtod(typing_.c_str(), nullptr);
    return true;
}

bool ExpressionBuilder::back()
{
    if (tokens_.empty())
        return false;
    if (tokens_.back().kind == FtokenKind::Number && typing_.size() > 1) {
        typing_.pop_back();
        tokens_.back().value = std::strtod(typing_.c_str(), nullptr);
        return true;
    }
    tokens_.pop_back();
    typing_.clear();
    // A number before the removed token can be typed on.
    if (!tokens_.empty() && tokens_.back().kind == FtokenKind::Number)
        typing_ = number_text(tokens_.back().value);
    return true;
}

bool ExpressionBuilder::key(CalcKey k)
{
    const int code = static_cast<int>(k);
    if (code >= static_cast<int>(CalcKey::D0) && code <= static_cast<int>(CalcKey::D9))
        return digit(static_cast<char>('0' + code - static_cast<int>(CalcKey::D0)));
    if (k == CalcKey::Point)
        return digit('.');
    if (k == CalcKey::Back)
        return back();
    if (k == CalcKey::Clear) {
        tokens_.clear();
        typing_.clear();
        return true;
    }
    if (const auto op = operator_of(k)) {
        if (!expecting_operand())
            return push(Ftoken::op(*op));
        // A minus where an operand is due is a sign.
        return *op == FtokenKind::Minus && push(Ftoken::op(FtokenKind::Negate));
    }
    if (const auto f = function_of(k))
        return expecting_operand() && push(Ftoken::function(*f));
    switch (k) {
    case CalcKey::Open: return expecting_operand() && push(Ftoken::op(FtokenKind::Open));
    case CalcKey::Close:
        return !expecting_operand() && open_brackets() > 0 && push(Ftoken::op(FtokenKind::Close));
    case CalcKey::Pi: return expecting_operand() && push(Ftoken::op(FtokenKind::Pi));
    default: return false;
    }
}

bool ExpressionBuilder::add_quantity(int row)
{
    return row >= 0 && expecting_operand() && push(Ftoken::quantity(row));
}
