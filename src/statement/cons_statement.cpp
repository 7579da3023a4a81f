// Statement syntax of a construction record (mode 6): the line that the
// statement reader reads back into the same record.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "algebra/poly.h"
#include "statement/cons_internal.h"
#include "statement/parse_facts.h"
#include "statement/prover_strings.h"
#include "statement/semantics.h"

namespace cons {

namespace {

// Kind 108 (the incenter of a triangle, made from a drawing) is refused by
// every method; its line must not read back as kind 107, which the reader
// makes from "INCENTER".
constexpr std::string_view kIncenterOfTriangle = "INCENTER_OF";

struct StatementForm {
    int kind;
    int keyword;              // string id; 0 for a literal keyword below
    std::string_view format;  // keyword, the record's point, then its arguments
};

constexpr StatementForm kForms[] = {
    {101, 2110, "%s %s"},
    {102, 2137, "%s %s %s %s %s"},
    {103, 2113, "%s %s %s %s"},
    {104, 2126, "%s  %s %s %s %s"},
    {105, 2128, "%s %s  %s %s %s"},
    {106, 2127, "%s  %s  %s %s %s"},
    {107, 2129, "%s %s  %s %s %s"},
    {108, 0, "%s %s  %s %s %s"},
    {109, 2135, "%s %s %s %s"},
    {110, 2119, "%s %s %s %s"},
    {111, 2122, "%s %s %s %s %s"},
    {112, 2121, "%s %s %s %s %s"},
    {113, 2123, "%s %s %s %s"},
    {114, 2124, "%s %s %s %s %s %s %s"},
    {115, 2125, "%s %s %s %s %s"},
    {116, 2146, "%s %s %s %s %s %s"},
    {117, 2147, "%s %s  %s %s  %s %s %s"},
    {118, 2148, "%s %s  %s %s  %s %s %s"},
    {119, 2149, "%s %s  %s %s %s  %s %s %s"},
    {120, 2150, "%s %s  %s %s %s  %s %s %s"},
    {121, 2151, "%s %s %s %s %s %s %s %s"},
    {122, 2152, "%s %s  %s %s  %s %s"},
    {123, 2153, "%s %s  %s %s %s  %s %s"},
    {124, 2154, "%s %s  %s %s %s  %s %s"},
    {125, 2155, "%s %s  %s %s  %s %s"},
    {126, 2156, "%s %s  %s %s  %s %s %s"},
    {127, 2157, "%s %s  %s %s  %s %s %s"},
    {128, 2158, "%s %s  %s %s %s  %s %s %s"},
    {129, 2114, "%s %s %s %s"},
    {130, 2138, "%s %s %s %s %s"},
    {131, 2131, "%s %s %s %s %s"},
    {132, 2133, "%s %s %s %s"},
    {133, 2134, "%s %s %s %s"},
};

const StatementForm* form_of(int kind)
{
    for (const auto& f : kForms)
        if (f.kind == kind)
            return &f;
    return nullptr;
}

int places(std::string_view format)
{
    int n = 0;
    for (std::size_t i = 0; (i = format.find("%s", i)) != std::string_view::npos; i += 2)
        ++n;
    return n;
}

std::string poly_or_empty(const xterm* p, int latex) { return p ? poly_text(p, latex) : std::string(); }

// The head and the two values of a ratio record, as the reader takes them.
std::string ratio_text(int no)
{
    const auto& r = record(no);
    const int kind = kind_of(no);
    std::string out(word(cons_keyword_of_kind(kind)->string_id));
    out += ' ';
    out += r.name;
    out += arg_names(no, kind == 199 ? 3 : 2);
    out += ' ';
    out += poly_or_empty(r.ps[0], kind == 197 ? 0 : 1);
    out += " ";
    out += poly_or_empty(r.ps[1], 1);
    return out;
}

std::string rotation_head(int no)
{
    const auto& r = record(no);
    return fill("NROTATE %s %s %s %s ", {r.name, pt_name(arg(no, 1)), pt_name(arg(no, 2)), r.rot});
}

}  // namespace

std::string circle_line_of(int no, bool* first)
{
    for (const auto& f : g_parse_facts) {
        if (f.kind != ParseFact::Kind::Circle || f.pts.empty())
            continue;
        const bool centre = f.p[0] == no;
        if (!centre && std::find(f.pts.begin(), f.pts.end(), no) == f.pts.end())
            continue;
        // The line is written at the circle's first point; its centre, made
        // by the reader for Wu's and the Groebner method, is part of it.
        if (first)
            *first = !centre && f.pts.front() == no;
        std::string out(word(sid::kCircle));
        for (int p : f.pts)
            if (kind_of(p) == 0 || kind_of(p) == 1)
                out += " " + pt_name(p);
        for (int p : f.pts)
            if (kind_of(p) == 14)
                out += " " + pt_name(p);
        return out + ";\r\n";
    }
    return "";
}

std::string predicate_record_line(int no)
{
    const auto form = hyp_predicate_form(kind_of(no));
    return std::string(form.keyword) + arg_names(no, form.points);
}

}  // namespace cons

using namespace cons;

std::string cons_statement_text(int no)
{
    const auto& r = record(no);
    const int kind = kind_of(no);
    if (r.hyp_predicate)
        return predicate_record_line(no) + ";\r\n";
    switch (kind) {
    case 99:
        return line(no, "ON_HLINE %s %s", {kX, -1}) + ";\r\n";
    case 197: case 198: case 199:
        return ratio_text(no) + ";\r\n";
    case 357:
        return std::string(word(sid::kConstant)) + " " + poly_or_empty(r.ps[0], 0) + ";\r\n";
    case 470:
        return rotation_head(no) + ";\r\n";
    case 0: case 1: case 14: case 62: {
        // The points (and the centre) of a CIRCLE line.
        bool first = false;
        const std::string circle = circle_line_of(no, &first);
        if (!circle.empty())
            return first ? circle : "";
        break;
    }
    default:
        break;
    }
    if (const StatementForm* f = form_of(kind)) {
        const std::string_view keyword = f->keyword ? word(f->keyword) : kIncenterOfTriangle;
        std::vector<std::string_view> items{keyword, r.name};
        for (int k = 1; k <= places(f->format) - 2; ++k)
            items.push_back(pt_name(arg(no, k)));
        return fill(f->format, items) + ";\r\n";
    }
    // Kinds the reader makes for the constructions it keeps unrewritten for
    // some methods (ON_BLINE, INTERSECTION_LS, ...) read back as written.
    if (const ConsKeyword* k = cons_keyword_of_kind(kind))
        return std::string(word(k->string_id)) + " " + r.name + arg_names(no, k->parents) + ";\r\n";
    return " ;\r\n";
}

// ---- predicate form (mode 3) ---------------------------------------------------

namespace {

constexpr int A = -1, B = -2, C = -3, D = -4, E = -5, F = -6;

std::string predicate_lines(int no)
{
    auto one = [no](std::string_view format, int keyword, std::initializer_list<int> pts) {
        std::vector<int> args{keyword};
        args.insert(args.end(), pts.begin(), pts.end());
        std::vector<std::string_view> items;
        for (int a : args)
            items.push_back(item(no, a));
        return fill(format, items) + ".\r\n";
    };
    const int COLL = sid::kColl, CONG = sid::kCong, PERP = sid::kPerp, PARA = sid::kPara, ACONG = sid::kAcong;
    switch (kind_of(no)) {
    case 99: return line(no, "HORI %s %s", {kX, A}) + ".\r\n";
    case 102: return one("%s  %s %s %s", COLL, {kX, B, C}) + one("%s  %s %s %s %s", PERP, {kX, A, B, C});
    case 103: return one("%s %s %s %s", 2113, {kX, A, B});
    case 104: return one("%s  %s %s %s %s", 2126, {kX, A, B, C});
    case 105: return one("%s %s %s %s %s", CONG, {kX, A, kX, B}) + one("%s %s %s %s %s", CONG, {kX, A, kX, C});
    case 106: return one("%s %s %s %s %s", PERP, {kX, A, B, C}) + one("%s %s %s %s %s", PERP, {kX, B, A, C});
    case 107:
        return one("%s %s %s %s %s %s %s", ACONG, {kX, A, C, C, A, B}) +
               one("%s %s %s %s %s %s %s", ACONG, {kX, B, C, C, B, A});
    case 109: return one("%s %s %s %s", 2135, {kX, A, B});
    case 110: return one("%s %s %s %s", COLL, {kX, A, B});
    case 111: return one("%s %s %s %s %s", PARA, {kX, A, B, C});
    case 112: return one("%s %s %s %s %s", PERP, {kX, A, B, C});
    case 113: return one("%s %s %s %s %s", CONG, {kX, A, B, A});
    case 114: return one("%s %s %s %s %s %s %s", ACONG, {kX, A, B, C, D, E});
    case 115: return one("%s %s %s %s %s", CONG, {kX, A, B, C});
    case 116: return one("%s %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s", COLL, {kX, C, D});
    case 117: return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", PARA, {kX, C, D, E});
    case 118: return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", PERP, {kX, C, D, E});
    case 119: return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", PARA, {kX, D, E, F});
    case 120: return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", PERP, {kX, D, E, F});
    case 121: return one("%s  %s %s %s %s", PERP, {kX, A, B, C}) + one("%s  %s %s %s %s", PERP, {kX, D, E, F});
    case 122: return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", CONG, {kX, C, D, C});
    case 123: return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, D});
    case 124: return one("%s %s %s %s %s", PERP, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, D});
    case 125: return one("%s  %s %s %s %s", CONG, {kX, A, B, A}) + one("%s  %s %s %s %s", CONG, {kX, C, D, C});
    case 126: return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", CONG, {kX, C, D, E});
    case 127: return one("%s  %s %s %s %s", CONG, {kX, A, B, A}) + one("%s  %s %s %s %s", CONG, {kX, C, D, E});
    case 128: return one("%s  %s %s %s %s", CONG, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, F});
    case 129: return one("%s %s %s %s", 2114, {kX, A, B});
    case 130: return one("%s %s %s %s %s", CONG, {kX, B, A, B}) + one("%s %s %s %s %s", CONG, {kX, C, A, C});
    case 131: return one("%s %s %s %s %s", 2131, {kX, A, B, C});
    case 132: return one("%s %s %s %s", 2133, {kX, A, B});
    case 133: return one("%s %s %s %s", 2134, {kX, A, B});
    default: return "";
    }
}

// The keyword form of a hypothesis predicate, like that of a conclusion.
std::string predicate_record_keyword_line(int no)
{
    static constexpr std::pair<int, int> kKeyword[] = {
        {110, sid::kColl}, {111, sid::kPara}, {112, sid::kPerp},
        {113, sid::kCong}, {115, sid::kAcong}, {117, 2175},
    };
    for (const auto& [kind, id] : kKeyword)
        if (kind == kind_of(no))
            return std::string(word(id)) + arg_names(no, hyp_predicate_form(kind).points) + ".\r\n";
    return "";
}

}  // namespace

std::string cons_predicate_text(int no)
{
    const auto& r = record(no);
    if (r.hyp_predicate)
        return predicate_record_keyword_line(no);
    switch (kind_of(no)) {
    case 197: case 198: case 199:
        return ratio_text(no) + ".\r\n";
    case 357:
        return std::string(word(sid::kConstant)) + " " + poly_or_empty(r.ps[0], 0) + " = 0\r\n";
    case 470:
        return rotation_head(no) + ".\r\n";
    default:
        return predicate_lines(no);
    }
}
