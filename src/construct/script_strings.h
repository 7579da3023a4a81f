#pragma once
// Texts of the object text lines, the Script Manager, the object dialogs and
// the attribute dialogs. Words carry their own blanks (" midpoint", " is") and
// are joined to names without separators of their own.

namespace ssid {
// Script Manager
inline constexpr int kScriptManager = 1002;
inline constexpr int kError = 1007;
inline constexpr int kNoDocument = 1040;
inline constexpr int kPopupTitle = 1041;
inline constexpr int kUndo = 1042;
inline constexpr int kAddObject = 1043;
inline constexpr int kUpdateObject = 1044;
inline constexpr int kDeleteObject = 1045;
inline constexpr int kClearAll = 1046;

// Modify dialog
inline constexpr int kPoint = 1004;
inline constexpr int kLine = 1005;
inline constexpr int kCircle = 1006;
inline constexpr int kObjectType = 1050;
inline constexpr int kNameLabel = 1051;
inline constexpr int kTextLabel = 1052;
inline constexpr int kYellow = 1053;
inline constexpr int kMagenta = 1054;
inline constexpr int kGreenName = 1055;
inline constexpr int kLtGray = 1056;
inline constexpr int kGray = 1057;
inline constexpr int kBlueName = 1058;
inline constexpr int kRedName = 1059;
inline constexpr int kBlackName = 1060;
inline constexpr int kLineSize = 1061;
inline constexpr int kSolidLine = 1062;
inline constexpr int kDashedLine = 1063;
inline constexpr int kDottedLine = 1064;
inline constexpr int kSolidStyle = 1065;
inline constexpr int kMarkSize = 1069;
inline constexpr int kSolidPoint = 1180;
inline constexpr int kHollowPoint = 1181;
inline constexpr int kFillModeLabel = 1182;
inline constexpr int kCombination = 1183;
inline constexpr int kCopy = 1184;
inline constexpr int kXor = 1185;
inline constexpr int kMerge = 1186;
inline constexpr int kWhiteName = 1187;
inline constexpr int kFill = 1255;
inline constexpr int kMark = 1256;
inline constexpr int kAnd = 2422;

// Attribute dialogs
inline constexpr int kNewSizePrompt = 1066;
inline constexpr int kPenStyleTitle = 1067;
inline constexpr int kPenStylePrompt = 1068;

// Object text lines
inline constexpr int kDrivingPoint = 1421;
inline constexpr int kFreePointWord = 2425;
inline constexpr int kFootWord = 2426;
inline constexpr int kMidpointWord = 2438;
inline constexpr int kCentroidWord = 2452;
inline constexpr int kCircumcenterWord = 2454;
inline constexpr int kOrthocenterWord = 2453;
inline constexpr int kAntiCenterWord = 2466;
inline constexpr int kIncenterWord = 2455;
inline constexpr int kSymmetricWord = 1506;
inline constexpr int kReflectionWord = 2467;
inline constexpr int kInversionWord = 2456;
inline constexpr int kEquilateralWord = 2460;
inline constexpr int kPositiveSquareWord = 2457;
inline constexpr int kNegativeSquareWord = 2458;
inline constexpr int kIsWord = 2439;
inline constexpr int kToWord = 2423;
inline constexpr int kTriangleWord = 2451;
inline constexpr int kWithWord = 2446;
inline constexpr int kCircleWordBlank = 2472;
inline constexpr int kLineWord = 2428;
inline constexpr int kCircleWord = 2445;
inline constexpr int kArcWord = 2476;
inline constexpr int kPassingWord = 2474;
inline constexpr int kThreePointsWord = 2471;
inline constexpr int kArrowWord = 2475;
inline constexpr int kEllipseWord = 1172;
inline constexpr int kHyperbolaWord = 1173;
inline constexpr int kParabolaWord = 1174;
inline constexpr int kMarkedLineWord = 2479;
inline constexpr int kFillTriangleWord = 1511;
inline constexpr int kFillPolygonWord = 1515;
inline constexpr int kFillCircleWord = 1513;
inline constexpr int kFillChordWord = 1514;
inline constexpr int kFillPieWord = 1512;
inline constexpr int kMarkLineWord = 1516;
inline constexpr int kMarkAngleWord = 1517;
inline constexpr int kFillAngleWord = 1518;
inline constexpr int kTextWord = 1306;
inline constexpr int kAnimationWord = 1254;
inline constexpr int kButtonWord = 1252;

// Construction text lines
inline constexpr int kCircleWord1 = 2432;   // "circle" of the formula style
inline constexpr int kLineWord2 = 2461;     // "line" of the sentence style and intersections
inline constexpr int kRatioPointWord = 2463;
inline constexpr int kPointOnWord = 2473;
inline constexpr int kIntersectionSign = 2477;
}  // namespace ssid

// Adds these texts to the program's string table. Safe to call more than once.
void register_script_strings();
// Registers them when they are not yet (the callers that need the words).
void ensure_script_strings();
