#pragma once
// Helpers for model tests: a drawing's table with points placed at given
// indices, the mouse position, and where a record lies.

#include <gtest/gtest.h>

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

// The mouse position the kernels read (state record roles).
inline void set_mouse(ObjectTable& t, double x, double y) {
    t.mouse_x() = x;
    t.mouse_y() = y;
}

// Record i lies at (x, y) within eps.
inline void expect_at(const ObjectTable& t, int i, double x, double y, double eps = 1e-9) {
    EXPECT_NEAR(t.get(i).x, x, eps) << "record " << i;
    EXPECT_NEAR(t.get(i).y, y, eps) << "record " << i;
}

}  // namespace model_test
