// Writing a proof as a LaTeX file.

#include "prover/proof_tex_file.h"

#include <fstream>

#include "prover/prover.h"
#include "prover/verdict.h"

std::string g_tex_dir;

namespace {

// gprint writes into the file while this lives, also when the proof throws.
class Outfile_scope {
public:
    explicit Outfile_scope(std::ostream& out) : previous_(g_outfile) { g_outfile = &out; }
    ~Outfile_scope() { g_outfile = previous_; }
    Outfile_scope(const Outfile_scope&) = delete;
    Outfile_scope& operator=(const Outfile_scope&) = delete;

private:
    std::ostream* previous_;
};

constexpr const char* kPageLayout[] = {
    "\\documentstyle[11pt]{article}\r\n",
    "\\voffset=-2.5truecm\r\n",
    "\\hoffset=-1.9truecm\r\n",
    "\\textwidth = 16truecm\r\n",
    "\\textheight = 22.5truecm\r\n",
    "\\parskip=8pt\r\n",
    "\\parindent=15pt\r\n",
};

}  // namespace

std::string proof_tex_path()
{
    std::string path = g_tex_dir;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + fname_part(g_example) + ".tex";
}

bool write_proof_tex(std::span<const char* const> macros, const std::function<void()>& body)
{
    g_example = "example";
    const std::string base = fname_part(g_example);
    std::ofstream file(proof_tex_path(), std::ios::binary | std::ios::trunc);
    if (!file) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return false;
    }
    {
        const Outfile_scope scope(file);
        for (const char* line : kPageLayout)
            gprint(line);
        for (const char* line : macros)
            gprint(line);
        gprint("\\begin{document}\r\n");
        // An overruled proof is not shown: the file says what the window says.
        if (const std::string& overruled = overruling_sentence(); overruled.empty())
            body();
        else
            gprint(overruled + "\r\n");
        gprint("\\end{document}\r\n");
    }
    file.close();
    if (file.fail()) {
        gprint(fmt("Couldn't open %s.tex", base.c_str()));
        return false;
    }
    return true;
}
