#pragma once
// The evaluator of the computation list's expressions: numbers, references to
// earlier quantities, + - * / ^ with the usual precedence (^ binds tightest
// and to the right, a unary minus binds looser than ^: -2^2 is -4), brackets
// and the calculator's functions. A fault never throws: it is an error value.

#include <functional>
#include <span>
#include <string_view>

#include "animate/ftoken.h"

enum class FexpError {
    None,
    Incomplete,      // the expression ends where an operand or ")" is due
    Syntax,          // a token where it cannot stand
    DivisionByZero,
    Domain,          // sqrt of a negative, log of a non-positive, asin beyond 1, ...
    Overflow,        // the result is not a finite number
    BadReference,    // a quantity that is not an earlier entry
    Undefined,       // a measurement without a value (a vertical slope, a zero denominator)
};

struct FexpResult {
    double value = 0.0;
    FexpError error = FexpError::None;
    bool ok() const { return error == FexpError::None; }
    static FexpResult of(double v) { return {v, FexpError::None}; }
    static FexpResult fail(FexpError e) { return {0.0, e}; }
};

// The words shown after "= " in place of a value.
std::string_view fexp_error_text(FexpError error);

class Fexp {
public:
    // The value of quantity row k, as far as it is known.
    using QuantityValue = std::function<FexpResult(int row)>;

    Fexp(std::span<const Ftoken> tokens, QuantityValue quantity);
    FexpResult evaluate();

private:
    FexpResult sum();
    FexpResult product();
    FexpResult unary();
    FexpResult power();
    FexpResult primary();
    bool at(FtokenKind kind) const;
    bool at_end() const { return pos_ >= tokens_.size(); }

    std::span<const Ftoken> tokens_;
    QuantityValue quantity_;
    std::size_t pos_ = 0;
};

// Applies a calculator function; degrees for the angle functions.
FexpResult apply_function(Ffunction f, double x);
