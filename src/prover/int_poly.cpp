// Integer polynomials: the exact operations the root search is built from.

#include "prover/int_poly.h"

#include <algorithm>
#include <climits>

namespace exact_detail {

namespace {

long bit_length(const mpz_class& a) { return static_cast<long>(mpz_sizeinbase(a.get_mpz_t(), 2)); }

std::size_t limbs(const mpz_class& a) { return mpz_size(a.get_mpz_t()); }

long ceil_div(long e, long j) { return e >= 0 ? (e + j - 1) / j : -(-e / j); }

// Fujiwara's bound over the terms whose sign is opposite to the leading
// one (only they can balance it at a positive x): every positive root of
// sum a_i x^i is below 2 max_j |a_(n-j) / a_n|^(1/j), here raised to a power
// of two through the bit lengths. a(i) is the coefficient of x^i, n > 0.
template <typename Coefficient>
long bound_exponent(std::size_t n, Coefficient a)
{
    const int lead_sign = sgn(a(n));
    const long lead_bits = bit_length(a(n));
    long most = LONG_MIN;
    for (std::size_t j = 1; j <= n; ++j) {
        const mpz_class& c = a(n - j);
        if (sgn(c) == -lead_sign)
            most = std::max(most, ceil_div(bit_length(c) + 1 - lead_bits, static_cast<long>(j)));
    }
    return most == LONG_MIN ? 0 : 1 + most;
}

}  // namespace

int compare(const Dyadic& a, const Dyadic& b)
{
    const int sa = sgn(a.m), sb = sgn(b.m);
    if (sa != sb)
        return sa < sb ? -1 : 1;
    if (sa == 0)
        return 0;
    // Where the leading bits stand apart the magnitudes decide; else one
    // shift (by less than the lengths) lines the two up.
    const long top_a = bit_length(a.m) + a.e, top_b = bit_length(b.m) + b.e;
    if (top_a != top_b)
        return top_a < top_b ? -sa : sa;
    int r = 0;
    if (a.e >= b.e)
        r = cmp(mpz_class(a.m << static_cast<mp_bitcnt_t>(a.e - b.e)), b.m);
    else
        r = cmp(a.m, mpz_class(b.m << static_cast<mp_bitcnt_t>(b.e - a.e)));
    return (r > 0) - (r < 0);
}

Dyadic power(const Dyadic& a, unsigned long g)
{
    Dyadic r;
    mpz_pow_ui(r.m.get_mpz_t(), a.m.get_mpz_t(), g);
    r.e = a.e * static_cast<long>(g);
    return r;
}

std::size_t limb_bytes(const Int_poly& p)
{
    std::size_t n = 0;
    for (const mpz_class& a : p)
        n += limbs(a);
    return n * sizeof(mp_limb_t);
}

int sign_variations(const Int_poly& p)
{
    int changes = 0, last = 0;
    for (const mpz_class& a : p) {
        const int s = sgn(a);
        if (s == 0)
            continue;
        if (last != 0 && s != last)
            ++changes;
        last = s;
    }
    return changes;
}

Int_poly derivative(const Int_poly& p)
{
    Int_poly d;
    for (std::size_t i = 1; i < p.size(); ++i)
        d.push_back(p[i] * static_cast<unsigned long>(i));
    return d;
}

void make_primitive(Int_poly& p)
{
    mpz_class content;
    for (const mpz_class& a : p)
        mpz_gcd(content.get_mpz_t(), content.get_mpz_t(), a.get_mpz_t());
    if (content == 0)
        return;
    if (p.back() < 0)
        content = -content;
    for (mpz_class& a : p)
        mpz_divexact(a.get_mpz_t(), a.get_mpz_t(), content.get_mpz_t());
}

Int_poly reflected(Int_poly p)
{
    for (std::size_t i = 1; i < p.size(); i += 2)
        p[i] = -p[i];
    return p;
}

void remove_power_of_two(Int_poly& p)
{
    mp_bitcnt_t shift = ULONG_MAX;
    for (const mpz_class& a : p)
        if (a != 0)
            shift = std::min(shift, mpz_scan1(a.get_mpz_t(), 0));
    if (shift == 0 || shift == ULONG_MAX)
        return;
    for (mpz_class& a : p)
        mpz_tdiv_q_2exp(a.get_mpz_t(), a.get_mpz_t(), shift);
}

void taylor_shift_one(Int_poly& p, Limb_work& work)
{
    // Horner's scheme in place: after round i, p[i] is final.
    const std::size_t n = p.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = n; j-- > i;)
            p[j] += p[j + 1];
        work.add((n - i) * (limbs(p[i]) + 1));
    }
}

std::optional<Int_poly> exact_quotient(const Int_poly& a, const Int_poly& b, Limb_work& work)
{
    if (a.size() < b.size())
        return std::nullopt;
    const std::size_t m = b.size() - 1;
    // A factor of a has coefficients below 2^deg ||a||_2 (Mignotte), with
    // ||a||_2 below sqrt(n + 1) 2^largest; a bit more is allowed.
    long largest = 0;
    for (const mpz_class& c : a)
        largest = std::max(largest, bit_length(c));
    const auto n = static_cast<long>(a.size() - 1);
    const long bound = n + largest + bit_length(mpz_class(static_cast<unsigned long>(n + 1))) + 2;
    Int_poly rest = a, quotient(a.size() - m);
    for (std::size_t i = a.size(); i-- > m;) {
        mpz_class& top = rest[i];
        if (top == 0)
            continue;
        if (!mpz_divisible_p(top.get_mpz_t(), b.back().get_mpz_t()))
            return std::nullopt;
        mpz_class& q = quotient[i - m];
        mpz_divexact(q.get_mpz_t(), top.get_mpz_t(), b.back().get_mpz_t());
        if (bit_length(q) > bound)
            return std::nullopt;
        for (std::size_t j = 0; j <= m; ++j)
            mpz_submul(rest[i - m + j].get_mpz_t(), q.get_mpz_t(), b[j].get_mpz_t());
        work.add((m + 1) * (limbs(q) + limbs(b.back())));
    }
    for (std::size_t i = 0; i < m; ++i)
        if (rest[i] != 0)
            return std::nullopt;
    return quotient;
}

long positive_root_bound(const Int_poly& p)
{
    return bound_exponent(p.size() - 1, [&](std::size_t i) -> const mpz_class& { return p[i]; });
}

long positive_root_floor(const Int_poly& p)
{
    // The positive roots of the reversed polynomial are the reciprocals.
    const std::size_t n = p.size() - 1;
    if (n == 0)
        return 0;
    return bound_exponent(n, [&](std::size_t i) -> const mpz_class& { return p[n - i]; });
}

Sparse_poly sparse_form(const Int_poly& p)
{
    Sparse_poly s;
    for (std::size_t i = p.size(); i-- > 0;)
        if (p[i] != 0)
            s.push_back({i, p[i]});
    return s;
}

int sign_at(const Sparse_poly& p, const Dyadic& x, Limb_work& work)
{
    if (p.empty())
        return 0;
    if (x.m == 0)
        return p.back().power == 0 ? sgn(p.back().coef) : 0;
    // x = m 2^up with up >= 0, or m / 2^down: then the sum of a_i m^i
    // 2^(down (n - i)) has the sign of p(x).
    const std::size_t top = p.front().power;
    const unsigned long up = x.e > 0 ? static_cast<unsigned long>(x.e) : 0;
    const unsigned long down = x.e < 0 ? static_cast<unsigned long>(-x.e) : 0;
    const auto bits = [](const mpz_class& a) { return static_cast<std::size_t>(bit_length(a)); };
    const std::size_t value_bytes = (top * (bits(x.m) + up + down) + bits(p.front().coef)) / CHAR_BIT;
    reserve_bytes(2 * value_bytes);
    mpz_class value = p.front().coef, step, term;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const std::size_t gap = p[i - 1].power - p[i].power;
        if (gap == 1) {
            value *= x.m;
        } else {
            mpz_pow_ui(step.get_mpz_t(), x.m.get_mpz_t(), gap);
            value *= step;
            work.add(limbs(step));
        }
        if (up > 0)
            value <<= up * gap;
        if (down > 0) {
            mpz_mul_2exp(term.get_mpz_t(), p[i].coef.get_mpz_t(), down * (top - p[i].power));
            value += term;
        } else {
            value += p[i].coef;
        }
        work.add(limbs(value));
    }
    const int s = sgn(value);
    return x.m < 0 && p.back().power % 2 == 1 ? -s : s;
}

}  // namespace exact_detail
