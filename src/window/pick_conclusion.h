#pragma once
// Picking the conclusion of a drawing: prompts, the red marks of the picked
// segments and circles, and the conclusion record (reserved record 1).

class Dchild;
struct Dpoint;

// One step of a conclusion command (the pending command 148 to 158, 236 or
// 237): step 0 begins the command line and prompts, later steps draw the
// parts picked so far, the final step (and step -1, which builds at once from
// a complete record) stores the conclusion and sets the mode to 0.
void pick_conclusion(Dchild& win, int step, const Dpoint& record);
