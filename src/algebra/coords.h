#pragma once
// Coordinates of the statement's points for Wu's and the Groebner method.
// Point 1 is the origin, point 2 lies on the x axis at x1, every other point i
// has the coordinates x_(2(i-2)) and x_(2(i-2)+1). Under the Groebner method
// the independent coordinates are parameters u instead: both of a free
// point's, the x of a point on a circle.

struct xterm;

// Is point i's x (or both coordinates) a parameter under the Groebner method?
// Not when a hypothesis predicate mentions the point: the predicate ties it
// to the others, and treating its coordinates as independent would make the
// hypotheses contradict the parameters.
bool param_point(int i);

// Signed index of point i's coordinates: a positive index names x_i, a
// negative or zero one the parameter u_(-i).
int x_var(int i);
int y_var(int i);
// The coordinate polynomials of point i (0 for the origin's, and point 2's y).
xterm* x_poly(int i);
xterm* y_poly(int i);

// "The coordinates" heading and every point's coordinate names.
void print_coords();
