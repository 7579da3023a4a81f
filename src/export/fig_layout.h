#pragma once
// Shared between the point-file writer and reader: how the aux fields of a
// record are written, and the limits a file must keep.

#include <cstddef>
#include <cstdint>

#include "model/object_types.h"

namespace fig_layout {

// How an aux field is written: as a double, an integer, a short text, or its
// eight raw bytes in hex (a value that is no finite double).
inline constexpr char kAuxDouble = 'd';
inline constexpr char kAuxInt = 'i';
inline constexpr char kAuxText = 's';
inline constexpr char kAuxRaw = 'x';

// Types whose aux fields both hold texts.
inline bool holds_ratio_texts(int type)
{
    return type == otype::kLratio || type == otype::kMratio || type == otype::kPratio;
}

// The kind of aux1 and aux2 for a record of this type (kAuxDouble standing for
// "double when finite, raw bytes otherwise").
inline char aux1_kind(int type)
{
    if (holds_ratio_texts(type) || type == otype::kNrotate)
        return kAuxText;
    if (type == otype::kHideButton || type == otype::kPolyline || otype::is_conic(type))
        return kAuxInt;
    return kAuxDouble;
}
inline char aux2_kind(int type) { return holds_ratio_texts(type) ? kAuxText : kAuxDouble; }

// Whether a field written with this kind letter is one the writer writes for a
// field of this kind, which alone reads back to the same bytes: a double is
// written as raw bytes when it is no finite double.
inline bool writes_kind(char kind, char letter)
{
    return letter == kind || (kind == kAuxDouble && letter == kAuxRaw);
}

// Bytes of an aux field; a text is NUL-terminated within them, except the
// typed angle of a rotation, which fills aux1 whole when it runs on into aux2.
inline constexpr std::size_t kAuxBytes = 8;
inline std::size_t aux1_text_limit(int type) { return type == otype::kNrotate ? kAuxBytes : kAuxBytes - 1; }
inline constexpr std::size_t kAux2TextLimit = kAuxBytes - 1;

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
