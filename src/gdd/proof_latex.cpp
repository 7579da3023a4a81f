// Writing the database proof as a LaTeX file.

#include "gdd/proof_latex.h"

#include <fstream>

#include "gdd/gdd_words.h"
#include "gdd/proof_text.h"
#include "statement/prover.h"

std::string g_tex_dir;

namespace {

// gprint writes into the file while this lives.
class Outfile_scope {
public:
    explicit Outfile_scope(std::ostream& out) : previous_(g_outfile) { g_outfile = &out; }
    ~Outfile_scope() { g_outfile = previous_; }
    Outfile_scope(const Outfile_scope&) = delete;
    Outfile_scope& operator=(const Outfile_scope&) = delete;

private:
    std::ostream* previous_;
};

constexpr const char* kPreamble[] = {
    "\\documentstyle[11pt]{article}\r\n",
    "\\voffset=-2.5truecm\r\n",
    "\\hoffset=-1.9truecm\r\n",
    "\\textwidth = 16truecm\r\n",
    "\\textheight = 22.5truecm\r\n",
    "\\parskip=8pt\r\n",
    "\\parindent=15pt\r\n",
    "\\def\\fa#1#2{\\langle{#1},{#2}\\rangle}\r\n",
    "\\begin{document}\r\n",
};

std::string base_name() { return fname_part(g_example); }

}  // namespace

std::string proof_tex_path()
{
    std::string path = g_tex_dir;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + base_name() + ".tex";
}

void save_proof_tex(int which)
{
    g_example = "example";
    const std::string base = base_name();
    std::ofstream file(proof_tex_path(), std::ios::binary | std::ios::trunc);
    if (!file) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return;
    }
    {
        const Outfile_scope scope(file);
        for (const char* line : kPreamble)
            gprint(line);
        g_latex = 1;
        show_gdd_proof(which);
        gprint("\\end{document}\r\n");
    }
    file.close();
    if (file.fail()) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return;
    }
    if (g_result == 1)
        gprint(fmt("\r\n\r\n%s  %s.tex\r\n", std::string(gdd_words::kLatexSaved).c_str(), base.c_str()));
}
