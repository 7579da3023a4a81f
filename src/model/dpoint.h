#pragma once
// One diagram object, or one reserved record of a drawing's object table.
//
// The record is plain data copied whole by value. Arrays that an object owns
// (a hide button's list, a conic's samples, a polyline's vertices) are value
// members, so a copy (restore stack, dialogs, paste) never shares memory with
// the original.

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "model/object_types.h"
#include "platform/colour.h"

// Eight bytes that hold a double, an int32 or a short NUL-terminated text,
// depending on the object type. The accessors copy bytes, so reading a member
// other than the one last written is well defined.
union Aux {
    double d;
    std::int32_t i;
    char s[8];

    constexpr Aux() : d(0.0) {}
    constexpr Aux(double value) : d(value) {}

    double as_double() const { double v; std::memcpy(&v, this, sizeof v); return v; }
    std::int32_t as_int() const { std::int32_t v; std::memcpy(&v, this, sizeof v); return v; }
    // The stored text, read up to the first NUL or the 8th byte.
    std::string_view as_text() const { return {s, ::strnlen(s, sizeof s)}; }

    void set_double(double v) { d = v; }
    // Zeroes all eight bytes first, so as_double() of an integer is a defined value.
    void set_int(std::int32_t v) { std::memset(s, 0, sizeof s); i = v; }
    // Keeps at most 7 characters; always NUL-terminated.
    void set_text(std::string_view text);
};
static_assert(sizeof(Aux) == 8);

// A position in world units (y grows downward).
struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

struct Dpoint {
    static constexpr int kNameSize = 10;  // 9 characters + NUL
    static constexpr int kTextSize = 80;  // 79 characters + NUL
    static constexpr int kArgCount = 8;
    static constexpr std::size_t kMaxHideList = 30;

    // Colours the record presets use (COLORREF layout).
    static constexpr Colour kBlack = rgb(0, 0, 0);
    static constexpr Colour kBlue = rgb(0, 0, 255);
    static constexpr Colour kGreen = rgb(0, 255, 0);

    std::int32_t type = 0;
    std::array<char, kNameSize> name{};
    std::int8_t cls = 0;
    std::int8_t block = 1;
    std::int32_t shown = 1;
    std::int32_t name_shown = 1;
    std::int32_t label_style = 1;
    std::array<std::int32_t, kArgCount> arg{};
    // Text of a text object (class 6); its arg stays 0.
    std::array<char, kTextSize> text{};
    double x = 0.0;
    double y = 0.0;
    double saved_x = 0.0;
    double saved_y = 0.0;
    std::int16_t name_dx = -3;
    std::int16_t name_dy = 3;
    Aux aux1;
    Aux aux2;
    Colour colour = kBlack;
    std::int32_t pen_style = 0;
    std::int32_t size = 1;

    // Owned arrays. hide_list: object indices a hide button (466) hides, at most
    // kMaxHideList; aux1 of the button holds the index of its last entry.
    std::vector<std::int32_t> hide_list;
    // Sample points of a conic (455, 456, 457), in world units.
    std::vector<WorldPoint> samples;
    // Point indices of a polyline (459).
    std::vector<std::int32_t> polyline;

    // Dpoint(black, 1).
    Dpoint();
    // Constructor with type, name and six parents (arg[6], arg[7] = 0).
    Dpoint(int type, std::string_view name, int a1 = 0, int a2 = 0, int a3 = 0,
           int a4 = 0, int a5 = 0, int a6 = 0);

    // Dpoint(colour, size): Reset, block 1, the colour, pen style 0, the size.
    static Dpoint with_colour(Colour colour, int size);
    // Dpoint(type, block): Reset, type, block.
    static Dpoint of_type(int type, int block);
    // Dpoint(type, name, x, y, a1..a6): as the named constructor, at (x, y).
    static Dpoint at_position(int type, std::string_view name, int x, int y, int a1 = 0,
                              int a2 = 0, int a3 = 0, int a4 = 0, int a5 = 0, int a6 = 0);

    // In place: Reset, then type, name and six parents (arg[6], arg[7] = 0).
    // Unlike assigning a new record, this keeps colour, pen style and size.
    void reinit(int type, std::string_view name, int a1 = 0, int a2 = 0, int a3 = 0,
                int a4 = 0, int a5 = 0, int a6 = 0);

    // Sets the fields a new record starts with; cls, block, saved position,
    // colour, pen style and size keep what they held. The owned arrays are emptied.
    void Reset();

    // Name, at most 9 characters (longer names are cut), always NUL-terminated.
    void set_name(std::string_view value);
    std::string_view name_view() const;
    bool name_is(std::string_view value) const { return name_view() == value; }

    // Text of a text object, at most 79 characters, always NUL-terminated.
    void set_text(std::string_view value);
    std::string_view text_view() const;

    bool is_text() const { return cls == oclass::kText || type == otype::kText; }

    // Number of hide-list entries in use: entries 0 to aux1 of a hide button,
    // never more than the list holds nor more than kMaxHideList.
    std::size_t hide_entries() const;
    // Appends an object index to a hide button's list and keeps aux1 on its
    // last entry; false when the list already holds kMaxHideList entries.
    bool add_hide_entry(std::int32_t index);
};
