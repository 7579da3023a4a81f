#pragma once
// Helpers for painter tests: a drawing with objects placed by hand.

#include <initializer_list>
#include <string>

#include "model/diagram.h"
#include "model/object_table.h"
#include "platform/colour.h"

namespace paint_test {

// Appends a free point (type 101) at (x, y); returns its index.
inline int add_point(Diagram& d, double x, double y, const char* name = "")
{
    Dpoint p(101, name);
    p.cls = 1;
    p.x = x;
    p.y = y;
    return d.table.append(p);
}

// Appends an object of the given type and class with its parents; returns its index.
inline int add_object(Diagram& d, int type, int cls, std::initializer_list<int> args,
                      Colour colour = kBlack)
{
    Dpoint o(type, "x");
    o.cls = static_cast<std::int8_t>(cls);
    int k = 0;
    for (int a : args)
        o.arg[k++] = a;
    o.colour = colour;
    o.name_shown = 0;
    return d.table.append(o);
}

// Puts (x, y) into record i.
inline void place(Diagram& d, int i, double x, double y)
{
    d.table[i].x = x;
    d.table[i].y = y;
}

// Switches the drawing to print mode with the usual scale.
inline void print_mode(Diagram& d, double scale = 6.0)
{
    d.table.pending_command() = 210;
    d.table.print_scale() = scale;
}

inline std::string output_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_OUTPUT) + "/" + file;
}

}  // namespace paint_test
