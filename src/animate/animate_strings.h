#pragma once
// Texts of the animation, the loci, the computation list and the calculator.

namespace asid {
inline constexpr int kPoint = 1004;                 // "Point"
inline constexpr int kLine = 1005;                  // "Line"
inline constexpr int kCircle = 1006;                // "Circle"
inline constexpr int kError = 1007;                 // "Error"
inline constexpr int kLocusCirclePoint = 1020;      // "Select a point on the locus circle"
inline constexpr int kNewLength = 1343;             // "Input a new length"
inline constexpr int kSelectExpression = 1380;      // "Select an expression in the Left-Top corner"
inline constexpr int kNoExpression = 1381;          // "No expression to be selected"
inline constexpr int kTracePrompt = 1413;           // "Use the LEFT button to move an (semi)arbitary point."
inline constexpr int kNotMoveable = 1416;           // "is not moveable"
inline constexpr int kTooManyLoci = 1417;           // "You cannot select more than eight loci"
inline constexpr int kDrivingPoint = 1421;          // "Driving point"

// Texts of this subsystem without a number of their own elsewhere.
inline constexpr int kSelectLocusPoint = 8001;
inline constexpr int kSelectLocusLine = 8002;
inline constexpr int kSelectLocusCircle = 8003;
inline constexpr int kSelectAxis = 8004;
inline constexpr int kSelectDrivers = 8005;
inline constexpr int kDrivingPointTitle = 8006;
inline constexpr int kSelfDrawnPrompt = 8007;
inline constexpr int kSelfDrawnTitle = 8008;
inline constexpr int kStopPrompt = 8009;
inline constexpr int kNoTrace = 8010;
inline constexpr int kStepDrivers = 8011;
inline constexpr int kIntervalPrompt = 8012;
inline constexpr int kSpeedPrompt = 8013;
inline constexpr int kStepsPrompt = 8014;
inline constexpr int kIntegerRange = 8015;          // "%d" and "%d": the bounds
inline constexpr int kPositiveNumber = 8016;
inline constexpr int kListFull = 8017;              // "%d": the capacity
inline constexpr int kCalculatorPrompt = 8018;
inline constexpr int kCalculatorTitle = 8019;
inline constexpr int kIncomplete = 8020;
inline constexpr int kAnimationTitle = 8021;
inline constexpr int kNoCurrentDriver = 8022;
inline constexpr int kFunctionGraph = 8023;
}  // namespace asid

// Adds these texts to the program's string table. Safe to call more than once.
void register_animate_strings();
