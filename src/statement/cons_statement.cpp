// Statement syntax of a construction record (mode 6): the line that the
// statement reader reads back into the same record.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/prover_strings.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

namespace cons {

namespace {

// The incenter of a triangle (made from a drawing) is refused by every
// method; its line must not read back as kIncenterVertex, which the reader
// makes from "INCENTER".
constexpr std::string_view kIncenterOfTriangle = "INCENTER_OF";

struct StatementForm {
    int kind;
    int keyword;              // string id; 0 for a literal keyword below
    std::string_view format;  // keyword, the record's point, then its arguments
};

constexpr StatementForm kForms[] = {
    {cons_kind::kFreePoint, 2110, "%s %s"},
    {cons_kind::kFoot, 2137, "%s %s %s %s %s"},
    {cons_kind::kMidpoint, 2113, "%s %s %s %s"},
    {cons_kind::kCentroid, 2126, "%s  %s %s %s %s"},
    {cons_kind::kCircumcenter, 2128, "%s %s  %s %s %s"},
    {cons_kind::kOrthocenter, 2127, "%s  %s  %s %s %s"},
    {cons_kind::kIncenterVertex, 2129, "%s %s  %s %s %s"},
    {cons_kind::kIncenter, 0, "%s %s  %s %s %s"},
    {cons_kind::kEquilateralVertex, 2135, "%s %s %s %s"},
    {cons_kind::kOnLine, 2119, "%s %s %s %s"},
    {cons_kind::kOnPline, 2122, "%s %s %s %s %s"},
    {cons_kind::kOnTline, 2121, "%s %s %s %s %s"},
    {cons_kind::kOnCircle, 2123, "%s %s %s %s"},
    {cons_kind::kOnAline, 2124, "%s %s %s %s %s %s %s"},
    {cons_kind::kOnRcircle, 2125, "%s %s %s %s %s"},
    {cons_kind::kInterLineLine, 2146, "%s %s %s %s %s %s"},
    {cons_kind::kInterLinePline, 2147, "%s %s  %s %s  %s %s %s"},
    {cons_kind::kInterLineTline, 2148, "%s %s  %s %s  %s %s %s"},
    {cons_kind::kInterPlinePline, 2149, "%s %s  %s %s %s  %s %s %s"},
    {cons_kind::kInterPlineTline, 2150, "%s %s  %s %s %s  %s %s %s"},
    {cons_kind::kInterTlineTline, 2151, "%s %s %s %s %s %s %s %s"},
    {cons_kind::kInterLineCircle, 2152, "%s %s  %s %s  %s %s"},
    {cons_kind::kInterPlineCircle, 2153, "%s %s  %s %s %s  %s %s"},
    {cons_kind::kInterTlineCircle, 2154, "%s %s  %s %s %s  %s %s"},
    {cons_kind::kInterCircleCircle, 2155, "%s %s  %s %s  %s %s"},
    {cons_kind::kInterLineRcircle, 2156, "%s %s  %s %s  %s %s %s"},
    {cons_kind::kInterCircleRcircle, 2157, "%s %s  %s %s  %s %s %s"},
    {cons_kind::kInterRcircleRcircle, 2158, "%s %s  %s %s %s  %s %s %s"},
    {cons_kind::kSymmetricPoint, 2114, "%s %s %s %s"},
    {cons_kind::kReflection, 2138, "%s %s %s %s %s"},
    {cons_kind::kInversion, 2131, "%s %s %s %s %s"},
    {cons_kind::kPositiveSquare, 2133, "%s %s %s %s"},
    {cons_kind::kNegativeSquare, 2134, "%s %s %s %s"},
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

// The head and the two values of a ratio record, printed as polynomials.
std::string ratio_text(int no)
{
    const auto& r = record(no);
    return ratio_head(no) + ' ' + poly_or_empty(r.ps[0], kind_of(no) == cons_kind::kLratio ? 0 : 1) + " " +
           poly_or_empty(r.ps[1], 1);
}

std::string rotation_head(int no)
{
    const auto& r = record(no);
    return fill("NROTATE %s %s %s %s ", {r.name, pt_name(arg(no, 1)), pt_name(arg(no, 2)), r.rot});
}

}  // namespace

std::string ratio_head(int no)
{
    const int kind = kind_of(no);
    return std::string(word(cons_keyword_of_kind(kind)->string_id)) + ' ' + record(no).name +
           arg_names(no, kind == cons_kind::kPratio ? 3 : 2);
}

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
            if (kind_of(p) == cons_kind::kCircleDefining || kind_of(p) == cons_kind::kCirclePoint)
                out += " " + pt_name(p);
        for (int p : f.pts)
            if (kind_of(p) == cons_kind::kCircleFurther)
                out += " " + pt_name(p);
        return out + ";\r\n";
    }
    return "";
}

std::string rewritten_line(int no)
{
    const Pro_point& r = record(no);
    switch (kind_of(no)) {
    case cons_kind::kReaderOnTline:  // ON_BLINE, not the foot INTERSECTION_TC makes
    case cons_kind::kReaderLineCircle:
    case cons_kind::kReaderCircleCircle:
        return r.generated ? std::string() : r.written;
    default:
        return {};
    }
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
    case cons_kind::kOnHline:
        return line(no, "ON_HLINE %s %s", {kX, -1}) + ";\r\n";
    case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio:
        return ratio_text(no) + ";\r\n";
    case cons_kind::kConstant:
        return std::string(word(sid::kConstant)) + " " + poly_or_empty(r.ps[0], 0) + ";\r\n";
    case cons_kind::kNrotate:
        return rotation_head(no) + ";\r\n";
    case cons_kind::kCircleDefining: case cons_kind::kCirclePoint: case cons_kind::kCircleFurther:
    case cons_kind::kReaderCentre: {
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
    case cons_kind::kOnHline: return line(no, "HORI %s %s", {kX, A}) + ".\r\n";
    case cons_kind::kFoot: return one("%s  %s %s %s", COLL, {kX, B, C}) + one("%s  %s %s %s %s", PERP, {kX, A, B, C});
    case cons_kind::kMidpoint: return one("%s %s %s %s", 2113, {kX, A, B});
    case cons_kind::kCentroid: return one("%s  %s %s %s %s", 2126, {kX, A, B, C});
    case cons_kind::kCircumcenter:
        return one("%s %s %s %s %s", CONG, {kX, A, kX, B}) + one("%s %s %s %s %s", CONG, {kX, A, kX, C});
    case cons_kind::kOrthocenter:
        return one("%s %s %s %s %s", PERP, {kX, A, B, C}) + one("%s %s %s %s %s", PERP, {kX, B, A, C});
    case cons_kind::kIncenterVertex:
        return one("%s %s %s %s %s %s %s", ACONG, {kX, A, C, C, A, B}) +
               one("%s %s %s %s %s %s %s", ACONG, {kX, B, C, C, B, A});
    case cons_kind::kEquilateralVertex: return one("%s %s %s %s", 2135, {kX, A, B});
    case cons_kind::kOnLine: return one("%s %s %s %s", COLL, {kX, A, B});
    case cons_kind::kOnPline: return one("%s %s %s %s %s", PARA, {kX, A, B, C});
    case cons_kind::kOnTline: return one("%s %s %s %s %s", PERP, {kX, A, B, C});
    case cons_kind::kOnCircle: return one("%s %s %s %s %s", CONG, {kX, A, B, A});
    case cons_kind::kOnAline: return one("%s %s %s %s %s %s %s", ACONG, {kX, A, B, C, D, E});
    case cons_kind::kOnRcircle: return one("%s %s %s %s %s", CONG, {kX, A, B, C});
    case cons_kind::kInterLineLine: return one("%s %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s", COLL, {kX, C, D});
    case cons_kind::kInterLinePline:
        return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", PARA, {kX, C, D, E});
    case cons_kind::kInterLineTline:
        return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", PERP, {kX, C, D, E});
    case cons_kind::kInterPlinePline:
        return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", PARA, {kX, D, E, F});
    case cons_kind::kInterPlineTline:
        return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", PERP, {kX, D, E, F});
    case cons_kind::kInterTlineTline:
        return one("%s  %s %s %s %s", PERP, {kX, A, B, C}) + one("%s  %s %s %s %s", PERP, {kX, D, E, F});
    case cons_kind::kInterLineCircle:
        return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", CONG, {kX, C, D, C});
    case cons_kind::kInterPlineCircle:
        return one("%s  %s %s %s %s", PARA, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, D});
    case cons_kind::kInterTlineCircle:
        return one("%s %s %s %s %s", PERP, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, D});
    case cons_kind::kInterCircleCircle:
        return one("%s  %s %s %s %s", CONG, {kX, A, B, A}) + one("%s  %s %s %s %s", CONG, {kX, C, D, C});
    case cons_kind::kInterLineRcircle:
        return one("%s  %s %s %s", COLL, {kX, A, B}) + one("%s  %s %s %s %s", CONG, {kX, C, D, E});
    case cons_kind::kInterCircleRcircle:
        return one("%s  %s %s %s %s", CONG, {kX, A, B, A}) + one("%s  %s %s %s %s", CONG, {kX, C, D, E});
    case cons_kind::kInterRcircleRcircle:
        return one("%s  %s %s %s %s", CONG, {kX, A, B, C}) + one("%s  %s %s %s %s", CONG, {kX, D, E, F});
    case cons_kind::kSymmetricPoint: return one("%s %s %s %s", 2114, {kX, A, B});
    case cons_kind::kReflection:
        return one("%s %s %s %s %s", CONG, {kX, B, A, B}) + one("%s %s %s %s %s", CONG, {kX, C, A, C});
    case cons_kind::kInversion: return one("%s %s %s %s %s", 2131, {kX, A, B, C});
    case cons_kind::kPositiveSquare: return one("%s %s %s %s", 2133, {kX, A, B});
    case cons_kind::kNegativeSquare: return one("%s %s %s %s", 2134, {kX, A, B});
    default: return "";
    }
}

// The keyword form of a hypothesis predicate, like that of a conclusion.
std::string predicate_record_keyword_line(int no)
{
    static constexpr std::pair<int, int> kKeyword[] = {
        {cons_kind::kHypCollinear, sid::kColl},      {cons_kind::kHypParallel, sid::kPara},
        {cons_kind::kHypPerpendicular, sid::kPerp},  {cons_kind::kHypEqDistance, sid::kCong},
        {cons_kind::kHypEqAngle, sid::kAcong},       {cons_kind::kHypCocircle, sid::kCocircle},
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
    case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio:
        return ratio_text(no) + ".\r\n";
    case cons_kind::kConstant:
        return std::string(word(sid::kConstant)) + " " + poly_or_empty(r.ps[0], 0) + " = 0\r\n";
    case cons_kind::kNrotate:
        return rotation_head(no) + ".\r\n";
    default:
        return predicate_lines(no);
    }
}
