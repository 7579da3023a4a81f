#pragma once
// Which points a set of objects is computed from, by the rules compute_point
// reads its table with, so that a part of the drawing can be re-solved alone.

#include <vector>

#include "model/object_table.h"

// The points (index 20 up, in table order) that re-solving the given objects
// in table order would need current: those of them that are points, every
// object they name in arg[0] to arg[5] (a line's or circle's defining points
// too), and so on down; a point that reads every earlier point
// (reads_earlier_points) needs all of them. Indices that name no object are
// passed over.
std::vector<int> points_depended_on(const ObjectTable& t, const std::vector<int>& objects);
