#pragma once
// The calculator's keys at work on the tokens of the expression being built.
// The builder keeps the expression well formed as far as it goes: an operand
// only where one is due, an operator only after an operand, a right bracket
// only when one is open; keys that do not fit are refused.

#include <string>
#include <vector>

#include "animate/ftoken.h"

enum class CalcKey {
    D0, D1, D2, D3, D4, D5, D6, D7, D8, D9,
    Point,
    Plus, Minus, Times, Divide, Power,
    Open, Close,
    Sin, Cos, Tan, Asin, Acos, Atan, Sqrt, Abs, Ln, Log, Exp,
    Pi,
    Back,   // takes back the last character of a number, else the last token
    Clear,  // empties the expression
};

// The key of a digit 0..9.
CalcKey digit_key(int digit);

class ExpressionBuilder {
public:
    // Works on the caller's tokens; `typing` holds the characters of the
    // number being typed (kept by the caller between keys).
    ExpressionBuilder(std::vector<Ftoken>& tokens, std::string& typing)
        : tokens_(tokens), typing_(typing)
    {
    }

    // Applies a key; false when it is refused (nothing changes).
    bool key(CalcKey k);
    // A reference to quantity row `row`; refused where no operand is due.
    bool add_quantity(int row);

    bool expecting_operand() const;
    int open_brackets() const;
    // Non-empty, ends after an operand, every bracket closed.
    bool complete() const;

private:
    bool push(const Ftoken& token);
    bool digit(char c);
    bool back();

    std::vector<Ftoken>& tokens_;
    std::string& typing_;
};
