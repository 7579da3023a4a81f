#pragma once

// Small pixel inspections shared by the conformance tests.

#include "platform/surface.h"

#include <QRect>

#include <cmath>
#include <numbers>

inline bool is_ink(Colour c, Colour background = kWhite)
{
    if (c == kInvalidColour)
        return false;
    // Antialiased edges count when clearly off the background.
    const int d = std::abs(red_of(c) - red_of(background)) + std::abs(green_of(c) - green_of(background)) +
                  std::abs(blue_of(c) - blue_of(background));
    return d > 96;
}

// Any ink within `radius` pixels of (x, y).
inline bool inked_near(const Surface& s, int x, int y, int radius = 1, Colour background = kWhite)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (is_ink(s.pixel(x + dx, y + dy), background))
                return true;
    return false;
}

// The pixel of a circle of radius r around (cx, cy) at `degrees`
// counter-clockwise from 3 o'clock on screen.
struct Spot {
    int x;
    int y;
};
inline Spot on_circle(double cx, double cy, double r, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::floor(cx + r * std::cos(a))),
            static_cast<int>(std::floor(cy - r * std::sin(a)))};
}

// Bounding box of every pixel that differs from `background` (null when none).
inline QRect ink_box(const Surface& s, Colour background = kWhite)
{
    QRect box;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}
