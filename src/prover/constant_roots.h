#pragma once
// The real roots of a CONSTANT's equation whose coefficients are numbers,
// found exactly and kept for the length of one Prove: its figures solve the
// same equation some fifty times.

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "prover/exact_roots.h"

struct var_rec;
struct xterm;

// The coefficients (of v^0, v^1, ...) of p when v is p's only variable;
// nothing when another quantity enters them.
std::optional<std::vector<mpz_class>> integer_coefficients(const xterm* p, const var_rec* v);

// exact_real_roots(c), found once per Prove. A search the time limit or the
// memory budget ends keeps nothing.
const Exact_roots& constant_roots(const std::vector<mpz_class>& c);

// Forgets the roots found: each Prove starts with none, so that it gets what
// it would get alone (a search it would time out in is not skipped).
void clear_constant_roots();
