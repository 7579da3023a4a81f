#pragma once
// Numbers that some point types keep as short decimal texts in aux1/aux2:
// the ratios of the ratio points and the angle of a rotation.

#include <string_view>

#include "model/dpoint.h"

// Leading white space, an optional sign and the digits that follow; anything
// after them is ignored, and a text without digits gives 0.
long parse_decimal_integer(std::string_view text);
// Leading white space, optional sign, digits with an optional decimal point and
// an optional exponent; a text without a number gives 0.0. Never non-finite.
double parse_decimal_number(std::string_view text);

// The ratio held as text in an aux field, as a single-precision value.
inline float ratio_of(const Aux& aux) { return static_cast<float>(parse_decimal_integer(aux.as_text())); }
// The angle in degrees held as text in an aux field.
inline double angle_of(const Aux& aux) { return parse_decimal_number(aux.as_text()); }
