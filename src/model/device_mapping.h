#pragma once
// World-to-device mapping: on screen one world unit is one pixel; on paper the
// diagram is shifted by 20 world units and enlarged by the print scale.

#include "model/object_table.h"

inline constexpr double kPrintOffset = 20.0;     // added to coordinates on paper
inline constexpr unsigned char kLengthMode = 1;  // any other mode maps a coordinate
inline constexpr unsigned char kCoordinateMode = 0;

// Maps world value v to device units. |v| < 0.5 gives 0 (device (0, 0) marks a
// missing point, on paper too); positive values round to nearest with halves
// going down, negative values truncate toward zero. The result is clamped to
// +-kDeviceLimit; NaN gives 0.
int p_to_dev(const ObjectTable& t, double v, unsigned char mode = kCoordinateMode);

bool is_print_mode(const ObjectTable& t);
