#pragma once
// Normal forms and list reductions shared by Wu's and the Groebner method.
// All consume their first polynomial argument; lists are left in place
// unless said.

#include "prover/poly.h"

// Primitive part: content 1 and a positive leading number; a non-zero
// constant becomes 1, zero stays 0.
xterm* pprim(xterm* p);
// pprim after the primitive part of p's initial has been divided out of p as
// often as it divides exactly.
xterm* pnormal(xterm* p);
// pprim after every variable of p's initial has been divided out to the
// lowest power in which it occurs in p.
xterm* psimp(xterm* p);
// p := pprim(prem(p, q)) for each q of list in order.
xterm* prem_list(xterm* p, const dterm* list);
// Each polynomial of list becomes psimp(prem_list(p, lin)); those that
// become 0 are removed (their cells freed).
void reduce_hyps(dterm*& list, const dterm* lin);
// Moves the polynomials of degree 1 in their main variable with fewer than 3
// leaves from list to the end of lin, keeping their order.
void split_lts(dterm*& list, dterm*& lin);
// True when some polynomial of the list is a non-zero constant.
bool plist_has_unit(const dterm* list);
