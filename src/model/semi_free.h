#pragma once
// The points that move along one line or circle (types 99 and 110 to 115),
// dispatched by type to their init and recompute kernels (model/on_curve.h).

#include "model/object_table.h"

bool is_semi_free_type(int type);

// Puts semi-free point i on its line or circle from ref (0: the mouse) and
// stores its placing parameter. Returns the kernel's result (1 unless an
// on-circle kernel could not place the point), 0 for another type.
int semi_free_init(ObjectTable& t, int i, int ref);
// Re-derives semi-free point i from its stored parameter, choosing between two
// roots by nearness to ref (normally i itself). Results as semi_free_init.
int semi_free_cal(ObjectTable& t, int i, int ref);
