// Writing the database proof as a LaTeX file.

#include "gdd/proof_latex.h"

#include "gdd/gdd_words.h"
#include "gdd/proof_text.h"
#include "prover/prover.h"

namespace {

constexpr const char* kMacros[] = {
    "\\def\\fa#1#2{\\langle{#1},{#2}\\rangle}\r\n",
};

}  // namespace

void save_proof_tex(int which)
{
    const bool written = write_proof_tex(kMacros, [which] {
        g_latex = 1;
        show_gdd_proof(which);
    });
    if (written && g_result == 1)
        gprint(fmt("\r\n\r\n%s  %s.tex\r\n", std::string(gdd_words::kLatexSaved).c_str(),
                   fname_part(g_example).c_str()));
}
