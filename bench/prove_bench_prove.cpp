#include "prove_bench_prove.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "statement/examples.h"
#include "statement/prove.h"
#include "statement/prover.h"
#include "statement/tokenizer.h"

namespace fs = std::filesystem;

namespace {

// The window's text as lines of the host's files.
std::string without_cr(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

std::string first_line(const std::string& text)
{
    const std::string plain = without_cr(text);
    std::size_t begin = plain.find_first_not_of("\n ");
    if (begin == std::string::npos)
        return "";
    return plain.substr(begin, plain.find('\n', begin) - begin);
}

// Runs the Prove command in dir (where the LaTeX file is written), then
// restores the working directory.
class InDirectory {
public:
    explicit InDirectory(const std::string& dir)
    {
        if (dir.empty())
            return;
        saved_ = fs::current_path();
        fs::current_path(dir);
        active_ = true;
    }
    ~InDirectory()
    {
        if (active_) {
            std::error_code ec;
            fs::current_path(saved_, ec);
        }
    }
    InDirectory(const InDirectory&) = delete;
    InDirectory& operator=(const InDirectory&) = delete;

private:
    fs::path saved_;
    bool active_ = false;
};

// The proof's window text and LaTeX file under the statement's own name.
void keep_proof_files(const BenchOptions& options, const std::string& stem, const std::string& window_text)
{
    if (options.proof_dir.empty())
        return;
    const fs::path dir(options.proof_dir);
    std::ofstream(dir / (stem + ".txt"), std::ios::binary) << window_text;
    std::error_code ec;
    const fs::path tex = dir / (g_example + ".tex");
    if (fs::exists(tex, ec))
        fs::rename(tex, dir / (stem + ".tex"), ec);
}

BenchResult prove_loaded(const BenchOptions& options, const std::string& stem, GprintCapture& capture)
{
    BenchResult r;
    if (g_abort || g_npoints == 0) {
        r.result = "error";
        r.message = first_line(capture.text());
        if (r.message.empty())
            r.message = "no statement";
        keep_proof_files(options, stem, capture.text());
        return r;
    }
    g_method = options.method;
    g_timelimit = options.time_limit_s * 1000;
    const auto start = std::chrono::steady_clock::now();
    ProveEnd end;
    {
        InDirectory in_dir(options.proof_dir);
        end = cmd_prove();
    }
    r.ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    r.maxterm = g_maxterm > 0 ? g_maxterm : 0;
    switch (end) {
    case ProveEnd::Refused:
    case ProveEnd::Aborted:
        r.result = "error";
        r.message = first_line(capture.text());
        break;
    case ProveEnd::TimedOut:
        r.result = "timeout";
        break;
    case ProveEnd::Ran:
        r.result = g_result == 1 ? "true" : g_result == -1 ? "false" : "not-solved";
        break;
    }
    keep_proof_files(options, stem, capture.text());
    return r;
}

}  // namespace

std::optional<BenchResult> bench_prove_file(const std::string& path, const BenchOptions& options)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    // The window reads up to the start of its last line: a file without a
    // final line break would lose its SHOW line.
    if (text.empty() || text.back() != '\n')
        text += '\n';
    GprintCapture capture;
    // The statement is read with the method it is proved by (the reader
    // rewrites some constructions for the algebraic methods).
    g_method = options.method;
    read_window_statement(text);
    return prove_loaded(options, fs::path(path).stem().string(), capture);
}

BenchResult bench_prove_example(int id, const BenchOptions& options)
{
    GprintCapture capture;
    g_method = options.method;
    load_example(id);
    std::string stem;
    for (const auto& ex : example_menu())
        if (ex.id == id)
            stem = ex.menu_text;
    for (char& c : stem)
        if (c == ' ')
            c = '_';
    return prove_loaded(options, stem, capture);
}

std::string bench_line(const std::string& name, const BenchOptions& options, const BenchResult& result)
{
    std::ostringstream line;
    line << name << '\t' << options.method_name << '\t' << result.result << '\t' << result.ms << '\t'
         << result.maxterm;
    return line.str();
}
