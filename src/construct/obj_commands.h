#pragma once
// The object commands beneath obj_step, by family. Each answers one step of
// its command with the pending record (or a complete record at step -1).

class ConstructionHost;
struct Dpoint;

namespace obj_commands {

// Figures: arcs, marked segments, conics, arrows, marks, fills and buttons.
// False when the pending command is none of them.
bool figure_step(ConstructionHost& host, int step, Dpoint& rec);

// Rename, delete and hide a point, measurements, text and the two turns.
// False when the pending command is none of them.
bool object_step(ConstructionHost& host, int step, Dpoint& rec);

// The last step of the members of the line family (p1, p2 the two ends)
// other than the segment and the segment mark: hide (170), delete (190),
// change (194) the segment, or take it as the dynamic unit (462).
void line_member(ConstructionHost& host, int id, Dpoint& rec);
// The same for the circle family (centre p1, p2 on the circle): hide (171),
// delete (191), change (189) the circle, or measure it (224).
void circle_member(ConstructionHost& host, int id, Dpoint& rec);

}  // namespace obj_commands
