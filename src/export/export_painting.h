#pragma once
// How the exports paint a drawing: with the state of a finished repaint (no
// point re-solved), and, for PostScript, in nine element sections.

#include <array>
#include <functional>
#include <string_view>

#include "model/diagram.h"
#include "platform/device_context.h"

// What the window's repaint does before it paints: nothing is being placed
// or re-solved, no drag is under way.
void settle_for_painting(ObjectTable& t);

// The element sections of an exported drawing, in the order they are painted.
// Fills come first: a page has no combining raster operations, so a fill
// painted over a line would hide it, where the screen lets the line show.
inline constexpr std::array<std::string_view, 9> kExportSections = {
    "fills", "circles and conics", "marks", "lines", "texts",
    "buttons", "points", "measurements", "loci"};

// Paints the whole diagram as the painter's routines draw each element,
// section by section; `mark(section, begin)` is called around each section.
void paint_in_sections(Diagram& d, DeviceContext& dc,
                       const std::function<void(int section, bool begin)>& mark);
