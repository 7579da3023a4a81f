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

// The reader's word for a construction kind.
std::string keyword_of(int kind)
{
    const ConsKeyword* k = cons_keyword_of_kind(kind);
    return k ? std::string(stm_string(k->string_id)) : std::string();
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

std::string names(std::initializer_list<std::uint32_t> points)
{
    std::string out;
    for (std::uint32_t p : points)
        out += " " + g_pro_points[p].name;
    return out;
}

// The three points of the circle whose centre the reader made;
// empty for any other centre.
std::string circle_points(std::uint32_t centre)
{
    const Pro_point& o = g_pro_points[centre];
    return o.kind == cons_kind::kReaderCentre ? names({o.pots[0], o.pots[1], o.pots[2]}) : std::string();
}

// The line the reader rewrote into a perpendicular, line-circle or
// circle-circle record for some methods, as the statement wrote it;
// empty for other records.
std::string rewritten_line(const Pro_point& r)
{
    const auto& p = r.pots;
    if (r.kind == cons_kind::kReaderOnTline && !r.generated && g_pro_points[p[0]].generated &&
        g_pro_points[p[0]].kind == cons_kind::kReaderMidpoint)
        return keyword_of(cons_kind::kOnBline) + " " + r.name + names({p[1], p[2]});  // through the midpoint of AB
    if (r.kind == cons_kind::kReaderLineCircle) {
        const Pro_point& t = g_pro_points[p[1]];
        if (t.generated && t.kind == cons_kind::kReaderOnTline)
            return keyword_of(cons_kind::kInterTlineCircle) + " " + r.name +
                   names({t.pots[0], t.pots[1], t.pots[2], p[2], p[3]});
        if (const std::string circle = circle_points(p[2]); !circle.empty())
            return keyword_of(cons_kind::kInterLineCircle3) + " " + r.name + names({p[0], p[1]}) + circle;
        return keyword_of(cons_kind::kInterLineCircle) + " " + r.name + names({p[0], p[1], p[2], p[3]});
    }
    if (r.kind == cons_kind::kReaderCircleCircle) {
        const std::string c1 = circle_points(p[0]), c2 = circle_points(p[2]);
        if (!c1.empty() && !c2.empty())
            return keyword_of(cons_kind::kInterCircle3Circle3) + " " + r.name + c1 + c2;
        return keyword_of(cons_kind::kInterCircleCircle) + " " + r.name + names({p[0], p[1], p[2], p[3]});
    }
    return {};
}

}  // namespace

std::string record_line(int i)
{
    if (std::string line = rewritten_line(g_pro_points[static_cast<std::size_t>(i)]); !line.empty())
        return line + ";\r\n";
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
