#pragma once
// Polynomials in one variable with integer coefficients, and the dyadic
// numbers m 2^e they are evaluated at (every double is one): what the exact
// root search computes with. Internal to exact_roots.

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "prover/exact_work.h"

namespace exact_detail {

// c[0] + c[1] x + ... + c[n] x^n; trimmed, c[n] is not 0.
using Int_poly = std::vector<mpz_class>;

// m 2^e.
struct Dyadic {
    mpz_class m;
    long e = 0;
};

// -1, 0 or 1 as a is below, equal to or above b.
int compare(const Dyadic& a, const Dyadic& b);
// a^g.
Dyadic power(const Dyadic& a, unsigned long g);

// Bytes the coefficients' limbs take.
std::size_t limb_bytes(const Int_poly& p);
// Sign changes along the coefficients, zeros skipped.
int sign_variations(const Int_poly& p);
Int_poly derivative(const Int_poly& p);
// p divided by the gcd of its coefficients, its leading coefficient made
// positive.
void make_primitive(Int_poly& p);
// p(-x).
Int_poly reflected(Int_poly p);
// p divided by the largest power of two that divides every coefficient.
void remove_power_of_two(Int_poly& p);
// p(x + 1), in place.
void taylor_shift_one(Int_poly& p, Limb_work& work);

// Exponents b with every positive root of p (of degree 1 at least) below
// 2^b, and above 2^-b where p(0) != 0.
long positive_root_bound(const Int_poly& p);
long positive_root_floor(const Int_poly& p);

// a / b when b (trimmed, not 0) divides a in Z[x]; nothing when it does not.
// Gives up early once a quotient coefficient is larger than a factor of a
// can have (so a wrong divisor cannot make the quotient grow unbounded).
std::optional<Int_poly> exact_quotient(const Int_poly& a, const Int_poly& b, Limb_work& work);

// The terms other than 0, powers descending: the form evaluation takes, cheap
// for sparse polynomials of high degree.
struct Term {
    std::size_t power = 0;
    mpz_class coef;
};
using Sparse_poly = std::vector<Term>;
Sparse_poly sparse_form(const Int_poly& p);

// The exact sign of p at x: Horner's scheme over the terms, homogenised so
// that it stays in integers (p(m / 2^k) 2^(k n) for x = m / 2^k), with one
// power of m per gap between powers.
int sign_at(const Sparse_poly& p, const Dyadic& x, Limb_work& work);

}  // namespace exact_detail
