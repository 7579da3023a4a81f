#pragma once
// The predicates and quantities of the statement language, evaluated on the
// points of one numeric figure.

#include <map>
#include <string>
#include <vector>

#include "soundness_geometry.h"
#include "soundness_statement.h"

namespace soundness {

using Points = std::map<std::string, P>;

// Below kHolds (relative to the figure's size) a relation holds, above
// kFails it fails; between the two the figure cannot tell.
inline constexpr double kHolds = 1e-8;
inline constexpr double kFails = 1e-5;

enum class Verdict { Holds, Fails, Unclear };

// The largest distance between two of the points (at least a small floor).
double figure_size(const Points& pts);
// A predicate keyword (COLLINEAR, PARALLEL, ..., TANGENT) over the named points.
Verdict test_predicate(const std::string& keyword, const std::vector<std::string>& args, const Points& pts,
                       double size);
// The conclusion: a predicate or an equation; "NO" is always Unclear.
Verdict test_conclusion(const Conclusion& c, const Points& pts, double size);

}  // namespace soundness
