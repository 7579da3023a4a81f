#pragma once
// Printers of the non-degeneracy conditions of a construction. Points are
// compared by name, as the conditions are read by the user.

#include <string>

// "A ≠ B."
std::string nd_neq(int a, int b);
// Line ab is not parallel to line cd; "Points ..., are not collinear." when
// the two lines share a name.
std::string nd_npara(int a, int b, int c, int d);
// Line ab is not perpendicular to line cd.
std::string nd_nperp(int a, int b, int c, int d);
