// The equation is made as small as it exactly can be (a factor x^m taken
// out, x^g written y, its square-free part), the positive roots of it and of
// its reflection y -> -y isolated by exact sign counts, and each refined to
// the double nearest x = y^(1/g) by exact signs of the square-free part at
// the g-th powers of the midpoints between doubles.

#include "prover/exact_roots.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "prover/nearest_double.h"
#include "prover/root_isolation.h"
#include "prover/square_free.h"

namespace {

using namespace exact_detail;

// c(x) = x^power q(x^step) with q(0) != 0; q is empty where c is 0.
struct Reduced {
    std::size_t power = 0;
    std::size_t step = 1;
    Int_poly q;
};

Reduced reduced(const std::vector<mpz_class>& c)
{
    Reduced r;
    std::size_t size = c.size();
    while (size > 0 && c[size - 1] == 0)
        --size;
    if (size == 0)
        return r;
    while (c[r.power] == 0)
        ++r.power;
    std::size_t g = 0;
    for (std::size_t i = r.power + 1; i < size; ++i)
        if (c[i] != 0)
            g = std::gcd(g, i - r.power);
    r.step = std::max<std::size_t>(g, 1);
    for (std::size_t i = r.power; i < size; i += r.step)
        r.q.push_back(c[i]);
    return r;
}

// The positive roots u of p(u^g), as their nearest doubles (0 or +inf
// beyond the doubles' range); p is square-free with p(0) != 0.
std::vector<double> positive_roots_of_power(const Int_poly& p, unsigned long g, Limb_work& work)
{
    const std::vector<Isolated_root> isolated = positive_roots(p, work);
    std::vector<double> roots;
    if (isolated.empty())
        return roots;
    const Sparse_poly sparse = sparse_form(p);
    for (const Isolated_root& r : isolated) {
        // u -> u^g keeps the order of positive numbers.
        const auto side_of = [&](const Dyadic& u) {
            if (g == 1)
                return side_of_root(r, sparse, u, work);
            const Dyadic y = power(u, g);
            work.add(mpz_size(y.m.get_mpz_t()));
            return side_of_root(r, sparse, y, work);
        };
        const Wide_double guess = g == 1 ? r.guess : r.guess.root(g);
        roots.push_back(nearest_positive_double(side_of, guess.to_double()));
    }
    return roots;
}

}  // namespace

Exact_roots exact_real_roots(const std::vector<mpz_class>& c)
{
    Exact_roots out;
    Reduced r = reduced(c);
    if (r.q.empty())
        return out;
    if (r.power > 0)
        out.roots.push_back(0);
    if (r.q.size() > 1) {
        Limb_work work;
        make_primitive(r.q);
        const Int_poly s = square_free_part(r.q, work);
        const std::vector<double> positive = positive_roots_of_power(s, r.step, work);
        // x = -u: u^g solves s where g is even, its reflection where g is odd.
        const std::vector<double> negative =
            r.step % 2 == 0 ? positive : positive_roots_of_power(reflected(s), r.step, work);
        const auto keep = [&](double x) {
            if (x == 0 || std::isinf(x))
                out.beyond_doubles = true;
            else
                out.roots.push_back(x);
        };
        for (double u : positive)
            keep(u);
        for (double u : negative)
            keep(-u);
    }
    std::sort(out.roots.begin(), out.roots.end());
    out.roots.erase(std::unique(out.roots.begin(), out.roots.end()), out.roots.end());
    return out;
}

std::size_t exact_solved_degree(const std::vector<mpz_class>& c)
{
    const Reduced r = reduced(c);
    return r.q.empty() ? 0 : r.q.size() - 1;
}
