#pragma once

#include <cstdint>

// A colour in the 0x00BBGGRR layout the diagram records and point files keep,
// so stored values need no conversion on their way to the screen.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}

constexpr int red_of(Colour c) { return static_cast<int>(c & 0xff); }
constexpr int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int blue_of(Colour c) { return static_cast<int>((c >> 16) & 0xff); }

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kGreen = rgb(0, 255, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);
inline constexpr Colour kLightGrey = rgb(192, 192, 192);
inline constexpr Colour kGrey = rgb(128, 128, 128);

// Answer of a pixel query outside the drawing area.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;
