#pragma once
// The database proof as a LaTeX file (prover/proof_tex_file.h).

#include "prover/proof_tex_file.h"

// Writes the file: a fixed preamble, the proof of show_gdd_proof(which) in
// LaTeX forms, "\end{document}". A statement that is not proved gets the
// frame alone. A file that cannot be written gives "Couldn't open %s.tex" in
// the window. Should the proof throw while the file is open, the file is
// closed and later output goes to the window again. g_latex stays set.
void save_proof_tex(int which);
