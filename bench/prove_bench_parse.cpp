#include "prove_bench_parse.h"

#include <fstream>
#include <sstream>

#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/table_dump.h"
#include "statement/tokenizer.h"

namespace {

// The window shows "\r\n" as one line break.
std::string as_lines(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            out += c;
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out;
}

}  // namespace

int bench_method(std::string_view name)
{
    if (name == "gdd") return kMethodDatabase;
    if (name == "angle") return kMethodFullAngle;
    if (name == "area") return kMethodArea;
    if (name == "vector") return kMethodVector;
    if (name == "wu") return kMethodWu;
    if (name == "groebner") return kMethodGroebner;
    return 0;
}

bool bench_parse_file(const std::string& path, std::ostream& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out << "== " << path << "\ncannot read " << path << "\n";
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    out << "== " << path << "\n";
    GprintCapture capture;
    read_window_statement(text.str());
    if (!capture.text().empty())
        out << as_lines(capture.text());
    if (!g_abort)
        out << dump_statement();
    return true;
}

void bench_dump_examples(std::ostream& out)
{
    for (const auto& ex : example_menu()) {
        load_example(ex.id);
        out << "== " << ex.id << " " << ex.menu_text << "\n" << dump_statement();
    }
}
