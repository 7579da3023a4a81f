#pragma once
// Shared by the files of the auxiliary-point search.

#include <string>

#include "facts/gdd_lookup.h"
#include "facts/gdd_records.h"
#include "gdd/aux_points.h"
#include "prover/prover.h"

// The search families, in the order aux_search runs them.
void aux_orthocenter();
void aux_midpoints();
void aux_tlines();
void aux_eqangles();
void aux_plines();
void aux_circles();
void aux_feet();

// The current pass has added a point.
inline bool aux_pass_added() { return g_npoints > g_aux_pass_start; }

// p is one of the statement's own points (not an auxiliary one).
inline bool statement_point(int p) { return p > 0 && p <= g_gdd_npoints; }

// Debug trace line (standard output, only while g_trace).
void aux_trace(const std::string& line);

// A new point's facts are hypotheses: while they are stated the current
// reason list (which holds the premises of the rule that asked for the
// point) is out of the way.
class Hypothesis_scope {
public:
    Hypothesis_scope() : saved_(g_co_db) { g_co_db = nullptr; }
    ~Hypothesis_scope() { g_co_db = saved_; }
    Hypothesis_scope(const Hypothesis_scope&) = delete;
    Hypothesis_scope& operator=(const Hypothesis_scope&) = delete;

private:
    Gdd_cond* saved_;
};

// Puts point x on the line through the first two points of l as a
// hypothesis (no reasons).
void aux_hyp_line(int x, const Gdd_line* l);
