#include "statement/constant_roles.h"

#include <algorithm>
#include <vector>

#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/variables.h"

namespace {

bool is_named(const var_rec* v) { return v->type == kVarNamed || v->type == kVarParam; }

void collect_vars(const xterm* p, std::vector<var_rec*>& out)
{
    if (!p || pconstp(p))
        return;
    if (std::find(out.begin(), out.end(), p->var) == out.end())
        out.push_back(p->var);
    for (const dterm* t = p->terms; t; t = t->next)
        collect_vars(t->coef, out);
}

bool holds_values(const Pro_point& r)
{
    return r.kind == cons_kind::kConstant || (r.kind >= cons_kind::kLratio && r.kind <= cons_kind::kRatioUnused);
}

// The variables of the statement's values: its ratio values, CONSTANT
// relations and the sides of an equation conclusion.
std::vector<var_rec*> statement_vars()
{
    std::vector<var_rec*> vars;
    for (int i = 1; i <= g_npoints; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (holds_values(r))
            for (const xterm* p : r.ps)
                collect_vars(p, vars);
    }
    if (g_concl.type == concl_kind::kEquation) {
        collect_vars(g_concl_lhs, vars);
        collect_vars(g_concl_rhs, vars);
    }
    return vars;
}

// Every polynomial slot of the tables: records of other kinds and beyond
// the statement may keep the values of a statement read before, which can
// share its variables.
std::vector<xterm**> polynomial_slots()
{
    std::vector<xterm**> slots;
    for (Pro_point& r : g_pro_points)
        for (xterm*& p : r.ps)
            slots.push_back(&p);
    slots.push_back(&g_concl_lhs);
    slots.push_back(&g_concl_rhs);
    return slots;
}

// The greatest variable of p under the present roles: p's main variable
// once p is canonical again, which it need not be yet.
var_rec* leading_var(const xterm* p)
{
    std::vector<var_rec*> vars;
    collect_vars(p, vars);
    var_rec* top = nullptr;
    for (var_rec* v : vars)
        if (!top || vless(top, v))
            top = v;
    return top;
}

}  // namespace

void set_constant_roles(int method)
{
    for (var_rec* v : statement_vars())
        if (is_named(v))
            v->type = kVarNamed;
    if (method == kMethodGroebner) {
        for (int i = 1; i <= g_npoints; ++i) {
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
            if (r.kind != cons_kind::kConstant || !r.ps[0])
                continue;
            if (var_rec* lead = leading_var(r.ps[0]); lead && lead->type == kVarNamed)
                lead->type = kVarParam;
        }
    }
    for (xterm** slot : polynomial_slots())
        *slot = p_reorder(*slot);
}
