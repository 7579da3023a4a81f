#pragma once
// The statement reader's arithmetic, bounded. A statement may ask for the
// power of a long sum, powers of powers or products of numbers of many
// digits, whose expansion would hold the prover window for minutes and take
// gigabytes; the reading runs before any proof time limit, so nothing else
// would stop it. Every product is measured before it is computed and every
// value after it is built, and a value past the bounds is refused instead.

#include <cstddef>
#include <string>
#include <string_view>

struct xterm;

// The size of a value: the machine words of its constant leaves, one for an
// inline coefficient and the limbs of a big one, so that it counts the terms
// and the memory of their coefficients together. Zero has size 0.
std::size_t value_words(const xterm* p);

struct ValueBounds {
    std::size_t max_words;         // the size of any value built
    std::size_t max_product_work;  // value_words(a) * value_words(b) of any product a * b
};

class BoundedArithmetic {
public:
    explicit BoundedArithmetic(ValueBounds bounds);

    // As pplus, pminus, ptimes and ppower (operands consumed, also on a
    // refusal). A refusal returns null and leaves its reason in refusal().
    xterm* plus(xterm* a, xterm* b);
    xterm* minus(xterm* a, xterm* b);
    xterm* times(xterm* a, xterm* b);
    xterm* power(xterm* p, int n);
    // base to the power of the constant exponent, of any size and sign (0
    // or less gives 1). A power past the bounds is refused from the exponent
    // before anything is computed.
    xterm* raise(xterm* base, xterm* exponent);
    // The value of a decimal text (an optional sign, then digits; the sign
    // alone is 0), refused by its length before it is converted.
    xterm* number(std::string_view text);
    // p itself when its size is within the bound; else p is freed and refused.
    xterm* admit(xterm* p);

    const std::string& refusal() const { return refusal_; }

private:
    ValueBounds bounds_;
    std::string refusal_;

    xterm* refuse(std::string reason);
};
