#pragma once
// Arithmetic on constant nodes. A constant keeps its value inline while it
// fits 64 bits and moves into a big integer only when a sum, product or
// negation leaves that range; a result that fits again moves back inline, so
// every value has exactly one form and structural equality stays cheap.

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

#include "prover/poly.h"

// Out-of-line big-integer side (poly_coef.cpp).
void coef_add_big(xterm* a, const xterm* b);
void coef_mul_big(xterm* a, const xterm* b);
void coef_neg_big(xterm* a);
bool coef_eq_big(const xterm* a, const xterm* b);
bool coef_divides_big(const xterm* a, const xterm* b);
void coef_divexact_big(xterm* a, const xterm* b);
// g := gcd(g, |c|), g a non-negative constant node.
void coef_gcd_into_big(xterm* g, const xterm* c);
int coef_sign_big(const xterm* c);
std::string coef_text_big(const xterm* c);
void release_big(BigCoef* b);
BigCoef* copy_big(const BigCoef* b);
// Bytes the big integers hold now.
std::size_t big_coef_bytes();
// Machine words constant c takes: 1 inline, the limbs of its big integer.
std::size_t coef_words(const xterm* c);
// Makes every big integer free again (all polynomials are gone).
void reclaim_big_coefs();

inline bool coef_is_big(const xterm* c) { return c->big != nullptr; }

// Gives constant node c the inline value v.
inline void coef_set(xterm* c, coef_t v)
{
    if (c->big) {
        release_big(c->big);
        c->big = nullptr;
    }
    c->value = v;
}

// a := a + b (both constants; b untouched).
inline void coef_add_to(xterm* a, const xterm* b)
{
    coef_t r;
    if (!a->big && !b->big && !__builtin_add_overflow(a->value, b->value, &r))
        a->value = r;
    else
        coef_add_big(a, b);
}

// a := a * b.
inline void coef_mul_to(xterm* a, const xterm* b)
{
    coef_t r;
    if (!a->big && !b->big && !__builtin_mul_overflow(a->value, b->value, &r))
        a->value = r;
    else
        coef_mul_big(a, b);
}

inline void coef_negate(xterm* a)
{
    if (!a->big && a->value != INT64_MIN)
        a->value = -a->value;
    else
        coef_neg_big(a);
}

inline bool coef_eq(const xterm* a, const xterm* b)
{
    if (!a->big && !b->big)
        return a->value == b->value;
    return coef_eq_big(a, b);
}

inline int coef_sign(const xterm* c)
{
    if (!c->big)
        return (c->value > 0) - (c->value < 0);
    return coef_sign_big(c);
}

inline bool coef_is(const xterm* c, coef_t v) { return !c->big && c->value == v; }

// b (non-zero) divides a.
inline bool coef_divides_const(const xterm* a, const xterm* b)
{
    if (!a->big && !b->big) {
        if (b->value == 1 || b->value == -1)
            return true;
        return a->value % b->value == 0;
    }
    return coef_divides_big(a, b);
}

// a := a / b, exact.
inline void coef_divexact_to(xterm* a, const xterm* b)
{
    if (!a->big && !b->big && !(a->value == INT64_MIN && b->value == -1))
        a->value /= b->value;
    else
        coef_divexact_big(a, b);
}

// g := gcd(g, |c|), g a non-negative constant node.
inline void coef_gcd_into(xterm* g, const xterm* c)
{
    if (g->big || c->big || c->value == INT64_MIN) {
        coef_gcd_into_big(g, c);
        return;
    }
    coef_t a = g->value;
    coef_t b = c->value < 0 ? -c->value : c->value;
    while (b != 0) {
        const coef_t t = a % b;
        a = b;
        b = t;
    }
    g->value = a;
}

inline std::string coef_text(const xterm* c)
{
    if (!c->big)
        return std::to_string(c->value);
    return coef_text_big(c);
}

// The constant of a decimal text with an optional leading '-', exact however
// many digits it has: the inverse of coef_text.
xterm* coef_from_text(std::string_view text);

// The exact value of constant c. A copy past the prover's memory budget ends
// the run.
mpz_class coef_mpz(const xterm* c);

// The double nearest v, ties to even (GMP's own conversion truncates); +-inf
// where that is beyond the largest double.
double nearest_double(const mpz_class& v);

// The double nearest constant c; nothing where c is beyond the doubles'
// range, which no double may stand for.
std::optional<double> coef_nearest_double(const xterm* c);
