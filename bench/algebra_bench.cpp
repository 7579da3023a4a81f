// Algebraic methods over a corpus of statements.
//   algebra_bench [--methods wu,groebner,area,vector] [--time-limit SECONDS]
//                 [--repeat N] [--singular DIR] [--examples] FILE...
// Each FILE holds one or more statements, each beginning with its EXAMPLE
// line. One tab-separated line per statement: its name, then for every
// method the result, the milliseconds (the mean of N runs with --repeat) and
// the peak resident memory in MB. With --singular, the Groebner method's
// input (the coordinate polynomials of the hypotheses and the conclusion) of
// each statement is also written to DIR/<name>.sing as a Singular script
// that prints the mean milliseconds of N runs of std and reduce.

#include <algorithm>
#include <cctype>
#include <chrono>
#include <iomanip>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "algebra/equations.h"
#include "algebra/groebner.h"
#include "prove_bench_memory.h"
#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/prove_run.h"
#include "statement/semantics.h"

namespace fs = std::filesystem;

namespace {

struct Statement {
    std::string name;
    std::string text;  // empty for a built-in example
    int example_id = 0;
};

const std::map<std::string, int> kMethods = {
    {"wu", kMethodWu}, {"groebner", kMethodGroebner}, {"area", kMethodArea}, {"vector", kMethodVector}};

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, sep))
        if (!item.empty())
            out.push_back(item);
    return out;
}

// The statements of one file: a new one at every EXAMPLE line.
std::vector<Statement> read_statements(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<Statement> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("EXAMPLE", 0) == 0) {
            std::string name = line.substr(7);
            name.erase(0, name.find_first_not_of(' '));
            out.push_back({name.empty() ? fs::path(path).stem().string() : name, "", 0});
        }
        if (!out.empty())
            out.back().text += line + "\n";
    }
    return out;
}

ProveRun prove(const Statement& s, int method, int time_limit_s)
{
    if (s.example_id != 0)
        return prove_example(s.example_id, method, time_limit_s);
    return prove_statement_text(s.text, method, time_limit_s);
}

// ---- Singular form of the Groebner input --------------------------------

class SingularWriter {
public:
    std::string poly(const xterm* p)
    {
        if (pconstp(p))
            return poly_text(p, 0);
        std::string out;
        const std::string v = name(p->var);
        for (const dterm* t = p->terms; t; t = t->next) {
            if (!out.empty())
                out += "+";
            out += "(" + poly(t->coef) + ")";
            if (t->deg > 0)
                out += "*" + v + (t->deg > 1 ? "^" + std::to_string(t->deg) : "");
        }
        return out;
    }

    // The ring: parameters form the coefficient field, the other variables
    // are ordered lexicographically from the greatest down.
    std::string ring() const
    {
        std::vector<const var_rec*> params, vars;
        for (const auto& [v, n] : names_)
            (is_parameter(v) ? params : vars).push_back(v);
        auto greater = [](const var_rec* a, const var_rec* b) { return vless(b, a); };
        std::sort(vars.begin(), vars.end(), greater);
        std::string out = "ring r = (0";
        for (const var_rec* v : params)
            out += "," + names_.at(v);
        out += "),(";
        for (std::size_t i = 0; i < vars.size(); ++i)
            out += (i ? "," : "") + names_.at(vars[i]);
        if (vars.empty())
            out += "dummy";
        return out + "),lp;\n";
    }

private:
    static bool is_parameter(const var_rec* v) { return v->type == kVarNamed || v->type == kVarU; }

    std::string name(const var_rec* v)
    {
        auto it = names_.find(v);
        if (it != names_.end())
            return it->second;
        const std::string n = (is_parameter(v) ? "p" : "v") + std::to_string(names_.size() + 1);
        names_.emplace(v, n);
        return n;
    }

    std::map<const var_rec*, std::string> names_;
};

// Rebuilds the coordinate polynomials of the statement just proved by the
// Groebner method and writes them as a Singular script.
void write_singular(const std::string& path, int repeat)
{
    free_eqs();
    do_cons_from(cgeo::kPolys, 1);
    if (!g_abort)
        do_concl(cgeo::kPolys);
    if (g_abort)
        return;
    SingularWriter w;
    std::vector<std::string> hyps, concs;
    for (int i = 1; i <= g_npoints; ++i) {
        const Coord_pair& pair = g_pairs[static_cast<std::size_t>(i)];
        for (const xterm* p : {pair.x, pair.y})
            if (p)
                hyps.push_back(w.poly(p));
    }
    for (const dterm* c = g_concs; c; c = c->next)
        if (c->coef)
            concs.push_back(w.poly(c->coef));
    std::ofstream out(path, std::ios::binary);
    out << w.ring() << "ideal I =";
    for (std::size_t i = 0; i < hyps.size(); ++i)
        out << (i ? ",\n  " : "\n  ") << hyps[i];
    if (hyps.empty())
        out << " 0";
    out << ";\n";
    for (std::size_t i = 0; i < concs.size(); ++i)
        out << "poly g" << i << " = " << concs[i] << ";\n";
    out << "system(\"--ticks-per-sec\", 1000000);\nideal G;\n";
    std::string zero = "1";
    for (std::size_t i = 0; i < concs.size(); ++i) {
        out << "poly r" << i << ";\n";
        zero += " && (r" + std::to_string(i) + " == 0)";
    }
    out << "int n = " << repeat << ";\nint k;\nint t = rtimer;\nfor (k = 1; k <= n; k++) {\n  G = std(I);\n";
    for (std::size_t i = 0; i < concs.size(); ++i)
        out << "  r" << i << " = reduce(g" << i << ", G);\n";
    out << "}\nint us = (rtimer - t) div n;\nprint(\"ms \" + string(us div 1000) + \".\" + "
           "string((us % 1000) div 100) + string((us % 100) div 10));\nprint(\"zero \" + string("
        << zero << "));\nquit;\n";
    free_eqs();
}

int usage()
{
    std::cerr << "usage: algebra_bench [--methods wu,groebner,area,vector] [--time-limit SECONDS]\n"
                 "                     [--repeat N] [--singular DIR] [--examples] FILE...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> methods = {"wu", "groebner", "area", "vector"};
    int time_limit_s = 60;
    int repeat = 1;
    std::string singular_dir;
    std::vector<Statement> statements;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--methods" && i + 1 < argc) {
            methods = split(argv[++i], ',');
            for (const auto& m : methods)
                if (!kMethods.count(m))
                    return usage();
        } else if (arg == "--time-limit" && i + 1 < argc) {
            time_limit_s = std::atoi(argv[++i]);
            if (time_limit_s <= 0)
                return usage();
        } else if (arg == "--repeat" && i + 1 < argc) {
            repeat = std::atoi(argv[++i]);
            if (repeat <= 0)
                return usage();
        } else if (arg == "--singular" && i + 1 < argc) {
            singular_dir = argv[++i];
            fs::create_directories(singular_dir);
        } else if (arg == "--examples") {
            for (const auto& ex : example_menu())
                statements.push_back({std::string(ex.menu_text), "", ex.id});
        } else if (arg.starts_with("--")) {
            return usage();
        } else {
            const auto more = read_statements(arg);
            if (more.empty()) {
                std::cerr << "algebra_bench: no statement in " << arg << "\n";
                return 1;
            }
            statements.insert(statements.end(), more.begin(), more.end());
        }
    }
    if (statements.empty())
        return usage();
    prover_reset();
    std::cout << "statement";
    for (const auto& m : methods)
        std::cout << '\t' << m << "\tms\tMB";
    std::cout << std::endl;
    for (const Statement& s : statements) {
        std::cout << s.name;
        for (const auto& m : methods) {
            prover_reset();  // the last proof's memory goes back first
            reset_peak_memory();
            ProveRun r;
            const auto start = std::chrono::steady_clock::now();
            for (int k = 0; k < repeat; ++k)
                r = prove(s, kMethods.at(m), time_limit_s);
            const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
            std::cout << '\t' << r.result << '\t' << std::fixed << std::setprecision(2) << spent.count() / repeat
                      << '\t' << peak_memory_kb() / 1024 << std::flush;
            if (m == "groebner" && !singular_dir.empty() && r.result != "error") {
                std::string file = s.name;
                for (char& c : file)
                    if (!std::isalnum(static_cast<unsigned char>(c)))
                        c = '_';
                write_singular((fs::path(singular_dir) / (file + ".sing")).string(), repeat);
            }
        }
        std::cout << std::endl;
    }
    return 0;
}
