// Non-degeneracy conditions (mode 4): what a construction needs to be well
// defined. They are printed only; no method tests them.

#include "statement/nondegenerate.h"

#include "prover/prover_strings.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

namespace {

std::string_view nm(int p) { return pt_name(p); }

std::string not_collinear(int a, int b, int c)
{
    return fill("%s %s, %s, %s %s.\r\n",
                {stm_string(sid::kPoints), nm(a), nm(b), nm(c), stm_string(sid::kNotCollinear)});
}

}  // namespace

std::string nd_neq(int a, int b)
{
    return fill("%s %s %s.\r\n", {nm(a), stm_string(sid::kNotEqualSign), nm(b)});
}

std::string nd_npara(int a, int b, int c, int d)
{
    if (nm(a) == nm(c))
        return not_collinear(a, b, d);
    if (nm(a) == nm(d))
        return not_collinear(a, b, c);
    if (nm(b) == nm(c))
        return not_collinear(a, b, d);
    if (nm(b) == nm(d))
        return not_collinear(a, b, c);
    return fill("%s %s%s %s %s%s.\r\n",
                {stm_string(sid::kLine), nm(a), nm(b), stm_string(sid::kNotParallel), nm(c), nm(d)});
}

std::string nd_nperp(int a, int b, int c, int d)
{
    if ((nm(a) == nm(c) && nm(b) == nm(d)) || (nm(a) == nm(d) && nm(b) == nm(c)))
        return fill("%s  #  %s.\r\n", {nm(a), nm(b)});
    return fill("%s %s%s %s %s%s.\r\n",
                {stm_string(sid::kLine), nm(a), nm(b), stm_string(sid::kNotPerpendicular), nm(c), nm(d)});
}

std::string nondegenerate_text(int no)
{
    using cons::arg;
    if (cons::record(no).hyp_predicate)
        return "";
    const int A = arg(no, 1), B = arg(no, 2), C = arg(no, 3), D = arg(no, 4), E = arg(no, 5), F = arg(no, 6);
    switch (cons::kind_of(no)) {
    case cons_kind::kFoot: return nd_neq(B, C);
    case cons_kind::kCircumcenter: return not_collinear(C, A, B);
    case cons_kind::kOrthocenter: return nd_npara(B, C, A, C);
    case cons_kind::kIncenterVertex: return nd_nperp(C, A, C, B);
    case cons_kind::kEquilateralVertex: return nd_neq(A, B);
    case cons_kind::kOnLine: return nd_neq(A, B);
    case cons_kind::kOnPline: case cons_kind::kOnTline: return nd_neq(B, C);
    case cons_kind::kOnCircle: return nd_neq(A, B);
    case cons_kind::kOnAline: return nd_neq(A, B) + nd_neq(C, D) + nd_neq(E, D);
    case cons_kind::kOnRcircle: return nd_neq(B, C);
    case cons_kind::kInterLineLine: return nd_npara(A, B, C, D);
    case cons_kind::kInterLinePline: return nd_npara(A, B, D, E);
    case cons_kind::kInterLineTline: return nd_nperp(A, B, D, E);
    case cons_kind::kInterPlinePline: case cons_kind::kInterTlineTline: return nd_npara(B, C, E, F);
    // The parallel to BC and the perpendicular to EF meet unless BC is
    // perpendicular to EF.
    case cons_kind::kInterPlineTline: return nd_nperp(B, C, E, F);
    case cons_kind::kInterLineCircle: return fill("Point %s is not equal to %s.\r\n", {nm(A), nm(B)});
    // The line through A parallel (perpendicular) to BC needs B and C apart.
    case cons_kind::kInterPlineCircle: case cons_kind::kInterTlineCircle: return nd_neq(B, C);
    case cons_kind::kInterLineRcircle: return nd_neq(B, A) + nd_neq(D, E);
    case cons_kind::kReflection: return nd_neq(no, A) + nd_neq(B, C);
    case cons_kind::kPositiveSquare: case cons_kind::kNegativeSquare: return nd_neq(A, B);
    case cons_kind::kPratio: return fill("%s # %s.\r\n", {nm(B), nm(C)});
    default: return "";
    }
}
