// Coordinate polynomials of relations and the translation of quantities.

#include "algebra/relations.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "algebra/coords.h"
#include "algebra/equations.h"
#include "algebra/quantity_terms.h"
#include "facts/fact_tests.h"
#include "prover/poly.h"
#include "prover/prover.h"

namespace {

xterm* dx(int a, int b) { return pminus(x_poly(a), x_poly(b)); }  // x_a - x_b
xterm* dy(int a, int b) { return pminus(y_poly(a), y_poly(b)); }

xterm* num(coef_t v) { return get_n(v); }

// Exact sine and cosine of the record's rotation angle: the angle text read
// as a number must be a whole multiple of 90 degrees.
struct SinCos {
    coef_t s;
    coef_t c;
};

std::optional<SinCos> rotation_of(int i)
{
    const std::string& text = g_pro_points[static_cast<std::size_t>(i)].rot;
    char* end = nullptr;
    const double theta = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(theta))
        return std::nullopt;
    const double quarters = theta / 90.0;
    const double whole = std::round(quarters);
    if (std::fabs(quarters - whole) > 1e-9 || std::fabs(whole) > 1e6)
        return std::nullopt;
    // The sine is taken of the negated angle, as the drawing turns.
    switch (((static_cast<long>(whole) % 4) + 4) % 4) {
    case 0: return SinCos{0, 1};
    case 1: return SinCos{-1, 0};
    case 2: return SinCos{0, -1};
    default: return SinCos{1, 0};
    }
}

std::optional<SinCos> checked_rotation(int i)
{
    const auto sc = rotation_of(i);
    if (!sc)
        gerror(fmt("NROTATE: angle %s is not a multiple of 90 degrees",
                   g_pro_points[static_cast<std::size_t>(i)].rot.c_str()));
    return sc;
}

}  // namespace

xterm* poly_coll(int a, int b, int c)
{
    return pminus(ptimes(dy(c, a), dx(b, a)), ptimes(dx(c, a), dy(b, a)));
}

xterm* poly_para(int a, int b, int c, int d)
{
    return pminus(ptimes(dy(d, c), dx(b, a)), ptimes(dx(d, c), dy(b, a)));
}

xterm* poly_perp(int a, int b, int c, int d)
{
    return pplus(ptimes(dy(d, c), dy(b, a)), ptimes(dx(d, c), dx(b, a)));
}

xterm* poly_dy(int a, int b) { return dy(a, b); }

xterm* poly_midx(int m, int a, int b)
{
    return pminus(pplus(x_poly(a), x_poly(b)), ptimes(num(2), x_poly(m)));
}

xterm* poly_midy(int m, int a, int b)
{
    return pminus(pplus(y_poly(a), y_poly(b)), ptimes(num(2), y_poly(m)));
}

xterm* poly_dist2(int a, int b) { return pplus(ppower(dy(b, a), 2), ppower(dx(b, a), 2)); }

xterm* poly_eqdist(int a, int b, int c, int d) { return pminus(poly_dist2(a, b), poly_dist2(c, d)); }

xterm* poly_eqangle(int a, int b, int c, int d, int e, int f)
{
    return pminus(ptimes(poly_para(c, b, a, b), poly_perp(f, e, d, e)),
                  ptimes(poly_para(f, e, d, e), poly_perp(c, b, a, b)));
}

xterm* poly_sumdist(int p0, int p1, int p2, int p3)
{
    const PolyPtr A(poly_dist2(p0, p1));
    const PolyPtr B(poly_dist2(p2, p3));
    const PolyPtr C(poly_dist2(p0, p2));
    auto cp = [](const PolyPtr& p) { return cp_poly(p.get()); };
    xterm* r = pplus(pplus(ppower(cp(A), 2), ppower(cp(B), 2)), ppower(cp(C), 2));
    r = pminus(r, ptimes(num(2), ptimes(cp(A), cp(B))));
    r = pminus(r, ptimes(num(2), ptimes(cp(A), cp(C))));
    return pminus(r, ptimes(num(2), ptimes(cp(B), cp(C))));
}

xterm* poly_wratio_x(int a, int b, int c, int d, xterm* P, xterm* Q)
{
    return pminus(ptimes(Q, dx(a, b)), ptimes(P, dx(d, c)));
}

xterm* poly_wratio_y(int a, int b, int c, int d, xterm* P, xterm* Q)
{
    return pminus(ptimes(Q, dy(a, b)), ptimes(P, dy(d, c)));
}

xterm* poly_rel4(int a, int b, int c, int d, xterm* W1, xterm* W2)
{
    xterm* area = ptimes(ptimes(num(4), W2), mk_sarea(a, c, b, d));
    return pminus(area, ptimes(W1, mk_pdiff(c, c, d, d)));
}

xterm* poly_aline_a(int i, int b, int c)
{
    const auto sc = checked_rotation(i);
    if (!sc)
        return get_num();
    xterm* turned = pminus(ptimes(num(sc->c), dx(c, b)), ptimes(num(sc->s), dy(c, b)));
    return pminus(dx(i, b), turned);
}

xterm* poly_aline_b(int i, int b, int c)
{
    const auto sc = checked_rotation(i);
    if (!sc)
        return get_num();
    xterm* turned = pplus(ptimes(num(sc->s), dx(c, b)), ptimes(num(sc->c), dy(c, b)));
    return pminus(dy(i, b), turned);
}

xterm* pdist2_gq(int a, int b)
{
    if (a == b)
        return get_num();
    return pplus(ppower(dx(a, b), 2), ppower(dy(a, b), 2));
}

xterm* pdet(int a, int b, int c)
{
    auto xy = [](int p, int q) { return ptimes(x_poly(p), y_poly(q)); };
    xterm* r = pminus(xy(a, b), xy(b, a));
    r = pplus(r, pminus(xy(b, c), xy(c, b)));
    return pplus(r, pminus(xy(c, a), xy(a, c)));
}

namespace {

// The polynomial that defines quantity v in coordinates; null when v is not
// a quantity gq2co knows.
xterm* defining_poly(var_rec* v)
{
    const int a1 = v->a[0], a2 = v->a[1], a3 = v->a[2], a4 = v->a[3];
    switch (v->type) {
    case kVarRatio:
        // A segment perpendicular to the x axis has no x extent: its ratio
        // is read off the y differences.
        if (xperp(a1, a2, 1, 2))
            return pminus(ptimes(get_m(v), dy(a4, a3)), dy(a2, a1));
        return pminus(ptimes(get_m(v), dx(a4, a3)), dx(a2, a1));
    case kVarArea:
        return pminus(ptimes(num(2), get_m(v)), pminus(pdet(a1, a2, a4), pdet(a3, a2, a4)));
    case kVarPyth: {
        xterm* value = pplus(pdist2_gq(a1, a2), pdist2_gq(a3, a4));
        value = pminus(value, pplus(pdist2_gq(a2, a3), pdist2_gq(a4, a1)));
        return pminus(get_m(v), value);
    }
    case kVarVector:
        if (a2 == 0)
            return pminus(get_m(v), g_vcomp == 1 ? x_poly(a1) : y_poly(a1));
        return pminus(get_m(v), g_vcomp == 1 ? dx(a2, a1) : dy(a2, a1));
    default:
        return nullptr;
    }
}

bool is_quantity(const xterm* p) { return p->var && p->var->type >= 1 && p->var->type <= 99; }

}  // namespace

xterm* gq2co(xterm* p)
{
    while (!pconstp(p) && is_quantity(p)) {
        var_rec* v = p->var;
        const PolyPtr D(defining_poly(v));
        if (!D || deg_in(D.get(), v) == 0) {
            gerror("gq2co");
            return p;
        }
        p = prem_var(p, D.get(), v);
        if (g_abort)
            return p;
    }
    return p;
}
