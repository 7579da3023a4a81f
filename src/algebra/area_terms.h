#pragma once
// Short names for building the values of elimination lemmas: the quantity
// builders and consuming arithmetic, so that a lemma's formula reads as it
// is written on paper. Every function returns a new owned polynomial and
// consumes its polynomial arguments.

#include "algebra/quantity_terms.h"
#include "prover/poly.h"

namespace aterm {

inline xterm* S(int a, int b, int c, int d) { return mk_sarea(a, b, c, d); }
inline xterm* P(int a, int b, int c, int d) { return mk_pdiff(a, b, c, d); }
inline xterm* R(int a, int b, int c, int d) { return rtrim(a, b, c, d); }
inline xterm* V(int a, int b = 0) { return gq_atom4(a, b); }
inline xterm* C(int a, int b) { return gq_atom5(a, b); }   // chord
inline xterm* N(int a, int b) { return gq_atom6(a, b); }   // sine
inline xterm* K(int a, int b) { return gq_atom7(a, b); }   // cosine
inline xterm* num(coef_t v) { return get_n(v); }
inline xterm* named(const char* name) { return get_m(mk_var_name(name)); }
inline xterm* cp(const xterm* p) { return cp_poly(p); }

inline xterm* add(xterm* p, xterm* q) { return pplus(p, q); }
template <class... More>
xterm* add(xterm* p, xterm* q, More... more)
{
    return add(pplus(p, q), more...);
}
inline xterm* sub(xterm* p, xterm* q) { return pminus(p, q); }
inline xterm* mul(xterm* p, xterm* q) { return ptimes(p, q); }
template <class... More>
xterm* mul(xterm* p, xterm* q, More... more)
{
    return mul(ptimes(p, q), more...);
}
inline xterm* neg(xterm* p) { return neg_poly(p); }
inline xterm* sq(xterm* p) { return ppower(p, 2); }

}  // namespace aterm
