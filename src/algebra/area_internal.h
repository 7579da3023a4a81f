#pragma once
// Shared parts of the area and vector method: the elimination state of one
// cycle, the lemma dispatcher, the passes and the elimination lemmas.
//
// Conventions of the lemmas: Y is the point being eliminated, the other
// point arguments are point indices of the statement; value polynomials
// passed in (r1, r2, ...) are borrowed (a lemma copies what it uses). A
// lemma returns the step it pushed with make_elim_step, or null when it has
// none (after a gerror where the lemma reports one).

#include <cstdint>

#include "algebra/proof_chain.h"
#include "prover/poly.h"

// ---- elimination state of one cycle ------------------------------------------------

// Steps made during the current cycle, newest first (linked through next).
extern elim_step* g_step_stack;
// Factors a substitution moves to the other side of the quotient.
extern dterm* g_side_list;
// How often the last substitution multiplied by the value's denominator.
extern int g_area_init_power;
// The last point to eliminate (g_npoints at the start, one more after the
// collinearity conversion added a point).
extern int g_elim_count;

// Makes the step var = num / den (den null: 1) and pushes it on the step
// stack; takes num and den over. num null: den is an equation in var.
elim_step* make_elim_step(var_rec* var, xterm* num, xterm* den = nullptr);
// The step of this cycle for var, or null.
elim_step* find_step(const var_rec* var);

// Notes f's size for the maxterm figure after a substitution, and gives the
// time limit its say. The size itself is left to the time and memory
// limits: the pools charge every node to the prover's budget.
void note_factor_size(const xterm* f);

// True for the geometric quantities (types 1 to 17): the variables that
// belong to points and get eliminated.
inline bool quantity_var(const var_rec* v) { return v && v->type >= 1 && v->type <= 17; }

// ---- quantities ------------------------------------------------------------------

// The quantity of var with point a replaced by b (rebuilt by its builder).
xterm* gq_subst(const var_rec* var, int a, int b);
int point_kind(int i);
int pot(int i, int k);   // k-th point argument (1-based) of record i

// ---- dispatch and passes ------------------------------------------------------------

elim_step* pe_lemma(var_rec* var, int i);
xterm* pe_pass(xterm* f, int i, int e);
bool pass_applies(const var_rec* var, int i);
elim_step* pe_v_nc(var_rec* var, int i);

// ---- interpolation -----------------------------------------------------------------

// Y = (a2/d2) U + (a1/d1) V, var affine in Y.
elim_step* lratio_md1(var_rec* var, int Y, int U, int V, const xterm* a1, const xterm* d1,
                      const xterm* a2, const xterm* d2);
// The same for a Pythagoras quantity quadratic in Y.
elim_step* pyt1(var_rec* var, int Y, int U, int V, const xterm* a1, const xterm* d1,
                const xterm* a2, const xterm* d2);
// Y = W + (r1/r2)(V - U), var affine in Y.
elim_step* lin2(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2);
// The same for a Pythagoras quantity quadratic in Y (W other than U).
elim_step* pyt2(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2);

// ---- families ----------------------------------------------------------------------

elim_step* pe_v_ratio(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2);
elim_step* pe_v_ipp(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T);
elim_step* pe_v_ipt(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T);
elim_step* pe_v_ipc(var_rec* var, int Y, int P, int U, int V, int O, int A);
elim_step* pe_v_tratio(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2);
elim_step* pe_tri4(var_rec* var, int Y, int A, int B, int s);
elim_step* pe_g_lratio(var_rec* var, int Y, int A, int B);
elim_step* pe_v_cent(var_rec* var, int Y, int A, int B, int C);

// Triangle centres (the variable's own points are read from var).
elim_step* pe_r_circum1(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_a_circum(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_g_circum2(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_v_circum(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_a_orth(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_g_orth(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_v_orth(var_rec* var, int Y, int A, int B, int C);
elim_step* pe_r_incenter(var_rec* var, int Y, int W, int X, int Z);
elim_step* pe_a_incent(var_rec* var, int Y, int W, int X, int Z);
elim_step* pe_g_incent2(var_rec* var, int Y, int W, int X, int Z);
elim_step* pe_v_incent(var_rec* var, int Y, int W, int X, int Z);
// Intersection of two perpendiculars.
elim_step* pe_g_ipt(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T);
elim_step* pe_g_ipt2(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T);

// Free points after the third.
elim_step* pe_c2(var_rec* var, int Y);
// Coordinates of the pass over every quantity.
xterm* pe_g_tri2(int a, int b, int c, int d);
xterm* pe_g_quad(int a, int b, int c, int d);
// Unit-circle forms of the circle passes.
elim_step* pe_sc(var_rec* var, int a, int b);
elim_step* pe_circle(var_rec* var, int a, int b, int c, int d);
// The equation x(a)^2 + y(a)^2 - 1 = 0 of a point on the unit circle.
elim_step* pe_unit_circle(var_rec* var, int a);
