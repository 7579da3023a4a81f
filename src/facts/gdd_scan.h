#pragma once
// The first-match scans over whole lists that the indexed lookups of the same
// names (without "_scan", gdd_lookup.h and fact_tests.h) stand in for. They
// define what those lookups answer; the tests compare the two.

#include "facts/gdd_records.h"

Gdd_line* fd_ln_scan(int a, int b);
Gdd_line* fd_ln3_scan(int a, int b, int c);
Gdd_line* fd_ln_pt_scan(int p);
Gdd_line* fd_ln_meet2_scan(const Gdd_line* l);
Gdd_line* fd_ln_3pt_scan(int a, int b, int c);
Gdd_pline* fd_pls_scan(const Gdd_line* l);
Gdd_pline* fd_pls_other_scan(const Gdd_pline* P, const Gdd_line* l);
bool xpara_ln_scan(const Gdd_line* l1, const Gdd_line* l2);
Gdd_tline* fd_tp_scan(const Gdd_line* l);
Gdd_line* fd_tl_pt_scan(int p, int a, int b);
bool xperp_ln_scan(const Gdd_line* l1, const Gdd_line* l2);
Gdd_tline* fd_tp_4pt_scan(int a, int b, int c, int d);
Gdd_cg* fd_cg_scan(int a, int b);
Gdd_cg* fd_cg_meet_scan(const Gdd_cg* G);
Gdd_cg* fd_cg_2seg_scan(int a, int b, int c, int d);
bool xcong_scan(int a, int b, int c, int d);
Gdd_ea* fd_ea_ln_scan(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4);
Gdd_ra* fd_ra_scan(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8);
