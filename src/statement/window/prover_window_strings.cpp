#include "statement/window/prover_window_strings.h"

#include <array>

#include "platform/string_table.h"

namespace {

constexpr std::array<StringEntry, 26> kTexts{{
    {pwsid::kSelectLocation, "Select a location for point"},
    {pwsid::kSelectLocationNext, "Select a location for point"},
    {pwsid::kClickForNext, "Click the mouse to draw next point"},
    {pwsid::kOpenProverFirst, "Please Open the QPL Prover Window"},
    {pwsid::kNoStatementToDraw, "There is not Geometry Statement to Draw"},
    {pwsid::kDrawingDone, "Drawing is Done!"},
    {pwsid::kProverName, "Prover"},
    {pwsid::kFileFilter, "Files (*.*)|*.*|"},
    {pwsid::kTextChanged, "The text in %s has changed.\n\nDo you want to save the changes?"},
    {pwsid::kUntitled, "Untitled"},
    {pwsid::kCannotRead, "Unable to read file %s."},
    {pwsid::kCannotWrite, "Unable to write file %s."},
    {pwsid::kCannotFind, "Cannot find \"%s\"."},
    {pwsid::kFindTitle, "Find"},
    {pwsid::kReplaceTitle, "Replace"},
    {pwsid::kTimeLimitTitle, "Maximal Proof Time"},
    {pwsid::kTimeLimitPrompt, "Input a new time limit in seconds"},
    {pwsid::kTimeLimitRefused, "The time limit is a whole number of seconds, at least 1.\nThe limit stays %d seconds."},
    {pwsid::kInputFact, "Input A Fact"},
    {pwsid::kInputFactIs, "\r\n\r\nThe Input Fact Is: "},
    {pwsid::kTriviallyTrue, "\r\nThis fact is trivially true.\r\n"},
    {pwsid::kInDatabase, "\r\nThis fact is in the Dababase.\r\n"},
    {pwsid::kNotInDatabase, "\r\nThis fact is not in the Dababase.\r\n"},
    {pwsid::kPredicateDialog, "Input A Predicate"},
    {pwsid::kFindWhat, "Find what:"},
    {pwsid::kReplaceWith, "Replace with:"},
}};

}  // namespace

void register_prover_window_strings()
{
    // The table may have been emptied since (the tests do): looked at each time.
    if (!string_table().contains(pwsid::kProverName))
        string_table().add(kTexts);
}

std::string pw_text(int id)
{
    register_prover_window_strings();
    return load_string(id);
}
