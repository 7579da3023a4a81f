#pragma once
// The prover window's printers of the statement in the tables: its statement
// text, its predicate form with the non-degeneracy conditions, and its
// drawing instructions.

// The statement as shown_statement_text gives it: a text the reader takes
// back. Nothing for a statement of fewer than two records.
void show_statement();

// The predicate form: the points, every record's predicates, the
// non-degeneracy conditions and the conclusion's keyword form. The input help
// for a statement of fewer than two records.
void print_predicate_form();

// "Explain Current Statement": clears the window, then every record's drawing
// instructions and the conclusion's sentence form.
void explain_statement();
