#include "platform/device_context.h"

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
    Pen previous = state_.pen;
    state_.pen = pen;
    return previous;
}

Brush DeviceContext::select_brush(const Brush& brush)
{
    Brush previous = state_.brush;
    state_.brush = brush;
    return previous;
}

Font DeviceContext::select_font(const Font& font)
{
    Font previous = state_.font;
    state_.font = font;
    return previous;
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
    Colour previous = state_.text_colour;
    state_.text_colour = c;
    return previous;
}

Colour DeviceContext::set_bk_colour(Colour c)
{
    Colour previous = state_.bk_colour;
    state_.bk_colour = c;
    return previous;
}

BkMode DeviceContext::set_bk_mode(BkMode mode)
{
    BkMode previous = state_.bk_mode;
    state_.bk_mode = mode;
    return previous;
}

Rop2 DeviceContext::set_rop2(Rop2 rop)
{
    Rop2 previous = state_.rop;
    state_.rop = rop;
    return previous;
}

DevPoint DeviceContext::move_to(int x, int y)
{
    DevPoint previous = state_.position;
    state_.position = {x, y};
    return previous;
}
