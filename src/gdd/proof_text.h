#pragma once
// The proof of a fact that the database holds: the auxiliary points the
// search added, the heading "The Machine Proof" and numbered steps traced
// back breadth-first from the fact to the hypotheses. Everything is printed
// through gprint, so it lands in the prover window, or in the LaTeX file
// while save_proof_tex (proof_latex.h) has one open.

#include <deque>
#include <functional>

#include "facts/gdd_records.h"

// Prints the proof of the conclusion (which 1) or of the searched fact
// g_fact (which 2); nothing when the fact does not hold in the database.
void show_gdd_proof(int which);

// The constructions of the points added since the database method started
// (g_gdd_npoints, aux_points.h); nothing when none were added.
void show_aux_points();

// Prints one line per added point in statement syntax. The statement
// semantics install their construction printer (do_cons in its statement
// mode) here; until then a printer for the kinds the auxiliary-point
// search builds is used.
using ConsTextPrinter = std::function<void(int point)>;
void set_cons_text_printer(ConsTextPrinter printer);
// The built-in printer: the statement line of an auxiliary point's record.
void print_aux_cons_text(int point);

// ---- the pieces -----------------------------------------------------------------
// Prints the steps from the goal on; the step list becomes the goal alone.
void show_proof_steps(Gdd_cond* goal);
// Appends a step holding the fact's kind, points and database record, numbered
// by the step counter.
Gdd_cond* new_step(const Gdd_cond* fact);
// First step equal to the fact (fact_equal), or null.
Gdd_cond* find_step(const Gdd_cond* fact);
// First step naming the fact's database record, or null.
Gdd_cond* find_step_obj(const Gdd_cond* fact);
// "(n)" and the step's fact.
void show_step_ref(const Gdd_cond* step);
// Prints a derived fact as a reason: a reference to an existing step, the
// fact with "(obvious)" or "(hyp)", or a new step; then ".\r\n" when last,
// else ", ".
void add_pred(int last, int kind, int p1, int p2, int p3, int p4, int p5 = 0, int p6 = 0, int p7 = 0,
              int p8 = 0);
// Collinearity hypotheses of the detailed proof: "lines[ABC](hyp), "
// when at least three different points remain.
void show_coll4(int a, int b, int c, int d);
void show_coll6(int a, int b, int c, int d, int e, int f);

// ---- the facts another method's proof rests on (the full-angle method) ------
// Starts a proof's citations: no step yet.
void begin_fact_citations();
// ", " and each fact of a premise chain as a database proof cites it: a
// hypothesis with "(hyp)", a derived fact as a numbered step "(n)" (made
// when new), in the order the premises were stated. latex as the proof.
void show_fact_citations(const Gdd_cond* reasons, int latex);
// The numbered steps made by the citations, each with its derivation,
// traced back to the hypotheses as in a database proof.
void show_fact_derivations(int latex);

// The steps of the last proof, in order (step k has number k + 1).
const std::deque<Gdd_cond>& proof_steps();
