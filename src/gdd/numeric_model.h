#pragma once
// A numeric instance of the statement: coordinates for its points, the free
// points and free parameters chosen at random (from a seed), every
// construction computed from its parents. The deductive database reasons
// symbolically and cannot see when an auxiliary point falls onto a point or
// line of the figure; the instance lets the database method refuse to call
// a conclusion proved that is false in the figure.

#include <cstdint>
#include <optional>
#include <vector>

#include "statement/gdd_cond.h"

struct Num_point {
    double x = 0.0;
    double y = 0.0;
};

// Coordinates of points 1 .. count (index = point number) for one random
// choice; nothing when a record cannot be computed (a kind without a numeric
// meaning, a hypothesis predicate, no real intersection) or when two points
// of the instance coincide (a degenerate figure).
std::optional<std::vector<Num_point>> numeric_instance(unsigned seed, int count);

// Does the predicate (conclusion layout: kind and points) hold in the
// instance? 1 yes, 0 no, -1 cannot tell (a kind without a numeric test, or a
// line or segment of no length).
int numeric_fact_holds(const Gdd_cond& fact, const std::vector<Num_point>& pts);

// The predicate is false in two random instances of the statement's own
// points 1 .. count. False whenever an instance cannot be built or a test
// cannot tell.
bool numerically_false(const Gdd_cond& fact, int count);

// Point p, computed from the points before it, falls onto one of them in
// two random instances (an auxiliary point that would only rename a point).
// False whenever an instance cannot be built.
bool numeric_point_coincides(int p);
