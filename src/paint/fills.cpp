#include "paint/fills.h"

#include <array>
#include <span>

#include "model/device_mapping.h"
#include "model/primitives.h"
#include "paint/paint_support.h"

using paint_support::dev_pos;

Rop2 fill_rop(int size)
{
    switch (size) {
    case 2:
        return Rop2::Copy;
    case 3:
        return Rop2::Xor;
    case 4:
        return Rop2::Merge;
    default:
        return Rop2::Mask;
    }
}

namespace {

struct FillGeometry {
    std::array<DevPoint, kMaxFillPoints> points{};
    int count = 0;           // polygon points, the closing one included
    DevPoint centre{};
    DevPoint first_end{};    // the point on the circle
    DevPoint second_end{};   // chord and pie only
    int radius = 0;
};

bool is_origin(DevPoint p) { return p.x == 0 && p.y == 0; }

// Maps the defining points; false as soon as one of them is missing.
bool fill_geometry(const ObjectTable& t, const Dpoint& fill, FillGeometry& g)
{
    switch (fill.type) {
    case otype::kFillTriangle:
    case otype::kFillPolygon: {
        const int n = fill.name_dx > kMaxFillPoints ? kMaxFillPoints : fill.name_dx;
        if (n < 2)
            return false;
        for (int k = 0; k <= n - 2; ++k) {
            g.points[k] = dev_pos(t, fill.arg[k]);
            if (is_origin(g.points[k]))
                return false;
        }
        g.points[n - 1] = g.points[0];
        g.count = n;
        return true;
    }
    case otype::kFillCircle:
    case otype::kFillChord:
    case otype::kFillPie:
        g.first_end = dev_pos(t, fill.arg[1]);
        if (is_origin(g.first_end))
            return false;
        g.centre = dev_pos(t, fill.arg[0]);
        if (is_origin(g.centre))
            return false;
        g.radius = p_to_dev(t, p_dist(t, fill.arg[0], fill.arg[1]), kLengthMode);
        // The second end may be missing: its radial then runs to the origin.
        g.second_end = dev_pos(t, fill.arg[2]);
        return true;
    default:
        return true;
    }
}

Brush own_fill_brush(const ObjectTable& t, const Dpoint& fill)
{
    const bool hatched = fill.pen_style >= 0 && fill.pen_style < kSolidFillStyle;
    if (hatched && is_print_mode(t))
        return fill_brush(fill.pen_style, kBlack);
    return fill_brush(fill.pen_style, fill.colour);
}

}  // namespace

void draw_fill(Diagram& d, DeviceContext& dc, int i, int own_brush)
{
    const ObjectTable& t = d.table;
    const Dpoint& fill = t.get(i);
    FillGeometry g;
    if (!fill_geometry(t, fill, g))
        return;

    // A white outline: under the mask operation it leaves the pixels beneath
    // unchanged, so a combined fill shows no border.
    const Pen previous_pen = dc.select_pen(kWhitePen);
    dc.set_bk_mode(BkMode::Transparent);
    const Rop2 previous_rop = dc.set_rop2(own_brush ? fill_rop(fill.size) : Rop2::Mask);
    const Brush previous_brush = own_brush ? dc.select_brush(own_fill_brush(t, fill)) : dc.brush();

    const int r = g.radius;
    const DevPoint c = g.centre;
    switch (fill.type) {
    case otype::kFillTriangle:
    case otype::kFillPolygon:
        dc.polygon(std::span<const DevPoint>(g.points.data(), g.count));
        break;
    case otype::kFillCircle:
        dc.ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
        break;
    case otype::kFillChord:
        dc.chord(c.x - r, c.y - r, c.x + r, c.y + r, g.first_end.x, g.first_end.y,
                 g.second_end.x, g.second_end.y);
        break;
    case otype::kFillPie:
        // The pie's box lies one pixel to the right of the disc's and the chord's.
        dc.pie(c.x - r + 1, c.y - r, c.x + r + 1, c.y + r, g.first_end.x, g.first_end.y,
               g.second_end.x, g.second_end.y);
        break;
    default:
        break;
    }

    dc.select_pen(previous_pen);
    if (own_brush)
        dc.select_brush(previous_brush);
    dc.set_rop2(previous_rop);
}
