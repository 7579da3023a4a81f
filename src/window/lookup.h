#pragma once
// Object look-ups of a drawing window beside the model's own (find_object,
// find_circle and find_object_by_name live in model/find_object.h).

#include "model/find_object.h"
#include "model/object_table.h"

// The first object of `block` (compared even when 0) whose type, name and
// position equal the record's exactly; 0 when none. Leaves the last index in
// the record count.
int find_same_object(ObjectTable& t, const Dpoint& record, int block);

// 1 when object i is a point that can be dragged: a free point (101) or a
// point on a line or circle (99, 110 to 115); else 0.
int is_movable_point(ObjectTable& t, int i);
