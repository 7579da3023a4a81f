#pragma once
// Guards for numbers leaving double arithmetic: no coordinate in the table is
// ever non-finite, and no double is converted to int without clamping.

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/dpoint.h"

// Largest magnitude handed to a device: far beyond any window or page, yet a few
// such values can be added without overflowing an int.
inline constexpr int kDeviceLimit = 1 << 28;

// v truncated toward zero and clamped to [-limit, limit]; NaN gives 0.
inline int trunc_to_int(double v, int limit = std::numeric_limits<int>::max()) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(limit)) return limit;
    if (v <= -static_cast<double>(limit)) return -limit;
    return static_cast<int>(v);
}

inline bool is_finite_point(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

// Stores a computed position; a non-finite result is a failed point (0, 0).
// Returns whether the position was finite.
inline bool store_point(Dpoint& r, double x, double y) {
    if (!is_finite_point(x, y)) {
        r.x = 0.0;
        r.y = 0.0;
        return false;
    }
    r.x = x;
    r.y = y;
    return true;
}
