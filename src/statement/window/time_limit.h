#pragma once
// The "Maximal Proof Time" dialog: the limit is entered in whole seconds.

#include <optional>
#include <string>
#include <string_view>

class InputDialog;
class MessageBoxes;

// Longest text the dialog's field takes.
inline constexpr std::size_t kTimeLimitFieldLength = 5;

// What the field starts with: the current limit in whole seconds.
std::string time_limit_field();
// The limit in milliseconds for an entered text: a whole number of seconds,
// at least one, with blanks around it allowed; nothing for any other text.
std::optional<int> time_limit_from_text(std::string_view text);
// Asks for a new limit; OK with a valid text stores it in g_timelimit. Cancel
// keeps the old one, and so does a text that is not a limit, after a message
// saying so. True when the limit was set.
bool time_limit_dialog(InputDialog& input, MessageBoxes& boxes);
