#pragma once
// The "Maximal Proof Time" dialog: the limit is entered in whole seconds.

#include <string>
#include <string_view>

class InputDialog;

// Longest text the dialog's field takes.
inline constexpr std::size_t kTimeLimitFieldLength = 5;

// What the field starts with: the current limit in whole seconds.
std::string time_limit_field();
// The limit in milliseconds for an entered text: its leading decimal digits
// (0 when there are none), raised to at least one second.
int time_limit_from_text(std::string_view text);
// Asks for a new limit; OK stores it in g_timelimit, Cancel keeps the old one.
// True when the limit was set.
bool time_limit_dialog(InputDialog& input);
