// Interpolation lemmas: a quantity affine or quadratic in the point Y, where
// Y is an affine combination of two points or a point moved along a
// direction, is written through the quantity at those points.

#include "algebra/area_internal.h"
#include "algebra/area_terms.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

void trace_value(const var_rec* var, std::initializer_list<const xterm*> values)
{
    if (!g_trace)
        return;
    std::string line = var_text(var, 0);
    for (const xterm* v : values)
        line += " " + poly_text(v, 0);
    trace_str(line + "\n");
}

// The difference quantity of Y moved by the vector V - U.
xterm* qdiff(const var_rec* var, int V, int U)
{
    switch (var->type) {
    case 4:
        return gq_atom4(V, U);
    case 3:
        return P(V, var->a[1], U, var->a[3]);
    case 2:
        return S(V, var->a[1], U, var->a[3]);
    default:
        trace_str("geval11\n");
        prover_fatal("geval11");
    }
}

}  // namespace

elim_step* lratio_md1(var_rec* var, int Y, int U, int V, const xterm* a1, const xterm* d1,
                      const xterm* a2, const xterm* d2)
{
    if (g_trace) {
        trace_str(fmt("\nlratio_md1 %d %d %d\n ", Y, U, V));
        trace_value(var, {a1, d1, a2, d2});
    }
    if (peq(d1, d2)) {
        xterm* n = add(mul(gq_subst(var, Y, V), cp(a1)), mul(gq_subst(var, Y, U), cp(a2)));
        return make_elim_step(var, n, cp(d1));
    }
    xterm* n = add(mul(gq_subst(var, Y, V), cp(a1), cp(d2)), mul(gq_subst(var, Y, U), cp(a2), cp(d1)));
    return make_elim_step(var, n, mul(cp(d1), cp(d2)));
}

elim_step* pyt1(var_rec* var, int Y, int U, int V, const xterm* a1, const xterm* d1, const xterm* a2,
                const xterm* d2)
{
    xterm* n = add(mul(gq_subst(var, Y, V), cp(a1), cp(d2)), mul(gq_subst(var, Y, U), cp(a2), cp(d1)),
                   mul(P(V, V, U, U), cp(a1), cp(a2)));
    return make_elim_step(var, n, mul(cp(d1), cp(d2)));
}

elim_step* lin2(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2)
{
    xterm* n = add(mul(gq_subst(var, Y, W), cp(r2)), mul(cp(r1), qdiff(var, V, U)));
    return make_elim_step(var, n, cp(r2));
}

elim_step* pyt2(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2)
{
    xterm* n = add(mul(gq_subst(var, Y, W), sq(cp(r2))),
                   sub(mul(gq_subst(var, Y, V), cp(r1), cp(r2)), mul(gq_subst(var, Y, U), cp(r1), cp(r2))),
                   mul(num(2), P(W, U, U, V), cp(r1), cp(r2)),
                   mul(P(V, V, U, U), cp(r1), sub(cp(r2), cp(r1))));
    return make_elim_step(var, n, sq(cp(r2)));
}
