#include "animate/fexp.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

FexpResult checked(double v)
{
    return std::isfinite(v) ? FexpResult::of(v) : FexpResult::fail(FexpError::Overflow);
}

}  // namespace

std::string_view fexp_error_text(FexpError error)
{
    switch (error) {
    case FexpError::None: return "";
    case FexpError::Incomplete: return "incomplete";
    case FexpError::Syntax: return "syntax error";
    case FexpError::DivisionByZero: return "division by zero";
    case FexpError::Domain: return "out of domain";
    case FexpError::Overflow: return "overflow";
    case FexpError::BadReference: return "no such quantity";
    case FexpError::Undefined: return "undefined";
    }
    return "error";
}

FexpResult apply_function(Ffunction f, double x)
{
    switch (f) {
    case Ffunction::Sin: return checked(std::sin(x * kRadiansPerDegree));
    case Ffunction::Cos: return checked(std::cos(x * kRadiansPerDegree));
    case Ffunction::Tan:
        // tan(90 + k * 180) has no value; in floating point it would be huge.
        if (std::abs(std::cos(x * kRadiansPerDegree)) < 1e-12)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::tan(x * kRadiansPerDegree));
    case Ffunction::Asin:
        if (x < -1.0 || x > 1.0)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::asin(x) / kRadiansPerDegree);
    case Ffunction::Acos:
        if (x < -1.0 || x > 1.0)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::acos(x) / kRadiansPerDegree);
    case Ffunction::Atan: return checked(std::atan(x) / kRadiansPerDegree);
    case Ffunction::Sqrt:
        if (x < 0.0)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::sqrt(x));
    case Ffunction::Abs: return checked(std::abs(x));
    case Ffunction::Ln:
        if (x <= 0.0)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::log(x));
    case Ffunction::Log:
        if (x <= 0.0)
            return FexpResult::fail(FexpError::Domain);
        return checked(std::log10(x));
    case Ffunction::Exp: return checked(std::exp(x));
    }
    return FexpResult::fail(FexpError::Syntax);
}

Fexp::Fexp(std::span<const Ftoken> tokens, QuantityValue quantity)
    : tokens_(tokens), quantity_(std::move(quantity))
{
}

bool Fexp::at(FtokenKind kind) const { return !at_end() && tokens_[pos_].kind == kind; }

FexpResult Fexp::evaluate()
{
    pos_ = 0;
    if (tokens_.size() > kMaxTokens)
        return FexpResult::fail(FexpError::Syntax);
    if (tokens_.empty())
        return FexpResult::fail(FexpError::Incomplete);
    FexpResult r = sum();
    if (!r.ok())
        return r;
    if (!at_end())
        return FexpResult::fail(FexpError::Syntax);
    return r;
}

FexpResult Fexp::sum()
{
    FexpResult left = product();
    while (left.ok() && (at(FtokenKind::Plus) || at(FtokenKind::Minus))) {
        const bool plus = at(FtokenKind::Plus);
        ++pos_;
        const FexpResult right = product();
        if (!right.ok())
            return right;
        left = checked(plus ? left.value + right.value : left.value - right.value);
    }
    return left;
}

FexpResult Fexp::product()
{
    FexpResult left = unary();
    while (left.ok() && (at(FtokenKind::Times) || at(FtokenKind::Divide))) {
        const bool times = at(FtokenKind::Times);
        ++pos_;
        const FexpResult right = unary();
        if (!right.ok())
            return right;
        if (!times && right.value == 0.0)
            return FexpResult::fail(FexpError::DivisionByZero);
        left = checked(times ? left.value * right.value : left.value / right.value);
    }
    return left;
}

FexpResult Fexp::unary()
{
    if (at(FtokenKind::Negate) || at(FtokenKind::Minus)) {
        ++pos_;
        const FexpResult r = unary();
        return r.ok() ? FexpResult::of(-r.value) : r;
    }
    return power();
}

FexpResult Fexp::power()
{
    const FexpResult base = primary();
    if (!base.ok() || !at(FtokenKind::Power))
        return base;
    ++pos_;
    // Right-associative, and the exponent may carry its own sign: 2^-1.
    const FexpResult exponent = unary();
    if (!exponent.ok())
        return exponent;
    if (base.value == 0.0 && exponent.value < 0.0)
        return FexpResult::fail(FexpError::DivisionByZero);
    if (base.value < 0.0 && exponent.value != std::floor(exponent.value))
        return FexpResult::fail(FexpError::Domain);
    return checked(std::pow(base.value, exponent.value));
}

FexpResult Fexp::primary()
{
    if (at_end())
        return FexpResult::fail(FexpError::Incomplete);
    const Ftoken& token = tokens_[pos_++];
    switch (token.kind) {
    case FtokenKind::Number: return checked(token.value);
    case FtokenKind::Pi: return FexpResult::of(std::numbers::pi);
    case FtokenKind::Quantity: {
        if (!quantity_)
            return FexpResult::fail(FexpError::BadReference);
        return quantity_(token.index);
    }
    case FtokenKind::Open:
    case FtokenKind::Function: {
        const FexpResult inner = sum();
        if (!inner.ok())
            return inner;
        if (at_end())
            return FexpResult::fail(FexpError::Incomplete);
        if (!at(FtokenKind::Close))
            return FexpResult::fail(FexpError::Syntax);
        ++pos_;
        if (token.kind == FtokenKind::Open)
            return inner;
        if (token.index < 0 || token.index >= kFunctionCount)
            return FexpResult::fail(FexpError::Syntax);
        return apply_function(static_cast<Ffunction>(token.index), inner.value);
    }
    default: return FexpResult::fail(FexpError::Syntax);
    }
}
