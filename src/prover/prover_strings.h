#pragma once
// String-table ids of the words and messages the construction and conclusion
// semantics, the statement printers and the Prove dispatcher use. Their texts
// come from stm_string (keywords.h).

#include <string_view>
#include <unordered_map>

// The table behind these ids (stm_string consults it after the keywords).
const std::unordered_map<int, std::string_view>& prover_string_texts();

namespace sid {
// predicate (keyword) form
constexpr int kColl = 2101;
constexpr int kCong = 2102;
constexpr int kPerp = 2103;
constexpr int kPara = 2104;
constexpr int kAcong = 2105;
constexpr int kCirclePoint = 2125;     // kOnRcircle: no text
constexpr int kAntiIncenter = 2139;
constexpr int kSimTriangle = 2178;
constexpr int kConTriangle = 2179;
constexpr int kHarmonicPair = 2181;
constexpr int kNotProperPredicate = 2207;
// non-degeneracy conditions
constexpr int kLine = 1005;
constexpr int kPoints = 2190;
constexpr int kNotCollinear = 2191;
constexpr int kNotParallel = 2192;
constexpr int kNotEqualSign = 2193;
constexpr int kNotPerpendicular = 2194;
// drawing instructions and sentences
constexpr int kDraw = 2420;
constexpr int kDrawPoint = 2421;
constexpr int kAnd = 2422;
constexpr int kTo = 2423;
constexpr int kIntersection = 2424;
constexpr int kFreePoint = 2425;
constexpr int kFoot = 2426;
constexpr int kLineWord = 2428;
constexpr int kSentenceShow = 2437;
constexpr int kMidpointWord = 2438;
constexpr int kIs = 2439;
constexpr int kParallelTo = 2440;
constexpr int kPerpendicularTo = 2441;
constexpr int kAngleSign = 2442;
constexpr int kTwoCircles = 2443;
constexpr int kTangentWord = 2444;
constexpr int kCircleWord = 2445;
constexpr int kWith = 2446;
constexpr int kEmpty2448 = 2448;
constexpr int kSymmetric = 2449;
constexpr int kEmpty2450 = 2450;
constexpr int kTriangle = 2451;
constexpr int kCentroidWord = 2452;
constexpr int kOrthocenterWord = 2453;
constexpr int kCircumcenterWord = 2454;
constexpr int kIncenterWord = 2455;
constexpr int kInversionWord = 2456;
constexpr int kPosSquareWord = 2457;
constexpr int kNegSquareWord = 2458;
constexpr int kPosEqTriangleWord = 2460;
constexpr int kLineLetterWord = 2461;
constexpr int kEmpty2462 = 2462;
constexpr int kRatioPoint = 2463;
constexpr int kEmpty2464 = 2464;
constexpr int kEmpty2465 = 2465;
constexpr int kReflectionWord = 2467;
// prover window texts
constexpr int kInputHelpFirst = 2022;  // 2022..2028
constexpr int kInputHelpLast = 2028;
constexpr int kPredicateFormHead = 2035;
constexpr int kEquationalPredicates = 2036;
constexpr int kPointsWord = 2037;
constexpr int kNonDegenerateHead = 2038;
constexpr int kConclusionHead = 2032;
constexpr int kAngleMethod = 2041;
constexpr int kAreaMethod = 2042;
constexpr int kVectorMethod = 2043;
constexpr int kWuMethod = 2044;
constexpr int kGroebnerMethod = 2045;
constexpr int kGddMethod = 2046;
constexpr int kProblemTrue = 2050;
constexpr int kProblemFalse = 2051;
constexpr int kNotSolved = 2052;
constexpr int kTime = 2053;
constexpr int kMaxterm = 2054;
constexpr int kNotAllowedIncenter = 2311;
constexpr int kUseAntiIncenter = 2312;
constexpr int kNothingToProve = 2800;
constexpr int kAddConclusion = 2801;
constexpr int kTerminated = 2802;
constexpr int kResetTimeLimit = 2804;
constexpr int kWithProveMenu = 2805;
}  // namespace sid
