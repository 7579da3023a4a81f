#pragma once
// Points and vectors of the soundness check's numeric figures.

#include <cmath>
#include <limits>

namespace soundness {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct P {
    double x = 0, y = 0;
};
inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
inline P operator*(double k, P a) { return {k * a.x, k * a.y}; }
inline double dot(P a, P b) { return a.x * b.x + a.y * b.y; }
inline double cross(P a, P b) { return a.x * b.y - a.y * b.x; }
inline double norm2(P a) { return dot(a, a); }
inline P turn(P a) { return {-a.y, a.x}; }  // by +90 degrees
inline P rotate(P a, double angle) { return {a.x * std::cos(angle) - a.y * std::sin(angle), a.x * std::sin(angle) + a.y * std::cos(angle)}; }

}  // namespace soundness
