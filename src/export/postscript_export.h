#pragma once
// A drawing as a one-page PostScript document: the prologue of drawing
// procedures, a page set-up that fits the drawing's area onto the paper, and
// the nine element sections (export_painting.h), each between
// "%%BeginObject: <section>" and "%%EndObject".

#include <iosfwd>
#include <string_view>

#include "model/diagram.h"
#include "platform/device_context.h"

// Paper and margin in points (A4 by default). The drawing keeps its
// proportions and is never enlarged: one device unit is one point at most.
struct PostScriptPage {
    double width = 595.0;
    double height = 842.0;
    double margin = 36.0;
};

// Writes the drawing, painted as a finished repaint leaves it (no point
// re-solved), cut to `area` (the window's client area in device units).
// False when the stream failed.
bool write_postscript(Diagram& d, std::ostream& out, DevSize area, std::string_view title,
                      const PostScriptPage& page = {});
