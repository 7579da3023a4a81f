#pragma once
// Texts of the application frame, the drawing windows and their commands.

// Ids of the texts this subsystem shows by name.
namespace wsid {
inline constexpr int kAppTitle = 1001;            // "Plexator"
inline constexpr int kScriptManager = 1002;       // "Script Manager"
inline constexpr int kDiagram = 1003;             // "Diagram"
inline constexpr int kPoint = 1004;               // "Point"
inline constexpr int kCloseProverFirst = 1009;
inline constexpr int kSaveQuestion = 1010;
inline constexpr int kDrawingChanged = 1011;
inline constexpr int kAreYouSure = 1030;
inline constexpr int kNameOf = 1018;
inline constexpr int kRotatePrompt = 1019;
inline constexpr int kNameTitle = 1022;
inline constexpr int kDrag = 1023;
inline constexpr int kFreePointWord = 1024;
inline constexpr int kSemiFreePointWord = 1025;
inline constexpr int kFixedPointWord = 1026;
inline constexpr int kDeleteWholeDiagram = 1033;
inline constexpr int kTextLabel = 1052;
inline constexpr int kDragPointPrompt = 1080;
inline constexpr int kMoveNamePrompt = 1081;
inline constexpr int kDragNameTitle = 1082;
inline constexpr int kTranslatePrompt = 1083;
inline constexpr int kTranslateTitle = 1084;
inline constexpr int kRotateCentrePrompt = 1085;
inline constexpr int kRotateTitle = 1086;
inline constexpr int kResizeDragPrompt = 1087;
inline constexpr int kChangeSizeTitle = 1088;
inline constexpr int kSelectPositionPrompt = 1089;
inline constexpr int kResizePrompt = 1090;
inline constexpr int kStepPrompt = 1092;
inline constexpr int kUnitHint = 1171;
inline constexpr int kButtonWord = 1252;
inline constexpr int kText = 1306;
inline constexpr int kTextPositionPrompt = 1307;
inline constexpr int kClipboardPrompt = 1309;
inline constexpr int kMirrorPrompt = 1403;
inline constexpr int kPartCopyPrompt = 1440;
inline constexpr int kSelectBlockPrompt = 1441;
inline constexpr int kLastBlock = 1442;
inline constexpr int kFirstBlock = 1443;
inline constexpr int kPointFilesFilter = 1992;
}  // namespace wsid

// Adds the texts of this subsystem (prompts, titles, questions, the help line
// of every menu command and toolbox button) to the program's string table.
// Safe to call more than once.
void register_window_strings();
