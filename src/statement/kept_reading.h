#pragma once
// The statement last read from text, kept for the Prove command. A reading
// depends on the method it is read under (CIRCLE lines, the constructions
// the algebraic methods have rewritten, the roles of the CONSTANT lines'
// variables, the marked lines), and the window's text cannot be read again:
// after a Prove it holds the proof, and the user may edit it. A Prove under
// another method than the reading's reads the kept tokens again under its
// own, so that it proves what a fresh reading would give. Whatever else
// fills or empties the tables (an example, the drawing, a reading that
// fails, prover_reset) forgets the kept reading, so that no Prove reads an
// older text.

#include "statement/tokenizer.h"

// The statement in the tables is the reading of cuts under method.
void keep_reading(StatementCuts cuts, int method);
void forget_kept_reading();

enum class Reread {
    kNotNeeded,  // no kept reading, or one under g_method
    kRead,       // the tables hold a fresh reading under g_method
    kFailed,     // the reading failed: its error is printed, no statement is left
};
// Reads the kept statement again under g_method when it was read under
// another method.
Reread read_kept_again();
