#include "prover/keywords.h"

#include <unordered_map>

#include "prover/conclusion_kinds.h"
#include "prover/construction_kinds.h"
#include "prover/prover_strings.h"

namespace {

const std::unordered_map<int, std::string_view>& texts()
{
    static const std::unordered_map<int, std::string_view> table = {
        {1161, "Positive triangle"},
        {2110, "POINT"},
        {2111, "CONSTANT"},
        {2112, "CIRCLE"},
        {2113, "MIDPOINT"},
        {2114, "SYM"},
        {2115, "LRATIO"},
        {2116, "MRATIO"},
        {2117, "PRATIO"},
        {2119, "ON_LINE"},
        {2120, "ON_BLINE"},
        {2121, "ON_TLINE"},
        {2122, "ON_PLINE"},
        {2123, "ON_CIRCLE"},
        {2124, "ON_ALINE"},
        {2126, "CENTROID"},
        {2127, "ORTHOCENTER"},
        {2128, "CIRCUMCENTER"},
        {2129, "INCENTER"},
        {2131, "INVERSION"},
        {2132, "HARMONIC"},
        {2133, "PSQUARE"},
        {2134, "NSQUARE"},
        {2135, "EQ_TRIANGLE"},
        {2136, "SIM_TRIANGLE"},
        {2137, "FOOT"},
        {2138, "REFLECTION"},
        {2146, "INTERSECTION_LL"},
        {2147, "INTERSECTION_LP"},
        {2148, "INTERSECTION_LT"},
        {2149, "INTERSECTION_PP"},
        {2150, "INTERSECTION_PT"},
        {2151, "INTERSECTION_TT"},
        {2152, "INTERSECTION_LC"},
        {2153, "INTERSECTION_PC"},
        {2154, "INTERSECTION_TC"},
        {2155, "INTERSECTION_CC"},
        {2156, "INTERSECTION_LR"},
        {2157, "INTERSECTION_CR"},
        {2158, "INTERSECTION_RR"},
        {2160, "INTERSECTION_LS"},
        {2162, "INTERSECTION_SS"},
        {2170, "COLLINEAR"},
        {2171, "PARALLEL"},
        {2172, "PERPENDICULAR"},
        {2173, "EQDISTANCE"},
        {2174, "EQANGEL"},
        {2175, "COCIRCLE"},
        {2176, "EQ_PRODUCT"},
        {2177, "TANGENT"},
        {2201, "EXAMPLE"},
        {2202, "A statement should begin with word EXAMPLE"},
        {2203, "HYPOTHESES:"},
        {2204, "The second word should be HYPOTHESES:"},
        {2205, "SHOW:"},
        {2208, "is not a proper construction"},
        {2209, "Statement has No conclusion."},
        {2210, " Statement should ends with a \".\""},
        {2211, "NO"},
        {2212, "Expression should end with ; or .\r\n"},
        {2213, "expression should be an equation like  * = *.\n"},
        {2214, "Conclusion is wrong"},
        {3000, "RATIO"},
        {3001, "ANGLE"},
        {3002, "AREA"},
        {3003, "SQ_DIS"},
        {3004, "VEC"},
        {3005, "CROSS_RATIO"},
        {3008, "PY"},
        {3009, "L"},
    };
    return table;
}

// String ids (the keywords' texts above) with the kinds they make.
constexpr ConsKeyword kConsKeywords[] = {
    {2113, cons_kind::kMidpoint, 2},
    {2114, cons_kind::kSymmetricPoint, 2},
    {2115, cons_kind::kLratio, 2},
    {2116, cons_kind::kMratio, 2},
    {2117, cons_kind::kPratio, 3},
    {2119, cons_kind::kOnLine, 2},
    {2120, cons_kind::kOnBline, 2},
    {2121, cons_kind::kOnTline, 3},
    {2122, cons_kind::kOnPline, 3},
    {2123, cons_kind::kOnCircle, 2},
    {2124, cons_kind::kOnAline, 5},
    {2146, cons_kind::kInterLineLine, 4},
    {2137, cons_kind::kFoot, 3},
    {2151, cons_kind::kInterTlineTline, 6},
    {2148, cons_kind::kInterLineTline, 5},
    {2147, cons_kind::kInterLinePline, 5},
    {2149, cons_kind::kInterPlinePline, 6},
    {2150, cons_kind::kInterPlineTline, 6},
    {2152, cons_kind::kInterLineCircle, 4},
    {2153, cons_kind::kInterPlineCircle, 5},
    {2154, cons_kind::kInterTlineCircle, 5},
    {2160, cons_kind::kInterLineCircle3, 5},
    {2156, cons_kind::kInterLineRcircle, 5},
    {2155, cons_kind::kInterCircleCircle, 4},
    {2138, cons_kind::kReflection, 3},
    {2162, cons_kind::kInterCircle3Circle3, 6},
    {2157, cons_kind::kInterCircleRcircle, 5},
    {2158, cons_kind::kInterRcircleRcircle, 6},
    {2126, cons_kind::kCentroid, 3},
    {2127, cons_kind::kOrthocenter, 3},
    {2128, cons_kind::kCircumcenter, 3},
    {2129, cons_kind::kIncenterVertex, 3},
    {2131, cons_kind::kInversion, 3},
    {2132, cons_kind::kHarmonic, 3},
    {2133, cons_kind::kPositiveSquare, 2},
    {2134, cons_kind::kNegativeSquare, 2},
    {2135, cons_kind::kEquilateralVertex, 2},
    {2136, cons_kind::kSimTriangle, 5},
};

constexpr PredKeyword kHypPredicates[] = {
    {2170, cons_kind::kHypCollinear, 3},
    {2171, cons_kind::kHypParallel, 4},
    {2172, cons_kind::kHypPerpendicular, 4},
    {2173, cons_kind::kHypEqDistance, 4},
    {2174, cons_kind::kHypEqAngle, 6},
    {2175, cons_kind::kHypCocircle, 4},
};

constexpr PredKeyword kConclPredicates[] = {
    {2170, concl_kind::kCollinear, 3},
    {2171, concl_kind::kParallel, 4},
    {2172, concl_kind::kPerpendicular, 4},
    {2173, concl_kind::kEqualDistance, 4},
    {2174, concl_kind::kEqualAngle, 6},
    {2113, concl_kind::kMidpoint, 3},
    {2176, concl_kind::kEqualProduct, 8},
    {2175, concl_kind::kCyclic, 4},
    {2177, concl_kind::kTangentCircles, 4},
    {1161, concl_kind::kEquilateral, 3},
};

}  // namespace

std::string_view stm_string(int id)
{
    if (const auto it = texts().find(id); it != texts().end())
        return it->second;
    const auto& more = prover_string_texts();
    const auto it = more.find(id);
    return it == more.end() ? std::string_view{} : it->second;
}

std::span<const ConsKeyword> cons_keywords() { return kConsKeywords; }

const ConsKeyword* cons_keyword_of_kind(int kind)
{
    for (const auto& k : kConsKeywords)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

std::span<const PredKeyword> hyp_predicates() { return kHypPredicates; }

std::span<const PredKeyword> concl_predicates() { return kConclPredicates; }
