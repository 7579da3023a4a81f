// Drawing instructions of a construction record (mode 9): one line telling
// how to draw the point, as "Explain Current Statement" shows them.

#include <string>

#include "algebra/poly.h"
#include "statement/cons_internal.h"
#include "statement/prover_strings.h"
#include "statement/semantics.h"

using namespace cons;

namespace {

constexpr int A = -1, B = -2, C = -3, D = -4, E = -5, F = -6;
constexpr int Draw = sid::kDraw, DrawPoint = sid::kDrawPoint, And = sid::kAnd, To = sid::kTo;
constexpr int Inter = sid::kIntersection, Foot = sid::kFoot, Line = sid::kLineLetterWord;
constexpr int LineWord = sid::kLineWord, Circle = sid::kCircleWord, With = sid::kWith;
constexpr int E2448 = sid::kEmpty2448, E2450 = sid::kEmpty2450, E2462 = sid::kEmpty2462;

std::string ratio_instructions(int no)
{
    const auto& r = record(no);
    std::string out = line(no, "%s%s%s%s(", {Draw, A, B, sid::kEmpty2464});
    out += r.ps[0] ? poly_text(r.ps[0], 0) : std::string();
    out += "/";
    out += r.ps[1] ? poly_text(r.ps[1], 0) : std::string();
    out += ")";
    out += line(no, kind_of(no) == 197 ? "L%s%s;" : "M%s%s;", {sid::kRatioPoint, kX});
    return out + "\r\n";
}

// A hypothesis predicate in words, like the conclusion's sentence form.
std::string predicate_sentence(int no)
{
    switch (kind_of(no)) {
    case 110: return line(no, "%s, %s, %s%s;\r\n", {A, B, C, sid::kColl});
    case 111: return line(no, "%s%s%s%s%s;\r\n", {A, B, sid::kParallelTo, C, D});
    case 112: return line(no, "%s%s%s%s%s;\r\n", {A, B, sid::kPerpendicularTo, C, D});
    case 113: return line(no, "%s%s = %s%s;\r\n", {A, B, C, D});
    case 115: return line(no, "%s%s%s%s = %s%s%s%s;\r\n", {sid::kAngleSign, A, B, C, sid::kAngleSign, D, E, F});
    case 117: return line(no, "%s, %s, %s, %s%s;\r\n", {A, B, C, D, 2175});
    default: return "";
    }
}

}  // namespace

std::string cons_drawing_text(int no)
{
    if (record(no).hyp_predicate)
        return predicate_sentence(no);
    switch (kind_of(no)) {
    case 99: return line(no, "%sL%s%s%s%s%s;\r\n", {Draw, Line, A, B, E2450, kX});
    case 101: return line(no, "%s%s;\r\n", {sid::kFreePoint, kX});
    case 102: return line(no, "%s%s%s%s%s%s%s%s;\r\n", {DrawPoint, A, To, LineWord, B, C, Foot, kX});
    case 103: return line(no, "%s%s%s%s%s;\r\n", {Draw, A, B, E2448, kX});
    case 104: return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kCentroidWord, kX});
    case 105: return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kCircumcenterWord, kX});
    case 106: return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kOrthocenterWord, kX});
    case 108: return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kIncenterWord, kX});
    case 107:
        return line(no, "%s%s%s%s%s%s%s%s%s;\r\n",
                    {Draw, kX, sid::kEmpty2465, C, sid::kIs, A, B, kX, sid::kIncenterWord});
    case 109: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kPosEqTriangleWord, kX});
    case 110: return line(no, "%sL%s%s%s%s%s;\r\n", {Draw, Line, A, B, E2450, kX});
    case 111: return line(no, "%sP%s%s%s%s%s%s;\r\n", {Draw, Line, A, B, C, E2450, kX});
    case 112: return line(no, "%sT%s%s%s%s%s%s;\r\n", {Draw, Line, A, B, C, E2450, kX});
    case 113: return line(no, "%sP%s%s%s%s%s;\r\n", {Draw, Circle, A, B, E2450, kX});
    case 114: return line(no, "%sA%s(%s%s%s%s%s)%s%s;\r\n", {Draw, Line, A, B, C, D, E, E2450, kX});
    case 115: return line(no, "%sR%s%s%s%s%s%s;\r\n", {Draw, Circle, A, B, C, E2450, kX});
    case 116:
        return line(no, "%s%s%s%s%s%s%s%s%s%s;\r\n", {Draw, LineWord, A, B, And, LineWord, C, D, Inter, kX});
    case 117:
        return line(no, "%sL%s(%s%s)%sP%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Line, C, D, E, Inter, kX});
    case 118:
        return line(no, "%sL%s(%s%s)%sT%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Line, C, D, E, Inter, kX});
    case 119:
        return line(no, "%sP%s(%s%s%s)%sP%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case 120:
        return line(no, "%sP%s(%s%s%s)%sT%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case 121:
        return line(no, "%sT%s(%s%s%s)%sT%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case 122:
        return line(no, "%sL%s(%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Circle, C, D, Inter, kX});
    case 123:
        return line(no, "%sP%s(%s%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, C, And, Circle, D, E, Inter, kX});
    case 124:
        return line(no, "%sT%s(%s%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, C, And, Circle, D, E, Inter, kX});
    case 125:
        return line(no, "%sP%s(%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Circle, A, B, And, Circle, C, D, Inter, kX});
    case 126:
        return line(no, "%sL%s(%s%s)%sR%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Circle, C, D, E, Inter, kX});
    case 127:
        return line(no, "%sP%s(%s%s)%sR%s(%s%s%s)%s%s;\r\n",
                    {Draw, Circle, A, B, And, Circle, C, D, E, Inter, kX});
    case 128:
        return line(no, "%sR%s(%s%s%s)%sR%s(%s%s%s)%s%s;\r\n",
                    {Draw, Circle, A, B, C, And, Circle, D, E, F, Inter, kX});
    case 129: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, A, With, B, sid::kSymmetric, kX});
    case 130: return line(no, "%s%s%s%s%s%s%s%s;\r\n", {DrawPoint, A, With, LineWord, B, C, sid::kReflectionWord, kX});
    // The point's own name closes the line, as for every other kind.
    case 131: return line(no, "%s%s%s%s%s%s%s%s;\r\n", {Draw, A, With, Circle, B, C, sid::kInversionWord, kX});
    case 132: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kPosSquareWord, kX});
    case 133: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kNegSquareWord, kX});
    case 197: case 198:
        return ratio_instructions(no);
    case 357:
        return "";
    case 470:
        return line(no, "NROTATE %s %s %s()", {kX, A, B}) + "\r\n";
    default:
        // No instructions: the blank the line buffer starts with.
        return " ";
    }
}
