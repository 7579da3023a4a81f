#pragma once
// Shared between the point-file writer and reader: how the aux fields of a
// record are written, and the limits a file must keep.

#include <cstdint>

namespace fig_layout {

// How an aux field is written: as a double, an integer, a short text, or its
// eight raw bytes in hex (a value that is no finite double).
inline constexpr char kAuxDouble = 'd';
inline constexpr char kAuxInt = 'i';
inline constexpr char kAuxText = 's';
inline constexpr char kAuxRaw = 'x';

// Types whose aux fields hold texts or integers.
inline constexpr int kLratio = 197, kMratio = 198, kPratio = 199;
inline constexpr int kRotation = 470;
inline constexpr int kHideButton = 466;
inline constexpr int kPolyline = 459;
inline constexpr int kEllipse = 455, kHyperbola = 456, kParabola = 457;

inline bool holds_ratio_texts(int type) { return type == kLratio || type == kMratio || type == kPratio; }
inline bool is_conic_type(int type) { return type == kEllipse || type == kHyperbola || type == kParabola; }

// The kind of aux1 and aux2 for a record of this type (kAuxDouble standing for
// "double when finite, raw bytes otherwise").
inline char aux1_kind(int type)
{
    if (holds_ratio_texts(type) || type == kRotation)
        return kAuxText;
    if (type == kHideButton || type == kPolyline || is_conic_type(type))
        return kAuxInt;
    return kAuxDouble;
}
inline char aux2_kind(int type) { return holds_ratio_texts(type) ? kAuxText : kAuxDouble; }

// Limits of the lists a file may hold.
inline constexpr int kMaxObjects = 10'000'000;
inline constexpr int kMaxLists = 8;            // loci, driving points
inline constexpr int kMaxPolylineVertices = 100;
inline constexpr int kMaxExpressions = 10'000;
inline constexpr std::int64_t kMaxTracePoints = 1'000'000;
// Rebuilding the loci replays one animation cycle step by step: a file must
// not make that endless.
inline constexpr std::int64_t kMaxAnimationSteps = 100'000;

// Fields of an object line before the hide list: type, name, cls, block,
// shown, name_shown, label_style, 8 args, x, y, name_dx, name_dy,
// aux1 (kind, value), aux2 (kind, value), colour, pen_style, size, text.
inline constexpr int kFixedObjectFields = 27;

}  // namespace fig_layout
