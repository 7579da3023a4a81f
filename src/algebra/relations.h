#pragma once
// Coordinate polynomials of the geometric relations between points of the
// statement: each is 0 exactly when the relation holds. Points are point
// numbers of the point table; results are new polynomials.

struct xterm;

xterm* poly_coll(int a, int b, int c);              // a, b, c collinear
xterm* poly_para(int a, int b, int c, int d);       // ab parallel to cd
xterm* poly_perp(int a, int b, int c, int d);       // ab perpendicular to cd
xterm* poly_dy(int a, int b);                       // y_a - y_b
xterm* poly_midx(int m, int a, int b);              // x_a + x_b - 2 x_m
xterm* poly_midy(int m, int a, int b);
xterm* poly_dist2(int a, int b);                    // squared distance
xterm* poly_eqdist(int a, int b, int c, int d);     // |ab|^2 - |cd|^2
// Angle abc equals angle def (as lines, up to a half turn).
xterm* poly_eqangle(int a, int b, int c, int d, int e, int f);
// A signed sum of the distances p0p1, p2p3, p0p2 is 0 (tangent circles).
xterm* poly_sumdist(int p0, int p1, int p2, int p3);
// Q (x_a - x_b) - P (x_d - x_c); P and Q are consumed.
xterm* poly_wratio_x(int a, int b, int c, int d, xterm* P, xterm* Q);
xterm* poly_wratio_y(int a, int b, int c, int d, xterm* P, xterm* Q);
// 4 W2 S(a c b d) - W1 P(c c d d) in area and Pythagoras quantities (to be
// translated by gq2co); W1 and W2 are consumed.
xterm* poly_rel4(int a, int b, int c, int d, xterm* W1, xterm* W2);
// Point i is point c turned about point b by the angle of record i.
// Only multiples of 90 degrees have exact integer sines and cosines; any
// other angle is reported through gerror and gives 0.
xterm* poly_aline_a(int i, int b, int c);
xterm* poly_aline_b(int i, int b, int c);

// Squared distance for gq2co (0 when a = b).
xterm* pdist2_gq(int a, int b);
// Twice the signed area of triangle abc.
xterm* pdet(int a, int b, int c);

// Replaces the geometric-quantity variables of p (ratios, areas,
// Pythagoras differences, vectors) by coordinates, from the greatest down.
// Consumes p. A quantity it cannot translate is reported through gerror
// ("gq2co") and p is returned as it stands then.
xterm* gq2co(xterm* p);
