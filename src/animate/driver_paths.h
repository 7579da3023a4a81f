#pragma once
// Where the animation puts a driving point at a step, and where a function
// graph puts its sample.
//
// A cycle has record 12's number of steps. A driving point of speed v covers
// v / 2 laps of its path per cycle: on a segment it runs from the first end
// to the second and back (speed 2: there and back once), on a circle it turns
// counter-clockwise on the screen from the circle's point (speed 2: one
// turn). A negative speed runs the other way round.

#include <optional>

#include "model/object_table.h"

// The position of driving point k at `step` along its segment (type 135) or
// circle (type 136); nullopt when it has no such path or the path's points
// are missing.
std::optional<WorldPoint> path_position(const ObjectTable& t, int k, int step);

// 1 while driving point k runs from the first end of its segment to the
// second at `step`, 0 on the way back.
int segment_direction(const ObjectTable& t, int k, int step);

// The sample of a function graph: the foot of `abscissa` on the axis
// (segment object `axis`), moved off the axis by value unit lengths, upward
// for an axis drawn left to right. nullopt for a degenerate axis.
std::optional<WorldPoint> graph_point(const ObjectTable& t, int axis, WorldPoint abscissa, double value);
