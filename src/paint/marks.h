#pragma once
// Measurement marks and arrows: the segment-length mark (181), the angle
// marks (182, 183), the radius mark (184), the one-way and two-way arrows
// (186, 187) and the arrow of the unit ruler. Their construction points are
// made in world units in the scratch records 1 to 9 and mapped afterwards.
//
// Modes: kPickMode is a pick test that draws nothing (no device context
// needed; a mark under the mouse becomes the picked object); a negative mode
// is the Script Manager's selection feedback, drawn with the caller's pen and
// brush and without label; any other mode paints normally.

#include "model/diagram.h"
#include "model/object_types.h"
#include "platform/device_context.h"

inline constexpr int kPickMode = 10;

// Distance within which the mouse picks a mark's line or arc.
inline constexpr double kMarkPickDistance = 5.0;

// Segment-length mark i of the segment from a to b: a dimension line 10
// units beside the segment (on the left of a->b as seen on the screen) with
// ticks across its ends, and the mark's name. i == 0: no name.
void draw_segment_mark(Diagram& d, DeviceContext* dc, int mode, int i, int a, int b,
                       DevPoint mouse = {});

// Angle mark i at vertex v between the arms through p and q (in either
// order): an arc, or a filled sector for 183, of radius 5 x size + 5 (at
// most the shorter arm), a square corner for a right angle, and the name on
// the bisector. The sweep shown is the one of at most 180 degrees.
void draw_mark(Diagram& d, DeviceContext* dc, int mode, int i, int v, int p, int q,
               DevPoint mouse = {});

// Arrow from tail a to head b, with a second head at a for type 187. The
// shaft uses the selected pen, the heads a 1-pixel pen of `colour`. A radius
// mark (object i of type 184) writes its name at the middle in the font
// colour. Draws the same in every mode.
void draw_length_mark(Diagram& d, DeviceContext& dc, int mode, int i, int a, int b, int type,
                      Colour colour);
