// Every constructed point type on random figures: the solved point must have
// the geometric property that defines it, checked numerically.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "geometry_fixture.h"
#include "model/compute_point.h"
#include "table_fixture.h"

namespace {

using geometry_test::add_constructed;
using geometry_test::place_new;
using model_test::add_free_point;

struct V {
    double x, y;
    V operator-(V o) const { return {x - o.x, y - o.y}; }
    V operator+(V o) const { return {x + o.x, y + o.y}; }
    V operator*(double k) const { return {x * k, y * k}; }
};
double dot(V a, V b) { return a.x * b.x + a.y * b.y; }
double cross(V a, V b) { return a.x * b.y - a.y * b.x; }
double len(V a) { return std::hypot(a.x, a.y); }

// A point of the given type whose parents are free points placed at random.
struct RandomFigure {
    ObjectTable t;
    std::vector<V> p;  // the parents' positions
    int r = 0;
    RandomFigure(int type, int parents, std::mt19937& random)
    {
        std::uniform_real_distribution<double> coordinate(40.0, 600.0);
        Dpoint point(type, "R");
        point.cls = 1;
        for (int k = 0; k < parents; ++k) {
            p.push_back({coordinate(random), coordinate(random)});
            point.arg[k] = add_free_point(t, p.back().x, p.back().y);
        }
        r = t.append(point);
    }
};
V at(const ObjectTable& t, int k) { return {t.get(k).x, t.get(k).y}; }
// Distance of p from the line through a and b.
double off_line(V p, V a, V b) { return std::abs(cross(b - a, p - a)) / len(b - a); }
// Sine of the angle between two directions.
double sin_between(V u, V w) { return std::abs(cross(u, w)) / (len(u) * len(w)); }
double cos_between(V u, V w) { return std::abs(dot(u, w)) / (len(u) * len(w)); }

// Residuals (lengths, in pixels) that vanish for the right point; an empty
// list when the random figure is too close to degenerate to judge.
using Property = std::function<std::vector<double>(const std::vector<V>&, V)>;

struct TypeProperty {
    int type;
    int parents;
    Property residuals;
};

const std::vector<TypeProperty>& properties() {
    static const std::vector<TypeProperty> table = {
        {102, 3, [](const auto& p, V r) {  // foot of p0 on p1 p2
             return std::vector<double>{off_line(r, p[1], p[2]),
                                        dot(r - p[0], p[2] - p[1]) / len(p[2] - p[1])};
         }},
        {103, 2, [](const auto& p, V r) { return std::vector<double>{len(r * 2 - p[0] - p[1])}; }},
        {104, 3, [](const auto& p, V r) { return std::vector<double>{len(r * 3 - p[0] - p[1] - p[2])}; }},
        {105, 3, [](const auto& p, V r) {
             if (sin_between(p[1] - p[0], p[2] - p[0]) < 0.2) return std::vector<double>{};
             return std::vector<double>{len(r - p[0]) - len(r - p[1]), len(r - p[0]) - len(r - p[2])};
         }},
        {106, 3, [](const auto& p, V r) {
             if (sin_between(p[1] - p[0], p[2] - p[0]) < 0.2) return std::vector<double>{};
             return std::vector<double>{dot(r - p[0], p[2] - p[1]) / len(p[2] - p[1]),
                                        dot(r - p[1], p[2] - p[0]) / len(p[2] - p[0])};
         }},
        {108, 3, [](const auto& p, V r) {  // incenter: equally far from the sides, inside
             if (sin_between(p[1] - p[0], p[2] - p[0]) < 0.2) return std::vector<double>{};
             const double d0 = off_line(r, p[0], p[1]), d1 = off_line(r, p[1], p[2]),
                          d2 = off_line(r, p[2], p[0]);
             const double inside = cross(p[1] - p[0], r - p[0]) * cross(p[1] - p[0], p[2] - p[0]) > 0 ? 0 : 1e3;
             return std::vector<double>{d0 - d1, d1 - d2, inside};
         }},
        {109, 2, [](const auto& p, V r) {
             return std::vector<double>{len(r - p[0]) - len(p[1] - p[0]), len(r - p[1]) - len(p[1] - p[0])};
         }},
        {116, 4, [](const auto& p, V r) {
             if (sin_between(p[1] - p[0], p[3] - p[2]) < 0.2) return std::vector<double>{};
             return std::vector<double>{off_line(r, p[0], p[1]), off_line(r, p[2], p[3])};
         }},
        {117, 5, [](const auto& p, V r) {  // line p0 p1, parallel to p3 p4 through p2
             if (sin_between(p[1] - p[0], p[4] - p[3]) < 0.2) return std::vector<double>{};
             return std::vector<double>{off_line(r, p[0], p[1]), off_line(r, p[2], p[2] + (p[4] - p[3]))};
         }},
        {118, 5, [](const auto& p, V r) {  // line p0 p1, perpendicular to p3 p4 through p2
             if (cos_between(p[1] - p[0], p[4] - p[3]) < 0.2) return std::vector<double>{};
             return std::vector<double>{off_line(r, p[0], p[1]), dot(r - p[2], p[4] - p[3]) / len(p[4] - p[3])};
         }},
        {119, 6, [](const auto& p, V r) {  // parallel to p1 p2 through p0, to p4 p5 through p3
             if (sin_between(p[2] - p[1], p[5] - p[4]) < 0.2) return std::vector<double>{};
             return std::vector<double>{cross(r - p[0], p[2] - p[1]) / len(p[2] - p[1]),
                                        cross(r - p[3], p[5] - p[4]) / len(p[5] - p[4])};
         }},
        {120, 6, [](const auto& p, V r) {  // parallel through p0, perpendicular through p3
             if (cos_between(p[2] - p[1], p[5] - p[4]) < 0.2) return std::vector<double>{};
             return std::vector<double>{cross(r - p[0], p[2] - p[1]) / len(p[2] - p[1]),
                                        dot(r - p[3], p[5] - p[4]) / len(p[5] - p[4])};
         }},
        {121, 6, [](const auto& p, V r) {  // two perpendiculars
             if (sin_between(p[2] - p[1], p[5] - p[4]) < 0.2) return std::vector<double>{};
             return std::vector<double>{dot(r - p[0], p[2] - p[1]) / len(p[2] - p[1]),
                                        dot(r - p[3], p[5] - p[4]) / len(p[5] - p[4])};
         }},
        {129, 2, [](const auto& p, V r) { return std::vector<double>{len(r + p[1] - p[0] * 2)}; }},
        {130, 3, [](const auto& p, V r) {  // p0 reflected in line p1 p2
             const V mid = (r + p[0]) * 0.5;
             return std::vector<double>{off_line(mid, p[1], p[2]),
                                        dot(r - p[0], p[2] - p[1]) / len(p[2] - p[1])};
         }},
        {131, 3, [](const auto& p, V r) {  // p0 inverted in the circle about p1 through p2
             const double radius = len(p[2] - p[1]);
             if (len(p[0] - p[1]) < 0.2 * radius) return std::vector<double>{};
             return std::vector<double>{len(r - p[1]) * len(p[0] - p[1]) / radius - radius,
                                        cross(r - p[1], p[0] - p[1]) / len(p[0] - p[1]),
                                        dot(r - p[1], p[0] - p[1]) > 0 ? 0.0 : 1e3};
         }},
        // The squares on p0 p1: a quarter turn about p0, up the screen (132) or down (133).
        {132, 2, [](const auto& p, V r) {
             const V e = p[1] - p[0];
             return std::vector<double>{len(r - (p[0] + V{e.y, -e.x}))};
         }},
        {133, 2, [](const auto& p, V r) {
             const V e = p[1] - p[0];
             return std::vector<double>{len(r - (p[0] + V{-e.y, e.x}))};
         }},
    };
    return table;
}

TEST(ConstructionProperties, HoldOnRandomFigures) {
    std::mt19937 random(20240531);
    for (const TypeProperty& c : properties()) {
        SCOPED_TRACE(c.type);
        int judged = 0;
        for (int trial = 0; trial < 200; ++trial) {
            RandomFigure f(c.type, c.parents, random);
            f.t.placing() = 0;
            f.t.recompute() = 1;
            ASSERT_EQ(compute_point(f.t, nullptr, f.r), kComputeDone);
            const auto residuals = c.residuals(f.p, at(f.t, f.r));
            if (residuals.empty()) continue;
            ++judged;
            for (double e : residuals) ASSERT_NEAR(e, 0.0, 1e-6) << "trial " << trial;
        }
        EXPECT_GT(judged, 100);
    }
}

TEST(ConstructionProperties, TheVertexFromTheIncenterHasThatIncenter) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(40.0, 600.0);
    int judged = 0;
    for (int trial = 0; trial < 200; ++trial) {
        ObjectTable t;
        const V a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)},
            c{coordinate(random), coordinate(random)};
        if (sin_between(b - a, c - a) < 0.3 || sin_between(a - b, c - b) < 0.3) continue;
        const int ia = add_free_point(t, a.x, a.y), ib = add_free_point(t, b.x, b.y);
        const int ic = add_free_point(t, c.x, c.y);
        const int in = add_constructed(t, 108, {ia, ib, ic});
        const int v = add_constructed(t, 107, {ia, ib, in});
        t.placing() = 0;
        t.recompute() = 1;
        compute_point(t, nullptr, in);
        compute_point(t, nullptr, v);
        ++judged;
        ASSERT_NEAR(len(at(t, v) - c), 0.0, 1e-6) << trial;
    }
    EXPECT_GT(judged, 50);
}

// Intersections with circles (types 122 to 128) placed by a click: both
// candidates lie on both curves and the point takes the one nearer the mouse.
TEST(ConstructionProperties, CircleIntersectionsLieOnBothCurves) {
    struct Curve {
        int kind;  // 0: line through a parallel to b c; 1: tline through a perpendicular to b c; 2: circle a, radius |b c|
        int a, b, c;
    };
    struct Case {
        int type;
        int parents;
        Curve first, second;
    };
    const Case cases[] = {
        {122, 4, {0, 0, 0, 1}, {2, 2, 2, 3}}, {123, 5, {0, 0, 1, 2}, {2, 3, 3, 4}},
        {124, 5, {1, 0, 1, 2}, {2, 3, 3, 4}}, {125, 4, {2, 0, 0, 1}, {2, 2, 2, 3}},
        {126, 5, {0, 0, 0, 1}, {2, 2, 3, 4}}, {127, 5, {2, 0, 0, 1}, {2, 2, 3, 4}},
        {128, 6, {2, 0, 1, 2}, {2, 3, 4, 5}},
    };
    const auto residual = [](const Curve& k, const std::vector<V>& p, V r) {
        const V dir = p[k.c] - p[k.b];
        switch (k.kind) {
        case 0: return cross(r - p[k.a], dir) / len(dir);
        case 1: return dot(r - p[k.a], dir) / len(dir);
        default: return len(r - p[k.a]) - len(dir);
        }
    };
    std::mt19937 random(99);
    std::uniform_real_distribution<double> coordinate(40.0, 600.0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        int judged = 0;
        for (int trial = 0; trial < 300; ++trial) {
            RandomFigure f(c.type, c.parents, random);
            const V mouse{coordinate(random), coordinate(random)};
            EXPECT_EQ(place_new(f.t, f.r, mouse.x, mouse.y), kComputeCandidatesShown);
            const V got = at(f.t, f.r), c0 = at(f.t, rec::kCandidate0), c1 = at(f.t, rec::kCandidate1);
            const auto& p = f.p;
            if (len(got) == 0.0 || len(c0 - c1) < 1.0) continue;  // the curves miss or touch
            ++judged;
            for (V x : {got, c0, c1}) {
                ASSERT_NEAR(residual(c.first, p, x), 0.0, 1e-6) << trial;
                ASSERT_NEAR(residual(c.second, p, x), 0.0, 1e-6) << trial;
            }
            ASSERT_LE(len(got - mouse), std::min(len(c0 - mouse), len(c1 - mouse)) + 1e-9) << trial;
        }
        EXPECT_GT(judged, 30);
    }
}

}  // namespace
