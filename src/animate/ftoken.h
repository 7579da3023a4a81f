#pragma once
// One token of an expression of the computation list, as the calculator
// builds it: numbers, references to earlier quantities of the list,
// operators, brackets and functions. A function token also opens a bracket,
// closed by its own right bracket: "sin(" ... ")".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FtokenKind : std::int8_t {
    Number,    // value
    Quantity,  // index: row of an earlier entry of the computation list
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Negate,    // unary minus
    Open,
    Close,
    Function,  // index: an Ffunction; opens a bracket
    Pi,
};

// Functions of the calculator. Angles are in degrees, as the measured angles are.
enum class Ffunction : std::int8_t { Sin, Cos, Tan, Asin, Acos, Atan, Sqrt, Abs, Ln, Log, Exp };
inline constexpr int kFunctionCount = 11;

struct Ftoken {
    FtokenKind kind = FtokenKind::Number;
    double value = 0.0;
    int index = 0;

    static Ftoken number(double v) { return {FtokenKind::Number, v, 0}; }
    static Ftoken quantity(int row) { return {FtokenKind::Quantity, 0.0, row}; }
    static Ftoken op(FtokenKind kind) { return {kind, 0.0, 0}; }
    static Ftoken function(Ffunction f) { return {FtokenKind::Function, 0.0, static_cast<int>(f)}; }
    friend bool operator==(const Ftoken&, const Ftoken&) = default;
};

// Longest expression the calculator builds or a file may hold; it also
// bounds the evaluator's recursion.
inline constexpr std::size_t kMaxTokens = 200;

// Name of a function as the calculator shows it ("sin").
std::string_view function_name(Ffunction f);
std::optional<Ffunction> function_by_name(std::string_view name);

// True after an operand: a number, a quantity, pi or a right bracket.
bool ends_operand(FtokenKind kind);

// A number as the expression shows it: shortest form that reads back to the
// same double.
std::string number_text(double v);

// The token in the computation list's own text form, for point files:
// "n<number>", "q<row>", "+", "-", "*", "/", "^", "~" (unary minus), "(",
// ")", "<name>(" for a function, "pi".
std::string token_code(const Ftoken& token);
std::optional<Ftoken> token_from_code(std::string_view code);
