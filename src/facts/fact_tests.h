#pragma once
// Fact tests: does a fact already hold in the database? Used by every adder
// (to avoid duplicates), by the rules (to look up premises), by the
// conclusion semantics, the proof printer and the area method. Read-only.

#include <array>

#include "facts/gdd_records.h"

// Two of the points are equal, or a line record (any state) with at least
// three points holds all three.
bool xcoll(int a, int b, int c);
bool xcoll4(int a, int b, int c, int d);
// ab parallel to cd (degenerate when a = b or c = d).
bool xpara(int a, int b, int c, int d);
bool xpara_ln(const Gdd_line* l1, const Gdd_line* l2);
// ab perpendicular to cd (degenerate when a = b or c = d); false when line ab
// or line cd was never created.
bool xperp(int a, int b, int c, int d);
bool xperp_ln(const Gdd_line* l1, const Gdd_line* l2);
// The points lie on one circle with centre o (any circle when o = 0).
bool xcir_2p(int o, int a, int b);
bool xcir_3p(int o, int a, int b, int c);
bool xcir_4p(int o, int a, int b, int c, int d);
bool xcir_5p(int o, int a, int b, int c, int d, int e);
// m is the midpoint of ab (either order).
bool xmid(int m, int a, int b);
// Full angle [ab, bc] = [de, ef].
bool xacong(int a, int b, int c, int d, int e, int f);
bool xacong_ln(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4);
// ab = cd.
bool xcong(int a, int b, int c, int d);
// xcong(a, b, c, d) for one segment ab and many cd: the groups holding ab
// are looked up once. Valid while the congruences stay as they were.
class Cong_to {
public:
    Cong_to(int a, int b);
    bool operator()(int c, int d) const;

private:
    static constexpr int kKept = 4;
    int a_, b_;
    int count_ = 0;                       // live groups holding ab
    std::array<const Gdd_cg*, kKept> groups_{};
};
// Triangles abc and def similar (xsim) or congruent (xcon).
bool xsim(int a, int b, int c, int d, int e, int f);
bool xcon(int a, int b, int c, int d, int e, int f);
// p1p2 / p3p4 = p5p6 / p7p8.
bool xratio(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8);

// ---- finders returning the record --------------------------------------------
Gdd_line* fd_ln_3pt(int a, int b, int c);
// First line (any state) with at least three points holding every non-zero
// entry of pts[0 .. n].
Gdd_line* fd_ln_pts(const int* pts, int n);
Gdd_pline* fd_pls_4pt(int a, int b, int c, int d);
Gdd_tline* fd_tp_4pt(int a, int b, int c, int d);
// A search key in circle layout: centre and points.
Gdd_cir* fd_cir_key(const Gdd_cir& key);
Gdd_cir* fd_cir_4p(int o, int a, int b, int c, int d);
Gdd_mid* fd_mid_rec(int m, int a, int b);
Gdd_ea* fd_ea_ln(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4);
Gdd_ea* fd_ea_pt(int a, int b, int c, int d, int e, int f, int g, int h);
Gdd_cg* fd_cg_2seg(int a, int b, int c, int d);
Gdd_tri* fd_tri_pair(bool similar, bool any_state, int a, int b, int c, int d, int e, int f);
Gdd_ra* fd_ra(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8);

// ---- orders on lines -----------------------------------------------------------
// The fixed total order of the canonical equal-angle form (creation order).
bool ln_before(const Gdd_line* l1, const Gdd_line* l2);
// The full-angle method's order: second points, then first points.
bool ln_less(const Gdd_line* l1, const Gdd_line* l2);
bool ln_pair_less(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4);

// The canonical order [E1, E2] = [E3, E4] of the fact [w, x] = [y, z].
struct Ea_lines {
    const Gdd_line* l1;
    const Gdd_line* l2;
    const Gdd_line* l3;
    const Gdd_line* l4;
};
Ea_lines ea_canonical(const Gdd_line* w, const Gdd_line* x, const Gdd_line* y, const Gdd_line* z);
