#pragma once
// Fill objects (class 3): a triangle or polygon, a disc, a chord segment or a
// pie sector laid over what is drawn, by one of four raster operations, in
// the object's colour, solid or hatched.

#include "model/diagram.h"
#include "model/object_types.h"
#include "platform/device_context.h"

// Fill style 6 is solid; 0 to 5 are hatches.
inline constexpr int kSolidFillStyle = 6;
// A polygon holds at most eight points, the closing one included.
inline constexpr int kMaxFillPoints = 8;

// The raster operation kept in a fill's size: 1 mask ("Combination"), 2 copy,
// 3 xor, 4 merge; anything else masks.
Rop2 fill_rop(int size);

// Paints fill object i. With own_brush != 0 (the painter) the fill's own
// brush and raster operation are used; with 0 (the Script Manager highlight)
// the brush the caller selected, always masked. Hatches are black on paper.
// A defining point at device (0, 0) suppresses the whole fill.
void draw_fill(Diagram& d, DeviceContext& dc, int i, int own_brush);
