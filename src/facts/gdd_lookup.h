#pragma once
// Lookups in the fact database. None of them changes a fact (tri_orient and
// fd_tri re-orient a triangle group, which keeps its meaning). "Line ab" is the
// first live line record holding both a and b.

#include <array>
#include <cstddef>

#include "facts/gdd_records.h"

// {a, b} and {c, d} are one unordered pair of points (a segment, or the
// line of two points).
inline bool same_pair(int a, int b, int c, int d) { return (a == c && b == d) || (a == d && b == c); }

// Point k (stored order) of a line or a circle.
inline int ln_pt(const Gdd_line* l, int k) { return l->pts[static_cast<std::size_t>(k)]; }
inline int cir_pt(const Gdd_cir* c, int k) { return c->pts[static_cast<std::size_t>(k)]; }

// ---- lines ----
Gdd_line* fd_ln(int a, int b);
// First live line holding c and one of a, b, or holding both a and b.
Gdd_line* fd_ln3(int a, int b, int c);
// fd_ln(a, b), or a new line ab.
Gdd_line* fadd_ln(int a, int b);
// A live line of the two points in ascending order, no reasons, rule 0.
Gdd_line* new_ln(int a, int b);
// First live line through p holding at least three points.
Gdd_line* fd_ln_pt(int p);
// First live line other than l sharing two different points with l.
Gdd_line* fd_ln_meet2(const Gdd_line* l);
bool on_ln(int p, const Gdd_line* l);
// Every point of l1 is on l2.
bool ln_sub(const Gdd_line* l1, const Gdd_line* l2);
// First point of l (stored order) other than p (than p and q); 0 if none.
int ln_other_pt(const Gdd_line* l, int p);
int ln_other_pt2(const Gdd_line* l, int p, int q);
// First point of l1 on l2; 0 when either is null or both are one record. A
// dead record is first replaced by the line of its first two points.
int inter_lln(const Gdd_line* l1, const Gdd_line* l2);
int inter_lln_new(const Gdd_line* l1, const Gdd_line* l2, int p);

// ---- circles ----
int inter_lc(const Gdd_line* l, const Gdd_cir* c);
int inter_lc_new(const Gdd_line* l, const Gdd_cir* c, int p);
int inter_cc(const Gdd_cir* c1, const Gdd_cir* c2);
int inter_cc_new(const Gdd_cir* c1, const Gdd_cir* c2, int p);
int cir_other_pt(const Gdd_cir* c, int p, int q);
int cir_other_pt3(const Gdd_cir* c, int p, int q, int r);
// p = 0, or p is among c's points.
bool on_cir(int p, const Gdd_cir* c);
// c1's centre is 0 or c2's, and every point of c1 is on c2.
bool cir_sub(const Gdd_cir* c1, const Gdd_cir* c2);
// First live circle with centre o through p.
Gdd_cir* fd_cir_cp(int o, int p);
// Centre of the first circle with a known centre through a, b, c; 0 if none.
int fd_cir3(int a, int b, int c);
// Points 1..n are free, semi-free or circumcentres, and one circle holds all
// of them but its own centre.
bool all_on_cir(int n);

// ---- midpoints ----
// Midpoint recorded for segment ab (either order); 0 if none.
int fd_mid(int a, int b);
// Midpoint record with midpoint m whose first end lies on l.
Gdd_mid* fd_mid_ln(int m, const Gdd_line* l);

// ---- parallel classes ----
bool in_pls(const Gdd_line* l, const Gdd_pline* P);
// First class with state exactly 1 holding l.
Gdd_pline* fd_pls(const Gdd_line* l);
Gdd_pline* fd_pls_pt(int a, int b);
// First live class other than P holding l.
Gdd_pline* fd_pls_other(const Gdd_pline* P, const Gdd_line* l);
// Line of P through p.
Gdd_line* fd_pls_ln(const Gdd_pline* P, int p);
// Line through p in the parallel class of line ab.
Gdd_line* fd_pl_pt(int p, int a, int b);

// ---- perpendicular pairs ----
bool in_tp(const Gdd_line* l, const Gdd_tline* T);
Gdd_tline* fd_tp(const Gdd_line* l);
// Line through p that a live pair makes perpendicular to line ab.
Gdd_line* fd_tl_pt(int p, int a, int b);

// ---- equal angles ----
// (l1, l2) is (E.l1, E.l2) or (E.l3, E.l4).
bool ln_pair_eq(const Gdd_line* l1, const Gdd_line* l2, const Gdd_ea* E);

// ---- congruent segments ----
bool in_cg(int a, int b, const Gdd_cg* G);
bool cg_sub(const Gdd_cg* G1, const Gdd_cg* G2);
Gdd_cg* fd_cg(int a, int b);
// First live group other than G sharing a member with G.
Gdd_cg* fd_cg_meet(const Gdd_cg* G);

// ---- triangles ----
// The six orders of a triangle's vertices: as given, the two rotations, then
// the three reversals.
inline constexpr std::array<std::array<int, 3>, 6> kVertexOrders{{
    {0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2},
}};
// Triangle abc is a member of T, an isosceles triangle matching its mirror
// image about the apex.
bool in_tri(int a, int b, int c, const Gdd_tri* T);
// xyz is abc (mark 1), cab (mark 2) or bca (mark 3); the mark is kept in
// g_tri_rot_mark.
bool tri_rot(int a, int b, int c, int x, int y, int z);
extern int g_tri_rot_mark;
// Index of the member of T that is abc up to rotation or reversal, after
// re-orienting T so that the member reads abc with sign s; -1 when none.
int tri_orient(int s, int a, int b, int c, Gdd_tri* T);
// First live group of the current triangle list for which tri_orient succeeds.
Gdd_tri* fd_tri(int s, int a, int b, int c);
