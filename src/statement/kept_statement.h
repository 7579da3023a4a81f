#pragma once
// The statement as it was last read or loaded, kept for the Prove command.
// A Prove changes the tables it proves (the database method appends its
// auxiliary points, the area and vector methods put the free points first)
// and the tables keep what it left, for the window to show and search
// afterwards; so every Prove starts again from the kept statement and gives
// what a fresh reading or load of it gives under its method.
//
// A statement read from text is kept as its tokens and read again at every
// Prove: a reading depends on the method it is read under (CIRCLE lines,
// the constructions the algebraic methods have rewritten, the roles of the
// CONSTANT lines' variables, the marked lines), and the window's text cannot
// be read again, as after a Prove it holds the proof and the user may edit
// it. A statement loaded as records (an example, the drawing's statement)
// reads the same under every method and is kept as the table it was loaded
// as. Whatever else fills, changes or empties the tables (a reading that
// fails, a load of no example, prover_reset, a statement lost for want of
// memory) forgets the kept statement, so that no Prove starts from an older
// one.

#include "statement/tokenizer.h"

// The statement in the tables is the reading of cuts.
void keep_reading(StatementCuts cuts);
// The statement in the tables was loaded as records: records 1 .. g_npoints
// with their polynomials, the conclusion with its sides, the reader's facts.
void keep_loaded_statement();
void forget_kept_statement();
// Whether a statement is kept: a Prove has one to start from even where an
// error of the last Prove's method emptied the tables.
bool statement_kept();

enum class Restart {
    kNothingKept,  // the tables hold no kept statement: they are proved as they stand
    kRestarted,    // the tables hold the statement as read (under g_method) or loaded
    kFailed,       // the reading failed: its error is printed, no statement is left
};
// Puts the kept statement back into the tables for a Prove: reads a kept
// reading again under g_method, writes a loaded table back. The pools must
// have been emptied since the last Prove (release_proof_memory): the
// statement's polynomials are built again in them. Out of memory while
// building them, the tables stay as they are and the exception goes on.
Restart restart_kept_statement();
