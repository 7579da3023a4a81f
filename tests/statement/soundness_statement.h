#pragma once
// Random statements for the soundness check: every construction keyword and
// every conclusion keyword of the statement language, with deliberate
// coincidences and ill-posed constructions (repeated points, parallel or
// identical lines, a line cut with its own parallel, a circle cut at a point
// it already holds, a predicate point whose two lines meet at a named point
// wherever the point on a line or circle before it is). Half of them come in
// a predicate version: the same points, constructions replaced by the
// hypothesis predicates they imply.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace soundness {

// One hypothesis line: a construction ("MIDPOINT M A B"), a "POINT" or
// "CIRCLE" line (point empty, args the points it declares) or a hypothesis
// predicate (point empty, args its points).
struct Line {
    std::string keyword;
    std::string point;
    std::vector<std::string> args;
    int ratio_num = 0;  // LRATIO, MRATIO, PRATIO
    int ratio_den = 1;
    // A construction written as "POINT X;" and the predicates it implies
    // (predicate_form); the figures still build it as the construction.
    bool as_predicates = false;
};

// The hypothesis predicates a construction implies that the prover solves
// back to the construction's points: for a point X, the construction's
// roots together with points where X falls on a named point (and, for
// PSQUARE, NSQUARE and EQ_TRIANGLE, the turn the other way). Empty for a
// construction without such a form, or whose predicates would ask nothing
// of X because a line or angle of them has a point named twice.
std::vector<Line> predicate_form(const Line& construction);

// The conclusion: a predicate keyword with its points, "NO", or an equation
// whose sides are quantity terms (keyword "=" and the two sides' texts).
struct Conclusion {
    std::string keyword;
    std::vector<std::string> args;
    std::string lhs, rhs;  // equation sides as written
};

struct Statement {
    std::vector<Line> lines;
    Conclusion conclusion;
    // The text the prover reads. Lines written as predicates are listed
    // after the conclusion ("CONSTRUCTIONS: ..."), where the prover stops
    // reading, so that the text reads back to the same statement.
    std::string text() const;
};

// Reads back a statement in the generator's own form (one line per ";", the
// conclusion after "SHOW:"); no error checking beyond that form.
Statement statement_from_text(const std::string& text);

// Every construction keyword the generator uses, and every conclusion keyword.
const std::vector<std::string>& construction_keywords();
// The number of points a construction keyword takes after its point.
int construction_parent_count(const std::string& keyword);
const std::vector<std::string>& conclusion_keywords();
// Hypothesis predicates and their point counts.
int predicate_point_count(const std::string& keyword);

class Generator {
public:
    // Statements get 1 to max_constructions construction lines.
    explicit Generator(std::uint64_t seed, int max_constructions = 3)
        : rng_(seed), max_constructions_(max_constructions) {}
    // A random statement; about half of them get a conclusion that holds in a
    // random figure, so "false" verdicts are tested as much as "true" ones.
    Statement next();

private:
    std::mt19937_64 rng_;
    int max_constructions_;
};

}  // namespace soundness
