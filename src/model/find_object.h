#pragma once
// Searches of a drawing's objects (indices 20 to the count minus one). Each
// leaves the table's last index (the count minus one) in record_count.

#include <string_view>

#include "model/object_table.h"
#include "model/object_types.h"

// First object of `type` with arg[0] = a and arg[1] = b, only within `block`
// when it is non-zero; 0 when none. Type 136 is answered by find_circle.
int find_object(ObjectTable& t, int type, int a, int b, int block);
// First circle (136) with centre c whose radius differs from |cp| by less than
// 2.0 world units, in any block; 0 when none.
int find_circle(ObjectTable& t, int c, int p);
// First object other than `exclude` named exactly `name`, only within `block`
// when it is non-zero; 0 when none.
int find_object_by_name(ObjectTable& t, std::string_view name, int exclude, int block);
