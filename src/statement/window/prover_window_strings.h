#pragma once
// Texts of the prover window, its dialogs and of drawing a statement into a
// drawing window, registered in the program's string table.

namespace pwsid {
inline constexpr int kSelectLocation = 1430;      // "Select a location for point"
inline constexpr int kSelectLocationNext = 1431;  // the same, for the next point
inline constexpr int kClickForNext = 1432;
inline constexpr int kOpenProverFirst = 1433;
inline constexpr int kNoStatementToDraw = 1434;
inline constexpr int kDrawingDone = 1435;
inline constexpr int kProverName = 1990;          // "Prover"
inline constexpr int kFileFilter = 1991;          // "Files (*.*)|*.*|"
inline constexpr int kTextChanged = 1993;         // "%s" is the file name
inline constexpr int kUntitled = 1994;
inline constexpr int kCannotRead = 1995;
inline constexpr int kCannotWrite = 1996;
inline constexpr int kCannotFind = 1997;
inline constexpr int kFindTitle = 1998;
inline constexpr int kReplaceTitle = 1999;
inline constexpr int kTimeLimitTitle = 2002;
inline constexpr int kTimeLimitPrompt = 2003;
inline constexpr int kTimeLimitRefused = 2004;
inline constexpr int kInputFact = 2017;
inline constexpr int kInputFactIs = 2018;
inline constexpr int kTriviallyTrue = 2019;
inline constexpr int kInDatabase = 2020;
inline constexpr int kNotInDatabase = 2021;
inline constexpr int kPredicateDialog = 2160;     // "Input A Predicate"
inline constexpr int kFindWhat = 2161;
inline constexpr int kReplaceWith = 2162;
}  // namespace pwsid

#include <string>

// Adds the texts above to the string table; safe to call more than once.
void register_prover_window_strings();
// One of the texts above (registered first when they are not yet).
std::string pw_text(int id);
