// Drawing instructions of a construction record (mode 9): one line telling
// how to draw the point, as "Explain Current Statement" shows them.

#include <string>

#include "prover/poly.h"
#include "prover/prover_strings.h"
#include "statement/cons_internal.h"
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
    out += line(no, kind_of(no) == cons_kind::kLratio ? "L%s%s;" : "M%s%s;", {sid::kRatioPoint, kX});
    return out + "\r\n";
}

// A hypothesis predicate in words, like the conclusion's sentence form.
std::string predicate_sentence(int no)
{
    switch (kind_of(no)) {
    case cons_kind::kHypCollinear: return line(no, "%s, %s, %s%s;\r\n", {A, B, C, sid::kColl});
    case cons_kind::kHypParallel: return line(no, "%s%s%s%s%s;\r\n", {A, B, sid::kParallelTo, C, D});
    case cons_kind::kHypPerpendicular: return line(no, "%s%s%s%s%s;\r\n", {A, B, sid::kPerpendicularTo, C, D});
    case cons_kind::kHypEqDistance: return line(no, "%s%s = %s%s;\r\n", {A, B, C, D});
    case cons_kind::kHypEqAngle:
        return line(no, "%s%s%s%s = %s%s%s%s;\r\n", {sid::kAngleSign, A, B, C, sid::kAngleSign, D, E, F});
    case cons_kind::kHypCocircle: return line(no, "%s, %s, %s, %s%s;\r\n", {A, B, C, D, sid::kCocircle});
    default: return "";
    }
}

}  // namespace

std::string cons_drawing_text(int no)
{
    if (record(no).hyp_predicate)
        return predicate_sentence(no);
    switch (kind_of(no)) {
    case cons_kind::kOnHline: return line(no, "%sL%s%s%s%s%s;\r\n", {Draw, Line, A, B, E2450, kX});
    case cons_kind::kFreePoint: return line(no, "%s%s;\r\n", {sid::kFreePoint, kX});
    case cons_kind::kFoot: return line(no, "%s%s%s%s%s%s%s%s;\r\n", {DrawPoint, A, To, LineWord, B, C, Foot, kX});
    case cons_kind::kMidpoint: return line(no, "%s%s%s%s%s;\r\n", {Draw, A, B, E2448, kX});
    case cons_kind::kCentroid:
        return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kCentroidWord, kX});
    case cons_kind::kCircumcenter:
        return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kCircumcenterWord, kX});
    case cons_kind::kOrthocenter:
        return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kOrthocenterWord, kX});
    case cons_kind::kIncenter:
        return line(no, "%s%s%s%s%s%s%s;\r\n", {Draw, sid::kTriangle, A, B, C, sid::kIncenterWord, kX});
    case cons_kind::kIncenterVertex:
        return line(no, "%s%s%s%s%s%s%s%s%s;\r\n",
                    {Draw, kX, sid::kEmpty2465, C, sid::kIs, A, B, kX, sid::kIncenterWord});
    case cons_kind::kEquilateralVertex:
        return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kPosEqTriangleWord, kX});
    case cons_kind::kOnLine: return line(no, "%sL%s%s%s%s%s;\r\n", {Draw, Line, A, B, E2450, kX});
    case cons_kind::kOnPline: return line(no, "%sP%s%s%s%s%s%s;\r\n", {Draw, Line, A, B, C, E2450, kX});
    case cons_kind::kOnTline: return line(no, "%sT%s%s%s%s%s%s;\r\n", {Draw, Line, A, B, C, E2450, kX});
    case cons_kind::kOnCircle: return line(no, "%sP%s%s%s%s%s;\r\n", {Draw, Circle, A, B, E2450, kX});
    case cons_kind::kOnAline: return line(no, "%sA%s(%s%s%s%s%s)%s%s;\r\n", {Draw, Line, A, B, C, D, E, E2450, kX});
    case cons_kind::kOnRcircle: return line(no, "%sR%s%s%s%s%s%s;\r\n", {Draw, Circle, A, B, C, E2450, kX});
    case cons_kind::kInterLineLine:
        return line(no, "%s%s%s%s%s%s%s%s%s%s;\r\n", {Draw, LineWord, A, B, And, LineWord, C, D, Inter, kX});
    case cons_kind::kInterLinePline:
        return line(no, "%sL%s(%s%s)%sP%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Line, C, D, E, Inter, kX});
    case cons_kind::kInterLineTline:
        return line(no, "%sL%s(%s%s)%sT%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Line, C, D, E, Inter, kX});
    case cons_kind::kInterPlinePline:
        return line(no, "%sP%s(%s%s%s)%sP%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case cons_kind::kInterPlineTline:
        return line(no, "%sP%s(%s%s%s)%sT%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case cons_kind::kInterTlineTline:
        return line(no, "%sT%s(%s%s%s)%sT%s(%s%s%s)%s%s;\r\n",
                    {Draw, Line, A, B, C, And, Line, D, E, F, Inter, kX});
    case cons_kind::kInterLineCircle:
        return line(no, "%sL%s(%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Circle, C, D, Inter, kX});
    case cons_kind::kInterPlineCircle:
        return line(no, "%sP%s(%s%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, C, And, Circle, D, E, Inter, kX});
    case cons_kind::kInterTlineCircle:
        return line(no, "%sT%s(%s%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Line, A, B, C, And, Circle, D, E, Inter, kX});
    case cons_kind::kInterCircleCircle:
        return line(no, "%sP%s(%s%s)%sP%s(%s%s)%s%s;\r\n", {Draw, Circle, A, B, And, Circle, C, D, Inter, kX});
    case cons_kind::kInterLineRcircle:
        return line(no, "%sL%s(%s%s)%sR%s(%s%s%s)%s%s;\r\n", {Draw, Line, A, B, And, Circle, C, D, E, Inter, kX});
    case cons_kind::kInterCircleRcircle:
        return line(no, "%sP%s(%s%s)%sR%s(%s%s%s)%s%s;\r\n",
                    {Draw, Circle, A, B, And, Circle, C, D, E, Inter, kX});
    case cons_kind::kInterRcircleRcircle:
        return line(no, "%sR%s(%s%s%s)%sR%s(%s%s%s)%s%s;\r\n",
                    {Draw, Circle, A, B, C, And, Circle, D, E, F, Inter, kX});
    case cons_kind::kSymmetricPoint: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, A, With, B, sid::kSymmetric, kX});
    case cons_kind::kReflection:
        return line(no, "%s%s%s%s%s%s%s%s;\r\n", {DrawPoint, A, With, LineWord, B, C, sid::kReflectionWord, kX});
    // The point's own name closes the line, as for every other kind.
    case cons_kind::kInversion:
        return line(no, "%s%s%s%s%s%s%s%s;\r\n", {Draw, A, With, Circle, B, C, sid::kInversionWord, kX});
    case cons_kind::kPositiveSquare: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kPosSquareWord, kX});
    case cons_kind::kNegativeSquare: return line(no, "%s%s%s%s%s%s;\r\n", {Draw, E2462, A, B, sid::kNegSquareWord, kX});
    case cons_kind::kLratio: case cons_kind::kMratio:
        return ratio_instructions(no);
    case cons_kind::kConstant:
        return "";
    case cons_kind::kNrotate:
        return line(no, "NROTATE %s %s %s()", {kX, A, B}) + "\r\n";
    default:
        // No instructions: the blank the line buffer starts with.
        return " ";
    }
}
