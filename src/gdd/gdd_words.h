#pragma once
// Words and signs of the database's printed facts, listings and proofs.
// The three signs are double-byte characters in the original code page; the
// prover's text is UTF-8, so they are kept here as their UTF-8 forms.

#include <string_view>

namespace gdd_words {

inline constexpr std::string_view kPerpSign = "\u22A5";    // perpendicular
inline constexpr std::string_view kParaSign = "\u2225";    // parallel
inline constexpr std::string_view kAngleSign = "\u2220";   // angle

// The word after a collinear fact's points. It ends a clause, never a line:
// the proof goes on with ",", " because" or the next reason.
inline constexpr std::string_view kLines = "lines";
inline constexpr std::string_view kMidLabel = "midp:";
inline constexpr std::string_view kCyclic = "cyclic:";
inline constexpr std::string_view kConTriangle = "CON_TRIANGLE\u00CE";
inline constexpr std::string_view kSimTriangle = "SIM_TRIANGLE";
inline constexpr std::string_view kOrthocenter = "Orthocenter";
inline constexpr std::string_view kIncenter = "Incenter";

inline constexpr std::string_view kMachineProof = "The Machine Proof";
inline constexpr std::string_view kAuxAdded = "The following auxilliary point is added by the program\r\n\r\n";
inline constexpr std::string_view kTrivially = "(The fact is trivially true)\r\n";
inline constexpr std::string_view kBecause = ",\r\n   because ";
inline constexpr std::string_view kHyp = "(hyp)";
inline constexpr std::string_view kObvious = "(obvious)";
inline constexpr std::string_view kLatexSaved = "The Proof in LaTex format has been saved in";

inline constexpr std::string_view kThereAre = "There are";
inline constexpr std::string_view kGroups = "group(s)";
inline constexpr std::string_view kMidpointsWord = "midpoints\r\n";
inline constexpr std::string_view kCirclesInDb = "circles in the databse.";
inline constexpr std::string_view kSimilarTriangles = "similar triangles";
inline constexpr std::string_view kCongruentTriangles = "congruent triangles";
inline constexpr std::string_view kCongruentSegments = "congruent segments";

}  // namespace gdd_words
