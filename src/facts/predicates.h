#pragma once
// The four geometric questions the deductive database's routines ask about
// points of the statement, answered symbolically: point identity by number,
// everything else by the fact tests. No coordinates are involved.

// a and b are the same point number.
int n_same_point(int a, int b);
int n_coll(int a, int b, int c);
// Line ab parallel (perpendicular) to line cd.
int n_para(int a, int b, int c, int d);
int n_perp(int a, int b, int c, int d);
