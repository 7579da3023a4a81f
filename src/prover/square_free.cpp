// The gcd of q and q' modulo primes below 2^31, where a product of two
// residues fits 64 bits. A prime that divides q's leading coefficient is
// skipped; one whose gcd comes out of higher degree than another's divides a
// resultant (its image is not the gcd's) and is dropped, and one of lower
// degree shows that all before it were such primes.

#include "prover/square_free.h"

#include <array>
#include <cstdint>

namespace exact_detail {

namespace {

using Residue = std::uint64_t;
using Mod_poly = std::vector<Residue>;  // coefficients from x^0 up, trimmed

constexpr Residue kLargestPrime = (Residue{1} << 31) - 1;

Residue power_mod(Residue a, Residue k, Residue p)
{
    Residue r = 1;
    for (; k > 0; k >>= 1, a = a * a % p)
        if (k & 1)
            r = r * a % p;
    return r;
}

Residue inverse_mod(Residue a, Residue p) { return power_mod(a, p - 2, p); }

// Miller-Rabin on the bases 2, 3, 5 and 7, which decide every n below
// 3,215,031,751.
bool is_prime(Residue n)
{
    constexpr std::array<Residue, 4> kBases{2, 3, 5, 7};
    for (Residue b : kBases)
        if (n % b == 0)
            return n == b;
    Residue odd = n - 1;
    int twos = 0;
    for (; odd % 2 == 0; odd /= 2)
        ++twos;
    for (Residue b : kBases) {
        Residue x = power_mod(b, odd, n);
        if (x == 1 || x == n - 1)
            continue;
        bool composite = true;
        for (int i = 1; i < twos && composite; ++i) {
            x = x * x % n;
            composite = x != n - 1;
        }
        if (composite)
            return false;
    }
    return true;
}

// The primes below 2^31, from the largest down.
class Prime_source {
public:
    Residue next()
    {
        while (!is_prime(candidate_))
            candidate_ -= 2;
        const Residue p = candidate_;
        candidate_ -= 2;
        return p;
    }

private:
    Residue candidate_ = kLargestPrime;
};

void trim(Mod_poly& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

Mod_poly reduced(const Int_poly& q, Residue p)
{
    Mod_poly a(q.size());
    for (std::size_t i = 0; i < q.size(); ++i)
        a[i] = mpz_fdiv_ui(q[i].get_mpz_t(), p);
    trim(a);
    return a;
}

void make_monic(Mod_poly& a, Residue p)
{
    const Residue inverse = inverse_mod(a.back(), p);
    for (Residue& c : a)
        c = c * inverse % p;
}

// a := a mod b, b monic.
void reduce_by(Mod_poly& a, const Mod_poly& b, Residue p, Limb_work& work)
{
    const std::size_t m = b.size() - 1;
    while (a.size() > m) {
        const Residue minus_top = p - a.back();
        const std::size_t shift = a.size() - 1 - m;
        for (std::size_t j = 0; j < m; ++j)
            a[shift + j] = (a[shift + j] + minus_top * b[j]) % p;
        a.pop_back();
        trim(a);
        work.add(m);
    }
}

// The monic gcd of a and b, not both 0.
Mod_poly gcd_mod(Mod_poly a, Mod_poly b, Residue p, Limb_work& work)
{
    while (!b.empty()) {
        make_monic(b, p);
        reduce_by(a, b, p, work);
        std::swap(a, b);
    }
    make_monic(a, p);
    return a;
}

// The residues as integers of least size.
Int_poly symmetric_lift(const Mod_poly& g, Residue p)
{
    Int_poly lift(g.size());
    for (std::size_t i = 0; i < g.size(); ++i)
        lift[i] = g[i] > p / 2 ? -static_cast<long>(p - g[i]) : static_cast<long>(g[i]);
    return lift;
}

// Joins the image g modulo p into `image` modulo `modulus` (both of one
// degree), keeping the values of least size; true when no value changed.
bool join(Int_poly& image, mpz_class& modulus, const Mod_poly& g, Residue p, Limb_work& work)
{
    const Residue factor = inverse_mod(mpz_fdiv_ui(modulus.get_mpz_t(), p), p);
    const mpz_class joint = modulus * p;
    const mpz_class half = joint / 2;
    bool unchanged = true;
    for (std::size_t i = 0; i < image.size(); ++i) {
        const Residue now = mpz_fdiv_ui(image[i].get_mpz_t(), p);
        const Residue t = (g[i] + p - now) % p * factor % p;
        if (t == 0)
            continue;
        unchanged = false;
        mpz_addmul_ui(image[i].get_mpz_t(), modulus.get_mpz_t(), t);
        if (image[i] > half)
            image[i] -= joint;
        work.add(mpz_size(joint.get_mpz_t()));
    }
    modulus = joint;
    return unchanged;
}

}  // namespace

Int_poly square_free_part(const Int_poly& q, Limb_work& work)
{
    if (q.size() <= 2)
        return q;
    const Int_poly dq = derivative(q);
    // lc(q) times the monic gcd: the gcd's leading coefficient divides
    // lc(q), so this multiple of it has integer coefficients.
    Int_poly image;
    mpz_class modulus;
    std::size_t image_degree = q.size();
    Prime_source primes;
    for (;;) {
        const Residue p = primes.next();
        const Residue lead = mpz_fdiv_ui(q.back().get_mpz_t(), p);
        if (lead == 0)
            continue;
        Mod_poly g = gcd_mod(reduced(q, p), reduced(dq, p), p, work);
        const std::size_t degree = g.size() - 1;
        if (degree == 0)
            return q;
        if (degree > image_degree)
            continue;
        for (Residue& c : g)
            c = c * lead % p;
        if (degree < image_degree) {
            image = symmetric_lift(g, p);
            modulus = p;
            image_degree = degree;
            continue;
        }
        reserve_bytes(limb_bytes(image) + image.size() * (mpz_size(modulus.get_mpz_t()) + 1) * sizeof(mp_limb_t));
        if (!join(image, modulus, g, p, work))
            continue;
        Int_poly candidate = image;
        make_primitive(candidate);
        if (!exact_quotient(dq, candidate, work))
            continue;
        if (auto quotient = exact_quotient(q, candidate, work)) {
            make_primitive(*quotient);
            return *quotient;
        }
    }
}

}  // namespace exact_detail
