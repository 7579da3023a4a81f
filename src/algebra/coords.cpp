// Coordinate variables of the statement's points.

#include "algebra/coords.h"

#include <cstdlib>
#include <string>

#include "algebra/algebra_words.h"
#include "prover/poly.h"
#include "prover/prover.h"

namespace {

const Pro_point& record(int no) { return g_pro_points[static_cast<std::size_t>(no)]; }

bool in_table(int i) { return i >= 1 && i <= g_npoints && i < kProPointCount; }

bool mentioned_by_predicate(int i)
{
    for (int r = 1; r <= g_npoints; ++r) {
        const Pro_point& p = record(r);
        if (!p.hyp_predicate)
            continue;
        for (std::uint32_t pt : p.pots)
            if (static_cast<int>(pt) == i)
                return true;
    }
    return false;
}

bool groebner() { return g_method == kMethodGroebner; }

}  // namespace

bool param_point(int i)
{
    if (!in_table(i) || record(i).hyp_predicate)
        return false;
    const int kind = equation_kind(i);
    return (kind == cons_kind::kFreePoint || kind == cons_kind::kOnCircle) && !mentioned_by_predicate(i);
}

int x_var(int i)
{
    if (groebner() && param_point(i))
        return i == 2 ? -1 : -(2 * (i - 2));
    return i == 2 ? 1 : 2 * (i - 2);
}

int y_var(int i)
{
    if (groebner() && param_point(i) && equation_kind(i) == cons_kind::kFreePoint)
        return -(2 * (i - 2) + 1);
    return 2 * (i - 2) + 1;
}

xterm* x_poly(int i)
{
    if (i <= 1)
        return get_num();
    return get_m(mk_ivar(x_var(i)));
}

xterm* y_poly(int i)
{
    if (i <= 2)
        return get_num();
    return get_m(mk_ivar(y_var(i)));
}

void print_coords()
{
    gprint(alg_words::kCoordinates);
    for (int i = 1; i <= g_npoints; ++i) {
        const char* name = record(i).name.c_str();
        if (i == 1) {
            gprint(fmt("%s: (0 0)   ", name));
        } else if (i == 2) {
            const int x = x_var(2);
            gprint(x > 0 ? fmt("%s: (x1 0)  ", name) : fmt("%s: (u%d 0)  ", name, std::abs(x)));
        } else {
            const int x = x_var(i);
            const int y = y_var(i);
            const char* form = x > 0 ? (y > 0 ? "%s: (x%d x%d) " : "%s: (x%d u%d) ")
                                     : (y > 0 ? "%s: (u%d x%d) " : "%s: (u%d u%d) ");
            gprint(fmt(form, name, std::abs(x), std::abs(y)));
        }
        if (i % 5 == 0)
            gprint("\r\n");
    }
    gprint("\r\n");
}
