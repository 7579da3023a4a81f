#pragma once
// The equation lists of Wu's and the Groebner method, with their upkeep.
// Every list is a polynomial list (plist.h), most recent polynomial first;
// each polynomial means "= 0". The per-point coordinate pairs live in
// g_pairs (prover/prover.h).

#include <cstdint>
#include <vector>

#include "prover/poly.h"

// Hypotheses; for Wu tags 0 = single equation, 1 = pivot of an intersection,
// 2 = the remainder that follows its pivot (retagged by ts_initials).
// For Groebner the hypotheses and then their basis.
extern dterm* g_hyps;
// Short linear polynomials split off the hypotheses (LTS, LGB).
extern dterm* g_lin;
// The conclusion polynomials, and the copy of them that print_eqs shows.
extern dterm* g_concs;
extern dterm* g_concs_print;
// The Groebner method's factors of the basis' initials.
extern dterm* g_gb_inits;
// Wu's initials: slot k (k >= 3) holds the initial of the pivot before the
// k-th remainder. Grows as needed, so any number of pivots fits.
extern std::vector<xterm*> g_ts_inits;
// Which component a vector variable stands for in gq2co: 1 x, else y.
extern std::uint8_t g_vcomp;

// Forgets every list and pair slot without freeing (the pools were reset).
void reset_eqs();
// Frees every list, the initial slots and the pair slots 1..99 and empties
// them. After a reset of the pools since the lists were last kept up, their
// nodes are already free again and are only forgotten.
void free_eqs();
// Every polynomial of the printed conclusion list, each followed by "=0\r\n".
void print_eqs();

// Sets the two slots of point no (slots must be empty or freed before).
void set_pair(int no, xterm* x, xterm* y);
// Frees and empties the two slots of point no.
void free_pair(int no);
