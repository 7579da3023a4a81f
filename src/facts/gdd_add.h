#pragma once
// Adders: every fact enters the database through these. Each is a no-op when
// the fact already holds; a new fact takes the current reason list as its
// reasons, is merged with the records it meets and is announced on the
// new-condition queue. Points are point indices; the rule number comes first.
//
// A member array that would get a 30th member, or an inconsistent record,
// prints its message through gprint and throws ProverAbort.

#include "facts/gdd_records.h"

// Empties the ten lists, the queue and the reason lists (releasing records
// and conditions). Runs at every prover_reset.
void init_gdd();
// Releases every record, then init_gdd.
void free_gdd();

// ---- lines ----
void add_line(int lemma, int a, int b, int c);
// Inserts p into l (ascending, no repeats).
void ln_ins(Gdd_line* l, int p);
// Line `old` was replaced by the larger line `neu`: classes, pairs and
// equal-angle records that named it follow.
void ln_merge_upd(Gdd_line* old, Gdd_line* neu);

// ---- parallels and perpendiculars ----
void add_pline(int lemma, int a, int b, int c, int d);
// Parallel lines given as records; the new class (before any merge) or null.
Gdd_pline* add_ppn(int lemma, Gdd_line* l1, Gdd_line* l2);
void adj_pls(Gdd_pline* P);
void add_tline(int lemma, int a, int b, int c, int d);
void add_tx(int lemma, Gdd_line* l1, Gdd_line* l2);
Gdd_tline* new_tp(Gdd_line* l1, Gdd_line* l2);

// ---- circles ----
void add_cir2(int lemma, int o, int a, int b);
void add_cir3(int lemma, int o, int a, int b, int c);
void add_cir4(int lemma, int o, int a, int b, int c, int d);
void cir_ins(Gdd_cir* c, int p);
void adj_cir(Gdd_cir* C);
Gdd_cir* fd_cir_meet(const Gdd_cir* C);

// ---- midpoints ----
void add_mid(int lemma, int m, int a, int b);

// ---- equal angles ----
// Full angle [ab, bc] = [de, ef].
void add_ae_pt(int lemma, int a, int b, int c, int d, int e, int f);
void add_ea_ln(int lemma, Gdd_line* l1, Gdd_line* l2, Gdd_line* l3, Gdd_line* l4);
Gdd_ea* new_ea(int lemma, Gdd_line* l1, Gdd_line* l2, Gdd_line* l3, Gdd_line* l4);
void ea_deg(Gdd_ea* E, Gdd_line* w, Gdd_line* x, Gdd_line* y, Gdd_line* z);
// The premise stating E's fact that the degenerate-angle rules push: its
// record is E when the lookup found none. Returns the premise.
Gdd_cond* ea_premise(Gdd_cond* premise, Gdd_ea* E);
void adj_ea(Gdd_ea* E0);

// ---- congruent segments ----
void add_cong(int lemma, int first_reason_only, int a, int b, int c, int d);
// ab = cd, so ef = gh.
void add_cong1(int lemma, int a, int b, int c, int d, int e, int f, int g, int h);
void add_cg_seg(Gdd_cg* G, int a, int b);
void adj_cg(Gdd_cg* G);

// ---- triangles (list chosen by g_tri_mode) ----
void add_stri(int lemma, int s, int a, int b, int c, int d, int e, int f);
void tri_union(Gdd_tri* C, const Gdd_tri* N);

// ---- ratios ----
Gdd_ra* add_ra(int lemma, int o, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8);
void add_ratio(int lemma, int o, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8);
// o the common point of lines ac and bd, ab parallel to cd: the trapezoid ratios.
void add_ratioo(int o, int a, int b, int c, int d);
// Combines every live ratio record from R0 on with the earlier ones; leaves
// g_ra_cursor on the last ratio record.
void adj_ra(Gdd_ra* R0);
// Position (1..4) of a segment of R congruent to ab; 0 when none.
int ra_pos(int a, int b, const Gdd_ra* R, int late);
