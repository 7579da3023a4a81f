#include "platform/device_context.h"

#include <utility>

PenStyle pen_style_from_int(int style)
{
    if (style >= 0 && style <= static_cast<int>(PenStyle::Null))
        return static_cast<PenStyle>(style);
    return PenStyle::Solid;
}

Brush fill_brush(int fill_style, Colour colour)
{
    if (fill_style >= 0 && fill_style <= static_cast<int>(HatchStyle::DiagonalCross))
        return hatch_brush(static_cast<HatchStyle>(fill_style), colour);
    return solid_brush(colour);
}

std::span<const int> dash_runs(PenStyle style)
{
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PenStyle::Dash:
        return kDash;
    case PenStyle::Dot:
        return kDot;
    case PenStyle::DashDot:
        return kDashDot;
    case PenStyle::DashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}

Pen DeviceContext::select_pen(const Pen& pen)
{
    return std::exchange(state_.pen, pen);
}

Brush DeviceContext::select_brush(const Brush& brush)
{
    return std::exchange(state_.brush, brush);
}

Font DeviceContext::select_font(const Font& font)
{
    return std::exchange(state_.font, font);
}

void DeviceContext::restore_pen() { state_.pen = original_.pen; }
void DeviceContext::restore_brush() { state_.brush = original_.brush; }
void DeviceContext::restore_font() { state_.font = original_.font; }

void DeviceContext::restore_objects()
{
    restore_pen();
    restore_brush();
    restore_font();
}

Colour DeviceContext::set_text_colour(Colour c)
{
    return std::exchange(state_.text_colour, c);
}

Colour DeviceContext::set_bk_colour(Colour c)
{
    return std::exchange(state_.bk_colour, c);
}

BkMode DeviceContext::set_bk_mode(BkMode mode)
{
    return std::exchange(state_.bk_mode, mode);
}

Rop2 DeviceContext::set_rop2(Rop2 rop)
{
    return std::exchange(state_.rop, rop);
}

DevPoint DeviceContext::move_to(int x, int y)
{
    return std::exchange(state_.position, {x, y});
}
