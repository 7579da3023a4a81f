#pragma once
// The algebraic modes of the construction and conclusion semantics, for
// Wu's and the Groebner method: a record's coordinate polynomials (mode 1),
// its part of Wu's triangular hypothesis list (mode 2) and its algebraic
// form (mode 8); the conclusion's polynomials and algebraic form.

// do_cons mode 1: fills record no's pair slots (emptied first, nothing freed).
void cons_coord_polys(int no);
// do_cons mode 2: appends record no's polynomials to g_hyps (mode 1 first).
void cons_hyp_list(int no);
// do_cons mode 8: the record's predicate lines with their polynomials.
void print_cons_algebraic(int no);

// do_concl mode 1: builds g_concs and its printed copy g_concs_print.
void concl_coord_polys();
// do_concl mode 8: the keyword form, ":    " and the conclusion polynomials.
void print_concl_algebraic();
