#pragma once
// The search for the diagram object under the mouse.

#include "model/diagram.h"
#include "model/object_types.h"
#include "platform/device_context.h"

// Pending commands that widen the search: "Change the diagram by draging a
// point" (cmd::kDragPoint) also finds buttons and texts; "Add a hide button"
// (otype::kHideButton) finds every kind of object that has a hit rule, within
// a smaller radius.

// Squared tolerances: 16 units, or 5 units while a hide button is filled.
inline constexpr double kPickTolerance2 = 256.0;
inline constexpr double kHideButtonTolerance2 = 25.0;

// (mx - px)^2 + (my - py)^2, in extended precision.
double dist_mouse2(int mx, int my, double px, double py);

// 1 when the direction from point c to the mouse lies strictly inside the
// counter-clockwise turn from the direction of a to that of b, else 0.
// Writes the mouse position into record 2.
int in_arc_range(Diagram& d, int mx, int my, int c, int a, int b);

// Whether foot f (on the line through e1 and e2) lies between e1 and e2,
// judged along the line so that vertical and horizontal lines work alike;
// `strict` excludes the ends.
bool foot_between(const ObjectTable& t, int f, int e1, int e2, bool strict);

// Finds the object nearest to the mouse within the tolerance: points first;
// then buttons and texts while command 175 is pending; then, while command
// 466 is pending, lines, curves, fills and marks. With block_only set and a
// current block chosen, only objects of that block are considered. Stores the
// index (0 for none) in picked_index and returns it. Points at device (0, 0)
// are never found. Uses records 1 to 4 (and the marks' records) as scratch.
int pick_nearest(Diagram& d, DevPoint mouse, int block_only = 0);
