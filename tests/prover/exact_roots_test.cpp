// The exact real roots of integer polynomials, checked exactly: every value
// returned is the double nearest to a true root (the root lies between the
// midpoints to the neighbouring doubles, compared in rationals, ties to
// even), and every true root comes back.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cfloat>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "prover/exact_roots.h"
#include "prover/nearest_double.h"
#include "prover/root_isolation.h"
#include "prover/prover.h"
#include "support/counted_prover_clock.h"

namespace {

using Poly = std::vector<mpz_class>;

Poly times(const Poly& a, const Poly& b)
{
    Poly c(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            c[i + j] += a[i] * b[j];
    return c;
}

Poly power(const Poly& a, int k) { return k == 0 ? Poly{1} : times(a, power(a, k - 1)); }

// a(x^g) x^m.
Poly substituted(const Poly& a, std::size_t g, std::size_t m = 0)
{
    Poly c(m + (a.size() - 1) * g + 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        c[m + i * g] = a[i];
    return c;
}

mpz_class two_to(unsigned k) { return mpz_class(1) << k; }
mpz_class ten_to(unsigned k)
{
    mpz_class t;
    mpz_ui_pow_ui(t.get_mpz_t(), 10, k);
    return t;
}

mpq_class pow(const mpq_class& q, unsigned g)
{
    mpz_class num, den;
    mpz_pow_ui(num.get_mpz_t(), q.get_num_mpz_t(), g);
    mpz_pow_ui(den.get_mpz_t(), q.get_den_mpz_t(), g);
    return mpq_class(num, den);
}

// The real x < 0 or x > 0 with x^g = +-value, value >= 0.
struct True_root {
    mpq_class value;
    unsigned g = 1;
    bool negative = false;
    double approx() const { return (negative ? -1 : 1) * std::pow(value.get_d(), 1.0 / g); }
};

True_root rational(const mpq_class& r) { return {abs(r), 1, r < 0}; }

// Halfway from v > 0 to its neighbour below (-1) or above (1).
mpq_class midpoint(double v, int toward)
{
    return (mpq_class(v) + mpq_class(std::nextafter(v, toward * INFINITY))) / 2;
}

bool is_nearest(double v, const True_root& t)
{
    if (t.value == 0)
        return v == 0;
    const double a = std::abs(v);
    const bool even = (std::bit_cast<std::uint64_t>(a) & 1) == 0;
    const int below = cmp(pow(midpoint(a, -1), t.g), t.value), above = cmp(pow(midpoint(a, 1), t.g), t.value);
    return (v < 0) == t.negative && (below < 0 || (below == 0 && even)) && (above > 0 || (above == 0 && even));
}

int sign_at(const Poly& f, const mpq_class& x)
{
    mpq_class value;
    for (std::size_t i = f.size(); i-- > 0;)
        value = value * x + f[i];
    return sgn(value);
}

// Distinct roots may share their nearest double: each root must have its
// double among those found, and each double found must be some root's.
void expect_roots(const Poly& c, const std::vector<True_root>& expected, bool beyond = false)
{
    const Exact_roots found = exact_real_roots(c);
    EXPECT_EQ(found.beyond_doubles, beyond);
    EXPECT_TRUE(std::adjacent_find(found.roots.begin(), found.roots.end(), std::greater_equal<>()) ==
                found.roots.end());
    std::vector<bool> matched(found.roots.size());
    for (const True_root& t : expected) {
        const auto it =
            std::find_if(found.roots.begin(), found.roots.end(), [&](double v) { return is_nearest(v, t); });
        EXPECT_TRUE(it != found.roots.end()) << t.approx();
        if (it != found.roots.end())
            matched[static_cast<std::size_t>(it - found.roots.begin())] = true;
    }
    for (std::size_t i = 0; i < matched.size(); ++i)
        EXPECT_TRUE(matched[i]) << found.roots[i];
}

// A runaway search ends at a limit on the counted clock, not in a hang.
class ExactRoots : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_tstart = prover_clock_ms();
        g_timelimit = kTicks;
        g_timing = 1;
    }
    void TearDown() override
    {
        g_timing = 0;
        g_timelimit = 60000;
        fail_prover_growth_at(0);
    }

    static constexpr std::int32_t kTicks = 2000;  // a hundred times what the tests take
    CountedProverClock clock_;
};

TEST_F(ExactRoots, HardCases)
{
    Poly no_root = times({100000000000000}, power({-3, 1}, 2));
    no_root[0] += 1;
    Poly thirty{1}, eight{1};
    std::vector<True_root> hundredths, whole;
    for (int i = 1; i <= 30; ++i) {
        thirty = times(thirty, {-i, 100});
        hundredths.push_back(rational(mpq_class(i, 100)));
    }
    for (int i = 1; i <= 8; ++i) {
        eight = times(eight, {-100 * i, 100});
        whole.push_back(rational(i));
    }
    const struct {
        const char* what;
        Poly c;
        std::vector<True_root> roots;
        bool beyond = false;
    } cases[] = {
        {"3 is no root of (k - 2) (10^14 (k - 3)^2 + 1)", times({-2, 1}, no_root), {rational(2)}},
        {"10^14 (k - 3)^2 + 1 has none", no_root, {}},
        {"roots 10^-6 apart, squared", times(power({-1000000, 1000000}, 2), power({-1000001, 1000000}, 2)),
         {rational(1), rational(mpq_class(1000001, 1000000))}},
        {"roots 10^-8 apart, cubed", times(power({-1, 1}, 3), power({-100000001, 100000000}, 3)),
         {rational(1), rational(mpq_class(100000001, 100000000))}},
        {"thirty roots 0.01 apart", thirty, hundredths},
        {"roots 1 to 8", eight, whole},
        {"10^-300 and 10^300: a middle coefficient beyond the doubles",
         times({-ten_to(300), 1}, {-1, ten_to(300)}),
         {rational(mpq_class(1, ten_to(300))), rational(ten_to(300))}},
        {"x^2 (x^4 - 1)", substituted({-1, 0, 1}, 2, 2), {rational(-1), rational(0), rational(1)}},
        {"x^64800 - 2", substituted({-2, 1}, 64800), {{2, 64800, false}, {2, 64800, true}}},
        {"roots on dyadic split points", times(times({-1, 2}, {-1, 4}), times(power({-2, 1}, 2), {-4, 1})),
         {rational(mpq_class(1, 2)), rational(mpq_class(1, 4)), rational(2), rational(4)}},
        {"(1 + 2^-53) ties to 1", {-(two_to(53) + 1), two_to(53)}, {rational(mpq_class(two_to(53) + 1, two_to(53)))}},
        {"(1 + 3 2^-53) ties to 1 + 2^-51", {-(two_to(53) + 3), two_to(53)},
         {rational(mpq_class(two_to(53) + 3, two_to(53)))}},
        {"1.5 least subnormals tie to 2", {-3, two_to(1075)}, {rational(mpq_class(3, two_to(1075)))}},
        {"half the least subnormal ties to 0", {-1, two_to(1075)}, {}, true},
        {"10^-400 rounds to 0", times({-1, ten_to(400)}, {1, 1}), {rational(-1)}, true},
        {"10^400 is beyond the largest double", times({-ten_to(400), 1}, {-5, 1}), {rational(5)}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expect_roots(c.c, c.roots, c.beyond);
    }
    // Irrational roots: the equation changes sign between the midpoints
    // around each double given.
    const Poly close_pair = {mpz_class(4) * ten_to(19) - 1, -4 * ten_to(19), ten_to(19)};
    Poly high(5001);
    high[5000] = 1, high[1] = 1, high[0] = -1;
    for (const Poly& f : {close_pair, high}) {
        const Exact_roots found = exact_real_roots(f);
        ASSERT_EQ(found.roots.size(), 2u);
        EXPECT_LT(found.roots[0], found.roots[1]);
        for (double v : found.roots) {
            const double a = std::abs(v);
            const mpq_class below = v > 0 ? midpoint(a, -1) : -midpoint(a, 1);
            const mpq_class above = v > 0 ? midpoint(a, 1) : -midpoint(a, -1);
            EXPECT_EQ(sign_at(f, below) * sign_at(f, above), -1) << v;
        }
    }
    EXPECT_EQ(exact_solved_degree(substituted({-2, 1}, 64800, 3)), 1u);
    EXPECT_EQ(exact_solved_degree(high), 5000u);
}

// Products of linear factors a x - b (roots as close as 10^-10, once to three
// times, coefficients beyond 64 bits) and of quadratics without real roots,
// some times x^m, some in x^g.
TEST_F(ExactRoots, RandomProductsOfKnownFactors)
{
    std::mt19937_64 rng(20261207);
    const auto below = [&](std::uint64_t n) { return static_cast<long>(rng() % n); };
    for (int n = 0; n < 500; ++n) {
        SCOPED_TRACE(n);
        const mpz_class denominator = 1 + below(std::uint64_t{10000000000});
        const long center = below(40000000000) - 20000000000;
        Poly f{1 + below(1000)};
        std::vector<mpq_class> roots;
        for (long k = 1 + below(5); k > 0; --k) {
            mpq_class r(center + below(5) - 2, denominator);
            r.canonicalize();
            if (std::find(roots.begin(), roots.end(), r) == roots.end())
                roots.push_back(r);
            f = times(f, power({-r.get_num(), r.get_den()}, 1 + static_cast<int>(below(3))));
        }
        for (long k = below(3); k > 0; --k) {
            // u x^2 + v x + w with v^2 < 4 u w.
            const long u = 1 + below(1000000), w = 1 + below(1000000);
            const auto s = static_cast<long>(std::sqrt(static_cast<double>(u * w)));
            const long v = below(static_cast<std::uint64_t>(2 * s + 1)) - s;
            f = times(f, {w, v, u});
        }
        const auto g = static_cast<unsigned>(1 + below(3));
        const std::size_t m = below(3) == 0 ? 1 : 0;
        std::vector<True_root> expected;
        if (m > 0 && std::find(roots.begin(), roots.end(), 0) == roots.end())
            expected.push_back(rational(0));
        for (const mpq_class& r : roots) {
            if (g % 2 == 1 || r == 0)
                expected.push_back({abs(r), g, r < 0});
            else if (r > 0)
                expected.insert(expected.end(), {{r, g, false}, {r, g, true}});
        }
        expect_roots(substituted(f, g, m), expected);
    }
}

// The refinement finds the nearest double from any guess, however far off:
// rationals of every magnitude (on midpoints too), guessed at 0, at +inf, far
// below and above, and at the double itself.
TEST_F(ExactRoots, NearestDoubleFromAnyGuess)
{
    std::mt19937_64 rng(77);
    for (int n = 0; n < 2000; ++n) {
        const int scale = static_cast<int>(rng() % 2200) - 1100;
        const mpz_class num = mpz_class(static_cast<unsigned long>(rng() >> (rng() % 64))) + 1;
        mpq_class r = n % 4 == 0 ? mpq_class(2 * num + 1, two_to(54)) : mpq_class(num, 1 + rng() % 1000000);
        if (scale > 0)
            r *= two_to(static_cast<unsigned>(scale));
        else
            r /= two_to(static_cast<unsigned>(-scale));
        const auto side_of = [&](const exact_detail::Dyadic& x) {
            mpq_class value(x.m);
            if (x.e > 0)
                value *= two_to(static_cast<unsigned>(x.e));
            else
                value /= two_to(static_cast<unsigned>(-x.e));
            return cmp(value, r) < 0 ? -1 : cmp(value, r) > 0 ? 1 : 0;
        };
        const double near = r.get_d();
        for (double guess : {0.0, HUGE_VAL, std::ldexp(near, -500), std::ldexp(near, 700), near}) {
            const double v = exact_detail::nearest_positive_double(side_of, guess);
            if (v == 0)  // r at most half the least double
                EXPECT_LE(r, mpq_class(1, two_to(1075))) << n;
            else if (std::isinf(v))  // r rounds past the largest double
                EXPECT_GE(r, mpq_class(two_to(1024) - two_to(970))) << n;
            else
                EXPECT_TRUE(is_nearest(v, rational(r))) << n << " " << guess;
        }
    }
}

// An isolated root tells where any point stands to it, also points outside
// its interval, where the polynomial's sign comes from other roots.
TEST_F(ExactRoots, IsolatedRootsTellTheSideOfEveryPoint)
{
    const std::vector<mpq_class> roots{mpq_class(1, 3), mpq_class(2, 3), 1, mpq_class(1000001, 1000000), 2,
                                       mpq_class(20, 7)};
    Poly p{1};
    for (const mpq_class& r : roots)
        p = times(p, {-r.get_num(), r.get_den()});
    exact_detail::Limb_work work;
    const auto isolated = exact_detail::positive_roots(p, work);
    ASSERT_EQ(isolated.size(), roots.size());
    const exact_detail::Sparse_poly sparse = exact_detail::sparse_form(p);
    for (std::size_t i = 0; i < roots.size(); ++i)
        for (long k = 1; k <= 64; ++k) {
            const exact_detail::Dyadic y{k, -4};
            EXPECT_EQ(exact_detail::side_of_root(isolated[i], sparse, y, work), cmp(mpq_class(k, 16), roots[i]))
                << i << " " << k;
        }
}

// Exact division gives the quotient where the divisor divides, and nothing
// where a remainder is left.
TEST_F(ExactRoots, ExactQuotient)
{
    std::mt19937_64 rng(5);
    const auto random_poly = [&](std::size_t degree) {
        Poly a(degree + 1);
        for (mpz_class& c : a)
            c = mpz_class(static_cast<long>(rng() % 2000001) - 1000000) * mpz_class(static_cast<unsigned long>(rng()));
        a.back() += a.back() == 0 ? 1 : 0;
        return a;
    };
    exact_detail::Limb_work work;
    for (int n = 0; n < 200; ++n) {
        const Poly a = random_poly(rng() % 6), b = random_poly(1 + rng() % 5);
        Poly product = times(a, b);
        EXPECT_EQ(exact_detail::exact_quotient(product, b, work), a);
        product[rng() % (b.size() - 1)] += 1 + static_cast<long>(rng() % 5);
        EXPECT_FALSE(exact_detail::exact_quotient(product, b, work).has_value());
    }
}

// A search past the time limit ends with TTIME, one past the memory budget
// with "run out of memory.".
TEST_F(ExactRoots, EndsAtTheLimits)
{
    Poly many{1};
    for (int i = 1; i <= 60; ++i)
        many = times(many, {-i, 1000});
    g_timelimit = 10;
    EXPECT_THROW(exact_real_roots(many), TTIME);
    g_timelimit = kTicks;
    GprintCapture window;
    fail_prover_growth_at(1, GrowthFailure::Budget);
    EXPECT_THROW(exact_real_roots(many), ProverOutOfMemory);
    EXPECT_EQ(window.text(), kOutOfMemoryText);
}

}  // namespace
