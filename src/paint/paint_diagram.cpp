#include "paint/paint_diagram.h"

#include <cstdio>
#include <string>

#include "model/compute_point.h"
#include "model/device_mapping.h"
#include "model/numeric.h"
#include "model/object_types.h"
#include "paint/animation_services.h"
#include "paint/buttons.h"
#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/feedback.h"
#include "paint/loci.h"
#include "paint/marks.h"
#include "paint/paint_support.h"
#include "paint/points_draw.h"

namespace {

// The ruler's origin, its shortest drawn step and its scratch records.
constexpr double kRulerX = 45.0;
constexpr double kRulerY = 17.0;
constexpr double kShortestStep = 30.0;
constexpr int kRulerTail = 5, kRulerHead = 6;

void paint_overlays(Diagram& d, DeviceContext& dc)
{
    ObjectTable& t = d.table;
    AnimationServices& animation = animation_services(d);
    const int last_quantity = t.last_quantity();
    if (last_quantity >= 0) {
        for (int k = 0; k <= last_quantity; ++k) {
            animation.eval_qty(d, dc, k, 0);
            animation.eval_qty(d, dc, k, 2);
        }
        draw_unit(d, dc);
    }
    if (t.recompute())
        recompute_loci(d);
    animation.draw_driving_points(d, dc);
    animation.draw_loci(d, dc);
}

}  // namespace

bool lowest_layer_curve(int type)
{
    return type == otype::kCircle || type == otype::kThreePointCircle || otype::is_conic(type);
}

void paint_diagram(Diagram& d, DeviceContext& dc, int full)
{
    ObjectTable& t = d.table;
    t.record_count() = t.count();
    const int count = t.count();
    const PaintPass pass(dc);

    if (full == 0) {
        for (int i = rec::kFirstObject; i < count; ++i)
            if (t.get(i).cls == oclass::kPoint)
                compute_point(d, &dc, i);
        AnimationServices& animation = animation_services(d);
        for (int k = 0; k <= t.last_quantity(); ++k)
            animation.eval_qty(d, dc, k, 0);
        return;
    }

    for (int i = rec::kFirstObject; i < count; ++i) {
        const Dpoint& o = t.get(i);
        if (t.recompute() && o.cls == oclass::kPoint)
            compute_point(d, &dc, i);
        if (lowest_layer_curve(o.type))
            draw_line_obj(d, dc, i);
        else if (o.cls == oclass::kFill || o.cls == oclass::kMark)
            draw_mark_obj(d, dc, i);
    }
    for (int i = rec::kFirstObject; i < count; ++i) {
        const Dpoint& o = t.get(i);
        if (o.cls == oclass::kLine && !lowest_layer_curve(o.type))
            draw_line_obj(d, dc, i);
        else if (o.cls == oclass::kText)
            draw_text_obj(d, dc, i, o.colour);
        else if (o.cls == oclass::kButton)
            draw_button(d, dc, i, kButtonNormal);
    }
    for (int i = rec::kFirstObject; i < count; ++i)
        if (t.get(i).cls == oclass::kPoint)
            draw_point(d, dc, i);

    if (!g_clip_copy)
        paint_overlays(d, dc);
    draw_locus_traces(d, dc);
}

int draw_one(Diagram& d, DeviceContext& dc, int i)
{
    ObjectTable& t = d.table;
    if (t.recompute())
        compute_point(d, &dc, i);
    const Dpoint& o = t.get(i);
    switch (o.cls) {
    case oclass::kPoint:
        draw_point(d, dc, i);
        break;
    case oclass::kLine:
        draw_line_obj(d, dc, i);
        break;
    case oclass::kButton:
        draw_button(d, dc, i, kButtonNormal);
        break;
    case oclass::kFill:
    case oclass::kMark:
        draw_mark_obj(d, dc, i);
        break;
    default:
        draw_text_obj(d, dc, i, o.colour);
        break;
    }
    return 1;
}

void draw_unit(Diagram& d, DeviceContext& dc)
{
    ObjectTable& t = d.table;
    const Pen previous_pen = dc.select_pen(kRubberPen);
    const Brush previous_brush = dc.select_brush(kHollowBrush);

    const double unit = t.unit_length();
    double step = unit;
    std::string first = "1", second = "2";
    if (t.unit_segment_a() != 0 && step < kShortestStep) {
        // A short unit segment: the ruler keeps a readable step and says how
        // many units it spans.
        step = kShortestStep;
        const double u = t.safe_unit_length();
        first = std::to_string(trunc_to_int(kShortestStep / u));
        second = std::to_string(trunc_to_int(2.0 * kShortestStep / u));
    }

    t[kRulerTail].x = kRulerX;
    t[kRulerTail].y = kRulerY;
    t[kRulerHead].x = 2.0 * step + kRulerX + 10.0;
    t[kRulerHead].y = kRulerY;
    draw_length_mark(d, dc, -1, 0, kRulerTail, kRulerHead, 1, kGreen);

    dc.select_pen(kRubberPen);
    const auto x = [&t](double v) { return p_to_dev(t, v); };
    dc.ellipse(x(43), x(15), x(47), x(19));
    for (double tick : {kRulerX + step, kRulerX + 2.0 * step}) {
        dc.move_to(x(tick), x(15));
        dc.line_to(x(tick), x(19));
    }
    draw_label(d, dc, x(kRulerX - 2 + step), x(2), first, kGreen, 0);
    draw_label(d, dc, x(kRulerX - 2 + 2.0 * step), x(2), second, kGreen, 0);

    dc.select_pen(previous_pen);
    dc.select_brush(previous_brush);
    dc.set_text_colour(kGreen);
    dc.text_out(x(1), x(2), "unit");
}
