#pragma once
// Small helpers shared by the drawing window's mouse and key handlers.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/numeric.h"
#include "model/object_table.h"
#include "model/object_types.h"
#include "platform/device_context.h"

namespace mouse_support {

// The mouse position of the state record as a device point.
inline DevPoint mouse_point(const ObjectTable& t)
{
    const Dpoint& s = t.get(rec::kState);
    return {trunc_to_int(s.x, kDeviceLimit), trunc_to_int(s.y, kDeviceLimit)};
}

inline void set_position(Dpoint& r, double x, double y)
{
    r.x = x;
    r.y = y;
}

// Name offset that puts a name's corner 3 pixels left of and above the cursor,
// kept within the 16-bit field.
inline std::int16_t name_offset(int cursor, int anchor)
{
    const long v = static_cast<long>(cursor) - 3 - anchor;
    return static_cast<std::int16_t>(std::clamp<long>(v, INT16_MIN, INT16_MAX));
}

// "a" sep "b".
inline std::string joined(const std::string& a, std::string_view sep, std::string_view b)
{
    std::string s = a;
    s += sep;
    s += b;
    return s;
}

// An object as the status panes name it: a text by its text.
inline std::string_view shown_name(const Dpoint& o)
{
    return o.type == otype::kText ? o.text_view() : o.name_view();
}

}  // namespace mouse_support
