#pragma once
// The full-angle method (kMethodFullAngle): the conclusion becomes a linear polynomial in
// full angles [AB, CD] (in right angles, modulo 2) that must reduce to zero.
// The fact database is built by running the rule searches of the database
// method directly on the hypothesis facts, in two stages; each rewriting
// step finds one rule for the polynomial's leading angle, justified by a
// fact of the database, and is appended to the proof chain of the algebraic
// methods, which the machine-proof printer shows afterwards.

#include "algebra/proof_chain.h"
#include "prover/poly.h"

struct Gdd_line;

// ---- entry points of the dispatcher -----------------------------------------------

// The method, its run time added to g_time. g_result: 1 proved, 2 not
// solved; g_abort after a conclusion or an angle it cannot represent.
void prove_full_angle();
// After a proof without error: the machine proof and the LaTeX file when
// the statement was proved.
void full_angle_proof_output();

// ---- the method and its parts ----------------------------------------------------------

void fprove();
// The rule searches of the current stage (g_fa_stage 1 or 2).
void fa_build();
// The conclusion as the first record of the proof chain.
void fa_concl();
// Prints the outcome and sets g_result.
void fa_result();
// Reduces the constant term of a linear polynomial modulo 2 (sign of the
// dividend), dropping a zero constant. Consumes p.
xterm* fa_norm(xterm* p);

// Rule finders: each returns a rule (an elimination step of the proof
// chain's storage) or null. The premises of a rule found are on the
// current reason list.
elim_step* q7(const xterm* p);
elim_step* q8(const xterm* p);
elim_step* elim_f(var_rec* v);
elim_step* fa_double(var_rec* v);
elim_step* fa_triple(var_rec* v);

// The full angle of two line records by their first two points (0 for one
// record).
xterm* trim_a1_ln(const Gdd_line* l1, const Gdd_line* l2);
