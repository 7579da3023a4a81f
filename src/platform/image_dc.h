#pragma once

// A device context that paints on a Surface. Plain copies are antialiased;
// the combining raster operations (mask, xor, merge, not) are applied pixel by
// pixel without antialiasing, so that drawing a figure twice with xor gives
// back exactly the picture beneath.

#include "platform/device_context.h"
#include "platform/surface.h"

#include <optional>

class QPainter;
class QPolygonF;
class QRectF;
class QPainterPath;

class ImageDC : public DeviceContext {
public:
    explicit ImageDC(Surface& surface);

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

    void begin_pass() override { surface_.begin_pass(); }
    void end_pass() override { surface_.end_pass(); }

    const Surface* surface() const override { return &surface_; }
    Surface& target() { return surface_; }
    DevSize size() const override { return {surface_.width(), surface_.height()}; }

private:
    enum class ArcShape { Arc, Chord, Pie };
    void arc_figure(ArcShape shape, int left, int top, int right, int bottom, int x1, int y1,
                    int x2, int y2);
    // Fills `fill` with the brush (when given) and strokes `outline` with the
    // pen (when given), by the current raster operation. Axis-aligned figures
    // need no antialiasing.
    void paint(const QPainterPath* fill, const QPainterPath* outline, bool smooth = true);
    // Under a combining operation the figure goes through a layer.
    void paint_combined(const QPainterPath* fill, const QPainterPath* outline);
    void prepare(QPainter& painter, bool antialias) const;
    // The surface's painter set up for copying figures with the selected pen
    // and brush; only what changed since this context last drew is set.
    QPainter& copy_painter(bool antialias);
    // The surface's painter set up for text in the selected font and colour.
    QPainter& text_painter();
    QPainter& shared_painter();
    void set_antialias(QPainter& painter, bool antialias);
    void set_background(QPainter& painter, BkMode mode, Colour colour);
    // Nothing would show: hollow brush and null pen.
    bool invisible() const;
    // Thin lines under a combining operation are traced pixel by pixel,
    // start pixel in, end pixel out.
    bool thin_combined_line() const;
    void combine_line(int x0, int y0, int x1, int y1, int& style_pos);
    void combine_clipped_line(int x0, int y0, int x1, int y1, int& style_pos);
    // The picture with a margin wider than the pen: what lies beyond is cut.
    QRectF clip_area() const;
    void paint_clipped_polygon(const QPolygonF& polygon);
    void paint_clipped_polyline(const QPolygonF& points);

    Surface& surface_;

    // What the shared painter holds, as this context set it; unset when not known.
    struct PenKey {
        Pen pen;
        bool antialias = false;
        bool text = false;  // the plain pen text is written with
        friend bool operator==(const PenKey&, const PenKey&) = default;
    };
    struct Background {
        BkMode mode = BkMode::Transparent;
        Colour colour = kWhite;
        friend bool operator==(const Background&, const Background&) = default;
    };
    std::optional<bool> held_antialias_;
    std::optional<PenKey> held_pen_;
    std::optional<Brush> held_brush_;
    std::optional<Background> held_background_;
    std::optional<Font> held_font_;
};
