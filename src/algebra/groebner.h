#pragma once
// The Groebner basis method. Coefficients are taken over the independent
// parameters (the free points' coordinates u and the named variables): a
// polynomial whose main variable is one of them counts as a coefficient.
// Terms are ordered lexicographically by the variable order vless.

#include <cstdint>

#include "prover/poly.h"

// Reduction mode: 1 full reduction (every term), 2 head reduction.
extern std::int8_t g_gbmode;

// A coefficient: no variable, or a named variable or parameter u as main variable.
bool gconst_p(const xterm* p);
// Copy of the coefficient reached by following the initials down.
xterm* ghead_coef(const xterm* p);
// The product of the main variables met on the way down, each to its
// leading degree (coefficient 1).
xterm* ghead_mono(const xterm* p);

// Normal form: primitive, without monomial factors and factors of its head
// coefficient; a coefficient becomes 1. Consumes p.
xterm* gnormal(xterm* p);
// Factors of p found by exact divisions (consumes p); a list with tags 1.
dterm* gfactors(xterm* p);
// p comes before q (head monomials, lexicographic).
bool gless(const xterm* p, const xterm* q);
// Some term of p is divisible by the head monomial of g.
bool gdivides(const xterm* p, const xterm* g);
// The part of p divisible by g's head monomial, divided by it (consumes p).
xterm* gquot(xterm* p, const xterm* g);
// The same, leaving p alone: only the quotient is built.
xterm* gquot_of(const xterm* p, const xterm* g);
// No term of p (mode 2: its head) is divisible by a head monomial of list.
bool gred_ps(const xterm* p, const dterm* list);
// Reduction of p by g, fraction-free (consumes p).
xterm* gred1(xterm* p, const xterm* g);
// gred1 by each member of list in order, until p is a coefficient.
xterm* gred(xterm* p, const dterm* list);
// False when the head monomials of p and q share a variable.
bool gshare_p(const xterm* p, const xterm* q);
// The S-polynomial of p and q (both consumed).
xterm* gspoly(xterm* p, xterm* q);

// Splits list into B (the interreduced part, least first pushed) and R (the
// members B can reduce). Consumes list.
struct GbSplit {
    dterm* B = nullptr;
    dterm* R = nullptr;
};
GbSplit g_bs(dterm* list);
// The reduced non-zero S-polynomials of B.
dterm* gspolys(const dterm* B);
// The Groebner basis of list (consumed).
dterm* g_basis(dterm* list);

// Reduces the conclusions by the basis in g_hyps and prints the verdict;
// sets g_result, adds to g_time and g_maxterm.
void gb_prove();
// The reduction of one conclusion polynomial by the basis and its linear
// part LGB, until neither reduces it further (c consumed).
xterm* gb_srem(xterm* c, const dterm* basis, const dterm* lin);
