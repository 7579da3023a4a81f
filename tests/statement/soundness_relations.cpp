#include "soundness_relations.h"

#include <algorithm>
#include <cmath>

namespace soundness {
namespace {

// The relation of a predicate keyword, made dimensionless by the figure's size;
// NaN when it cannot be told.
double relation(const std::string& k, const std::vector<P>& p, double size)
{
    const double s2 = size * size, s4 = s2 * s2;
    auto d2 = [&](int i, int j) { return norm2(p[i] - p[j]); };
    if (k == "COLLINEAR") return cross(p[1] - p[0], p[2] - p[0]) / s2;
    if (k == "PARALLEL") return cross(p[1] - p[0], p[3] - p[2]) / s2;
    if (k == "PERPENDICULAR") return dot(p[1] - p[0], p[3] - p[2]) / s2;
    if (k == "EQDISTANCE") return (d2(0, 1) - d2(2, 3)) / s2;
    if (k == "MIDPOINT") return std::sqrt(norm2(p[0] - 0.5 * (p[1] + p[2]))) / size;
    if (k == "EQANGEL") {
        const P u1 = p[1] - p[0], v1 = p[2] - p[1], u2 = p[4] - p[3], v2 = p[5] - p[4];
        return (cross(u1, v1) * dot(u2, v2) - dot(u1, v1) * cross(u2, v2)) / s4;
    }
    if (k == "EQ_PRODUCT") return (d2(0, 1) * d2(2, 3) - d2(4, 5) * d2(6, 7)) / s4;
    if (k == "COCIRCLE") {
        // det [ |q|^2 qx qy 1 ] over the four points, relative to the first.
        const P a = p[1] - p[0], b = p[2] - p[0], c = p[3] - p[0];
        return (norm2(a) * cross(b, c) - norm2(b) * cross(a, c) + norm2(c) * cross(a, b)) / s4;
    }
    if (k == "TANGENT") {
        const double A = d2(0, 1), B = d2(2, 3), C = d2(0, 2);
        return (A * A + B * B + C * C - 2 * A * B - 2 * A * C - 2 * B * C) / s4;
    }
    return kNaN;
}

// A quantity term of an equation side: its value and its degree in lengths.
struct Value {
    double v = kNaN;
    int degree = 0;
};

Value quantity(const std::string& side, const Points& pts)
{
    std::vector<std::string> w;
    std::string cur;
    for (char c : side) {
        if (c == ' ' || c == '(' || c == ')') {
            if (!cur.empty())
                w.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        w.push_back(cur);
    if (w.size() == 1)
        return {std::stod(w[0]), 0};
    std::vector<P> p;
    for (std::size_t i = 1; i < w.size(); ++i)
        p.push_back(pts.at(w[i]));
    const std::string& k = w[0];
    if (k == "AREA" && p.size() == 3) return {cross(p[1] - p[0], p[2] - p[0]) / 2, 2};
    if (k == "AREA" && p.size() == 4) return {(cross(p[1] - p[0], p[2] - p[0]) + cross(p[2] - p[0], p[3] - p[0])) / 2, 2};
    if (k == "SQ_DIS") return {norm2(p[1] - p[0]), 2};
    if (k == "PY") return {norm2(p[0] - p[1]) + norm2(p[2] - p[1]) - norm2(p[0] - p[2]), 2};
    if (k == "RATIO") {
        // A ratio of directed segments has a value only on parallel lines.
        const P u = p[1] - p[0], v = p[3] - p[2];
        if (norm2(v) == 0 || std::abs(cross(u, v)) > kHolds * (norm2(u) + norm2(v)))
            return {};
        return {dot(u, v) / norm2(v), 0};
    }
    if (k == "ANGLE") {
        const P u = p[1] - p[0], v = p[3] - p[2];
        if (norm2(u) == 0 || norm2(v) == 0)
            return {};
        return {std::atan2(cross(u, v), dot(u, v)), -1};  // an angle modulo pi
    }
    return {};
}

double equation(const Conclusion& c, const Points& pts, double size)
{
    const Value l = quantity(c.lhs, pts), r = quantity(c.rhs, pts);
    if (std::isnan(l.v) || std::isnan(r.v))
        return kNaN;
    if (l.degree < 0 || r.degree < 0) {
        const double lv = l.degree < 0 ? l.v : 0, rv = r.degree < 0 ? r.v : 0;
        return std::sin(lv - rv);
    }
    const int degree = std::max(l.degree, r.degree);
    return (l.v - r.v) / std::pow(size, degree);
}

Verdict classify(double r)
{
    if (std::isnan(r))
        return Verdict::Unclear;
    if (std::abs(r) < kHolds)
        return Verdict::Holds;
    return std::abs(r) > kFails ? Verdict::Fails : Verdict::Unclear;
}

}  // namespace

double figure_size(const Points& pts)
{
    double s = 0;
    for (const auto& [n1, p] : pts)
        for (const auto& [n2, q] : pts)
            s = std::max(s, std::sqrt(norm2(p - q)));
    return std::max(s, 1e-3);
}

Verdict test_predicate(const std::string& k, const std::vector<std::string>& args, const Points& pts,
                       double size)
{
    std::vector<P> p;
    for (const auto& n : args)
        p.push_back(pts.at(n));
    return classify(relation(k, p, size));
}

Verdict test_conclusion(const Conclusion& c, const Points& pts, double size)
{
    if (c.keyword == "=")
        return classify(equation(c, pts, size));
    if (c.keyword == "NO")
        return Verdict::Unclear;
    return test_predicate(c.keyword, c.args, pts, size);
}

}  // namespace soundness
