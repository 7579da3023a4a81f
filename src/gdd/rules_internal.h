#pragma once
// Helpers the rule searches share among their files.

#include <vector>

#include "facts/gdd_records.h"

// First point of U (stored order) that is on V; 0 if none.
int first_common_pt(const Gdd_line* U, const Gdd_line* V);

// Active lines other than U and V that have a common point with U or V, in
// list order.
std::vector<Gdd_line*> lines_meeting_either(const Gdd_line* U, const Gdd_line* V);

// An active line other than two lines X, Y meeting at p, cutting X at on1
// and Y at on2, both other than p.
struct Transversal {
    Gdd_line* line;
    int on1;
    int on2;
};
// The transversals of X and Y in list order.
std::vector<Transversal> transversals(const Gdd_line* X, const Gdd_line* Y, int p);

// Midpoint M and two parallel lines U, V: the midline through a point of the
// parallel through m (21), and the parallelogram of two directions (37).
void md_pl1(Gdd_mid* M, Gdd_line* U, Gdd_line* V);
void md_pl2(Gdd_mid* M, Gdd_line* U, Gdd_line* V);

// Every active perpendicular pair with every line of P (pl_tn), and every
// active class with the pair T (tn_pl).
void pl_tn(Gdd_pline* P);
void tn_pl(Gdd_tline* T);
