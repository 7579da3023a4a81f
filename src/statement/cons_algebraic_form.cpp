// The algebraic form of a construction: its predicate lines, each followed by
// its coordinate polynomials.

#include <string>
#include <vector>

#include "algebra/coords.h"
#include "prover/poly.h"
#include "prover/prover_strings.h"
#include "statement/cons_equations.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

namespace {

using cons::arg;

// The record's predicate lines as the predicate form prints them, without
// their ".\r\n". Auxiliary records of the reader are shown like the
// constructions whose equations they take.
std::vector<std::string> predicate_lines(int no)
{
    Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    const std::uint32_t own_kind = r.kind;
    if (!r.hyp_predicate)
        r.kind = static_cast<std::uint32_t>(equation_kind(no));
    std::string text;
    try {
        text = cons_predicate_text(no);
    } catch (...) {
        r.kind = own_kind;
        throw;
    }
    r.kind = own_kind;
    std::vector<std::string> lines;
    const std::string end = ".\r\n";
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t stop = text.find(end, start);
        if (stop == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, stop - start));
        start = stop + end.size();
    }
    return lines;
}

enum class Show { X, Y, Joined, Both, XAndGroebnerY };

struct Piece {
    const char* separator;
    Show show;
};

struct Form {
    Piece first;
    Piece second;  // separator null: one line only
};

const Form* form_of(int kind)
{
    static const Form kX4{{":    ", Show::X}, {nullptr, Show::X}};
    static const Form kLine5{{":     ", Show::X}, {":  ", Show::Y}};
    static const Form kLine5Coll{{":     ", Show::X}, {":     ", Show::Y}};
    static const Form kJoined2{{":  ", Show::Joined}, {nullptr, Show::X}};
    static const Form kBoth2{{":  ", Show::Both}, {nullptr, Show::X}};
    static const Form kTwoLines{{":  ", Show::X}, {": ", Show::Y}};
    static const Form kJoined1{{": ", Show::Joined}, {nullptr, Show::X}};
    static const Form kOnLine{{":    ", Show::XAndGroebnerY}, {nullptr, Show::X}};
    static const Form kOnPline{{":  ", Show::XAndGroebnerY}, {nullptr, Show::X}};
    static const Form kX2{{":  ", Show::X}, {nullptr, Show::X}};
    static const Form kXY2{{":  ", Show::X}, {":  ", Show::Y}};
    static const Form kJoined4{{":    ", Show::Joined}, {nullptr, Show::X}};
    static const Form kBoth1{{": ", Show::Both}, {nullptr, Show::X}};
    switch (kind) {
    case cons_kind::kOnBline: return &kX2;
    case cons_kind::kOnHline: return &kX4;
    case cons_kind::kFoot: case cons_kind::kInterLinePline: case cons_kind::kInterLineTline:
    case cons_kind::kInterLineCircle: case cons_kind::kInterLineRcircle:
        return &kLine5;
    case cons_kind::kInterLineLine: return &kLine5Coll;
    case cons_kind::kMidpoint: return &kJoined2;
    case cons_kind::kCentroid: return &kBoth2;
    case cons_kind::kCircumcenter: case cons_kind::kOrthocenter: case cons_kind::kIncenterVertex:
    case cons_kind::kIncenter:
        return &kTwoLines;
    case cons_kind::kEquilateralVertex: return &kJoined1;
    case cons_kind::kOnLine: return &kOnLine;
    case cons_kind::kOnPline: return &kOnPline;
    case cons_kind::kOnTline: case cons_kind::kOnCircle: case cons_kind::kOnAline: case cons_kind::kOnRcircle:
        return &kX2;
    case cons_kind::kInterPlinePline: case cons_kind::kInterPlineTline: case cons_kind::kInterTlineTline:
    case cons_kind::kInterPlineCircle: case cons_kind::kInterTlineCircle: case cons_kind::kInterCircleCircle:
    case cons_kind::kInterCircleRcircle: case cons_kind::kInterRcircleRcircle:
        return &kXY2;
    case cons_kind::kSymmetricPoint: case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio:
    case cons_kind::kNrotate:
        return &kJoined4;
    case cons_kind::kReflection: return &kLine5;
    case cons_kind::kInversion: return &kBoth1;
    case cons_kind::kPositiveSquare: case cons_kind::kNegativeSquare: return &kJoined2;
    default: return nullptr;
    }
}

void show(const Piece& piece, const Coord_pair& pair)
{
    gprint(piece.separator);
    switch (piece.show) {
    case Show::X:
        pprint_eq0(pair.x);
        break;
    case Show::Y:
        pprint_eq0(pair.y);
        break;
    case Show::Joined:
        pprint(pair.x, 0);
        gprint(" = 0, ");
        pprint_eq0(pair.y);
        break;
    case Show::Both:
        pprint_eq0(pair.x);
        pprint_eq0(pair.y);
        break;
    case Show::XAndGroebnerY:
        pprint_eq0(pair.x);
        if (g_method == kMethodGroebner)
            pprint_eq0(pair.y);
        break;
    }
}

// The incentre has no equations; its lines show its empty slots.
std::vector<std::string> incenter_lines(int no)
{
    const std::string X = g_pro_points[static_cast<std::size_t>(no)].name;
    const std::string A = pt_name(arg(no, 1)), B = pt_name(arg(no, 2)), C = pt_name(arg(no, 3));
    const std::string acong(stm_string(sid::kAcong));
    return {fmt("%s %s %s %s %s %s %s", acong.c_str(), X.c_str(), A.c_str(), C.c_str(), C.c_str(), A.c_str(),
                B.c_str()),
            fmt("%s %s %s %s %s %s %s", acong.c_str(), X.c_str(), B.c_str(), C.c_str(), C.c_str(), B.c_str(),
                A.c_str())};
}

// A point on the perpendicular bisector of AB is as far from A as from B.
std::vector<std::string> bisector_lines(int no)
{
    const std::string X = g_pro_points[static_cast<std::size_t>(no)].name;
    const std::string A = pt_name(arg(no, 1)), B = pt_name(arg(no, 2));
    return {fmt("%s %s %s %s %s", std::string(stm_string(sid::kCong)).c_str(), X.c_str(), A.c_str(), X.c_str(),
                B.c_str())};
}

}  // namespace

void print_cons_algebraic(int no)
{
    if (no < 1 || no >= kProPointCount)
        return;
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    const Coord_pair& pair = g_pairs[static_cast<std::size_t>(no)];
    if (r.hyp_predicate) {
        for (const std::string& line : predicate_lines(no)) {
            gprint(line);
            gprint(":  ");
            pprint_eq0(pair.x);
        }
        return;
    }
    const int kind = equation_kind(no);
    const Form* form = form_of(kind);
    if (!form)
        return;  // free points, constants and kinds without equations
    const std::vector<std::string> lines = kind == cons_kind::kIncenter  ? incenter_lines(no)
                                           : kind == cons_kind::kOnBline ? bisector_lines(no)
                                                                         : predicate_lines(no);
    if (lines.empty())
        return;
    gprint(lines[0]);
    show(form->first, pair);
    if (form->second.separator && lines.size() > 1) {
        gprint(lines[1]);
        show(form->second, pair);
    }
}
