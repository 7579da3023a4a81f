// Long randomized soundness run of the prover.
//   soundness_bench [--count N] [--seed S] [--methods gdd,angle,area,vector,wu,groebner]
//                   [--time-limit SECONDS] [--time-limit-ms MS] [--jobs J] [--no-minimize]
//                   [--late-slack-ms MS] [--constructions N] [--report FILE] [--log FILE]
//   soundness_bench --replay [options] FILE...
//       judges each statement file (in the generator's own form) and runs it
//       under the methods: one line per method with result and fault.
// Generates N statements from seed S, proves each under every method in a
// child process and checks every verdict against random numeric figures.
// Prints one line per finding as it is found, a summary grouped by kind at
// the end, and keeps FILE (markdown) up to date with all findings so far.
// Exit status 1 when there is any finding.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "statement/soundness_run.h"
#include "statement/soundness_statement.h"

namespace {

using namespace soundness;

int usage()
{
    std::cerr << "usage: soundness_bench [--count N] [--seed S] [--methods m1,m2,...] [--time-limit SECONDS]\n"
                 "                       [--time-limit-ms MS] [--jobs J] [--no-minimize] [--late-slack-ms MS]\n"
                 "                       [--constructions N] [--report FILE] [--log FILE]\n";
    return 2;
}

struct Tally {
    long long statements = 0, runs = 0;
    std::map<std::string, long long> results;  // result word -> count
    std::map<std::string, long long> truths;   // what the figures said
    // method -> what the figures said -> result word -> count
    std::map<std::string, std::map<std::string, std::map<std::string, long long>>> by_truth;
};

void write_matrix(std::ostream& out, const Tally& tally)
{
    for (const auto& [method, truths] : tally.by_truth) {
        out << method << ":";
        for (const auto& [truth, results] : truths) {
            out << "  " << truth << " (";
            const char* sep = "";
            for (const auto& [r, n] : results) {
                out << sep << r << " " << n;
                sep = ", ";
            }
            out << ")";
        }
        out << "\n";
    }
}

std::string truth_name(Truth t)
{
    switch (t) {
    case Truth::Holds: return "holds";
    case Truth::Fails: return "fails";
    case Truth::Degenerate: return "degenerate";
    case Truth::Unknown: break;
    }
    return "unknown";
}

void write_report(const std::string& path, const std::string& command, const Tally& tally,
                  const std::vector<Finding>& findings)
{
    if (path.empty())
        return;
    std::ofstream out(path);
    out << "# Soundness run\n\nCommand: `" << command << "`\n\n";
    out << "Statements: " << tally.statements << ", method runs: " << tally.runs << "\n\nResults:";
    for (const auto& [r, n] : tally.results)
        out << " " << r << " " << n << ";";
    out << "\n\nFigures said:";
    for (const auto& [t, n] : tally.truths)
        out << " " << t << " " << n << ";";
    out << "\n\nResults by what the figures said, per method:\n\n```\n";
    write_matrix(out, tally);
    out << "```\n\n";
    std::map<std::string, std::map<std::string, std::vector<const Finding*>>> grouped;
    for (const auto& f : findings)
        grouped[f.kind][f.method].push_back(&f);
    for (const auto& [kind, by_method] : grouped) {
        out << "## " << kind << "\n\n";
        for (const auto& [method, list] : by_method) {
            out << "### " << kind << " / " << method << ": " << list.size() << "\n\n";
            constexpr std::size_t kShown = 5;
            for (std::size_t i = 0; i < list.size() && i < kShown; ++i) {
                const Finding& f = *list[i];
                out << "- result `" << f.result << "`; " << f.why << "\n\n```\n"
                    << (f.minimal.empty() ? f.statement : f.minimal) << "```\n";
                if (!f.detail.empty())
                    out << "  method said: `" << f.detail << "`\n";
                out << "\n";
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    long long count = 1000;
    int constructions = 3;
    std::uint64_t seed = 1;
    RunOptions options;
    options.methods = all_methods();
    options.late_slack_ms = 500;
    std::string report;
    bool replay = false;
    std::string log_path;
    std::vector<std::string> files;
    std::ostringstream command;
    for (int i = 0; i < argc; ++i)
        command << (i ? " " : "") << argv[i];
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--count" && has_value) {
            count = std::atoll(argv[++i]);
        } else if (arg == "--seed" && has_value) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--time-limit" && has_value) {
            options.time_limit_ms = static_cast<int>(std::atof(argv[++i]) * 1000);
        } else if (arg == "--time-limit-ms" && has_value) {
            options.time_limit_ms = std::atoi(argv[++i]);
        } else if (arg == "--jobs" && has_value) {
            options.jobs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--late-slack-ms" && has_value) {
            options.late_slack_ms = std::atoi(argv[++i]);
        } else if (arg == "--no-minimize") {
            options.minimize = false;
        } else if (arg == "--report" && has_value) {
            report = argv[++i];
        } else if (arg == "--constructions" && has_value) {
            constructions = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--log" && has_value) {
            log_path = argv[++i];
        } else if (arg == "--replay") {
            replay = true;
        } else if (replay && !arg.starts_with("--")) {
            files.push_back(arg);
        } else if (arg == "--methods" && has_value) {
            options.methods.clear();
            std::stringstream names(argv[++i]);
            for (std::string name; std::getline(names, name, ',');) {
                const Method* m = method_named(name);
                if (!m)
                    return usage();
                options.methods.push_back(*m);
            }
        } else {
            return usage();
        }
    }
    if (count <= 0 || options.time_limit_ms <= 0 || options.methods.empty() || (replay && files.empty()))
        return usage();

    if (replay) {
        int faults = 0;
        for (const auto& file : files) {
            std::ifstream in(file);
            std::stringstream text;
            text << in.rdbuf();
            const Checked c = check(statement_from_text(text.str()), seed, options);
            std::cout << file << "\tfigures: " << truth_name(c.judgement.truth) << " " << c.judgement.why
                      << (c.judgement.trivial ? " (holds of any points)" : "") << "\n";
            for (std::size_t i = 0; i < c.outcomes.size(); ++i) {
                const std::string fault = fault_of(c.judgement, c.outcomes[i]);
                faults += !fault.empty();
                std::cout << "  " << options.methods[i].name << "\t" << c.outcomes[i].result << "\t"
                          << c.outcomes[i].ms << " ms\t" << (fault.empty() ? "ok" : fault) << "\t"
                          << c.outcomes[i].message << "\n";
            }
        }
        return faults ? 1 : 0;
    }
    Generator generator(seed, constructions);
    Tally tally;
    std::vector<Finding> findings;
    constexpr long long kReportEvery = 100;
    constexpr int kMinimizedPerGroup = 5;
    const bool minimize = options.minimize;
    options.minimize = false;
    std::map<std::string, int> per_group;
    // One line per statement: number, what the figures said, each method's result, the statement.
    std::ofstream log;
    if (!log_path.empty())
        log.open(log_path);
    for (long long n = 0; n < count; ++n) {
        const Statement s = generator.next();
        const std::uint64_t figure_seed = seed * 1000003 + static_cast<std::uint64_t>(n);
        const Checked c = check(s, figure_seed, options);
        ++tally.statements;
        ++tally.truths[truth_name(c.judgement.truth)];
        for (std::size_t i = 0; i < c.outcomes.size(); ++i) {
            ++tally.runs;
            ++tally.results[c.outcomes[i].result];
            ++tally.by_truth[options.methods[i].name][truth_name(c.judgement.truth)][c.outcomes[i].result];
        }
        if (log) {
            log << n << '\t' << truth_name(c.judgement.truth);
            for (std::size_t i = 0; i < c.outcomes.size(); ++i)
                log << '\t' << options.methods[i].name << '=' << c.outcomes[i].result;
            std::string text = s.text();
            for (char& ch : text)
                if (ch == '\n')
                    ch = ' ';
            log << '\t' << text << '\n';
        }
        for (auto f : c.findings) {
            // The report shows a few of each group; only those are worth shrinking.
            if (minimize && per_group[f.kind + "/" + f.method]++ < kMinimizedPerGroup && f.kind != "hang")
            {
                f.minimal = soundness::minimize(s, figure_seed, *method_named(f.method), f.kind, options);
                f.why = describe(judge(statement_from_text(f.minimal), figure_seed));
            }
            std::cout << "#" << n << "\t" << f.kind << "\t" << f.method << "\t" << f.result << "\t" << f.why << "\n"
                      << (f.minimal.empty() ? f.statement : f.minimal) << std::flush;
            findings.push_back(f);
        }
        if ((n + 1) % kReportEvery == 0 || n + 1 == count) {
            std::cerr << "soundness_bench: " << n + 1 << " statements, " << tally.runs << " runs, " << findings.size()
                      << " findings\n";
            write_report(report, command.str(), tally, findings);
        }
    }
    std::map<std::string, std::map<std::string, int>> summary;
    for (const auto& f : findings)
        ++summary[f.kind][f.method];
    std::cout << "\nstatements " << tally.statements << ", runs " << tally.runs << "\n";
    for (const auto& [r, k] : tally.results)
        std::cout << "result " << r << ": " << k << "\n";
    write_matrix(std::cout, tally);
    for (const auto& [kind, by_method] : summary) {
        std::cout << kind << ":";
        for (const auto& [m, k] : by_method)
            std::cout << " " << m << " " << k;
        std::cout << "\n";
    }
    return findings.empty() ? 0 : 1;
}
