#pragma once
// Small helpers the construction commands share: prompts, the picks of the
// pending record, and feedback figures drawn on the mouse operation's context
// (nothing is drawn while there is none, as when a complete record is built).

#include "construct/construction_host.h"
#include "platform/colour.h"

namespace cons {

// Colours of the selection marks and of the candidate marks.
inline constexpr Colour kPickMark = rgb(0, 0, 255);
inline constexpr Colour kCandidateMark = rgb(255, 0, 0);
// The toolkit's standard colours that some commands set.
inline constexpr Colour kStandardBlack = rgb(0, 0, 0);
inline constexpr Colour kStandardWhite = rgb(255, 255, 255);
inline constexpr Colour kStandardLightGreen = rgb(0, 255, 0);

// A click within this distance of an object (world units) reuses it.
inline constexpr double kReuseDistance = 10.0;

// Pick k (1..8) of a record: its arg[k - 1].
inline int pick(const Dpoint& rec, int k) { return rec.arg[static_cast<std::size_t>(k - 1)]; }

// Pane 1 shows the text of the string table's id.
void prompt(ConstructionHost& host, int id);

// Rubber figures: on != 0 draws in light green, on == 0 paints the same
// figure over in white. Line through a parallel to bc; through a
// perpendicular to bc; circle with centre c and radius |pq|.
void rubber_line(ConstructionHost& host, int on, int a, int b, int c);
void rubber_line2(ConstructionHost& host, int on, int a, int b, int c);
void rubber_circle(ConstructionHost& host, int on, int c, int p, int q);

// A 2-pixel ring around record i (0: the mouse position).
void dot(ConstructionHost& host, int i, Colour colour);
// A segment between two objects in the rubber-band pen (measuring feedback).
void feedback_segment(ConstructionHost& host, int a, int b);

// Draws object k now: on the mouse operation's context when there is one,
// else through the diagram's own painting hook.
void draw_line_now(ConstructionHost& host, int k);
void draw_one_now(ConstructionHost& host, int k);

}  // namespace cons
