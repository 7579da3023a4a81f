#include "construct/cons_support.h"

#include "construct/cons_strings.h"
#include "paint/draw_objects.h"
#include "paint/feedback.h"
#include "paint/paint_diagram.h"
#include "paint/paint_support.h"
#include "paint/points_draw.h"

namespace cons {

void prompt(ConstructionHost& host, int id) { host.set_status(1, cons_string(id)); }

void rubber_line(ConstructionHost& host, int on, int a, int b, int c)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_rubber_line(host.diagram(), *dc, on, a, b, c);
}

void rubber_line2(ConstructionHost& host, int on, int a, int b, int c)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_rubber_line2(host.diagram(), *dc, on, a, b, c);
}

void rubber_circle(ConstructionHost& host, int on, int c, int p, int q)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_arc_cd(host.diagram(), *dc, on, c, p, q);
}

void dot(ConstructionHost& host, int i, Colour colour)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_dot(host.diagram(), *dc, i, colour);
}

void feedback_segment(ConstructionHost& host, int a, int b)
{
    if (DeviceContext* dc = host.mouse_dc()) {
        paint_support::PenSelection pen(*dc, kRubberPen);
        draw_segment(host.diagram(), *dc, a, b);
    }
}

void draw_line_now(ConstructionHost& host, int k)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_line_obj(host.diagram(), *dc, k);
    else
        host.diagram().hooks().draw_line(k);
}

void draw_one_now(ConstructionHost& host, int k)
{
    if (DeviceContext* dc = host.mouse_dc())
        draw_one(host.diagram(), *dc, k);
    else
        host.diagram().hooks().draw_one(k);
}

}  // namespace cons
