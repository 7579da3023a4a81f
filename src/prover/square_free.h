#pragma once
// The square-free part of an integer polynomial: each real root once, and
// simple, which the root isolation needs. Internal to exact_roots.

#include "prover/int_poly.h"

namespace exact_detail {

// q / gcd(q, q'), primitive with a positive leading coefficient; q is
// primitive, trimmed and of degree 1 at least. The gcd is found modulo
// primes: one prime whose gcd is constant proves q square-free (the common
// case, one Euclid modulo a prime); else the images modulo several primes
// are joined by the Chinese remainder theorem until a candidate divides q
// and q' exactly.
Int_poly square_free_part(const Int_poly& q, Limb_work& work);

}  // namespace exact_detail
