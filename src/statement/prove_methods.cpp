// The proving methods' entry points and what each of them can interpret.

#include <map>
#include <string>

#include "statement/cons_internal.h"
#include "statement/keywords.h"
#include "statement/prove.h"
#include "statement/prover.h"
#include "statement/semantics.h"

void register_default_methods();  // prover_wiring.cpp

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

// Constructions whose meaning the database method states as facts (kinds 1,
// 44 and 52 through the facts the reader enters), and free points.
bool gdd_interprets(const Pro_point& r)
{
    if (r.hyp_predicate)
        return true;
    switch (r.kind) {
    case 1: case 44: case 52: case 101:
    case 102: case 103: case 105: case 106: case 107: case 109:
    case 132: case 133:
        return true;
    default:
        return r.kind >= 110 && r.kind <= 130;
    }
}

// Constructions with coordinate equations (free points and the defining
// points of a CIRCLE line need none). The reader's records for CIRCLE lines
// (centre 62, further points 14) and for rewritten constructions (2, 12, 40,
// 50) take the equations of the constructions they stand for; HARMONIC and
// SIM_TRIANGLE have none.
bool algebra_interprets(const Pro_point& r)
{
    if (r.hyp_predicate)
        return true;
    switch (r.kind) {
    case 0: case 2: case 11: case 12: case 14: case 40: case 50: case 62:
    case 99: case 101: case 197: case 198: case 199: case 357: case 470:
        return true;
    default:
        return r.kind >= 102 && r.kind <= 133 && r.kind != 108;
    }
}

// The record's statement line, or its name and kind where the kind has none.
std::string record_line(int i)
{
    if (std::string circle = cons::circle_line_of(i); !circle.empty())
        return circle;
    const std::string line = cons_statement_text(i);
    if (line != " ;\r\n")
        return line;
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
    return fmt("%s (kind %d);\r\n", r.name.c_str(), static_cast<int>(r.kind));
}

// Conclusions the database can hold (or none: the database is only built).
bool gdd_tests(int kind)
{
    return (kind >= 148 && kind <= 155) || kind == 236 || kind == 237 || kind == 0 || kind == kConclNone;
}

}  // namespace

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
    bool (*interprets)(const Pro_point&) = nullptr;
    if (method == kMethodDatabase) {
        if (!gdd_tests(g_concl.type))
            return "\r\n" + name + " cannot prove the conclusion\r\n" + concl_statement_text();
        interprets = gdd_interprets;
    } else if (method == kMethodWu || method == kMethodGroebner) {
        interprets = algebra_interprets;
    } else {
        return "";
    }
    for (int i = 1; i <= g_npoints; ++i) {
        if (!interprets(g_pro_points[static_cast<std::size_t>(i)]))
            return "\r\n" + name + " cannot use the hypothesis\r\n" + record_line(i);
    }
    return "";
}
