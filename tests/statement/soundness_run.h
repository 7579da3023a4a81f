#pragma once
// Runs a statement under proving methods, each in a child process so that a
// crash, an abort or a run past every limit is caught, and judges each verdict
// against the numeric figures of soundness_figure.h.

#include <cstdint>
#include <string>
#include <vector>

#include "soundness_figure.h"
#include "soundness_statement.h"

namespace soundness {

struct Method {
    std::string name;
    int id = 0;
};
// The six methods by their short names (gdd angle area vector wu groebner).
const std::vector<Method>& all_methods();
// nullptr for an unknown name.
const Method* method_named(const std::string& name);

struct Outcome {
    std::string result;   // true, false, not-solved, timeout, error, crash, hang
    std::string message;  // error message, signal, or the proof's last lines
    long long ms = 0;
    bool late = false;    // ran well past its time limit (when checked)
};

// A run on the counted clock still going this long after its start is hung.
constexpr int kCountedWallMs = 120000;

struct RunOptions {
    std::vector<Method> methods;
    int time_limit_ms = 1000;
    // The prover's clock counts its own time checks, time_limit_ms is then a
    // number of checks: a run ends at the same step on any machine, as a test
    // needs.
    bool counted_clock = false;
    int jobs = 3;          // children at once
    bool minimize = true;  // shrink a statement with a finding
    // Report a run that ends later than 10% past its limit plus this slack
    // (process start and reset included); 0: not checked.
    int late_slack_ms = 0;
};

// A wrong verdict, a crash or a hang.
struct Finding {
    std::string kind;  // true-but-fails, false-but-holds, true-on-degenerate, ...
    std::string method;
    std::string result;
    std::string statement;  // as generated
    std::string minimal;    // the smallest statement showing the same, when minimized
    std::string why;        // what the figures say
    std::string detail;     // the method's message or proof end
};

// The verdict's fault, or "" when the verdict is sound (or cannot be judged).
std::string fault_of(const Judgement& j, const Outcome& o);

// Runs one statement text under each method (options.methods is not used),
// children at most options.jobs at once.
std::vector<Outcome> run_methods(const std::string& text, const std::vector<Method>& methods,
                                 const RunOptions& options);

// The smallest statement, dropping hypothesis lines and free points, that
// still shows the same fault under the method.
std::string minimize(Statement s, std::uint64_t figure_seed, const Method& m, const std::string& kind,
                     const RunOptions& options);

// Judges the statement, runs it under every method and returns the findings.
struct Checked {
    Judgement judgement;
    std::vector<Outcome> outcomes;
    std::vector<Finding> findings;
};
Checked check(const Statement& s, std::uint64_t figure_seed, const RunOptions& options);

}  // namespace soundness
