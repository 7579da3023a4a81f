// The proving methods' entry points and what each of them can interpret.

#include <initializer_list>
#include <map>
#include <string>

#include "algebra/relations.h"
#include "prover/keywords.h"
#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/variables.h"
#include "statement/cons_internal.h"
#include "statement/prove.h"
#include "statement/prover_wiring.h"
#include "statement/semantics.h"
#include "statement/shown_statement.h"

namespace {

// The table, with the built methods entered before anyone reads or changes
// it (the wiring itself enters through set_method_entry).
std::map<int, MethodEntry>& entries()
{
    static std::map<int, MethodEntry> table;
    static bool wired = false;
    if (!wired) {
        wired = true;
        register_default_methods();
    }
    return table;
}

// Constructions with coordinate equations (free points and the defining
// points of a CIRCLE line need none). The reader's records for CIRCLE lines
// (centres, further points) and for rewritten constructions (midpoints,
// perpendiculars, line-circle and circle-circle records) take the equations
// of the constructions they stand for; HARMONIC and SIM_TRIANGLE have none.
bool algebra_interprets(const Pro_point& r)
{
    if (r.hyp_predicate)
        return true;
    switch (r.kind) {
    case cons_kind::kCircleDefining: case cons_kind::kReaderMidpoint: case cons_kind::kOnBline:
    case cons_kind::kReaderOnTline: case cons_kind::kCircleFurther: case cons_kind::kReaderLineCircle:
    case cons_kind::kReaderCircleCircle: case cons_kind::kReaderCentre:
    case cons_kind::kOnHline: case cons_kind::kFreePoint: case cons_kind::kLratio: case cons_kind::kMratio:
    case cons_kind::kPratio: case cons_kind::kConstant: case cons_kind::kNrotate:
        return true;
    default:
        return r.kind >= cons_kind::kFoot && r.kind <= cons_kind::kNegativeSquare &&
               r.kind != cons_kind::kIncenter;
    }
}

// A CONSTANT relation the algebraic methods can state in coordinates: one
// of ratios, areas and Pythagoras differences of points (named values
// besides), whose every quantity the translation removes.
bool constant_translates(const Pro_point& r)
{
    if (!r.ps[0])
        return false;
    const auto foreign = [](int type) {
        return type != kVarNamed && type != kVarParam && type != kVarRatio && type != kVarArea && type != kVarPyth;
    };
    if (any_var_type(r.ps[0], foreign))
        return false;
    const PolyPtr coords(gq2co(cp_poly(r.ps[0])));
    return !g_abort && !any_var_type(coords.get(), [](int type) { return type >= 1 && type <= 99; });
}

// An equation conclusion the algebraic methods can state in coordinates:
// one of ratios, areas, Pythagoras differences and vectors.
bool equation_translates()
{
    const auto foreign = [](int type) {
        return type != kVarNamed && type != kVarParam && type != kVarRatio && type != kVarArea &&
               type != kVarPyth && type != kVarVector;
    };
    if (g_concl.type != concl_kind::kEquation)
        return true;
    return !any_var_type(g_concl_lhs, foreign) && !any_var_type(g_concl_rhs, foreign);
}

// Does a fact the reader entered (a CIRCLE line, INTERSECTION_LS or _SS)
// name point p?
bool named_by_reader(int p)
{
    for (const ParseFact& f : g_parse_facts) {
        for (int q : f.p)
            if (q == p)
                return true;
        for (int q : f.pts)
            if (q == p)
                return true;
    }
    return false;
}

}  // namespace

std::string record_line(int i)
{
    // As the show button prints it (a rewritten line as written, values as
    // written), so that the user finds the line named in the statement.
    if (std::string line = shown_record_line(i); !line.empty() && line != " ;\r\n")
        return line;
    if (std::string circle = cons::circle_line_of(i); !circle.empty())
        return circle;
    const std::string line = cons_statement_text(i);
    if (line != " ;\r\n")
        return line;
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
    return fmt("%s (kind %d);\r\n", r.name.c_str(), static_cast<int>(r.kind));
}

std::string database_limits()
{
    std::string out;
    if (g_concl.type != concl_kind::kEmpty && g_concl.type != concl_kind::kNone &&
        !concl_has_database_test(g_concl.type))
        out += "The database cannot test the conclusion\r\n" + concl_statement_text();
    std::string silent;
    for (int i = 1; i <= g_npoints; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (r.kind != cons_kind::kFreePoint && !cons_states_facts(i) && !named_by_reader(i))
            silent += record_line(i);
    }
    if (!silent.empty())
        out += "The database has no facts of\r\n" + silent;
    return out;
}

void set_method_entry(int method, MethodEntry entry) { entries()[method] = std::move(entry); }

MethodEntry get_method_entry(int method)
{
    const auto it = entries().find(method);
    return it == entries().end() ? MethodEntry{} : it->second;
}

bool method_built(int method)
{
    const auto it = entries().find(method);
    return it != entries().end() && it->second.run;
}

const MethodEntry* method_entry(int method)
{
    const auto it = entries().find(method);
    return it == entries().end() || !it->second.run ? nullptr : &it->second;
}

std::string method_refusal(int method)
{
    const std::string name(method_name(method));
    if (!method_built(method))
        return "\r\n" + (name.empty() ? fmt("Method %d", method) : name) + " is not built yet.\r\n";
    // The database takes whatever facts the hypotheses state and tests what
    // it can hold; the other methods read the statement themselves.
    if (method != kMethodWu && method != kMethodGroebner)
        return "";
    if (!equation_translates())
        return "\r\n" + name + " cannot prove the conclusion\r\n" + concl_statement_text();
    for (int i = 1; i <= g_npoints; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (!algebra_interprets(r) || (r.kind == cons_kind::kConstant && !constant_translates(r)))
            return "\r\n" + name + " cannot use the hypothesis\r\n" + record_line(i);
    }
    return "";
}
