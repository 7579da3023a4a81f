#include "prove_bench_prove.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "gdd/proof_latex.h"
#include "prover/prover.h"
#include "statement/examples.h"

namespace fs = std::filesystem;

namespace {

// The LaTeX file of a Prove goes into the proof directory while it runs.
class TexDirectory {
public:
    explicit TexDirectory(const std::string& dir) : saved_(g_tex_dir) { g_tex_dir = dir; }
    ~TexDirectory() { g_tex_dir = saved_; }
    TexDirectory(const TexDirectory&) = delete;
    TexDirectory& operator=(const TexDirectory&) = delete;

private:
    std::string saved_;
};

// The proof's window text and LaTeX file under the statement's own name.
void keep_proof_files(const BenchOptions& options, const std::string& stem, const ProveRun& run)
{
    if (options.proof_dir.empty())
        return;
    const fs::path dir(options.proof_dir);
    std::ofstream(dir / (stem + ".txt"), std::ios::binary) << run.window_text;
    std::error_code ec;
    const TexDirectory in_dir(options.proof_dir);
    const fs::path tex = proof_tex_path();
    if (fs::exists(tex, ec))
        fs::rename(tex, dir / (stem + ".tex"), ec);
}

}  // namespace

std::optional<ProveRun> bench_prove_file(const std::string& path, const BenchOptions& options)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream buffer;
    buffer << in.rdbuf();
    ProveRun run;
    {
        TexDirectory in_dir(options.proof_dir);
        run = prove_statement_text(buffer.str(), options.method, options.time_limit_s, options.read_method);
    }
    keep_proof_files(options, fs::path(path).stem().string(), run);
    return run;
}

ProveRun bench_prove_example(int id, const BenchOptions& options)
{
    ProveRun run;
    {
        TexDirectory in_dir(options.proof_dir);
        run = prove_example(id, options.method, options.time_limit_s, options.read_method);
    }
    std::string stem;
    for (const auto& ex : example_menu())
        if (ex.id == id)
            stem = ex.menu_text;
    for (char& c : stem)
        if (c == ' ')
            c = '_';
    keep_proof_files(options, stem, run);
    return run;
}

std::string bench_line(const std::string& name, const BenchOptions& options, const ProveRun& result)
{
    std::ostringstream line;
    line << name << '\t' << options.method_name << '\t' << result.result << '\t' << result.ms << '\t'
         << result.maxterm;
    return line.str();
}
