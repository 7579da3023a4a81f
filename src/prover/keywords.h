#pragma once
// Texts of the statement language and of the statement reader's messages,
// looked up by their string-table id. Keywords are compared exactly, case
// included.

#include <span>
#include <string_view>

// The text of string id, or "" for an id without text.
std::string_view stm_string(int id);

// Ids used by the reader.
namespace sid {
constexpr int kPositiveTriangle = 1161;
constexpr int kPoint = 2110;
constexpr int kConstant = 2111;
constexpr int kCircle = 2112;
constexpr int kMidpoint = 2113;
constexpr int kExample = 2201;
constexpr int kNoExample = 2202;
constexpr int kHypotheses = 2203;
constexpr int kNoHypotheses = 2204;
constexpr int kShow = 2205;
constexpr int kNotProper = 2208;
constexpr int kNoConclusion = 2209;
constexpr int kNoEnd = 2210;
constexpr int kNo = 2211;
constexpr int kExprNoEnd = 2212;
constexpr int kNotEquation = 2213;
constexpr int kConclusionWrong = 2214;
constexpr int kCollinear = 2170;
constexpr int kParallel = 2171;
constexpr int kPerpendicular = 2172;
constexpr int kEqdistance = 2173;
constexpr int kEqangle = 2174;
constexpr int kCocircle = 2175;
constexpr int kEqProduct = 2176;
constexpr int kTangent = 2177;
constexpr int kRatio = 3000;
constexpr int kAngle = 3001;
constexpr int kArea = 3002;
constexpr int kSqDis = 3003;
constexpr int kVec = 3004;
constexpr int kCrossRatio = 3005;
constexpr int kPy = 3008;
constexpr int kL = 3009;
}  // namespace sid

// One construction keyword of a hypothesis line.
struct ConsKeyword {
    int string_id;
    int kind;      // construction kind of the record it makes
    int parents;   // number of parent points
};

// The construction keywords in the order the parser tries them.
std::span<const ConsKeyword> cons_keywords();
// The construction keyword that makes kind, or nullptr.
const ConsKeyword* cons_keyword_of_kind(int kind);

// One predicate keyword (hypothesis or conclusion).
struct PredKeyword {
    int string_id;
    int kind;
    int points;
};

// Hypothesis predicates (records named "x").
std::span<const PredKeyword> hyp_predicates();
// Conclusion predicates in the order the conclusion parser tries them.
std::span<const PredKeyword> concl_predicates();
