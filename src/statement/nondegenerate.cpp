// Non-degeneracy conditions (mode 4): what a construction needs to be well
// defined. They are printed only; no method tests them.

#include "statement/nondegenerate.h"

#include "statement/cons_internal.h"
#include "statement/prover_strings.h"
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
    case 102: return nd_neq(B, C);
    case 105: return not_collinear(C, A, B);
    case 106: return nd_npara(B, C, A, C);
    case 107: return nd_nperp(C, A, C, B);
    case 109: return nd_neq(A, B);
    case 110: return nd_neq(A, B);
    case 111: case 112: return nd_neq(B, C);
    case 113: return nd_neq(A, B);
    case 114: return nd_neq(A, B) + nd_neq(C, D) + nd_neq(E, D);
    case 115: return nd_neq(B, C);
    case 116: return nd_npara(A, B, C, D);
    case 117: return nd_npara(A, B, D, E);
    case 118: return nd_nperp(A, B, D, E);
    case 119: case 121: return nd_npara(B, C, E, F);
    // The parallel to BC and the perpendicular to EF meet unless BC is
    // perpendicular to EF.
    case 120: return nd_nperp(B, C, E, F);
    case 122: return fill("Point %s is not equal to %s.\r\n", {nm(A), nm(B)});
    // The line through A parallel (perpendicular) to BC needs B and C apart.
    case 123: case 124: return nd_neq(B, C);
    case 126: return nd_neq(B, A) + nd_neq(D, E);
    case 130: return nd_neq(no, A) + nd_neq(B, C);
    case 132: case 133: return nd_neq(A, B);
    case 199: return fill("%s # %s.\r\n", {nm(B), nm(C)});
    default: return "";
    }
}
