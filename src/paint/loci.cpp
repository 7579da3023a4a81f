#include "paint/loci.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/device_mapping.h"
#include "model/numeric.h"
#include "paint/animation_services.h"

namespace {

// Index of the last entry of a list of eight (loci, driving points), kept
// within the eight entries the lists have.
int last_entry(std::int32_t last) { return std::min<int>(last, kMaxLoci - 1); }

void draw_samples(const ObjectTable& t, DeviceContext& dc, int kind,
                  const std::deque<LocusNode>& samples)
{
    const auto p = [&t](double v) { return p_to_dev(t, v); };
    for (const LocusNode& n : samples) {
        if (kind == kLocusLine) {
            if (p(n.x1) && p(n.y1) && p(n.x2) && p(n.y2)) {
                dc.move_to(p(n.x1), p(n.y1));
                dc.line_to(p(n.x2), p(n.y2));
            }
        } else if (kind == kLocusCircle) {
            if (p(n.x1) && p(n.y1) && p(n.x2) && p(n.y2)) {
                const int a = trunc_to_int(n.x1, kDeviceLimit);
                const int b = trunc_to_int(n.y1, kDeviceLimit);
                const int c = trunc_to_int(n.x2, kDeviceLimit);
                const int e = trunc_to_int(n.y2, kDeviceLimit);
                const double dx = static_cast<double>(a) - c;
                const double dy = static_cast<double>(b) - e;
                const int r = trunc_to_int(std::sqrt(dx * dx + dy * dy), kDeviceLimit);
                dc.arc(p(a - r), p(b - r), p(a + r), p(b + r), p(a - r), p(b), p(a - r), p(b));
            }
        } else if (p(n.x1) && p(n.y1)) {
            dc.ellipse(p(n.x1 - 1.0), p(n.y1 - 1.0), p(n.x1 + 1.0), p(n.y1 + 1.0));
        }
    }
}

// The animation's steps in replay mode for the scope's lifetime.
class ReplayScope {
public:
    ReplayScope(AnimationServices& animation, Diagram& d) : animation_(animation), d_(d)
    {
        animation_.begin_loci_replay(d_);
    }
    ~ReplayScope() { animation_.end_loci_replay(d_); }
    ReplayScope(const ReplayScope&) = delete;
    ReplayScope& operator=(const ReplayScope&) = delete;

private:
    AnimationServices& animation_;
    Diagram& d_;
};

}  // namespace

bool has_locus_replay(ObjectTable& t) { return t.last_driver() >= 0 && t.last_locus() >= 0; }

void recompute_loci(Diagram& d)
{
    ObjectTable& t = d.table;
    if (!has_locus_replay(t))
        return;
    const int picked = t.picked_index();
    const int dragged = t.dragged_index();
    // The replay moves the driving points through the mouse position.
    const double mouse_x = t.mouse_x();
    const double mouse_y = t.mouse_y();

    const int n = t.count();
    for (int j = rec::kFirstObject; j < n; ++j) {
        t[j].saved_x = t[j].x;
        t[j].saved_y = t[j].y;
    }
    const int last_driver = last_entry(t.last_driver());
    std::array<std::pair<Aux, Aux>, kMaxLoci> parameters{};
    for (int k = 0; k <= last_driver; ++k) {
        const Dpoint& driver = t.get(t.driver_point(k));
        parameters[k] = {driver.aux1, driver.aux2};
    }

    for (auto& samples : d.locus_lists)
        samples.clear();
    // A whole cycle, so a driving point on a self-drawn trace starts at its head.
    d.trace_cursor = 0;
    t.anim_recording() = 1;
    AnimationServices& animation = animation_services(d);
    const int steps = t.anim_steps();
    {
        const ReplayScope replay(animation, d);
        for (int s = 1; s <= steps; ++s) {
            t.anim_step() = s;
            animation.animation_step(d);
        }
    }

    for (int j = rec::kFirstObject; j < n && j < t.count(); ++j) {
        t[j].x = t[j].saved_x;
        t[j].y = t[j].saved_y;
    }
    for (int k = 0; k <= last_driver; ++k) {
        const int driver = t.driver_point(k);
        if (driver >= rec::kFirstObject && t.contains(driver)) {
            t[driver].aux1 = parameters[k].first;
            t[driver].aux2 = parameters[k].second;
        }
    }
    t.picked_index() = picked;
    t.dragged_index() = dragged;
    t.mouse_x() = mouse_x;
    t.mouse_y() = mouse_y;
}

void draw_locus_traces(Diagram& d, DeviceContext& dc)
{
    ObjectTable& t = d.table;
    const int last = last_entry(t.last_locus());
    if (last < 0)
        return;
    const Pen previous_pen = dc.pen();
    const Brush previous_brush = dc.brush();
    for (int k = 0; k <= last; ++k) {
        const int kind = t.locus_kind(k);
        const Colour colour = kind == kLocusFunction ? kRed : t.get(t.locus_object(k)).colour;
        dc.select_pen(Pen{colour, 1, PenStyle::Solid});
        dc.select_brush(solid_brush(colour));
        draw_samples(t, dc, kind, d.locus_lists[k]);
    }
    dc.select_brush(previous_brush);
    dc.select_pen(previous_pen);
}
