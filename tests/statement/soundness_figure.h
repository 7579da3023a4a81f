#pragma once
// The soundness check's own numeric model of a statement, kept apart from the
// prover's code so that it cannot share its faults: the construction is
// evaluated in random figures, for every choice among the two roots of each
// circle intersection, and the conclusion is tested in each figure where no
// two points coincide.

#include <cstdint>
#include <string>

#include "soundness_statement.h"

namespace soundness {

// What the figures say about a statement.
enum class Truth {
    Holds,       // the conclusion holds in every proper figure
    Fails,       // some proper figure violates it
    Degenerate,  // no proper figure: a point always coincides with another or has no solution
    Unknown,     // no conclusion to test, or too few clear figures
};

struct Judgement {
    Truth truth = Truth::Unknown;
    int proper_figures = 0;
    // Some construction has no meaning in the language's semantics and was
    // modelled as a free point: a "false" cannot be judged then.
    bool free_modelled = false;
    // Degenerate because the hypothesis predicates never hold together.
    bool contradictory = false;
    // The conclusion holds of any points whatever (a repeated point, say).
    bool trivial = false;
    // Figures left out because two points coincide, and whether the
    // conclusion fails in one of them.
    int coincident_figures = 0;
    bool fails_where_coincident = false;
    std::string why;  // for Degenerate and Fails: a short reason
};

// One line for a report: what the figures say.
std::string describe(const Judgement& j);

// Evaluates the statement in `figures` random figures drawn from seed, every
// root choice of each.
Judgement judge(const Statement& statement, std::uint64_t seed, int figures = 6);

}  // namespace soundness
