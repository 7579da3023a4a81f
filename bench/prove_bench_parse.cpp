#include "prove_bench_parse.h"

#include <fstream>
#include <functional>
#include <sstream>

#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/statement_forms.h"
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

namespace {

// Reads the file as the prover window reads a statement file, then writes
// what the reader printed and, when it read the statement, what show adds.
bool read_file_then(const std::string& path, std::ostream& out, const std::function<std::string()>& shown)
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
        out << shown();
    return true;
}

// The statement as the window's show button prints it.
std::string shown_statement()
{
    GprintCapture capture;
    show_statement();
    return as_lines(capture.text());
}

}  // namespace

bool bench_parse_file(const std::string& path, std::ostream& out)
{
    return read_file_then(path, out, dump_statement);
}

bool bench_show_file(const std::string& path, std::ostream& out)
{
    return read_file_then(path, out, shown_statement);
}

void bench_dump_examples(std::ostream& out, bool show)
{
    for (const auto& ex : example_menu()) {
        load_example(ex.id);
        out << "== " << ex.id << " " << ex.menu_text << "\n" << (show ? shown_statement() : dump_statement());
    }
}
