#pragma once
// The database proof as a LaTeX file, named from g_example ("example") by
// "%s.tex".

#include <string>

// Directory the LaTeX file is written into; empty: the working directory.
extern std::string g_tex_dir;

// Writes the file: a fixed preamble, the proof of show_gdd_proof(which) in
// LaTeX forms, "\end{document}". A statement that is not proved gets the
// frame alone. A file that cannot be written gives "Couldn't open %s.tex" in
// the window. Should the proof throw while the file is open, the file is
// closed and later output goes to the window again. g_latex stays set.
void save_proof_tex(int which);

// The path save_proof_tex writes.
std::string proof_tex_path();
