#pragma once
// Builders of the geometric quantities that polynomials speak about. Each
// brings its points into one canonical order, so that equal quantities share
// one interned variable and a reordering shows up as a sign; degenerate
// quantities are constants. Point indices in, a new polynomial out.

struct xterm;

xterm* rtrim(int a, int b, int c, int d);     // ratio of directed segments ab / cd
xterm* mk_sarea(int a, int b, int c, int d);  // signed area S(a b c d)
xterm* mk_pdiff(int a, int b, int c, int d);  // Pythagoras difference P(a b c d)
xterm* trim_a1(int a, int b, int c, int d);   // full angle from line ab to line cd
xterm* gq_atom4(int a, int b);                // vector from b to a (b = 0: position of a)
xterm* gq_atom5(int a, int b);                // chord quantity
xterm* gq_atom6(int a, int b);                // sine quantity
xterm* gq_atom7(int a, int b);                // cosine quantity
