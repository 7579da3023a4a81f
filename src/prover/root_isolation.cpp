// Descartes' rule bounds the roots of p in (0, 1) by the sign changes of
// (x + 1)^n p(1 / (x + 1)): none or one is exact, more is split. A half
// p(x / 2) on (0, 1/2) and p((x + 1) / 2) on (1/2, 1) keeps integer
// coefficients as 2^n p(x / 2) and its Taylor shift by 1. The half-line
// itself is scaled onto (0, 1) by a power of two beyond every root; with no
// or one sign change along p's coefficients it needs no transform at all.

#include "prover/root_isolation.h"

#include <algorithm>

#include "prover/root_guess.h"

namespace exact_detail {

namespace {

// The bytes a polynomial like p takes after `bits` more bits on every
// coefficient.
std::size_t grown_bytes(const Int_poly& p, std::size_t bits)
{
    return limb_bytes(p) + p.size() * (bits / GMP_NUMB_BITS + 2) * sizeof(mp_limb_t);
}

// The sign changes of (x + 1)^n p(1 / (x + 1)): 0 or 1 is the number of
// roots of p in (0, 1), more says little.
int interval_variations(const Int_poly& p, Limb_work& work)
{
    if (p.size() <= 1)
        return 0;
    reserve_bytes(grown_bytes(p, p.size()));
    Int_poly shifted(p.rbegin(), p.rend());
    taylor_shift_one(shifted, work);
    return sign_variations(shifted);
}

// The roots of the polynomial of a node in (0, 1) are those of the searched
// one in (c, c + 1) 2^(b - depth).
struct Node {
    Int_poly p;
    mpz_class c;
    long depth = 0;
    int variations = -1;  // of the transform, where already counted
};

// p(2^b x), divided by 2^(-b n) where b < 0: the roots below 2^b to (0, 1).
Int_poly scaled_to_unit(const Int_poly& p, long b)
{
    const std::size_t n = p.size() - 1;
    const auto shift = static_cast<unsigned long>(b >= 0 ? b : -b);
    reserve_bytes(grown_bytes(p, n * shift));
    Int_poly q(p.size());
    for (std::size_t i = 0; i <= n; ++i)
        mpz_mul_2exp(q[i].get_mpz_t(), p[i].get_mpz_t(), shift * (b >= 0 ? i : n - i));
    remove_power_of_two(q);
    return q;
}

mpz_class sum(const Int_poly& p)
{
    mpz_class s;
    for (const mpz_class& a : p)
        s += a;
    return s;
}

bool lower(const Isolated_root& a, const Isolated_root& b)
{
    const int order = compare(a.lo, b.lo);
    return order < 0 || (order == 0 && a.exact && !b.exact);
}

}  // namespace

std::vector<Isolated_root> positive_roots(const Int_poly& p, Limb_work& work)
{
    std::vector<Isolated_root> roots;
    const int changes = sign_variations(p);
    if (changes == 0)
        return roots;
    const long b = positive_root_bound(p);
    if (changes == 1) {
        const Wide_double guess = guess_root(p, Wide_double(), Wide_double(1, b));
        roots.push_back({Dyadic{0, 0}, Dyadic{1, b}, false, sgn(p[0]), guess});
        return roots;
    }
    std::vector<Node> pending;
    pending.push_back({scaled_to_unit(p, b), 0, 0, -1});
    while (!pending.empty()) {
        Node node = std::move(pending.back());
        pending.pop_back();
        const int variations = node.variations >= 0 ? node.variations : interval_variations(node.p, work);
        if (variations == 0)
            continue;
        const long e = b - node.depth;
        if (variations == 1) {
            const Wide_double unit = guess_root(node.p, Wide_double(), Wide_double(1.0));
            const Wide_double guess = Wide_double(node.c, e) + unit * Wide_double(1, e);
            roots.push_back({Dyadic{node.c, e}, Dyadic{node.c + 1, e}, false, sgn(node.p[0]), guess});
            continue;
        }
        const std::size_t n = node.p.size() - 1;
        reserve_bytes(2 * grown_bytes(node.p, 2 * n));
        Node left{std::move(node.p), 2 * node.c, node.depth + 1, -1};
        for (std::size_t i = 0; i < n; ++i)
            left.p[i] <<= n - i;
        remove_power_of_two(left.p);
        // The sign changes of the halves add up to those of the whole at
        // most: where the left half has them all and the midpoint (where
        // the left polynomial is its sum) is no root, the right half has none.
        left.variations = interval_variations(left.p, work);
        if (left.variations == variations && sum(left.p) != 0) {
            pending.push_back(std::move(left));
            continue;
        }
        Node right{left.p, left.c + 1, left.depth, -1};
        taylor_shift_one(right.p, work);
        if (right.p[0] == 0) {
            // A root exactly at the midpoint: kept, and divided out of the
            // right half so that its polynomial has a sign just above it.
            roots.push_back({Dyadic{right.c, e - 1}, Dyadic{right.c, e - 1}, true, 0, Wide_double(right.c, e - 1)});
            right.p.erase(right.p.begin());
        }
        remove_power_of_two(right.p);
        pending.push_back(std::move(right));
        pending.push_back(std::move(left));
    }
    std::sort(roots.begin(), roots.end(), lower);
    return roots;
}

int side_of_root(const Isolated_root& r, const Sparse_poly& p, const Dyadic& y, Limb_work& work)
{
    const int from_lo = compare(y, r.lo);
    if (r.exact)
        return from_lo;
    // Outside the interval the sign may come from other roots.
    if (from_lo <= 0)
        return -1;
    if (compare(y, r.hi) >= 0)
        return 1;
    const int sign = sign_at(p, y, work);
    if (sign == 0)
        return 0;
    return sign == r.sign_lo ? -1 : 1;
}

}  // namespace exact_detail
