#pragma once
// Numeric figures of the statement: coordinates for its points, the free
// points and free parameters chosen at random (from a seed), every
// construction computed from its parents, with either root of a construction
// that meets a circle, and each CONSTANT's variable one real root of its
// equation. The methods reason symbolically; the figures let the
// dispatcher refuse a construction that is degenerate in every figure and
// check a method's verdict against the figure, and let the database method
// refuse to call a conclusion proved that is false in the figure.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "prover/gdd_cond.h"

struct Pro_point;
struct var_rec;
struct xterm;

struct Num_point {
    double x = 0.0;
    double y = 0.0;
};

// The values the CONSTANT lines give their named variables in one figure.
using Num_values = std::map<const var_rec*, double>;

// One figure: coordinates of the points (index = point number) and the
// values of the named variables.
struct Num_figure {
    std::vector<Num_point> points;
    Num_values values;

    const Num_point& operator[](std::size_t i) const { return points[i]; }
    std::size_t size() const { return points.size(); }
};

// Coordinates of points 1 .. count (index = point number) for one random
// choice; nothing when a record cannot be computed (a kind without a numeric
// meaning, a hypothesis predicate, no real intersection) or when two points
// of the instance coincide (a degenerate figure).
std::optional<Num_figure> numeric_instance(unsigned seed, int count);

// Does the predicate (conclusion layout: kind and points) hold in the
// instance? 1 yes, 0 no, -1 cannot tell (a kind without a numeric test, or a
// line or segment of no length).
int numeric_fact_holds(const Gdd_cond& fact, const Num_figure& pts);

// The predicate is false in two random instances of the statement's own
// points 1 .. count. False whenever an instance cannot be built or a test
// cannot tell.
bool numerically_false(const Gdd_cond& fact, int count);

// Point p, computed from the points before it, falls onto one of them in
// two random instances (an auxiliary point that would only rename a point).
// False whenever an instance cannot be built.
bool numeric_point_coincides(int p);

// A construction among records 1 .. count whose point, in every figure
// where the points before it are proper, falls on a point the statement
// named before it or has no proper solution (parallel or identical lines, a
// line meeting a circle only at named points). The first such record, with
// the reason ("H is the point B in every figure"); nothing when every
// construction has a proper solution in some figure. Each construction is
// judged in figures that satisfy the hypothesis predicates and CONSTANT
// relations stated before it (one that cannot be met numerically is left
// out: a point degenerate without it is degenerate with it). Records after
// one without a numeric meaning are not judged.
struct Degenerate_construction {
    int record = 0;
    std::string reason;
};
std::optional<Degenerate_construction> degenerate_construction(int count);

// What a CONSTANT line is to the figures: it gives a value to the one named
// variable of its polynomial that no CONSTANT line before it gives one (a
// root of the polynomial in that variable); with no such variable it is a
// relation among points and the values given before; with more than one it
// says too little to give any of them a value.
struct Constant_line {
    enum class Role { Value, Relation, Undetermined };
    Role role = Role::Relation;
    const var_rec* variable = nullptr;  // for Role::Value
};
// Per record 0 .. count (index = record number); the records that are not
// CONSTANT lines get the default.
std::vector<Constant_line> constant_lines(int count);

// Does the equation lhs = rhs between quantities of the figure's points
// (ratios of parallel segments, areas, Pythagoras differences, vectors) and
// the named values of CONSTANT lines hold in the figure? 1 yes, 0 no, -1
// cannot tell.
int numeric_equation_holds(const xterm* lhs, const xterm* rhs, const Num_figure& f);

// The value of a CONSTANT relation in the figure, relative to the size of
// its terms (0 where it holds); nothing when it cannot be evaluated.
std::optional<double> numeric_relation_residue(const xterm* p, const Num_figure& f);

// The value of p (a ratio value of LRATIO, MRATIO or PRATIO) in the figure:
// numbers, named values, ratios, areas and Pythagoras differences of its
// points; nothing when it cannot be evaluated.
std::optional<double> numeric_value(const xterm* p, const Num_figure& f);

// The coefficients (of v^0, v^1, ...) of p as a polynomial in the named
// variable v, every other variable evaluated in the figure, a coefficient
// that is only rounding error given as 0; nothing when one cannot be
// evaluated (full angles, vectors, a named variable without a value).
std::optional<std::vector<double>> numeric_coefficients(const xterm* p, const var_rec* v, const Num_figure& f);

// A construction among records 1 .. count that the figures cannot compute
// (HARMONIC, SIM_TRIANGLE): its point is free in them, so a conclusion
// failing there does not show it failing for the point constructed.
bool has_uninterpreted_point(int count);

// Figures of records 1 .. count for several random choices, each with every
// choice of root, in which every construction has a proper solution, every
// hypothesis predicate and CONSTANT relation holds (the free values moved
// onto them, on the statement's principal component), no two named points
// coincide and no hypothesis line collapses. judged is false, and figures
// empty, when a record has no numeric meaning; fault says why most figures
// that met the constraints were not proper ("X is the point E in every
// figure", "Y has no proper solution in any figure").
struct Figure_search {
    std::vector<Num_figure> figures;
    bool judged = true;
    bool constrained = false;  // the statement has constraints to meet
    int met = 0;               // figures that met them
    std::string fault;
};
Figure_search generic_figures(int count);

// Hypothesis predicates and CONSTANT relations among records 1 .. count that
// no proper figure meets together: the first constraint with which the
// constraints before it can no longer be met in a proper figure, with those
// before it that place a point it names, and the reason ("X is the point E
// in every figure that meets these hypotheses"). Nothing when every prefix
// of the constraints has a proper figure.
struct Unmet_hypotheses {
    std::vector<int> records;
    std::string reason;
};
std::optional<Unmet_hypotheses> unmet_hypotheses(int count);
