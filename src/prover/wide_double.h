#pragma once
// A double with an exponent of its own, for guesses at roots of polynomials
// whose values no double can hold (x^5000 at x = 2, coefficients of 10^600).
// Rounding as in double; no overflow or underflow. Internal to exact_roots.

#include <gmpxx.h>

#include <climits>
#include <cmath>

namespace exact_detail {

class Wide_double {
public:
    Wide_double() = default;
    explicit Wide_double(double d) { *this = normal(d, 0); }
    explicit Wide_double(const mpz_class& a)
    {
        long e = 0;
        const double m = mpz_get_d_2exp(&e, a.get_mpz_t());
        *this = normal(m, e);
    }
    // m 2^e.
    Wide_double(const mpz_class& m, long e)
    {
        *this = Wide_double(m);
        if (mantissa_ != 0)
            exponent_ += e;
    }

    int sign() const { return (mantissa_ > 0) - (mantissa_ < 0); }
    Wide_double abs() const { return raw(std::abs(mantissa_), exponent_); }

    // The nearest double: 0 or infinite beyond their range.
    double to_double() const
    {
        constexpr long kBeyond = 1 << 12;  // past every double's exponent, within int
        if (mantissa_ == 0 || exponent_ < -kBeyond)
            return 0 * mantissa_;
        if (exponent_ > kBeyond)
            return mantissa_ * HUGE_VAL;
        return std::ldexp(mantissa_, static_cast<int>(exponent_));
    }

    friend Wide_double operator*(Wide_double a, Wide_double b)
    {
        return normal(a.mantissa_ * b.mantissa_, a.exponent_ + b.exponent_);
    }
    friend Wide_double operator/(Wide_double a, Wide_double b)
    {
        return normal(a.mantissa_ / b.mantissa_, a.exponent_ - b.exponent_);
    }
    friend Wide_double operator+(Wide_double a, Wide_double b)
    {
        if (a.mantissa_ == 0)
            return b;
        if (b.mantissa_ == 0)
            return a;
        if (a.exponent_ < b.exponent_)
            std::swap(a, b);
        // Below 2^-64 of the larger, the smaller is lost in its rounding.
        constexpr long kNegligible = 64;
        const long gap = a.exponent_ - b.exponent_;
        if (gap > kNegligible)
            return a;
        return normal(a.mantissa_ + std::ldexp(b.mantissa_, static_cast<int>(-gap)), a.exponent_);
    }
    friend Wide_double operator-(Wide_double a, Wide_double b) { return a + raw(-b.mantissa_, b.exponent_); }
    friend bool operator<(Wide_double a, Wide_double b) { return (a - b).sign() < 0; }

    // a^k by repeated squaring.
    friend Wide_double pow(Wide_double a, unsigned long k)
    {
        Wide_double r(1.0);
        for (; k > 0; k >>= 1, a = a * a)
            if (k & 1)
                r = r * a;
        return r;
    }

    // The positive g-th root of a positive value: the exponent divided
    // exactly, its remainder and the mantissa in double.
    Wide_double root(unsigned long g) const
    {
        const long n = static_cast<long>(g);
        const long whole = exponent_ >= 0 ? exponent_ / n : -((-exponent_ + n - 1) / n);
        const long rest = exponent_ - whole * n;
        const double inverse = 1.0 / static_cast<double>(g);
        return normal(std::exp2(static_cast<double>(rest) * inverse) * std::pow(mantissa_, inverse), whole);
    }

    // The positive square root of a positive value.
    Wide_double sqrt() const
    {
        const long even = exponent_ % 2 == 0 ? exponent_ : exponent_ - 1;
        return normal(std::sqrt(std::ldexp(mantissa_, static_cast<int>(exponent_ - even))), even / 2);
    }

private:
    static Wide_double raw(double m, long e)
    {
        Wide_double w;
        w.mantissa_ = m;
        w.exponent_ = e;
        return w;
    }
    static Wide_double normal(double m, long e)
    {
        if (m == 0 || !std::isfinite(m))
            return raw(m, 0);
        int k = 0;
        const double f = std::frexp(m, &k);
        return raw(f, e + k);
    }

    double mantissa_ = 0;  // 1/2 <= |mantissa_| < 1, or 0
    long exponent_ = 0;
};

}  // namespace exact_detail
