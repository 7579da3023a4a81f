#pragma once
// Diagnostic listing of a drawing's objects, one line per object, written over
// the diagram from the top-left corner downward.

#include <functional>
#include <string>
#include <string_view>

#include "model/diagram.h"

// Writes one line at device (x, y); the window passes its device context's
// text_out (current font and colours, the text's full length).
using DumpWriter = std::function<void(int x, int y, std::string_view text)>;

// The line of record p at index i, final line feed included.
std::string dump_line(const Dpoint& p, int index);

// Writes the lines of every object; a line at y above 600 starts again at the top.
void dump_points(Diagram& d, const DumpWriter& write);

// The drawing window's command: nothing while the animation runs.
void dump_diagram_cmd(Diagram& d, const DumpWriter& write);
