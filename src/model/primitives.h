#pragma once
// Measuring and solving primitives on the records of an object table. They read
// only x and y of the records named by index; index 0 (the state record) holds
// the last mouse position, so measuring from 0 measures from the mouse.

#include "model/object_table.h"

// Guards and sentinel values; they decide where a degenerate figure lands.
inline constexpr double kSlopeGuard = 1e-9;
inline constexpr double kSteepSlope = 100000001.0;
inline constexpr double kDegreesPerRadian = 57.29579143313326;  // 180 / 3.141592
inline constexpr double kRightAngleGuard = 1e-8;
inline constexpr double kRightAngleTangent = 1111111111.0;
inline constexpr double kDeterminantGuard = 1e-8;
inline constexpr double kCoefficientGuard = 1e-5;

double p_dist(const ObjectTable& t, int i, int j);
double p_dist2(const ObjectTable& t, int i, int j);
// Slope of the line from a to b; +-kSteepSlope for a (nearly) vertical pair.
double p_slope(const ObjectTable& t, int a, int b);
// Direction from a to b in degrees, counter-clockwise on the screen, normally in [0, 360).
double p_angle(const ObjectTable& t, int a, int b);
// Tangent of the angle at b from ray b-a to ray b-c; kRightAngleTangent at a right angle.
double p_tan_angle(const ObjectTable& t, int a, int b, int c);

// Intersection of a1 x + b1 y + c1 = 0 and a2 x + b2 y + c2 = 0 into the result
// register: 1, or -1 with (0, 0) for parallel lines.
int cal_inter_coef(ObjectTable& t, double a1, double b1, double c1, double a2, double b2,
                   double c2);
// The two intersections of line A x + B y + C = 0 with the circle (cx, cy; r2)
// into candidate records 10 (plus root) and 11: 1, or -1 writing nothing.
int lc_roots(ObjectTable& t, double A, double B, double C, double cx, double cy, double r2);
// lc_roots, then the root farther from (nearer to) ref into the result register;
// ties take record 10. Without roots: register and both candidates (0, 0), -1.
int cal_inter_lc_far(ObjectTable& t, double A, double B, double C, double cx, double cy,
                     double r2, int ref);
int cal_inter_lc_near(ObjectTable& t, double A, double B, double C, double cx, double cy,
                      double r2, int ref);

// Signed area of triangle a b c in squared length units (coordinate
// differences divided by the unit length first); positive when a, b, c turn
// clockwise on the screen.
double area3(const ObjectTable& t, int a, int b, int c);
