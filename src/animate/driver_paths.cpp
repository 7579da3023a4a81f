#include "animate/driver_paths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/object_types.h"

namespace {

bool is_placed_object(const ObjectTable& t, int i) { return i >= rec::kFirstObject && t.contains(i); }

// Laps of the path covered at `step`, in half laps.
double phase(const ObjectTable& t, int k, int step)
{
    const int steps = std::max(1, t.get(rec::kAnimation).arg[3]);
    const int speed = t.get(rec::kDriverSpeed).arg[std::clamp(k, 0, 7)];
    return static_cast<double>(step) * speed / steps;
}

// The phase folded into [0, 2).
double folded(double p) { return p - 2.0 * std::floor(p / 2.0); }

// The two points of a path object, when both exist.
bool path_ends(const ObjectTable& t, int path, int type, WorldPoint& a, WorldPoint& b)
{
    if (!is_placed_object(t, path) || t.get(path).type != type)
        return false;
    const Dpoint& o = t.get(path);
    if (!is_placed_object(t, o.arg[0]) || !is_placed_object(t, o.arg[1]))
        return false;
    a = {t.get(o.arg[0]).x, t.get(o.arg[0]).y};
    b = {t.get(o.arg[1]).x, t.get(o.arg[1]).y};
    return true;
}

}  // namespace

std::optional<WorldPoint> path_position(const ObjectTable& t, int k, int step)
{
    if (k < 0 || k > 7)
        return std::nullopt;
    const int path = t.get(rec::kDriverPath).arg[k];
    WorldPoint a, b;
    if (path_ends(t, path, otype::kSegment, a, b)) {
        const double u = folded(phase(t, k, step));
        const double f = u <= 1.0 ? u : 2.0 - u;
        return WorldPoint{a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)};
    }
    if (path_ends(t, path, otype::kCircle, a, b)) {
        const double r = std::hypot(b.x - a.x, b.y - a.y);
        // Counter-clockwise on the screen, whose y grows downward.
        const double angle = std::atan2(b.y - a.y, b.x - a.x) - std::numbers::pi * phase(t, k, step);
        return WorldPoint{a.x + r * std::cos(angle), a.y + r * std::sin(angle)};
    }
    return std::nullopt;
}

int segment_direction(const ObjectTable& t, int k, int step) { return folded(phase(t, k, step)) < 1.0 ? 1 : 0; }

std::optional<WorldPoint> graph_point(const ObjectTable& t, int axis, WorldPoint abscissa, double value)
{
    WorldPoint a, b;
    if (!path_ends(t, axis, otype::kSegment, a, b))
        return std::nullopt;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0.0)
        return std::nullopt;
    const double s = ((abscissa.x - a.x) * dx + (abscissa.y - a.y) * dy) / length2;
    const double length = std::sqrt(length2);
    const double offset = value * t.safe_unit_length() / length;
    const WorldPoint g{a.x + s * dx + dy * offset, a.y + s * dy - dx * offset};
    if (!std::isfinite(g.x) || !std::isfinite(g.y))
        return std::nullopt;
    return g;
}
