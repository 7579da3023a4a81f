#pragma once
// A device context that draws nothing: the animation re-solves a diagram
// through the painter's entries without an image to paint on (a replay of
// the loci outside a mouse operation).

#include "platform/device_context.h"

class NullDC : public DeviceContext {
public:
    void line_to(int x, int y) override { move_to(x, y); }
    void ellipse(int, int, int, int) override {}
    void rectangle(int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void chord(int, int, int, int, int, int, int, int) override {}
    void pie(int, int, int, int, int, int, int, int) override {}
    void polygon(std::span<const DevPoint>) override {}
    void polyline(std::span<const DevPoint>) override {}
    void fill_rect(const DevRect&, const Brush&) override {}
    void text_out(int, int, std::string_view) override {}
    DevSize text_extent(std::string_view utf8) override
    {
        return {static_cast<int>(utf8.size()) * 8, 16};
    }
    void set_pixel(int, int, Colour) override {}
    Colour get_pixel(int, int) const override { return kWhite; }
    void bit_blt(int, int, int, int, const DeviceContext&, int, int, BlitOp) override {}
    DevSize size() const override { return {0, 0}; }
};
