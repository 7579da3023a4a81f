#pragma once
// Points given by two ratio integers p and q, held as decimal texts in the
// point's own aux1 (p) and aux2 (q). A zero denominator gives the failed point
// (0, 0).

#include "model/object_table.h"

// Lratio (197): the point P of line a0 a1 with a0P = (p / q) a0a1.
void cal_lratio(ObjectTable& t, int r, int a0, int a1);
// Mratio (198): the point dividing a0 a1 with a0P : Pa1 = p : q.
void cal_mratio(ObjectTable& t, int r, int a0, int a1);
// Pratio (199): the point P with a0P = (p / q) a1a2; p = 0 fails as well.
void cal_pratio(ObjectTable& t, int r, int a0, int a1, int a2);
