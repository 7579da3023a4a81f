#include "construct/show_sel_obj.h"

#include "construct/script_drawing.h"
#include "model/derived_points.h"
#include "model/device_mapping.h"
#include "model/intersections.h"
#include "model/object_types.h"
#include "paint/feedback.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint/points_draw.h"

namespace {

// The hatch that lays the highlight over fills and angle marks.
constexpr Brush kHighlightBrush{BrushKind::Hatched, kGrey, HatchStyle::DiagonalCross};

void ring(DeviceContext& dc, DevPoint p, int r)
{
    dc.ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
}

DevPoint device_position(const ObjectTable& t, int i)
{
    const Dpoint& p = t.get(i);
    return {p_to_dev(t, p.x), p_to_dev(t, p.y)};
}

bool at_origin(DevPoint p) { return p.x == 0 && p.y == 0; }

// Rings at the arc's first point, at the point of its circle on the ray to
// the second point, and half way between them on the circle. Records 1 to 4
// are scratch. Stops at the first ring whose point is unplaced.
void arc_markers(Diagram& d, DeviceContext& dc, int centre, int first, int second)
{
    ObjectTable& t = d.table;
    const DevPoint start = device_position(t, first);
    if (at_origin(start))
        return;
    ring(dc, start, 4);
    cal_square_pos(t, 1, centre, first);
    cal_inter_lc(t, 2, centre, centre, second, centre, centre, first, second);
    cal_midpoint(t, 3, first, 2);
    cal_inter_lc(t, 4, centre, centre, 3, centre, centre, first, 1);
    for (int scratch : {2, 4}) {
        const DevPoint p = device_position(t, scratch);
        if (at_origin(p))
            return;
        ring(dc, p, 4);
    }
}

template <typename Fn>
void with_highlight_brush(DeviceContext& dc, Fn&& fn)
{
    const Brush previous = dc.select_brush(kHighlightBrush);
    fn();
    dc.select_brush(previous);
}

void draw_highlight(Diagram& d, DeviceContext& dc, int k)
{
    ObjectTable& t = d.table;
    const Dpoint& object = t.get(k);
    const int a0 = object.arg[0];
    const int a1 = object.arg[1];
    const int a2 = object.arg[2];
    switch (object.type) {
    case otype::kSegment:
    case otype::kRadiusMark:
    case otype::kOneWayArrow:
    case otype::kTwoWayArrow:
        draw_marker2(d, dc, a0, a1);
        break;
    case otype::kCircle:
        draw_marker4(d, dc, a0, a1);
        break;
    case otype::kThreePointCircle:
        cal_circumcenter(t, 1, a0, a1, a0, a2);
        draw_marker4(d, dc, 1, a1);
        break;
    case otype::kFillTriangle:
    case otype::kFillPolygon:
    case otype::kFillCircle:
    case otype::kFillChord:
    case otype::kFillPie:
        with_highlight_brush(dc, [&] { draw_fill(d, dc, k, 0); });
        break;
    case otype::kText:
        draw_text_obj(d, dc, k, kRed);
        break;
    case otype::kSegmentMark:
        draw_segment_mark(d, &dc, -1, k, a0, a1);
        break;
    case otype::kAngleMark:
    case otype::kFilledAngleMark:
        with_highlight_brush(dc, [&] { draw_mark(d, &dc, -1, k, a1, a2, a0); });
        break;
    case otype::kArc:
        arc_markers(d, dc, a0, a1, a2);
        break;
    default:
        draw_cross(d, dc, k);
        break;
    }
}

}  // namespace

void show_sel_obj(ScriptDrawing& win, int /*old_pos*/, int new_pos)
{
    Diagram& d = win.diagram();
    const int k = new_pos + rec::kFirstObject;
    if (d.table.repaint_switch() == 0)
        return;
    win.repaint_now();
    DeviceContext* dc = win.begin_mouse_operation();
    if (dc) {
        const Pen previous = dc->select_pen(kMarkerPen);
        if (d.table.contains(k))
            draw_highlight(d, *dc, k);
        dc->select_pen(previous);
    }
    win.end_mouse_operation();
}
