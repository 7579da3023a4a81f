#pragma once
// Shared by the files of the auxiliary-point search.

#include <string>

#include "gdd/aux_points.h"
#include "gdd/gdd_records.h"
#include "statement/prover.h"

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

// Debug trace line (standard output, only while g_trace).
void aux_trace(const std::string& line);

// Puts point x on the line through the first two points of l as a
// hypothesis (no reasons).
void aux_hyp_line(int x, const Gdd_line* l);

// Point indices of a record's member k.
inline int ln_pt(const Gdd_line* l, int k) { return l->pts[static_cast<std::size_t>(k)]; }
inline int cir_pt(const Gdd_cir* c, int k) { return c->pts[static_cast<std::size_t>(k)]; }
