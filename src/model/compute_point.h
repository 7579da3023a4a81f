#pragma once
// Re-solving one point of a drawing from its parents, by its construction type.
//
// The state record tells the situation: `placing` (a new point is placed from
// the mouse), `recompute` (constructed points are re-solved), `dragged_index`
// (semi-free points up to it keep their positions) and `action_state` -179
// (resize: semi-free points are left alone). A construction without a solution
// puts its point at (0, 0), and a point with a parent there fails in turn, so
// failures run silently down to the dependants when the table is re-solved in
// index order.

#include "model/object_table.h"
#include "platform/colour.h"

class DeviceContext;
struct Diagram;

// Status results (no caller acts on them).
inline constexpr int kComputeFailed = -1;          // a parent failed, or no intersection
inline constexpr int kComputeLeftAlone = 0;        // semi-free point in resize mode
inline constexpr int kComputeDone = 1;
inline constexpr int kComputeCirclesApart = 2;     // types 127, 128 on recompute
inline constexpr int kComputeCandidatesShown = 5;  // a new intersection with a circle

// arg[0] to arg[5] of a point name its parents where they are not 0; arg[6]
// and arg[7] never do.
inline constexpr int kParentArgs = 6;

// Whether re-solving a point of this type reads more than its parents: an
// intersection of a line with a circle takes the root away from any earlier
// point (index 20 up to its own) that lies on both, so it depends on every
// point before it.
bool reads_earlier_points(int type);

// Re-solves object i. Only points (class 1) are computed; any other object is
// left as it is (status 1). A parent index that is negative or not below i
// counts as a failed parent. While a new intersection with a circle is placed,
// its two candidates (records 10 and 11) are marked on dc when dc is not null.
int compute_point(ObjectTable& t, DeviceContext* dc, int i);
int compute_point(Diagram& d, DeviceContext* dc, int i);

// Whether parent j of object i counts as failed: an index out of order, or a
// position that maps to device (0, 0) as a length in both coordinates.
bool parent_failed(const ObjectTable& t, int i, int j);

// Marks record k as a candidate: a ring of radius 2 device units in the colour,
// white inside; nothing when k maps to device (0, 0). Restores pen and brush.
void mark_candidate(const ObjectTable& t, DeviceContext& dc, int k, Colour colour);
