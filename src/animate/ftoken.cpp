#include "animate/ftoken.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::array<std::string_view, kFunctionCount> kNames{"sin", "cos",  "tan", "asin",
                                                              "acos", "atan", "sqrt", "abs",
                                                              "ln",  "log",  "exp"};

struct Symbol {
    FtokenKind kind;
    std::string_view code;
};
constexpr std::array<Symbol, 9> kSymbols{{{FtokenKind::Plus, "+"},
                                          {FtokenKind::Minus, "-"},
                                          {FtokenKind::Times, "*"},
                                          {FtokenKind::Divide, "/"},
                                          {FtokenKind::Power, "^"},
                                          {FtokenKind::Negate, "~"},
                                          {FtokenKind::Open, "("},
                                          {FtokenKind::Close, ")"},
                                          {FtokenKind::Pi, "pi"}}};

}  // namespace

std::string_view function_name(Ffunction f)
{
    const auto i = static_cast<std::size_t>(f);
    return i < kNames.size() ? kNames[i] : std::string_view("?");
}

std::optional<Ffunction> function_by_name(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<Ffunction>(i);
    return std::nullopt;
}

bool ends_operand(FtokenKind kind)
{
    return kind == FtokenKind::Number || kind == FtokenKind::Quantity || kind == FtokenKind::Pi ||
           kind == FtokenKind::Close;
}

std::string number_text(double v)
{
    // The shortest of the precisions that reads back exactly.
    for (int precision = 1; precision <= 17; ++precision) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, v);
        if (std::strtod(buffer, nullptr) == v || !std::isfinite(v))
            return buffer;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

std::string token_code(const Ftoken& token)
{
    switch (token.kind) {
    case FtokenKind::Number: return "n" + number_text(token.value);
    case FtokenKind::Quantity: return "q" + std::to_string(token.index);
    case FtokenKind::Function:
        return std::string(function_name(static_cast<Ffunction>(token.index))) + "(";
    default:
        for (const Symbol& s : kSymbols)
            if (s.kind == token.kind)
                return std::string(s.code);
        return "?";
    }
}

std::optional<Ftoken> token_from_code(std::string_view code)
{
    for (const Symbol& s : kSymbols)
        if (s.code == code)
            return Ftoken::op(s.kind);
    if (code.size() >= 2 && code.front() == 'n') {
        const std::string digits(code.substr(1));
        char* end = nullptr;
        const double v = std::strtod(digits.c_str(), &end);
        if (end != digits.c_str() + digits.size() || !std::isfinite(v))
            return std::nullopt;
        return Ftoken::number(v);
    }
    if (code.size() >= 2 && code.front() == 'q') {
        int row = 0;
        const char* first = code.data() + 1;
        const char* last = code.data() + code.size();
        const auto [ptr, ec] = std::from_chars(first, last, row);
        if (ec != std::errc() || ptr != last || row < 0)
            return std::nullopt;
        return Ftoken::quantity(row);
    }
    if (code.size() >= 2 && code.back() == '(')
        if (const auto f = function_by_name(code.substr(0, code.size() - 1)))
            return Ftoken::function(*f);
    return std::nullopt;
}
