#pragma once
// The area method and the vector method (kMethodArea, kMethodVector): the conclusion becomes
// an equation between two products of geometric quantities, and the
// constructed points are eliminated from the last one down, each quantity
// of a point replaced through an elimination lemma by quantities of earlier
// points, until both sides agree (true) or differ as polynomials (false).
// Every step is a record of the proof chain (algebra/proof_chain.h), which
// the machine-proof printer shows afterwards. Both methods run one driver;
// they differ only in how the quantities are printed.
//
// The Prove dispatcher has moved the free points to the front and stated the
// hypothesis facts in the database before; the lemmas ask the database.
// Refused constructions and missing lemmas end the proof through gerror;
// the proof-time limit leaves by TTIME, inconsistent records by ProverAbort.

#include "algebra/proof_chain.h"
#include "prover/poly.h"

// ---- entry points of the dispatcher ---------------------------------------------

// Either method: the driver, its run time added to g_time. The outcome is
// in g_result (1 true, -1 false); the proof chain holds the proof.
void prove_area();
void prove_vector();
// After a proof without error: the machine proof when it is true, then the
// LaTeX file while g_save_latex is set.
void area_proof_output();

// ---- the driver and its parts ------------------------------------------------------

// The whole method on the statement in the tables (without the timing).
void run_area_method();
// The conclusion as the first record of the chain.
void pconc();
// Conversions of COLLINEAR (may add an intersection point after the
// statement's points) and TANGENT (circles centred a through b, centred c
// through d).
void conc_coll();
void conc_tangent(int a, int b, int c, int d);
// Appends a record nc * nump = dc * denp (null: no factor), type 0.
quot_rec* add_pstep(coef_t numc, xterm* nump, coef_t denc, xterm* denp);
// One elimination cycle for point i (> 0) or pass i (< 0).
void pe_gr(int i);
// Eliminates the variables of point i (or pass i) from the factor f of
// exponent e; null after an error.
xterm* pe_p(xterm* f, int i, int e);
// Applies one elimination step to f (pseudo-remainder in the step's variable);
// a null step returns f. Sets g_area_init_power.
xterm* pe_subst(xterm* f, const elim_step* step);

// ---- verdicts --------------------------------------------------------------------------
void prt_true();
void prt_false();
// Judges the tail record: equal sides are true, else false.
void prt_result();

// Whether p holds a vector variable anywhere.
bool has_vtype4(const xterm* p);
