// The machine proof as a LaTeX file.

#include <fstream>

#include "algebra/algebra_words.h"
#include "algebra/machine_proof.h"
#include "gdd/proof_latex.h"
#include "statement/prover.h"

namespace {

// gprint writes into the file while this lives, also when the proof throws.
class OutfileScope {
public:
    explicit OutfileScope(std::ostream& out) : previous_(g_outfile) { g_outfile = &out; }
    ~OutfileScope() { g_outfile = previous_; }
    OutfileScope(const OutfileScope&) = delete;
    OutfileScope& operator=(const OutfileScope&) = delete;

private:
    std::ostream* previous_;
};

// The preamble with the macros print_var writes in LaTeX form.
constexpr const char* kPreamble[] = {
    "\\documentstyle[11pt]{article}\r\n",
    "\\voffset=-2.5truecm\r\n",
    "\\hoffset=-1.9truecm\r\n",
    "\\textwidth = 16truecm\r\n",
    "\\textheight = 22.5truecm\r\n",
    "\\parskip=8pt\r\n",
    "\\parindent=15pt\r\n",
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
    "\\begin{document}\r\n",
};

}  // namespace

void save_tex()
{
    g_example = "example";
    const std::string base = fname_part(g_example);
    std::ofstream file(proof_tex_path(), std::ios::binary | std::ios::trunc);
    if (!file) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return;
    }
    {
        const OutfileScope scope(file);
        for (const char* line : kPreamble)
            gprint(line);
        show_machine_proof(1);
        gprint("\\end{document}\r\n");
    }
    file.close();
    if (file.fail()) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return;
    }
    if (g_result == 1)
        gprint(fmt("\r\n%s %s.tex\r\n", alg_words::kLatexSaved, base.c_str()));
}
