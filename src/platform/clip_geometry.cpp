#include "platform/clip_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

bool clip_segment(QPointF& a, QPointF& b, const QRectF& area)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(),
                         area.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;  // parallel to this edge and outside it
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

namespace {

enum class Edge { Left, Right, Top, Bottom };

bool inside(const QPointF& p, Edge e, const QRectF& r)
{
    switch (e) {
    case Edge::Left:
        return p.x() >= r.left();
    case Edge::Right:
        return p.x() <= r.right();
    case Edge::Top:
        return p.y() >= r.top();
    case Edge::Bottom:
        return p.y() <= r.bottom();
    }
    return true;
}

QPointF crossing(const QPointF& a, const QPointF& b, Edge e, const QRectF& r)
{
    const bool vertical_edge = e == Edge::Left || e == Edge::Right;
    const double edge = e == Edge::Left ? r.left() : e == Edge::Right ? r.right()
                        : e == Edge::Top ? r.top() : r.bottom();
    if (vertical_edge) {
        const double t = (edge - a.x()) / (b.x() - a.x());
        return {edge, a.y() + t * (b.y() - a.y())};
    }
    const double t = (edge - a.y()) / (b.y() - a.y());
    return {a.x() + t * (b.x() - a.x()), edge};
}

QPointF on_ellipse(const QRectF& rect, double t)
{
    const QPointF c = rect.center();
    return {c.x() + rect.width() / 2.0 * std::cos(t), c.y() - rect.height() / 2.0 * std::sin(t)};
}

struct Flattener {
    QRectF rect;
    QRectF area;
    double radius;  // the larger semi-axis
    QPolygonF out;

    // Appends the points after t0 up to t1 (|t1 - t0| <= pi / 2).
    void piece(double t0, double t1, int depth)
    {
        const QPointF a = on_ellipse(rect, t0);
        const QPointF b = on_ellipse(rect, t1);
        // The arc stays within this distance of its chord.
        const double sagitta = radius * (1.0 - std::cos((t1 - t0) / 2.0));
        const QRectF hull = QRectF(a, b).normalized().adjusted(-sagitta, -sagitta, sagitta, sagitta);
        if (depth < 60 && sagitta > 0.2 && hull.intersects(area)) {
            const double mid = (t0 + t1) / 2.0;
            piece(t0, mid, depth + 1);
            piece(mid, t1, depth + 1);
            return;
        }
        out << b;
    }
};

}  // namespace

QPolygonF clip_polygon(const QPolygonF& polygon, const QRectF& area)
{
    QPolygonF current = polygon;
    for (Edge e : {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom}) {
        if (current.isEmpty())
            break;
        QPolygonF next;
        for (qsizetype i = 0; i < current.size(); ++i) {
            const QPointF& p = current[i];
            const QPointF& prev = current[(i + current.size() - 1) % current.size()];
            const bool in_p = inside(p, e, area);
            const bool in_prev = inside(prev, e, area);
            if (in_p) {
                if (!in_prev)
                    next << crossing(prev, p, e, area);
                next << p;
            } else if (in_prev) {
                next << crossing(prev, p, e, area);
            }
        }
        current = next;
    }
    return current;
}

QPolygonF flatten_elliptic_arc(const QRectF& rect, double start_deg, double sweep_deg,
                               const QRectF& area)
{
    Flattener f{rect, area, std::max(rect.width(), rect.height()) / 2.0, {}};
    const double t_start = start_deg * std::numbers::pi / 180.0;
    const double sweep = sweep_deg * std::numbers::pi / 180.0;
    f.out << on_ellipse(rect, t_start);
    const int quarters = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (std::numbers::pi / 2.0))));
    for (int k = 0; k < quarters; ++k)
        f.piece(t_start + sweep * k / quarters, t_start + sweep * (k + 1) / quarters, 0);
    return f.out;
}
