#pragma once
// The model's half of a drag step: the picked object goes to the mouse
// position. The drag repaints after it; the replay of the loci re-solves only
// what its samples need.

#include "model/object_table.h"

// Whether objects of this type follow the mouse when dragged: free points,
// texts, the two buttons and the points on a line or circle.
bool is_draggable_type(int type);

// Moves the picked object (state record) to the mouse position by its type: a
// free point, a text or a button takes the position itself; a point on a line
// or circle is put on its carrier at the foot (or ray) from the mouse and keeps
// its new parameter; any other object, or a pick that names no object, stays.
void place_picked_object(ObjectTable& t);
