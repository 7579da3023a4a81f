#pragma once
// A statement written into the tables other than by reading its text (the
// bridge from a drawing writes one record per point object): what the
// statement read before left behind goes first, and a ratio record's two
// values become its polynomials.

struct Pro_point;

// Forgets what the reader of the statement read before left behind: the
// statement kept for the Prove command, its facts and the database facts they
// entered, and the marks of its records (hypothesis predicates, records the
// reader made, lines and the conclusion as written).
void forget_reader_marks();

// forget_reader_marks, and the statement's polynomials go too.
void forget_read_statement();

// The two values of a ratio record (LRATIO, MRATIO, PRATIO) as its
// polynomials, replacing whatever its slots held without freeing it.
void set_ratio_values(Pro_point& r, long numerator, long denominator);
