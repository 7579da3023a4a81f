// Making one auxiliary point: the point record and its defining facts.

#include <initializer_list>
#include <string>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/aux_internal.h"
#include "gdd/aux_points.h"
#include "gdd/gdd_display.h"
#include "prover/numeric_figure.h"
#include "prover/prover.h"

int g_gdd_npoints = 0;
int g_aux_pass_start = 0;
std::uint8_t g_aux_name_counter = 0;

namespace {

// The builder may go on: every argument is one of the statement's own
// points and (with pass_check) the pass has not added a point yet.
bool may_build(std::initializer_list<int> args, bool pass_check)
{
    for (int p : args)
        if (!statement_point(p))
            return false;
    if (pass_check && g_npoints > g_aux_pass_start)
        return false;
    return g_npoints < kMaxProPoints;
}

bool name_taken(const std::string& name)
{
    for (int i = 1; i < g_npoints; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].name == name)
            return true;
    return false;
}

// Lines ab and cd cross in a point not yet known. A point the database
// already has, or the "intersection" of one line with itself, would be made
// a second time under a new name, and the two lines through both names would
// then merge into one.
bool new_crossing(int a, int b, int c, int d)
{
    if (a == b || c == d)
        return false;
    const Gdd_line* ab = fd_ln(a, b);
    const Gdd_line* cd = fd_ln(c, d);
    if (ab && cd && (ab == cd || inter_lln(ab, cd)))
        return false;
    // A point of one line on the other is their crossing already.
    if (xcoll(a, b, c) || xcoll(a, b, d) || xcoll(c, d, a) || xcoll(c, d, b))
        return false;
    return !xpara(a, b, c, d);
}

// Appends the point of that kind on those arguments; 0 (nothing appended)
// when it would fall onto a point the table already has. The database knows
// nothing of that coincidence: under its new name the point would make it
// hold false facts about the "line" through the two names.
int place_point(int code, int kind, std::initializer_list<int> args)
{
    const std::uint8_t name_counter = g_aux_name_counter;
    const int x = new_aux_point(code, kind);
    if (!x)
        return 0;
    auto& pots = g_pro_points[static_cast<std::size_t>(x)].pots;
    std::size_t i = 0;
    for (int a : args)
        pots[i++] = static_cast<std::uint32_t>(a);
    if (numeric_point_coincides(x)) {
        aux_trace(fmt("auxiliary point %s is a point of the figure\n", pname(x)));
        g_pro_points[static_cast<std::size_t>(x)].clear();
        --g_npoints;
        g_aux_name_counter = name_counter;
        return 0;
    }
    return x;
}

[[maybe_unused]] const bool registered = [] {
    add_prover_reset_hook(ResetStage::FactDatabase, "aux_points", [] {
        g_gdd_npoints = 0;
        g_aux_pass_start = 0;
        g_aux_name_counter = 0;
    });
    return true;
}();

}  // namespace

void aux_method_start()
{
    g_gdd_npoints = g_npoints;
    g_aux_pass_start = g_npoints;
    g_aux_name_counter = 0;
}

int new_aux_point(int code, int kind)
{
    if (g_npoints >= kMaxProPoints)
        return 0;
    const int n = ++g_npoints;
    Pro_point& rec = g_pro_points[static_cast<std::size_t>(n)];
    rec.clear();
    rec.kind = static_cast<std::uint32_t>(kind);
    rec.aux = static_cast<std::uint32_t>(code);
    rec.name.clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string candidate(1, letter);
        if (!name_taken(candidate)) {
            rec.name = candidate;
            break;
        }
    }
    if (rec.name.empty())
        rec.name = fmt("A_{%d}", g_aux_name_counter++);
    return n;
}

int aux_on_tline(int code, int a, int b, int c)
{
    aux_trace(fmt("add-aux-tline (%d) %s,%s,%s\n", code, pname(a), pname(b), pname(c)));
    if (!may_build({a, b, c}, false))
        return 0;
    const int x = place_point(code, cons_kind::kOnTline, {a, b, c});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_tline(0, x, a, b, c);
    return x;
}

int aux_mid(int code, int a, int b)
{
    aux_trace(fmt("add-aux-mid %s %s\n", pname(a), pname(b)));
    if (!may_build({a, b}, true) || a == b || fd_mid(a, b))
        return 0;
    const int x = place_point(code, cons_kind::kMidpoint, {a, b});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, a, b);
    add_mid(0, x, a, b);
    return x;
}

int aux_inter_ll(int code, int a, int b, int c, int d)
{
    aux_trace(fmt("add-aux-ill (%d) %s %s %s %s\n", code, pname(a), pname(b), pname(c), pname(d)));
    if (!may_build({a, b, c, d}, false) || !new_crossing(a, b, c, d))
        return 0;
    const int x = place_point(code, cons_kind::kInterLineLine, {a, b, c, d});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, a, b);
    add_line(0, x, c, d);
    return x;
}

int aux_inter_lp(int code, int a, int b, int c, int d, int e)
{
    aux_trace(fmt("add-aux-ilp %s%s, %s%s%s\n", pname(a), pname(b), pname(c), pname(d), pname(e)));
    if (!may_build({a, b, c, d, e}, true) || a == b || d == e || xcoll(a, b, c) || xpara(a, b, d, e) ||
        inter_lln(fd_ln(a, b), fd_pl_pt(c, d, e)))
        return 0;
    const int x = place_point(code, cons_kind::kInterLinePline, {a, b, c, d, e});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, a, b);
    add_pline(0, x, c, d, e);
    return x;
}

int aux_inter_lt(int code, int a, int b, int c, int d, int e)
{
    aux_trace(fmt("add-aux-ilt %s%s, %s%s%s\n", pname(a), pname(b), pname(c), pname(d), pname(e)));
    if (!may_build({a, b, c, d, e}, true) || a == b || d == e || xcoll(a, b, c) || xperp(a, b, d, e) ||
        inter_lln(fd_ln(a, b), fd_tl_pt(c, d, e)))
        return 0;
    const int x = place_point(code, cons_kind::kInterLineTline, {a, b, c, d, e});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, a, b);
    add_tline(0, x, c, d, e);
    return x;
}

int aux_foot(int code, int a, int b, int c)
{
    aux_trace(fmt("add-aux-foot %s%s%s\n", pname(a), pname(b), pname(c)));
    // A point on the line is its own foot; a recorded perpendicular from a
    // already meets the line in the foot.
    if (!may_build({a, b, c}, true) || b == c || xcoll(a, b, c) || inter_lln(fd_tl_pt(a, b, c), fd_ln(b, c)))
        return 0;
    const int x = place_point(code, cons_kind::kFoot, {a, b, c});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, b, c);
    add_tline(0, x, a, b, c);
    return x;
}

int aux_inter_lc(int code, int a, int b, Gdd_cir* cir)
{
    aux_trace(fmt("add-aux-ilc %s, %s, %s\n", pname(a), pname(b), cir ? pname(cir->centre) : ""));
    // The second intersection must not be known already.
    if (!cir || !may_build({a, b}, true) || a == b || inter_lc_new(fd_ln(a, b), cir, a))
        return 0;
    const int x = place_point(code, cons_kind::kInterLineCircle, {a, b, cir->centre, a});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_line(0, x, a, b);
    cir_ins(cir, x);
    queue_cond(kCondCyclic, cir);
    return x;
}

int aux_inter_pc(int code, int a, int b, int c, Gdd_cir* cir)
{
    aux_trace(fmt("add-aux-ipc %s, %s, %s;\n", pname(a), pname(b), pname(c)));
    if (!cir || !may_build({a, b, c}, true) || b == c || inter_lc_new(fd_pl_pt(a, b, c), cir, a))
        return 0;
    const int x = place_point(code, cons_kind::kInterPlineCircle, {a, b, c, cir->centre, a});
    if (!x)
        return 0;
    const Hypothesis_scope hyp;
    add_pline(0, x, a, b, c);
    cir_ins(cir, x);
    queue_cond(kCondCyclic, cir);
    return x;
}

int aux_circumcentre(int code, Gdd_cir* cir)
{
    aux_trace("aux_co: ");
    if (!cir)
        return 0;
    show_cir(cir);
    aux_trace("\n");
    if (cir->last < 2 || cir->centre)
        return 0;
    const int a = cir->pts[0], b = cir->pts[1], c = cir->pts[2];
    if (!may_build({a, b, c}, true))
        return 0;
    const int x = place_point(code, cons_kind::kCircumcenter, {a, b, c});
    if (!x)
        return 0;
    cir->centre = static_cast<std::int8_t>(x);
    return x;
}
