#pragma once
// A context that paints a window of a larger page: every call goes to the
// target context with the page coordinates shifted by the window's origin,
// and the target takes this context's pen, brush, font, colours, modes and
// position before each call. Used to paint a page in bands.

#include "platform/device_context.h"

#include <vector>

class OffsetDC : public DeviceContext {
public:
    // page: the size the painter sees; origin: the page position of the
    // target's (0, 0).
    OffsetDC(DeviceContext& target, DevSize page, DevPoint origin);

    void line_to(int x, int y) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void polygon(std::span<const DevPoint> points) override;
    void polyline(std::span<const DevPoint> points) override;
    void fill_rect(const DevRect& rect, const Brush& brush) override;
    void text_out(int x, int y, std::string_view utf8) override;
    DevSize text_extent(std::string_view utf8) override;
    void set_pixel(int x, int y, Colour c) override;
    Colour get_pixel(int x, int y) const override;
    void bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                 BlitOp op) override;
    DevSize size() const override { return page_; }

private:
    // Hands the current state to the target.
    void sync();
    int tx(int x) const;
    int ty(int y) const;
    std::vector<DevPoint> shifted_points(std::span<const DevPoint> points) const;

    DeviceContext& target_;
    DevSize page_;
    DevPoint origin_;
};
