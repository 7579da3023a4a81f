// The machine proof as a LaTeX file.

#include "algebra/algebra_words.h"
#include "algebra/machine_proof.h"
#include "prover/proof_tex_file.h"
#include "prover/prover.h"

namespace {

// The macros print_var writes in LaTeX form.
constexpr const char* kMacros[] = {
    "\\def\\l#1{|{#1}|}\r\n",
    "\\def\\pd#1{{#1}^2}\r\n",
    "\\def\\sd#1{\\o{#1}^2}\r\n",
    "\\def\\o#1{\\overline{{#1}}}\r\n",
    "\\def\\oo#1#2{\\frac{\\overline{{#1}}}{\\overline{{#2}}}}\r\n",
    "\\def\\ll#1#2{\\frac{#1}{#2}}\r\n",
    "\\def\\t#1{S_{{#1}}}\r\n",
    "\\def\\tt#1#2{\\frac{S_{{#1}}}{S_{{#2}}}}\r\n",
    "\\def\\g#1{P_{{#1}}}\r\n",
    "\\def\\gg#1#2{\\frac{{P_{{#1}}}}{P_{{#2}}}}\r\n",
    "\\def\\ar#1{S_{{#1}}}\r\n",
    "\\def\\aa#1#2{\\frac{S_{{#1}}}{S_{{#2}}}}\r\n",
    "\\def\\sh#1{\\sinh({#1})}\r\n",
    "\\def\\ch#1{\\cosh({#1})}\r\n",
    "\\def\\ss#1#2{\\frac{{\\sinh{({#1})}}}{\\sinh{({#2})}}}\r\n",
    "\\def\\d{\\delta}\r\n",
    "\\def\\fa#1#2{\\langle{#1},{#2}\\rangle}\r\n",
    "\\def\\vec#1{{\\overrightarrow{#1}}}",
    "\\def\\ves#1{{\\overrightarrow{\\scriptstyle #1}}}",
    "\\def\\vp#1#2{[\\vec{#1},\\vec{#2}]}",
    "\\def\\ip#1#2{\\langle\\vec{#1},\\vec{#2}\\rangle}",
    "\\def\\vps#1#2{[\\ves{#1},\\ves{#2}]}",
    "\\def\\ips#1#2{\\langle\\ves{#1},\\ves{#2}\\rangle}",
    "\\def\\si{\\hbox{\\rm sh}}\r\n",
};

}  // namespace

void save_tex(const ProofCitations* citations)
{
    const bool written = write_proof_tex(kMacros, [citations] { show_machine_proof(1, citations); });
    if (written && g_result == 1)
        gprint(fmt("\r\n%s %s.tex\r\n", alg_words::kLatexSaved, fname_part(g_example).c_str()));
}
