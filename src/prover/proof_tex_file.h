#pragma once
// A proof written as a LaTeX file, "example.tex": the page layout, the
// method's macros, the proof between \begin{document} and \end{document}.
// The database method and the algebraic methods write their proofs so.

#include <functional>
#include <span>
#include <string>

// Directory the LaTeX file is written into; empty: the working directory.
extern std::string g_tex_dir;

// The path the LaTeX file is written to, named from g_example by "%s.tex".
std::string proof_tex_path();

// Sets g_example to "example" and writes the file: the page layout lines,
// the macro lines, "\begin{document}", what body prints through gprint and
// "\end{document}"; when the numeric figures overruled the method's
// verdict, the overruling sentence takes the place of the proof. A file that
// cannot be opened or written gives "Couldn't open example.tex" in the window
// and answers false. Should body throw, the file is closed and later output
// goes to the window again.
bool write_proof_tex(std::span<const char* const> macros, const std::function<void()>& body);
