#include "statement/value_bounds.h"

#include <algorithm>
#include <map>

#include "prover/coef_arith.h"
#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"

namespace {

constexpr const char* kTooLarge = "the value is too large to expand";

std::string degree_refusal() { return fmt("the value has a degree above %ld", kMaxDegree); }

// The highest degree of every variable of p.
void note_top_degrees(const xterm* p, std::map<const var_rec*, long>& top)
{
    if (pconstp(p))
        return;
    long& d = top[p->var];
    d = std::max(d, static_cast<long>(p->terms->deg));  // terms come in decreasing degree
    for (const dterm* t = p->terms; t; t = t->next)
        note_top_degrees(t->coef, top);
}

// Whether some variable would pass the kernel's degree limit in a * b.
bool product_degree_overflows(const xterm* a, const xterm* b)
{
    std::map<const var_rec*, long> top_a, top_b;
    note_top_degrees(a, top_a);
    note_top_degrees(b, top_b);
    for (const auto& [var, d] : top_b)
        if (const auto it = top_a.find(var); it != top_a.end() && it->second + d > kMaxDegree)
            return true;
    return false;
}

// The highest degree of any variable of p (0 for a constant).
long top_degree(const xterm* p)
{
    std::map<const var_rec*, long> top;
    note_top_degrees(p, top);
    long d = 0;
    for (const auto& entry : top)
        d = std::max(d, entry.second);
    return d;
}

// An upper bound of the words a number of this many decimal digits takes:
// a digit holds less than 10/3 bits.
std::size_t words_of_digits(std::size_t digits) { return digits * 10 / (3 * 64) + 1; }

}  // namespace

std::size_t value_words(const xterm* p)
{
    if (pconstp(p))
        return pzerop(p) ? 0 : coef_words(p);
    std::size_t words = 0;
    for (const dterm* t = p->terms; t; t = t->next)
        words += value_words(t->coef);
    return words;
}

BoundedArithmetic::BoundedArithmetic(ValueBounds bounds) : bounds_(bounds) {}

xterm* BoundedArithmetic::refuse(std::string reason)
{
    refusal_ = std::move(reason);
    return nullptr;
}

xterm* BoundedArithmetic::admit(xterm* p)
{
    if (value_words(p) <= bounds_.max_words)
        return p;
    put_p(p);
    return refuse(kTooLarge);
}

// Sums cost no more than their operands, which are within the bound: only
// the result is measured.
xterm* BoundedArithmetic::plus(xterm* a, xterm* b) { return admit(pplus(a, b)); }

xterm* BoundedArithmetic::minus(xterm* a, xterm* b) { return admit(pminus(a, b)); }

xterm* BoundedArithmetic::times(xterm* a, xterm* b)
{
    const std::size_t wa = value_words(a), wb = value_words(b);
    const bool too_large = wb != 0 && wa > bounds_.max_product_work / wb;
    const bool too_high = !too_large && product_degree_overflows(a, b);
    if (too_large || too_high) {
        put_p(a);
        put_p(b);
        return refuse(too_large ? kTooLarge : degree_refusal());
    }
    return admit(ptimes(a, b));
}

// Squares and products, as ppower, each of them measured.
xterm* BoundedArithmetic::power(xterm* p, int n)
{
    if (n <= 0) {
        put_p(p);
        return get_n(1);
    }
    xterm* r = get_n(1);
    while (n > 1 && r && p) {
        if (n % 2 == 1) {
            r = times(r, cp_poly(p));
            --n;
        } else {
            p = times(p, cp_poly(p));
            n /= 2;
        }
    }
    if (!r || !p) {
        put_p(r);
        put_p(p);
        return nullptr;
    }
    return times(r, p);
}

xterm* BoundedArithmetic::raise(xterm* base, xterm* exponent)
{
    const mpz_class n = coef_mpz(exponent);
    put_p(exponent);
    if (sgn(n) <= 0 || ponep(base)) {
        put_p(base);
        return get_n(1);
    }
    if (pzerop(base))
        return base;
    if (pmonep(base)) {
        if (mpz_odd_p(n.get_mpz_t()))
            return base;
        put_p(base);
        return get_n(1);
    }
    // Each variable's degree in base^n is n times its degree in base (the
    // leading coefficient's power is not zero), and a number of magnitude 2
    // or more to the n has more than n bits: past the bounds the exponent
    // alone refuses, however large it is.
    const long degree = top_degree(base);
    const bool too_high_power = degree > 0 && n > kMaxDegree / degree;
    const mpz_class max_bits = mpz_class(bounds_.max_words) * mp_bits_per_limb;
    const bool too_large_power = degree == 0 && (n > max_bits || !n.fits_sint_p());
    if (too_high_power || too_large_power) {
        put_p(base);
        return refuse(too_high_power ? degree_refusal() : kTooLarge);
    }
    return power(base, static_cast<int>(n.get_si()));
}

xterm* BoundedArithmetic::number(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const std::size_t digits = text.size() - (!text.empty() && text.front() == '-' ? 1 : 0);
    // Turning digits into binary is a cascade of products of numbers up to
    // the size of the result: it is measured as the product of that size
    // with itself.
    const std::size_t words = words_of_digits(digits);
    if (words > bounds_.max_words || words > bounds_.max_product_work / words)
        return refuse(kTooLarge);
    return coef_from_text(text);
}
