// What the animation adds to a painted diagram: the list of driving points
// with their traces, and the labels and highlights of the loci.

#include "animate/animator.h"

#include <algorithm>

#include "animate/animate_strings.h"
#include "animate/driver_paths.h"
#include "model/device_mapping.h"
#include "model/object_types.h"
#include "paint/feedback.h"
#include "paint/loci.h"
#include "paint/paint_support.h"
#include "paint/points_draw.h"
#include "platform/string_table.h"

namespace {

constexpr Colour kDriverColour = kBlue;
constexpr Colour kCurrentColour = kRed;

bool is_object(const ObjectTable& t, int i) { return i >= rec::kFirstObject && t.contains(i); }

// Marks a segment or circle object as selected.
void mark_path(Diagram& d, DeviceContext& dc, int path)
{
    const ObjectTable& t = d.table;
    if (!is_object(t, path))
        return;
    const Dpoint& o = t.get(path);
    if (o.type == otype::kSegment) {
        draw_marker2(d, dc, o.arg[0], o.arg[1]);
    } else if (o.type == otype::kCircle) {
        paint_support::PenSelection pen(dc, kMarkerPen);
        paint_support::BrushSelection brush(dc, kHollowBrush);
        draw_arc_cpq(d, dc, o.arg[0], o.arg[1], o.arg[1]);
        draw_marker4(d, dc, o.arg[0], o.arg[1]);
    }
}

void draw_self_trace(const Diagram& d, DeviceContext& dc)
{
    const ObjectTable& t = d.table;
    if (d.self_trace.size() < 2)
        return;
    std::vector<DevPoint> points;
    points.reserve(d.self_trace.size());
    for (const WorldPoint& p : d.self_trace)
        points.push_back({p_to_dev(t, p.x), p_to_dev(t, p.y)});
    paint_support::PenSelection pen(dc, kRubberPen);
    dc.polyline(points);
}

}  // namespace

void Animator::draw_driving_points(DeviceContext& dc)
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int last = std::min(t.last_driver(), kMaxDrivers - 1);
    if (last < 0)
        return;
    if (self_trace_in_use())
        draw_self_trace(d, dc);

    // One row per driving point, below the computation list, as the left
    // button finds them.
    const int last_quantity = last_entry(t);
    const int top = last_quantity >= 0 ? kListTop : 1;
    const bool selecting = t.action_state() == anim_mode::kDriverSelect;
    const std::string word = load_string(asid::kDrivingPoint);
    for (int k = 0; k <= last; ++k) {
        const int row = last_quantity + 1 + k;
        const std::string text = word + ":" + std::string(t.get(t.driver_point(k)).name_view());
        const Colour colour = selecting && k == t.current_driver() ? kCurrentColour : kDriverColour;
        draw_label(d, dc, p_to_dev(t, kListLeft), p_to_dev(t, top + kRowHeight * row), text, colour, 0);
    }
    if (selecting && current_driver_valid()) {
        const int k = t.current_driver();
        if (is_object(t, t.driver_point(k)))
            draw_cross(d, dc, t.driver_point(k));
        mark_path(d, dc, t.driver_path(k));
        dc.restore_pen();
    }
}

void Animator::draw_loci(DeviceContext& dc)
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int last = std::min(t.last_locus(), kMaxLoci - 1);
    const int mode = t.action_state();
    const bool choosing = mode == anim_mode::kLocusFirst || mode == anim_mode::kLocusSecond ||
                          mode == anim_mode::kGraphQuantity;
    for (int k = 0; k <= last; ++k) {
        const int object = t.locus_object(k);
        if (!is_object(t, object))
            continue;
        const Dpoint& o = t.get(object);
        const int kind = t.locus_kind(k);
        if (kind == kLocusFunction && o.type == otype::kSegment && is_object(t, o.arg[1])) {
            // The graph's label beside the end of its axis.
            const int q = t.locus_second(k);
            std::string label = load_string(asid::kFunctionGraph);
            if (q >= 0 && q <= last_entry(t))
                label += ": " + quantity_text(t, computation_.list(), q);
            const Dpoint& end = t.get(o.arg[1]);
            draw_label(d, dc, p_to_dev(t, end.x + 4.0), p_to_dev(t, end.y + 4.0), label, kRed, 0);
        }
        if (!choosing)
            continue;
        if (o.cls == oclass::kPoint)
            draw_cross(d, dc, object);
        else
            mark_path(d, dc, object);
        dc.restore_pen();
    }
}
