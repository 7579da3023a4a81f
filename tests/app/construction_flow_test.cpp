// A drawing built with the mouse through the program's own command road:
// a triangle, its circumcentre and circumcircle, then a vertex dragged.

#include <gtest/gtest.h>

#include <cmath>

#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kCircumcentre = 105;
constexpr int kCircle = 136;
constexpr int kDragPoint = 175;

double distance(const Dpoint& a, const Dpoint& b) { return std::hypot(a.x - b.x, a.y - b.y); }

struct Circumcircle {
    int a = 0, b = 0, c = 0, centre = 0, circle = 0;
};

// Three free points by clicks, their circumcentre, and the circle about it
// through the first vertex.
Circumcircle build_circumcircle(RunningApp& r)
{
    Circumcircle f;
    EXPECT_TRUE(r.command(kPoint));
    EXPECT_EQ(r.pane(3), "Point");
    const int before = r.table().count();
    r.click({120, 110});
    r.click({330, 130});
    r.click({190, 300});
    EXPECT_EQ(r.table().count(), before + 3);
    f.a = before;
    f.b = before + 1;
    f.c = before + 2;
    r.right_click();

    EXPECT_TRUE(r.command(kCircumcentre));
    for (int k : {f.a, f.b, f.c})
        r.click_on(k);
    f.centre = r.table().new_index();
    EXPECT_EQ(r.table()[f.centre].type, kCircumcentre);
    r.right_click();

    EXPECT_TRUE(r.command(kCircle));
    r.click_on(f.centre);
    r.click_on(f.a);
    f.circle = r.table().count() - 1;
    EXPECT_EQ(r.table()[f.circle].type, kCircle);
    r.right_click();
    return f;
}

TEST(ConstructionFlow, CircumcircleFollowsADraggedVertex)
{
    RunningApp r;
    const Circumcircle f = build_circumcircle(r);
    ObjectTable& t = r.table();
    // The names come from the drawing's own naming.
    EXPECT_EQ(t[f.a].name_view(), "A");
    EXPECT_EQ(t[f.b].name_view(), "B");
    EXPECT_EQ(t[f.c].name_view(), "C");
    const Dpoint& circle = t[f.circle];
    EXPECT_EQ(circle.arg[0], f.centre);
    EXPECT_EQ(circle.arg[1], f.a);
    EXPECT_NEAR(distance(t[f.centre], t[f.a]), distance(t[f.centre], t[f.b]), 1e-9);
    EXPECT_NEAR(distance(t[f.centre], t[f.a]), distance(t[f.centre], t[f.c]), 1e-9);
    EXPECT_EQ(r.drawing().modified, 1);

    ASSERT_TRUE(r.command(kDragPoint));
    const Dpoint centre_before = t[f.centre];
    r.drag(r.position_of(f.b), {360, 220});
    r.drawing().flush();
    EXPECT_DOUBLE_EQ(t[f.b].x, 360.0);
    EXPECT_DOUBLE_EQ(t[f.b].y, 220.0);
    EXPECT_GT(distance(t[f.centre], centre_before), 1.0) << "the circumcentre moved with B";
    const double radius = distance(t[f.centre], t[f.a]);
    EXPECT_NEAR(distance(t[f.centre], t[f.b]), radius, 1e-6);
    EXPECT_NEAR(distance(t[f.centre], t[f.c]), radius, 1e-6);

    // The circle is painted through all three vertices: a dark pixel on the
    // circle at the far side of the centre from A.
    const Dpoint& o = t[f.centre];
    const Dpoint& a = t[f.a];
    const int far_x = static_cast<int>(std::lround(2 * o.x - a.x));
    const int far_y = static_cast<int>(std::lround(2 * o.y - a.y));
    bool dark = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            dark = dark || r.drawing().surface().pixel(far_x + dx, far_y + dy) != kWhite;
    EXPECT_TRUE(dark);
}

}  // namespace
