#pragma once
// Quotient records and their factor lists: the small operations the area,
// vector and full-angle methods use on the proof chain, and the
// simplification that runs after every elimination cycle (content, powers
// of single variables and primitive parts split off, equal factors merged,
// factors common to both sides cancelled).
//
// A factor list is a polynomial list (algebra/plist.h) whose tag is the
// factor's exponent. Records come from the proof chain's storage
// (algebra/proof_chain.h).

#include "algebra/proof_chain.h"
#include "prover/poly.h"

// A record with these fields (coefficients, constant polynomials, and lists
// taken over), no steps, not linked.
quot_rec* new_ratio_rec(xterm* numc, dterm* nums, xterm* denc, dterm* dens, std::int8_t type);
// A record whose lists hold one cell (exponent 1) for each polynomial given;
// a null polynomial gives no list. Type 0. Everything given is taken over.
quot_rec* new_quot(xterm* numc, xterm* nump, xterm* denc, xterm* denp);
// The value of the step turned over (numerator and denominator exchanged).
elim_step* q_swap(elim_step* step);

// The first cell whose polynomial equals p, or null.
dterm* plist_find(const xterm* p, dterm* list);
// a without the cells whose polynomial occurs in b (those cells and
// polynomials freed); b is left alone.
dterm* plist_remove(dterm* a, const dterm* b);
// a followed by the cells of b whose polynomials are not in a; the other
// cells of b are freed.
dterm* plist_union(dterm* a, dterm* b);
// Cells whose polynomial is not a constant.
int plist_nonconst(const dterm* list);
// Product of the cells' polynomials raised to their exponents; consumes the
// list; an empty list gives 1.
xterm* ps_prod(dterm* list);
// Largest term count among the factors of both sides (0 when none).
int max_nterms(const quot_rec* rec);
// Frees what a record holds (its coefficients, both lists, the cancelled
// factors, its steps' polynomials) and leaves it empty; the storage itself
// belongs to the chain.
void free_plist(quot_rec* rec);

// ---- simplification --------------------------------------------------------------

// The factors of p: the cell (1, content), then (k, x) for each variable x
// along the chain of initials that divides p k times, then (1, primitive
// rest) unless that is constant. Consumes p.
dterm* pfactor(xterm* p);
// Every factor split by pfactor, exponents multiplied, equal factors merged,
// contents 1 dropped; a zero content gives (1, 0), an empty result (1, 1).
// Consumes the list.
dterm* plist_factor(dterm* list);
// Exponent-0 cells dropped and every constant cell multiplied into one
// coefficient cell (exponent 1) put first. Consumes the list.
dterm* plist_collect(dterm* list);
// Cancels the factors of b that divide factors of a. Both lists begin with
// their coefficient cell and are consumed; when something was cancelled the
// cancelled factors are returned and the reduced lists left in
// g_psdiv_num / g_psdiv_den; else null is returned and the lists are given
// back there unchanged. An exact quotient that is a constant other than 1 is
// reported through gerror ("ps_div") and cancels nothing.
dterm* ps_div(dterm* a, dterm* b);
extern dterm* g_psdiv_num;
extern dterm* g_psdiv_den;
// The simplified form of rec as a new record (type -1 with its cancelled
// factors, or -2 after a side became zero), or null when nothing changed.
// rec itself is left as it is.
quot_rec* quot_simp(const quot_rec* rec);
