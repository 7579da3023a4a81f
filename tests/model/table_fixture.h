#pragma once
// Helpers for model tests: a drawing's table with points placed at given indices.

#include "model/diagram.h"
#include "model/object_table.h"

namespace model_test {

// Appends a free point (type 101) at (x, y); returns its index.
inline int add_free_point(ObjectTable& t, double x, double y, const char* name = "") {
    Dpoint p(101, name);
    p.cls = 1;
    p.x = x;
    p.y = y;
    return t.append(p);
}

// Puts (x, y) into record i (a reserved scratch record or an object).
inline void place(ObjectTable& t, int i, double x, double y) {
    t[i].x = x;
    t[i].y = y;
}

}  // namespace model_test
