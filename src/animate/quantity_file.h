#pragma once
// The computation list's entries as texts, for point files: a measurement
// as "M <type> <a0> .. <a7>", an expression as "E" and its token codes
// (see token_code), all separated by single blanks.

#include <optional>
#include <string>
#include <vector>

#include "animate/quantity.h"

std::string quantity_to_text(const Quantity& q);

// The entry of a text; nullopt when the text is malformed.
std::optional<Quantity> quantity_from_text(const std::string& text);

// Whether the entries fit a drawing of record_count records: at most twenty,
// each well formed, measurement operands naming objects of the drawing
// (unused operands 0), expressions referring to earlier entries only. On
// failure `why` says which entry and what is wrong.
bool quantity_texts_valid(const std::vector<std::string>& entries, int record_count, std::string& why);
