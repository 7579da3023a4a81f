#pragma once
// The construction command engine: every drawing command built from picked
// objects runs on the pending record, which collects the picks, the action
// state (11 + number of picks while a command collects them) and one step
// routine answered by every command:
//   step 0    starts the command: command line and first prompt;
//   step k    follows the k-th pick (stored in the pending record's arg[k-1]);
//   step -1   builds at once from a complete record (no marks, no prompts,
//             the record's own names kept, no repetition).
// A finished command is not ended: it starts again for the next object until
// the right button ends it.

#include "platform/device_context.h"

class ConstructionHost;
struct Dpoint;

// A left click in action states 11 to 18, at the mouse point (device units).
// The left-button handler has stored the mouse position in the state record
// and the object count in its last index.
void cons_click(ConstructionHost& host, DevPoint mouse);

// The step routine of every command. rec is the pending record (may be null
// at step 0); flag is handed on to inter_step and obj_step.
void cons_step(ConstructionHost& host, int step, Dpoint* rec, int flag);

// The point constructions; false when the pending command is none of them.
bool point_step(ConstructionHost& host, int step, Dpoint& rec);
// The intersection commands 116 to 128; every other command goes on to obj_step.
void inter_step(ConstructionHost& host, int step, Dpoint* rec, int flag);
// Lines, circles, figures, marks, fills, buttons, and the commands that
// rename, hide, delete, restyle, measure, write text or turn the diagram.
void obj_step(ConstructionHost& host, int step, Dpoint* rec, int flag);
