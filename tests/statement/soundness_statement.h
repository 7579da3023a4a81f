#pragma once
// Random statements for the soundness check: every construction keyword and
// every conclusion keyword of the statement language, with deliberate
// coincidences and ill-posed constructions (repeated points, parallel or
// identical lines, a line cut with its own parallel, a circle cut at a point
// it already holds).

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
};

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
    std::string text() const;
};

// Reads back a statement in the generator's own form (one line per ";", the
// conclusion after "SHOW:"); no error checking beyond that form.
Statement statement_from_text(const std::string& text);

// Every construction keyword the generator uses, and every conclusion keyword.
const std::vector<std::string>& construction_keywords();
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
