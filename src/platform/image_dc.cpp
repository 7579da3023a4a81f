#include "platform/image_dc.h"

#include "platform/box_geometry.h"
#include "platform/clip_geometry.h"
#include "platform/qt_drawing.h"
#include "platform/text_metrics.h"

#include <QPainter>
#include <QPainterPath>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

// Device pixel (x, y) covers [x, x + 1) x [y, y + 1); figures are traced
// through pixel centres.
QPointF centre_of(int x, int y) { return {x + 0.5, y + 0.5}; }

int chebyshev(double dx, double dy)
{
    return static_cast<int>(std::max(std::fabs(dx), std::fabs(dy)));
}

// The traced outline of a box: through the centres of its outermost pixels
// when a pen draws it, so that the pen stays inside the box; the whole box
// when there is no pen.
QRectF traced_rect(const DevBox& b, bool with_pen)
{
    if (with_pen)
        return QRectF(b.left + 0.5, b.top + 0.5, b.right - b.left - 1.0, b.bottom - b.top - 1.0);
    return QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

// radial_angle() for the ellipse inscribed in `rect`. The box centre and the
// end points are compared in box coordinates, so that (right, centre y)
// points exactly at 3 o'clock.
double radial_angle(const QRectF& rect, int px, int py)
{
    const QPointF c = rect.center();
    return ::radial_angle(c.x(), c.y(), rect.width() / 2.0, rect.height() / 2.0, px, py);
}

quint32 combine(quint32 dest, quint32 src, Rop2 rop)
{
    switch (rop) {
    case Rop2::Mask:
        return dest & src;
    case Rop2::Xor:
        return dest ^ src;
    case Rop2::Merge:
        return dest | src;
    case Rop2::Not:
        return ~dest;
    case Rop2::Copy:
        return src;
    }
    return src;
}

// One row of a block transfer; the operation is chosen once per row so that
// each loop is a plain one.
void blit_row(QRgb* dest, const QRgb* src, int width, BlitOp op)
{
    constexpr quint32 kOpaque = 0xff000000u;
    switch (op) {
    case BlitOp::Copy:
        for (int i = 0; i < width; ++i)
            dest[i] = src[i] | kOpaque;
        return;
    case BlitOp::And:
        for (int i = 0; i < width; ++i)
            dest[i] = (dest[i] & src[i]) | kOpaque;
        return;
    case BlitOp::Or:
        for (int i = 0; i < width; ++i)
            dest[i] = (dest[i] | src[i]) | kOpaque;
        return;
    case BlitOp::Xor:
        for (int i = 0; i < width; ++i)
            dest[i] = (dest[i] ^ src[i]) | kOpaque;
        return;
    }
}

// Visits the pixels of a thin line from (x0, y0) towards (x1, y1): the start
// pixel is drawn, the end pixel is not, so joined lines touch each pixel once.
template <class Visit>
void for_each_line_pixel(int x0, int y0, int x1, int y1, Visit visit)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        visit(QPoint(x, y));
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace

ImageDC::ImageDC(Surface& surface) : surface_(surface) {}

void ImageDC::prepare(QPainter& painter, bool antialias) const
{
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setPen(to_qpen(state_.pen, antialias));
    painter.setBrush(to_qbrush(state_.brush));
    // The gaps of a hatch show the background colour in opaque mode.
    painter.setBackgroundMode(state_.bk_mode == BkMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter.setBackground(QBrush(to_qcolor(state_.bk_colour)));
    painter.setBrushOrigin(0, 0);
}

QPainter& ImageDC::shared_painter()
{
    bool fresh = false;
    QPainter& painter = surface_.painter(this, fresh);
    if (fresh) {
        held_antialias_.reset();
        held_pen_.reset();
        held_brush_.reset();
        held_background_.reset();
        held_font_.reset();
        painter.setBrushOrigin(0, 0);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
    }
    return painter;
}

void ImageDC::set_antialias(QPainter& painter, bool antialias)
{
    if (held_antialias_ != antialias) {
        painter.setRenderHint(QPainter::Antialiasing, antialias);
        held_antialias_ = antialias;
    }
}

void ImageDC::set_background(QPainter& painter, BkMode mode, Colour colour)
{
    const Background wanted{mode, colour};
    if (held_background_ != wanted) {
        painter.setBackgroundMode(mode == BkMode::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        painter.setBackground(QBrush(to_qcolor(colour)));
        held_background_ = wanted;
    }
}

QPainter& ImageDC::copy_painter(bool antialias)
{
    QPainter& painter = shared_painter();
    set_antialias(painter, antialias);
    const PenKey pen{state_.pen, antialias, false};
    if (held_pen_ != pen) {
        painter.setPen(to_qpen(state_.pen, antialias));
        held_pen_ = pen;
    }
    if (held_brush_ != state_.brush) {
        painter.setBrush(to_qbrush(state_.brush));
        held_brush_ = state_.brush;
    }
    // The gaps of a hatch show the background colour in opaque mode.
    set_background(painter, state_.bk_mode, state_.bk_colour);
    return painter;
}

QPainter& ImageDC::text_painter()
{
    QPainter& painter = shared_painter();
    set_antialias(painter, false);
    const PenKey pen{Pen{state_.text_colour, 1, PenStyle::Solid}, false, true};
    if (held_pen_ != pen) {
        painter.setPen(to_qcolor(state_.text_colour));
        held_pen_ = pen;
    }
    // The cell background, when opaque, is filled apart.
    set_background(painter, BkMode::Transparent, state_.bk_colour);
    if (held_font_ != state_.font) {
        painter.setFont(qfont_for(state_.font));
        held_font_ = state_.font;
    }
    return painter;
}

bool ImageDC::invisible() const
{
    return state_.brush.kind == BrushKind::Hollow && state_.pen.style == PenStyle::Null;
}

void ImageDC::paint(const QPainterPath* fill, const QPainterPath* outline, bool smooth)
{
    if (surface_.image().isNull())
        return;
    if (state_.brush.kind == BrushKind::Hollow)
        fill = nullptr;
    if (state_.pen.style == PenStyle::Null)
        outline = nullptr;
    if (!fill && !outline)
        return;
    if (state_.rop != Rop2::Copy) {
        paint_combined(fill, outline);
        return;
    }
    QPainter& painter = copy_painter(smooth);
    if (fill)
        painter.fillPath(*fill, painter.brush());
    if (outline)
        painter.strokePath(*outline, painter.pen());
    surface_.done_painting();
}

void ImageDC::paint_combined(const QPainterPath* fill, const QPainterPath* outline)
{
    // Draw the figure as it would be copied onto a transparent layer, then
    // combine every pixel it covers exactly once.
    QImage& image = surface_.image();
    QRectF bounds;
    if (fill)
        bounds = fill->boundingRect();
    if (outline)
        bounds = bounds.united(outline->boundingRect());
    const int margin = std::max(state_.pen.width, 1) + 2;
    const QRect box = bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin) & image.rect();
    if (box.isEmpty())
        return;
    QImage layer(box.size(), QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        prepare(painter, false);
        painter.translate(-box.topLeft());
        // Keep hatches aligned with the target's pixel grid.
        painter.setBrushOrigin(-box.left(), -box.top());
        if (fill)
            painter.fillPath(*fill, painter.brush());
        if (outline)
            painter.strokePath(*outline, painter.pen());
    }
    for (int y = 0; y < box.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* dest = reinterpret_cast<QRgb*>(image.scanLine(y + box.top())) + box.left();
        for (int x = 0; x < box.width(); ++x) {
            if (qAlpha(src[x]) < 128)
                continue;
            dest[x] = combine(dest[x], src[x], state_.rop) | 0xff000000u;
        }
    }
}

bool ImageDC::thin_combined_line() const
{
    return state_.rop != Rop2::Copy && state_.pen.width <= 1 && state_.pen.style != PenStyle::Null;
}

QRectF ImageDC::clip_area() const
{
    const double margin = std::max(state_.pen.width, 1) + 4.0;
    return QRectF(-margin, -margin, surface_.width() + 2 * margin, surface_.height() + 2 * margin);
}

void ImageDC::combine_clipped_line(int x0, int y0, int x1, int y1, int& style_pos)
{
    const int start = style_pos;
    style_pos = start + chebyshev(double(x1) - x0, double(y1) - y0);
    QPointF a(x0, y0);
    QPointF b(x1, y1);
    if (!clip_segment(a, b, clip_area()))
        return;
    const int ax = static_cast<int>(std::lround(a.x()));
    const int ay = static_cast<int>(std::lround(a.y()));
    // Keep the dashes where they would be on the whole line.
    int pos = start + chebyshev(double(ax) - x0, double(ay) - y0);
    combine_line(ax, ay, static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y())), pos);
}

void ImageDC::combine_line(int x0, int y0, int x1, int y1, int& style_pos)
{
    QImage& image = surface_.image();
    const std::span<const int> runs = dash_runs(state_.pen.style);
    int period = 0;
    for (int r : runs)
        period += r;
    const quint32 colour = to_qrgb(state_.pen.colour);
    for_each_line_pixel(x0, y0, x1, y1, [&](const QPoint& p) {
        bool on = true;
        if (period > 0) {
            int at = style_pos % period;
            std::size_t k = 0;
            while (at >= runs[k]) {
                at -= runs[k];
                ++k;
            }
            on = k % 2 == 0;
        }
        ++style_pos;
        if (on && image.rect().contains(p)) {
            auto* d = reinterpret_cast<QRgb*>(image.scanLine(p.y())) + p.x();
            *d = combine(*d, colour, state_.rop) | 0xff000000u;
        }
    });
}

void ImageDC::line_to(int x, int y)
{
    if (thin_combined_line()) {
        int style_pos = 0;
        combine_clipped_line(state_.position.x, state_.position.y, x, y, style_pos);
    } else {
        QPointF a = centre_of(state_.position.x, state_.position.y);
        QPointF b = centre_of(x, y);
        if (clip_segment(a, b, clip_area()) && state_.pen.style != PenStyle::Null &&
            !surface_.image().isNull()) {
            if (state_.rop == Rop2::Copy) {
                copy_painter(true).drawLine(a, b);
                surface_.done_painting();
            } else {
                QPainterPath path(a);
                path.lineTo(b);
                paint_combined(nullptr, &path);
            }
        }
    }
    state_.position = {x, y};
}

void ImageDC::ellipse(int left, int top, int right, int bottom)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    const bool with_pen = state_.pen.style != PenStyle::Null;
    if (!b.within(kRasterSafeLimit)) {
        paint_clipped_polygon(flatten_elliptic_arc(traced_rect(b, with_pen), 0.0, 360.0, clip_area()));
        return;
    }
    if (state_.rop == Rop2::Copy) {
        if (invisible() || surface_.image().isNull())
            return;
        copy_painter(true).drawEllipse(traced_rect(b, with_pen));
        surface_.done_painting();
        return;
    }
    QPainterPath path;
    path.addEllipse(traced_rect(b, with_pen));
    paint(&path, &path);
}

void ImageDC::paint_clipped_polygon(const QPolygonF& polygon)
{
    const QRectF area = clip_area();
    const QPolygonF clipped =
        area.contains(polygon.boundingRect()) ? polygon : clip_polygon(polygon, area);
    if (clipped.size() < 2)
        return;
    if (state_.rop == Rop2::Copy) {
        if (invisible() || surface_.image().isNull())
            return;
        copy_painter(true).drawPolygon(clipped, Qt::OddEvenFill);
        surface_.done_painting();
        return;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(clipped);
    path.closeSubpath();
    paint(&path, &path);
}

void ImageDC::paint_clipped_polyline(const QPolygonF& points)
{
    const QRectF area = clip_area();
    QPainterPath path;
    for (qsizetype i = 1; i < points.size(); ++i) {
        QPointF a = points[i - 1];
        QPointF b = points[i];
        if (!clip_segment(a, b, area))
            continue;
        if (path.isEmpty() || path.currentPosition() != a)
            path.moveTo(a);
        path.lineTo(b);
    }
    if (!path.isEmpty())
        paint(nullptr, &path);
}

void ImageDC::rectangle(int left, int top, int right, int bottom)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    const bool with_pen = state_.pen.style != PenStyle::Null;
    QRectF rect = traced_rect(b, with_pen);
    if (!b.within(kRasterSafeLimit)) {
        rect = rect.intersected(clip_area());  // the cut sides lie outside the picture
        if (rect.isEmpty())
            return;
    }
    QPainterPath path;
    path.addRect(rect);
    paint(&path, &path, false);
}

void ImageDC::arc_figure(ArcShape shape, int left, int top, int right, int bottom, int x1, int y1,
                         int x2, int y2)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    const bool with_pen = state_.pen.style != PenStyle::Null;
    const QRectF rect = traced_rect(b, with_pen || shape == ArcShape::Arc);
    const double start = radial_angle(rect, x1, y1);
    const double sweep = ccw_sweep(start, radial_angle(rect, x2, y2));
    if (!b.within(kRasterSafeLimit)) {
        QPolygonF points = flatten_elliptic_arc(rect, start, sweep, clip_area());
        if (shape == ArcShape::Arc) {
            paint_clipped_polyline(points);
            return;
        }
        if (shape == ArcShape::Pie)
            points.prepend(rect.center());
        paint_clipped_polygon(points);
        return;
    }
    QPainterPath path;
    switch (shape) {
    case ArcShape::Arc:
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        paint(nullptr, &path);
        return;
    case ArcShape::Chord:
        path.arcMoveTo(rect, start);
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
        break;
    case ArcShape::Pie:
        path.moveTo(rect.center());
        path.arcTo(rect, start, sweep);
        path.closeSubpath();
        break;
    }
    paint(&path, &path);
}

void ImageDC::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_figure(ArcShape::Arc, left, top, right, bottom, x1, y1, x2, y2);
}

void ImageDC::chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_figure(ArcShape::Chord, left, top, right, bottom, x1, y1, x2, y2);
}

void ImageDC::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_figure(ArcShape::Pie, left, top, right, bottom, x1, y1, x2, y2);
}

void ImageDC::polygon(std::span<const DevPoint> points)
{
    if (points.size() < 2)
        return;
    QPolygonF poly;
    for (const DevPoint& p : points)
        poly << centre_of(p.x, p.y);
    paint_clipped_polygon(poly);
}

void ImageDC::polyline(std::span<const DevPoint> points)
{
    if (points.size() < 2)
        return;
    if (thin_combined_line()) {
        int style_pos = 0;
        for (std::size_t i = 1; i < points.size(); ++i)
            combine_clipped_line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, style_pos);
        return;
    }
    QPolygonF poly;
    for (const DevPoint& p : points)
        poly << centre_of(p.x, p.y);
    paint_clipped_polyline(poly);
}

void ImageDC::fill_rect(const DevRect& rect, const Brush& brush)
{
    QImage& image = surface_.image();
    const DevBox b = normalised_box(rect.left, rect.top, rect.right, rect.bottom);
    if (image.isNull() || brush.kind == BrushKind::Hollow)
        return;
    // Cut to the picture first: a box of any size costs no more than the picture.
    const int left = std::max(b.left, 0);
    const int top = std::max(b.top, 0);
    const int right = std::min(b.right, image.width());
    const int bottom = std::min(b.bottom, image.height());
    if (right <= left || bottom <= top)
        return;
    QPainter& painter = shared_painter();
    set_antialias(painter, false);
    set_background(painter, state_.bk_mode, state_.bk_colour);
    painter.fillRect(QRect(left, top, right - left, bottom - top), to_qbrush(brush));
    surface_.done_painting();
}

void ImageDC::text_out(int x, int y, std::string_view utf8)
{
    QImage& image = surface_.image();
    if (image.isNull() || utf8.empty())
        return;
    if (x >= image.width() || y >= image.height())
        return;  // nothing of it would show
    const bool opaque = state_.bk_mode == BkMode::Opaque;
    // The extent matters only for the background and for a text starting
    // above or left of the picture.
    DevSize extent{};
    if (opaque || x < 0 || y < 0) {
        extent = measure_text(state_.font, utf8);
        if (static_cast<long long>(x) + extent.cx < 0 || static_cast<long long>(y) + extent.cy < 0)
            return;
    }
    QPainter& painter = text_painter();
    if (opaque)
        painter.fillRect(QRect(x, y, extent.cx, extent.cy), to_qcolor(state_.bk_colour));
    if (const LaidOutText laid_out = laid_out_text(state_.font, utf8); laid_out.text)
        painter.drawStaticText(QPointF(x, y + laid_out.top), *laid_out.text);
    else
        painter.drawText(QPointF(x, y + ascent_of(state_.font)),
                         QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    surface_.done_painting();
}

DevSize ImageDC::text_extent(std::string_view utf8) { return measure_text(state_.font, utf8); }

void ImageDC::set_pixel(int x, int y, Colour c) { surface_.set_pixel(x, y, c); }

Colour ImageDC::get_pixel(int x, int y) const { return surface_.pixel(x, y); }

void ImageDC::bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy, BlitOp op)
{
    const Surface* from = src.surface();
    QImage& image = surface_.image();
    if (!from || image.isNull() || from->image().isNull() || w <= 0 || h <= 0)
        return;
    // Clip the block to both pictures, in wide integers so no size overflows.
    using Wide = long long;
    Wide x0 = x, y0 = y, x1 = Wide(x) + w, y1 = Wide(y) + h;  // target, end exclusive
    const Wide dx = Wide(sx) - x, dy = Wide(sy) - y;            // target -> source
    x0 = std::max({x0, Wide(0), -dx});
    y0 = std::max({y0, Wide(0), -dy});
    x1 = std::min({x1, Wide(image.width()), Wide(from->width()) - dx});
    y1 = std::min({y1, Wide(image.height()), Wide(from->height()) - dy});
    if (x1 <= x0 || y1 <= y0)
        return;
    const QRect target(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
    const QRect source = target.translated(int(dx), int(dy));
    // A block moved within one picture reads a copy of the old pixels; another
    // picture of the same format is read in place.
    QImage copied;
    const QImage* block = &from->image();
    QPoint at = source.topLeft();
    if (from == &surface_ || block->format() != QImage::Format_RGB32) {
        copied = from->image().copy(source).convertToFormat(QImage::Format_RGB32);
        block = &copied;
        at = QPoint(0, 0);
    }
    for (int row = 0; row < target.height(); ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(block->constScanLine(row + at.y())) + at.x();
        auto* d = reinterpret_cast<QRgb*>(image.scanLine(row + target.top())) + target.left();
        blit_row(d, s, target.width(), op);
    }
}
