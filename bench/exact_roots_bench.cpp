// Times the exact root search on equations of high degree, beside the
// double search it replaces for constant coefficients: one call each, in
// the thread's processor time (other work on the machine does not count).

#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "prover/exact_roots.h"
#include "prover/real_roots.h"

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

Poly sparse(std::initializer_list<std::pair<std::size_t, long>> terms)
{
    Poly c;
    for (const auto& [power, coef] : terms) {
        if (c.size() <= power)
            c.resize(power + 1);
        c[power] = coef;
    }
    return c;
}

Poly dense_random(std::size_t degree, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<long> coef(-(1L << 20), 1L << 20);
    Poly c(degree + 1);
    for (mpz_class& a : c)
        a = coef(rng);
    if (c.back() == 0)
        c.back() = 1;
    return c;
}

double thread_milliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return 1e3 * static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_nsec);
}

double milliseconds(const std::function<void()>& f)
{
    const double start = thread_milliseconds();
    f();
    return thread_milliseconds() - start;
}

}  // namespace

int main()
{
    Poly thirty{1};
    for (long i = 1; i <= 30; ++i)
        thirty = times(thirty, {-i, 100});
    const struct {
        std::string name;
        Poly c;
    } cases[] = {
        {"x^5000 + x - 1", sparse({{5000, 1}, {1, 1}, {0, -1}})},
        {"x^5000 - 3 x^2 + 1 (two sign changes)", sparse({{5000, 1}, {2, -3}, {0, 1}})},
        {"prod (100 x - i), i = 1..30", thirty},
        {"dense degree 200, coefficients below 2^20", dense_random(200, 200)},
        {"dense degree 1000, coefficients below 2^20", dense_random(1000, 1000)},
        {"x^64800 - 2", sparse({{64800, 1}, {0, -2}})},
    };
    std::printf("%-45s %8s %10s %8s %10s\n", "equation", "roots", "exact ms", "roots", "double ms");
    for (const auto& c : cases) {
        Exact_roots exact;
        const double exact_ms = milliseconds([&] { exact = exact_real_roots(c.c); });
        std::vector<double> as_doubles;
        for (const mpz_class& a : c.c)
            as_doubles.push_back(a.get_d());
        std::size_t double_count = 0;
        const double double_ms =
            milliseconds([&] { double_count = real_roots(as_doubles).value_or(std::vector<double>{}).size(); });
        std::printf("%-45s %8zu %10.2f %8zu %10.2f\n", c.name.c_str(), exact.roots.size(), exact_ms, double_count,
                    double_ms);
    }
}
