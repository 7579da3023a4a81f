#pragma once
// The deductive database method: forward chaining of the new-condition queue
// to a fixpoint, the rule searches each condition type starts, and the method
// loop that alternates fixpoints with auxiliary points.
//
// A rule search pairs the record it was started for with the active records
// of the database (is_active), pushes the premises of each rule it fires on
// the current reason list, adds the concluded facts through the adders and
// pops its premises again. The full-angle method calls the searches directly.

#include <cstdint>
#include <functional>

#include "facts/gdd_records.h"

// ---- the method ----------------------------------------------------------------

// The database method (kMethodDatabase) with the test "the conclusion holds
// in the database" passed in (the statement's do_gdd passes the conclusion
// semantics): saturates the database, adds auxiliary points while the
// conclusion does not hold, prints the outcome and the proof, sets g_result
// and adds the elapsed time to g_time. A time-out leaves by TTIME, an
// inconsistent record by ProverAbort.
void run_gdd_method(const std::function<bool()>& concl_holds);

// Runs the new-condition queue to exhaustion (with the ratio, ratio-to-
// congruence and degenerate-angle steps each time it runs empty).
void forward();

// ---- rule searches, one per condition type ---------------------------------------
void search_pline(Gdd_pline* P);
void search_tline(Gdd_tline* T);
void search_md(Gdd_mid* M);
void search_cir(Gdd_cir* C);
void search_cg(Gdd_cg* G);
void search_as(Gdd_ea* E);
void search_ra(Gdd_ra* R);
void search_st(Gdd_tri* S);
void search_ct(Gdd_tri* S);

// The steps forward runs whenever the queue is empty.
void ra_cg();
void ea_deg_all();

// ---- rules shared between searches -------------------------------------------------
// o equidistant from a and b, m the midpoint of ab.
void type1(int o, int a, int b, int m);
// o the centre of a circle through a and b, m1 and m2 the midpoints of oa and ob.
void perp_radii(int o, int m1, int a, int m2, int b);
// The bisector vf of the angle avb is perpendicular to ab, f on ab: f is the
// midpoint of ab and va = vb.
void bisector_perp(int lemma, int v, int f, int a, int b);

// Premise tests: the fact test, and when it holds the premise is pushed.
bool chk_coll(int a, int b, int c);
bool chk_perp(int a, int b, int c, int d);
bool chk_cong(int a, int b, int c, int d);

// ---- triangles -------------------------------------------------------------------
// 1, 2 or 3 when p is a, b or c (first match), else 0.
int tri_idx(int p, int a, int b, int c);
// Triangles abc and def count as one for the triangle rules.
bool same_tri(int a, int b, int c, int d, int e, int f);
// The similar triangles abc and def (orientation sign s) were found congruent.
bool st_ct(int s, int a, int b, int c, int d, int e, int f);
// Triangles abc and def are congruent: so are their corresponding sides.
void ct_sides(int lemma, int first_reason_only, int a, int b, int c, int d, int e, int f);
