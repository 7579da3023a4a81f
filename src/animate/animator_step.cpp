// The animation's ticks and steps, the loci's samples and the self-drawn trace.

#include "animate/animator.h"

#include <algorithm>

#include "animate/animate_strings.h"
#include "animate/driver_paths.h"
#include "animate/null_dc.h"
#include "model/device_mapping.h"
#include "model/object_types.h"
#include "paint/feedback.h"
#include "paint/hit_test.h"
#include "paint/loci.h"
#include "paint/paint_diagram.h"
#include "platform/string_table.h"

namespace {

bool is_point(const ObjectTable& t, int i)
{
    return i >= rec::kFirstObject && t.contains(i) && t.get(i).cls == oclass::kPoint;
}

double dev(const ObjectTable& t, double v) { return p_to_dev(t, v); }

// Two passes of a three-point average: the hand's jitter goes, the ends stay.
void smooth(std::vector<WorldPoint>& trace)
{
    trace.erase(std::unique(trace.begin(), trace.end()), trace.end());
    for (int pass = 0; pass < 2 && trace.size() > 2; ++pass) {
        std::vector<WorldPoint> out(trace);
        for (std::size_t i = 1; i + 1 < trace.size(); ++i) {
            out[i].x = (trace[i - 1].x + trace[i].x + trace[i + 1].x) / 3.0;
            out[i].y = (trace[i - 1].y + trace[i].y + trace[i + 1].y) / 3.0;
        }
        trace.swap(out);
    }
}

void draw_trace(const Diagram& d, DeviceContext& dc)
{
    const ObjectTable& t = d.table;
    if (d.self_trace.size() < 2)
        return;
    std::vector<DevPoint> points;
    points.reserve(d.self_trace.size());
    for (const WorldPoint& p : d.self_trace)
        points.push_back({p_to_dev(t, p.x), p_to_dev(t, p.y)});
    const Pen previous = dc.select_pen(kRubberPen);
    dc.polyline(points);
    dc.select_pen(previous);
}

}  // namespace

bool Animator::self_trace_in_use()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    if (d.self_trace.empty())
        return false;
    const int last = std::min(t.last_driver(), kMaxDrivers - 1);
    for (int k = 0; k <= last; ++k)
        if (t.driver_path(k) == rec::kSelfTraceMarker)
            return true;
    return false;
}

void Animator::ev_timer(int id)
{
    if (id != kAnimationTimer)
        return;
    ObjectTable& t = host_.table();
    if (!running_) {
        // A tick that was already queued when the animation stopped.
        host_.stop_timer();
        return;
    }
    // Another command took the window over: the animation ends.
    if (t.action_state() != anim_mode::kRunning || t.last_driver() < 0 || !host_.mem_dc()) {
        stop();
        return;
    }
    int step = t.anim_step() + 1;
    if (step > t.anim_steps() || step < 0)
        step = 0;
    t.anim_step() = step;
    animation_step();
    paint_frame();
    host_.show_off_screen();
}

void Animator::paint_frame()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    DeviceContext* mem = host_.mem_dc();
    if (!mem)
        return;
    const DevSize size = mem->size();
    mem->fill_rect(DevRect{0, 0, size.cx, size.cy}, kWhiteBrush);
    // Everything is solved already: the frame only paints (and the loci are
    // not replayed).
    t.placing() = 0;
    t.recompute() = 0;
    t.dragged_index() = 0;
    paint_diagram(d, *mem, 1);
}

void Animator::animation_step()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int last = std::min(t.last_driver(), kMaxDrivers - 1);
    if (last < 0)
        return;
    const int step = t.anim_step();
    // The first cycle ends at step 0 or when the self-drawn trace starts over.
    if (step == 0)
        t.anim_recording() = 0;
    if (self_trace_in_use()) {
        d.trace_cursor = d.trace_cursor + 1 < d.self_trace.size() ? d.trace_cursor + 1 : 0;
        if (d.trace_cursor == 0)
            t.anim_recording() = 0;
    }

    NullDC null_dc;
    DeviceContext* dc = host_.mem_dc();
    if (!dc)
        dc = &null_dc;
    for (int k = 0; k <= last; ++k) {
        const int driver = t.driver_point(k);
        if (!is_point(t, driver))
            continue;
        std::optional<WorldPoint> at;
        if (t.driver_path(k) == rec::kSelfTraceMarker) {
            if (d.trace_cursor < d.self_trace.size())
                at = d.self_trace[d.trace_cursor];
        } else {
            at = path_position(t, k, step);
            if (at && t.get(t.driver_path(k)).type == otype::kSegment)
                t.anim_direction() = segment_direction(t, k, step);
        }
        if (!at)
            continue;
        t.mouse_x() = at->x;
        t.mouse_y() = at->y;
        t.picked_index() = driver;
        t.dragged_index() = driver;
        t.placing() = 0;
        t.recompute() = 1;
        if (replay_points_)
            replay_move(null_dc);
        else
            host_.move_point(*dc, 0);
    }
    if (t.anim_recording() == 1)
        sample_loci(step);
}

void Animator::sample_loci(int step)
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int last = std::min(t.last_locus(), kMaxLoci - 1);
    for (int k = 0; k <= last; ++k) {
        const int object = t.locus_object(k);
        if (object < rec::kFirstObject || !t.contains(object))
            continue;
        const Dpoint& o = t.get(object);
        auto& samples = d.locus_lists[k];
        switch (t.locus_kind(k)) {
        case kLocusPoint:
            samples.push_front({dev(t, o.x), dev(t, o.y), 0.0, 0.0});
            break;
        case kLocusLine:
        case kLocusCircle:
            if (step % kLineSampleEvery == 0 && is_point(t, o.arg[0]) && is_point(t, o.arg[1])) {
                const Dpoint& a = t.get(o.arg[0]);
                const Dpoint& b = t.get(o.arg[1]);
                samples.push_front({dev(t, a.x), dev(t, a.y), dev(t, b.x), dev(t, b.y)});
            }
            break;
        case kLocusFunction: {
            const FexpResult value = computation_.value(t.locus_second(k));
            const int driver = t.driver_point(0);
            if (!value.ok() || t.locus_second(k) < 0 || !is_point(t, driver))
                break;
            const Dpoint& p = t.get(driver);
            if (const auto g = graph_point(t, object, WorldPoint{p.x, p.y}, value.value))
                samples.push_front({dev(t, g->x), dev(t, g->y), 0.0, 0.0});
            break;
        }
        default: break;
        }
    }
}

void Animator::trace_mouse(int phase, DevPoint point)
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    switch (phase) {
    case 1: {
        if (!current_driver_valid() || t.driver_path(t.current_driver()) != rec::kSelfTraceMarker)
            return;
        const int picked = pick_nearest(d, point, 1);
        if (picked <= 0)
            return;
        if (!host_.is_movable_point(picked)) {
            host_.set_status(1, std::string(t.get(picked).name_view()) + " " + load_string(asid::kNotMoveable));
            return;
        }
        t.recompute() = 1;
        t.placing() = 0;
        t.dragged_index() = picked;
        host_.set_status(1, load_string(asid::kTracePrompt));
        d.self_trace.clear();
        d.trace_cursor = 0;
        host_.draw_action(1);
        tracing_point_ = picked;
        break;
    }
    case 2: {
        DeviceContext* mem = host_.mem_dc();
        if (tracing_point_ == 0 || !mem || !t.contains(tracing_point_))
            return;
        if (d.self_trace.size() < kMaxTraceNodes)
            d.self_trace.push_back({static_cast<double>(point.x), static_cast<double>(point.y)});
        t.mouse_x() = point.x;
        t.mouse_y() = point.y;
        t.picked_index() = tracing_point_;
        t.dragged_index() = tracing_point_;
        t.placing() = 0;
        t.recompute() = 1;
        host_.move_point(*mem, 0);
        paint_frame();
        draw_trace(d, *mem);
        host_.show_off_screen();
        // The next move re-solves again from the moved point.
        t.recompute() = 1;
        t.dragged_index() = tracing_point_;
        break;
    }
    case 3:
        if (tracing_point_ == 0)
            return;
        tracing_point_ = 0;
        smooth(d.self_trace);
        d.trace_cursor = 0;
        host_.invalidate();
        break;
    default: break;
    }
}
