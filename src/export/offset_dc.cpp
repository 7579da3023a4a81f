#include "export/offset_dc.h"

#include <limits>
#include <vector>

namespace {

// Shifts without overflow: the painter's device values are clamped, but far
// from the int limits only by convention.
int shifted(int v, int by)
{
    const long long r = static_cast<long long>(v) - by;
    if (r > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

}  // namespace

std::vector<DevPoint> OffsetDC::shifted_points(std::span<const DevPoint> points) const
{
    std::vector<DevPoint> moved;
    moved.reserve(points.size());
    for (const DevPoint& p : points)
        moved.push_back({tx(p.x), ty(p.y)});
    return moved;
}

OffsetDC::OffsetDC(DeviceContext& target, DevSize page, DevPoint origin)
    : target_(target), page_(page), origin_(origin)
{
}

int OffsetDC::tx(int x) const { return shifted(x, origin_.x); }
int OffsetDC::ty(int y) const { return shifted(y, origin_.y); }

void OffsetDC::sync()
{
    target_.select_pen(state_.pen);
    target_.select_brush(state_.brush);
    target_.select_font(state_.font);
    target_.set_text_colour(state_.text_colour);
    target_.set_bk_colour(state_.bk_colour);
    target_.set_bk_mode(state_.bk_mode);
    target_.set_rop2(state_.rop);
    target_.move_to(tx(state_.position.x), ty(state_.position.y));
}

void OffsetDC::line_to(int x, int y)
{
    sync();
    target_.line_to(tx(x), ty(y));
    state_.position = {x, y};
}

void OffsetDC::ellipse(int left, int top, int right, int bottom)
{
    sync();
    target_.ellipse(tx(left), ty(top), tx(right), ty(bottom));
}

void OffsetDC::rectangle(int left, int top, int right, int bottom)
{
    sync();
    target_.rectangle(tx(left), ty(top), tx(right), ty(bottom));
}

void OffsetDC::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    sync();
    target_.arc(tx(left), ty(top), tx(right), ty(bottom), tx(x1), ty(y1), tx(x2), ty(y2));
}

void OffsetDC::chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    sync();
    target_.chord(tx(left), ty(top), tx(right), ty(bottom), tx(x1), ty(y1), tx(x2), ty(y2));
}

void OffsetDC::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    sync();
    target_.pie(tx(left), ty(top), tx(right), ty(bottom), tx(x1), ty(y1), tx(x2), ty(y2));
}

void OffsetDC::polygon(std::span<const DevPoint> points)
{
    const std::vector<DevPoint> moved = shifted_points(points);
    sync();
    target_.polygon(moved);
}

void OffsetDC::polyline(std::span<const DevPoint> points)
{
    const std::vector<DevPoint> moved = shifted_points(points);
    sync();
    target_.polyline(moved);
}

void OffsetDC::fill_rect(const DevRect& rect, const Brush& brush)
{
    sync();
    target_.fill_rect({tx(rect.left), ty(rect.top), tx(rect.right), ty(rect.bottom)}, brush);
}

void OffsetDC::text_out(int x, int y, std::string_view utf8)
{
    sync();
    target_.text_out(tx(x), ty(y), utf8);
}

DevSize OffsetDC::text_extent(std::string_view utf8)
{
    sync();
    return target_.text_extent(utf8);
}

void OffsetDC::set_pixel(int x, int y, Colour c)
{
    target_.set_pixel(tx(x), ty(y), c);
}

Colour OffsetDC::get_pixel(int x, int y) const { return target_.get_pixel(tx(x), ty(y)); }

void OffsetDC::bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                       BlitOp op)
{
    target_.bit_blt(tx(x), ty(y), w, h, src, sx, sy, op);
}
