#include "algebra/quantity_terms.h"

#include <utility>

#include "facts/fact_tests.h"
#include "prover/poly.h"
#include "prover/prover.h"

namespace {

// The monomial of the quantity variable, negated when sign is negative.
xterm* quantity(int type, int a, int b, int c, int d, int sign)
{
    xterm* q = get_m(mk_var(type, a, b, c, d));
    return sign < 0 ? neg_poly(q) : q;
}

// Brings the diagonals (a, c) and (b, d) of a four-point quantity into the
// canonical order: the larger point first in each, then the diagonal with the
// larger first point first (on a tie, the larger second point). Reversing a
// diagonal turns the quantity's sign; exchanging the diagonals multiplies it
// by exchanged_sign. Returns the sign the reordering gave.
int order_diagonals(int& a, int& b, int& c, int& d, int exchanged_sign)
{
    int sign = 1;
    if (c > a) {
        std::swap(a, c);
        sign = -sign;
    }
    if (d > b) {
        std::swap(b, d);
        sign = -sign;
    }
    if (b > a || (b == a && d > c)) {
        std::swap(a, b);
        std::swap(c, d);
        sign *= exchanged_sign;
    }
    return sign;
}

}  // namespace

xterm* rtrim(int a, int b, int c, int d)
{
    if (a == b)
        return get_n(0);
    if (c == d)
        gerror("rtrim: denominator of ratio is zero.~%");
    if (c == a && b == d)
        return get_n(1);
    if (c == b && a == d)
        return get_n(-1);
    int sign = 1;
    if (b > a) {
        std::swap(a, b);
        sign = -sign;
    }
    if (c < d) {
        std::swap(c, d);
        sign = -sign;
    }
    return quantity(1, a, b, c, d, sign);
}

xterm* mk_sarea(int a, int b, int c, int d)
{
    if (xpara(a, c, b, d))
        return get_n(0);
    if (xcoll(a, b, c))
        b = a;
    else if (xcoll(d, b, c))
        c = d;
    else if (xcoll(d, a, c))
        d = c;
    else if (xcoll(d, b, a))
        a = d;
    // S(a b c d) is a multiple of the cross product (a - c) x (b - d):
    // exchanging the diagonals turns its sign.
    const int sign = order_diagonals(a, b, c, d, -1);
    if (b == a)
        return quantity(2, a, c, d, d, sign);
    if (c == b)
        return quantity(2, a, b, d, d, sign);
    return quantity(2, a, b, c, d, sign);
}

xterm* mk_pdiff(int a, int b, int c, int d)
{
    if (xperp(a, c, b, d))
        return get_n(0);
    // P(a b c d) is a multiple of the dot product (a - c) . (d - b):
    // exchanging the diagonals keeps it.
    const int sign = order_diagonals(a, b, c, d, 1);
    if (b == a)
        return quantity(3, c, b, a, d, -sign);
    if (d == c)
        return quantity(3, a, c, c, b, -sign);
    return quantity(3, a, b, c, d, sign);
}

xterm* trim_a1(int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("trim_a1 %d %d %d %d\r\n", a, b, c, d));
    if (xcoll4(a, b, c, d))
        return get_n(0);
    if (a < b)
        std::swap(a, b);
    if (c < d)
        std::swap(c, d);
    int sign = 1;
    if (a < c || (a == c && b < d)) {
        std::swap(a, c);
        std::swap(b, d);
        sign = -sign;
    }
    return quantity(10, a, b, c, d, sign);
}

xterm* gq_atom4(int a, int b)
{
    if (b == 0)
        return quantity(4, a, 0, 0, 0, 1);
    if (a == b)
        return get_n(0);
    if (a < b)
        return quantity(4, b, a, 0, 0, -1);
    return quantity(4, a, b, 0, 0, 1);
}

namespace {

// reversed_sign: the quantity's sign when its two points are exchanged.
xterm* two_point(int type, int a, int b, int same, int reversed_sign)
{
    if (a == b)
        return get_n(same);
    if (a < b)
        return quantity(type, b, a, 0, 0, reversed_sign);
    return quantity(type, a, b, 0, 0, 1);
}

}  // namespace

// Chords and sines change sign with the direction of their arc; the cosine
// of the same arc does not.
xterm* gq_atom5(int a, int b) { return two_point(5, a, b, 0, -1); }
xterm* gq_atom6(int a, int b) { return two_point(6, a, b, 0, -1); }
xterm* gq_atom7(int a, int b) { return two_point(7, a, b, 1, 1); }
