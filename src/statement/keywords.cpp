#include "statement/keywords.h"

#include <unordered_map>

#include "statement/prover_strings.h"

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

constexpr ConsKeyword kConsKeywords[] = {
    {2113, 103, 2}, {2114, 129, 2}, {2115, 197, 2}, {2116, 198, 2}, {2117, 199, 3},
    {2119, 110, 2}, {2120, 11, 2},  {2121, 112, 3}, {2122, 111, 3}, {2123, 113, 2},
    {2124, 114, 5}, {2146, 116, 4}, {2137, 102, 3}, {2151, 121, 6}, {2148, 118, 5},
    {2147, 117, 5}, {2149, 119, 6}, {2150, 120, 6}, {2152, 122, 4}, {2153, 123, 5},
    {2154, 124, 5}, {2160, 44, 5},  {2156, 126, 5}, {2155, 125, 4}, {2138, 130, 3},
    {2162, 52, 6},  {2157, 127, 5},  {2158, 128, 6},  {2126, 104, 3}, {2127, 106, 3},
    {2128, 105, 3}, {2129, 107, 3}, {2131, 131, 3}, {2132, 71, 3},  {2133, 132, 2},
    {2134, 133, 2}, {2135, 109, 2}, {2136, 76, 5},
};

constexpr PredKeyword kHypPredicates[] = {
    {2170, 110, 3}, {2171, 111, 4}, {2172, 112, 4},
    {2173, 113, 4}, {2174, 115, 6}, {2175, 117, 4},
};

constexpr PredKeyword kConclPredicates[] = {
    {2170, 148, 3}, {2171, 149, 4}, {2172, 150, 4}, {2173, 153, 4},
    {2174, 154, 6}, {2113, 151, 3}, {2176, 155, 8}, {2175, 152, 4},
    {2177, 156, 4}, {1161, 158, 3},
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
