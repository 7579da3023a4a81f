#pragma once
// Command ids of the prover window: its menu, tool bar and accelerators.

#include "prover/methods.h"

namespace pcmd {
// File menu (the text window's own file commands) and the frame's exit.
inline constexpr int kNew = 24331;
inline constexpr int kOpen = 24332;
inline constexpr int kSave = 24333;
inline constexpr int kSaveAs = 24334;
inline constexpr int kPrint = 24337;
inline constexpr int kPrintSetup = 24338;
inline constexpr int kExit = 24310;
// Edit and Search menus (the text window's editing commands).
inline constexpr int kUndo = 24321;
inline constexpr int kCut = 24322;
inline constexpr int kCopy = 24323;
inline constexpr int kPaste = 24324;
inline constexpr int kDelete = 24325;
inline constexpr int kClearAll = 24326;
inline constexpr int kFind = 24351;
inline constexpr int kReplace = 24352;
inline constexpr int kFindNext = 24353;
// Help menu.
inline constexpr int kHelpConstructions = 301;
inline constexpr int kHelpPredicates = 332;
inline constexpr int kHelpMethods = 333;
inline constexpr int kHelpInterface = 334;
// Prove menu and tool bar.
inline constexpr int kExplain = 12;
inline constexpr int kProveButton = 68;
inline constexpr int kPredicateForm = 69;
inline constexpr int kFromDrawingButton = 70;
inline constexpr int kFromTextButton = 71;
inline constexpr int kClearWindow = 72;
inline constexpr int kShowStatement = 4090;
inline constexpr int kLoadFile = 321;
inline constexpr int kFromText = 322;
inline constexpr int kFromDrawing = 323;
inline constexpr int kTimeLimit = 324;
inline constexpr int kProve = 335;
// The method commands: each is the id of the method it selects (g_method).
inline constexpr int kFirstMethod = kMethodArea;
inline constexpr int kLastMethod = kMethodVector;
// GDD menu.
inline constexpr int kBuildGdd = 336;
inline constexpr int kDetailed = 339;
inline constexpr int kShowSize = 341;
inline constexpr int kShowGdd = 342;
inline constexpr int kProveFact = 343;
inline constexpr int kSearchFact = 344;
}  // namespace pcmd

// The help context a help command of the prover opens; 0 for other ids.
int prover_help_context(int id);
