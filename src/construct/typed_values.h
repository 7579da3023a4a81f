#pragma once
// The numbers some constructions take from the keyboard: the two ratio words
// of the ratio points and the angle of a typed rotation, asked in a one-line
// dialog and kept as short texts in the new point's aux1 and aux2.

#include <optional>
#include <string>
#include <string_view>

#include "model/dpoint.h"

class ConstructionHost;

// Typed texts are cut to this many characters before they are stored.
inline constexpr std::size_t kTypedTextLimit = 9;
// Each ratio word keeps at most this many characters, so that aux1 and aux2
// each hold one word with its terminator.
inline constexpr std::size_t kRatioWordLimit = 7;

// The text cut to nine characters; its first word (up to the first blank)
// goes to aux1, the rest after the blanks that follow it to aux2.
void store_ratio_words(Dpoint& rec, std::string_view typed);
// The text cut to nine characters, from the first byte of aux1 on, running on
// into aux2 when it is longer than aux1.
void store_angle_text(Dpoint& rec, std::string_view typed);

// The dialog "Ratio" / "Input the ratios:" preset with `initial`; nullopt on
// Cancel (or when the host has no input dialog).
std::optional<std::string> ask_ratio(ConstructionHost& host, std::string_view initial);
