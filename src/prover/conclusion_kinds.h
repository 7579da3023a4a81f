#pragma once
// The kinds of the statement's conclusion (g_concl.type) and of a fact asked
// for in the database (g_fact). The predicates are numbered like the drawing
// commands that ask for them, and the fact database's conditions and the
// predicate records of a proof carry the same numbers.

#include <cstdint>

namespace concl_kind {
inline constexpr std::int32_t kEmpty = 0;             // no conclusion record yet
inline constexpr std::int32_t kCollinear = 148;       // COLLINEAR A B C
inline constexpr std::int32_t kParallel = 149;        // PARALLEL A B C D
inline constexpr std::int32_t kPerpendicular = 150;   // PERPENDICULAR A B C D
inline constexpr std::int32_t kMidpoint = 151;        // MIDPOINT M A B
inline constexpr std::int32_t kCyclic = 152;          // COCIRCLE A B C D, kept as 0 A B C D (centre unknown)
inline constexpr std::int32_t kEqualDistance = 153;   // EQDISTANCE A B C D
inline constexpr std::int32_t kEqualAngle = 154;      // EQANGEL A B C D E F, kept as the lines A B, B C, D E, E F
inline constexpr std::int32_t kEqualProduct = 155;    // EQ_PRODUCT: AB*CD = EF*GH, kept as AB/EF = GH/CD
inline constexpr std::int32_t kTangentCircles = 156;  // TANGENT
inline constexpr std::int32_t kHarmonic = 157;        // HARMONIC_PAIR
inline constexpr std::int32_t kEquilateral = 158;     // positive equilateral triangle
inline constexpr std::int32_t kCongruent = 236;       // CON_TRIANGLE
inline constexpr std::int32_t kSimilar = 237;         // SIM_TRIANGLE
inline constexpr std::int32_t kNone = 1111;           // the statement has no conclusion
inline constexpr std::int32_t kEquation = 1112;       // an equation; its sides in g_concl_lhs and g_concl_rhs
}  // namespace concl_kind
