// The algebraic form of a construction: its predicate lines, each followed by
// its coordinate polynomials.

#include <string>
#include <vector>

#include "algebra/coords.h"
#include "algebra/poly.h"
#include "statement/cons_equations.h"
#include "statement/cons_internal.h"
#include "statement/prover_strings.h"
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
    case 11: return &kX2;
    case 99: return &kX4;
    case 102: case 117: case 118: case 122: case 126: return &kLine5;
    case 116: return &kLine5Coll;
    case 103: return &kJoined2;
    case 104: return &kBoth2;
    case 105: case 106: case 107: case 108: return &kTwoLines;
    case 109: return &kJoined1;
    case 110: return &kOnLine;
    case 111: return &kOnPline;
    case 112: case 113: case 114: case 115: return &kX2;
    case 119: case 120: case 121: case 123: case 124: case 125: case 127: case 128: return &kXY2;
    case 129: case 197: case 198: case 199: case 470: return &kJoined4;
    case 130: return &kLine5;
    case 131: return &kBoth1;
    case 132: case 133: return &kJoined2;
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
    const std::vector<std::string> lines = kind == 108  ? incenter_lines(no)
                                           : kind == 11 ? bisector_lines(no)
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
