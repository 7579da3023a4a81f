#pragma once
// Wu's and the Groebner method as the Prove dispatcher runs them, after the
// hypothesis facts are in the database: the coordinate polynomials of every
// record and of the conclusion, the hypothesis list (Wu's triangular list,
// or the Groebner basis), the algebraic form, then the method itself. The
// outcome is in g_result (1 true, -1 false, else not solved); g_time and
// g_maxterm grow. An error of the statement is reported through gerror.

// kMethodWu.
void prove_wu();
// kMethodGroebner.
void prove_groebner();

// The algebraic form: the coordinates, every record's and the conclusion's
// polynomials and the hypothesis list (TS for Wu, GB for Groebner).
void print_algebraic_form();

// The algebraic form for the prover window's predicate form, followed by the
// short linear polynomials. The lists of the last proof are shown when they
// belong to the statement and method in the tables; otherwise the coordinate
// polynomials are built afresh (and the hypothesis list is empty until the
// statement is proved).
void print_statement_algebraic_form();
