#pragma once
// Texts of the area, vector and full-angle methods (string-table entries of
// the prover).

namespace area_words {
inline constexpr const char* kTrue = "\r\n\r\nThe statement is true.\r\n\r\n";                   // 2300
inline constexpr const char* kFalse = "\r\n\\rnThe statement is false.\r\n\r\n";                 // 2301
inline constexpr const char* kConclusionNotFound = "Conclusion not fund:";                     // 2302
inline constexpr const char* kNewPoint = "A new point";                                        // 2303
inline constexpr const char* kIntroduced = "is introduced by construction\r\n";                // 2304
inline constexpr const char* kNewConclusion = "The new conclusion is: ";                       // 2305
inline constexpr const char* kEqRatio = "EQ_RATIO";                                            // 2306
inline constexpr const char* kConstructionFor = "Construction for point";                      // 2307
inline constexpr const char* kNotAllowed = "is not allowd in area method.\r\n";                // 2308
inline constexpr const char* kMeetInOnePoint =
    "In the area method, the lines and circles must meet in one point";                        // 2310
inline constexpr const char* kIncenterRefused = "construction INCENTER is not allowed in the prover.\r\n";  // 2311
inline constexpr const char* kUseVertex =
    "Please use construction:\r\n construct a vertex from the incenter and two other vertex.\r\n";          // 2312
inline constexpr const char* kTriangleVectorsOnly =
    "In the area method, PTRIANGLE can be used only when the conclusion is about vectors.";   // 2313
inline constexpr const char* kProvingFailed = "\r\n Proving failed. Statement is not proved.";  // 2314
inline constexpr const char* kOnlyFullAngles = "\r\n\r\nOnly full-angles are allowd in this case";       // 2810
inline constexpr const char* kNotFullAngle = "\r\nConclusion cannot be represented with full-angles.\r\n";  // 2811
inline constexpr const char* kCannotSolve = "\r\nCannot solve this problem with full-angles.\r\n";       // 2812
// The full-width colon between a point's name and a refusal.
inline constexpr const char* kColon = "\uFF1A";
}  // namespace area_words
