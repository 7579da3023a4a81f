// A cheap necessary test for exact division: images modulo a prime.

#include <cstdint>
#include <vector>

#include "algebra/poly.h"
#include "algebra/poly_coef.h"
#include "algebra/poly_internal.h"

namespace {

constexpr std::uint64_t kPrime = (std::uint64_t{1} << 61) - 1;

std::uint64_t mul_mod(std::uint64_t a, std::uint64_t b)
{
    // Reduction modulo a Mersenne prime: fold the high bits onto the low.
    const unsigned __int128 z = static_cast<unsigned __int128>(a) * b;
    const std::uint64_t r = (static_cast<std::uint64_t>(z) & kPrime) + static_cast<std::uint64_t>(z >> 61);
    return r >= kPrime ? r - kPrime : r;
}

std::uint64_t add_mod(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t s = a + b;
    return s >= kPrime ? s - kPrime : s;
}

std::uint64_t sub_mod(std::uint64_t a, std::uint64_t b) { return a >= b ? a - b : a + kPrime - b; }

std::uint64_t pow_mod(std::uint64_t a, int n)
{
    std::uint64_t r = 1;
    for (; n > 0; n >>= 1, a = mul_mod(a, a))
        if (n & 1)
            r = mul_mod(r, a);
    return r;
}

// Fermat: a^(p-2).
std::uint64_t inverse_mod(std::uint64_t a)
{
    std::uint64_t r = 1;
    for (std::uint64_t e = kPrime - 2; e > 0; e >>= 1, a = mul_mod(a, a))
        if (e & 1)
            r = mul_mod(r, a);
    return r;
}

// A fixed pseudo-random residue per variable (splitmix64 of its address).
std::uint64_t value_of(const var_rec* v)
{
    std::uint64_t z = reinterpret_cast<std::uintptr_t>(v) + 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return (z ^ (z >> 31)) % kPrime;
}

std::uint64_t constant_mod(const xterm* c)
{
    if (coef_is_big(c))
        return coef_mod_big(c, kPrime);
    const auto r = static_cast<__int128>(c->value) % static_cast<__int128>(kPrime);
    return static_cast<std::uint64_t>(r < 0 ? r + kPrime : r);
}

// Value of p with every variable replaced by its residue (Horner in the
// main variable).
std::uint64_t eval_mod(const xterm* p)
{
    if (!p->var)
        return constant_mod(p);
    check_time_per_term();
    const std::uint64_t x = value_of(p->var);
    std::uint64_t acc = 0;
    int deg = p->terms->deg;
    for (const dterm* t = p->terms; t; t = t->next) {
        acc = mul_mod(acc, pow_mod(x, deg - t->deg));
        acc = add_mod(acc, eval_mod(t->coef));
        deg = t->deg;
    }
    return mul_mod(acc, pow_mod(x, deg));
}

using Image = std::vector<std::uint64_t>;  // coefficients by degree in x

void add_scaled(Image& into, const Image& part, std::uint64_t scale)
{
    if (into.size() < part.size())
        into.resize(part.size(), 0);
    for (std::size_t i = 0; i < part.size(); ++i)
        into[i] = add_mod(into[i], mul_mod(part[i], scale));
}

// The image of p as a polynomial in x; variables above x are evaluated too,
// since q, free of them, divides p only if it divides every such image.
Image image_in(const xterm* p, const var_rec* x)
{
    if (!p->var || vless(p->var, x))
        return {eval_mod(p)};
    Image out;
    if (p->var == x) {
        for (const dterm* t = p->terms; t; t = t->next) {
            if (out.size() <= t->deg)
                out.resize(t->deg + std::size_t{1}, 0);
            out[t->deg] = eval_mod(t->coef);
        }
        return out;
    }
    const std::uint64_t v = value_of(p->var);
    for (const dterm* t = p->terms; t; t = t->next)
        add_scaled(out, image_in(t->coef, x), pow_mod(v, t->deg));
    return out;
}

void trim(Image& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

}  // namespace

bool image_may_divide(const xterm* p, const xterm* q)
{
    if (!p->var || !q->var)
        return true;
    const var_rec* x = q->var;
    Image b = image_in(q, x);
    trim(b);
    // A vanishing leading coefficient of q's image says nothing.
    if (b.size() != static_cast<std::size_t>(q->terms->deg) + 1)
        return true;
    Image a = image_in(p, x);
    trim(a);
    const std::uint64_t inv = inverse_mod(b.back());
    while (a.size() >= b.size()) {
        const std::uint64_t k = mul_mod(a.back(), inv);
        const std::size_t shift = a.size() - b.size();
        for (std::size_t i = 0; i < b.size(); ++i)
            a[shift + i] = sub_mod(a[shift + i], mul_mod(k, b[i]));
        trim(a);
    }
    return a.empty();
}
