#include "platform/surface.h"

#include <QPainter>

#include <algorithm>

QRgb to_qrgb(Colour c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

Colour from_qrgb(QRgb c) { return rgb(qRed(c), qGreen(c), qBlue(c)); }

Surface::Surface(int width, int height, Colour fill)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.fill(to_qrgb(fill));
}

Surface::Surface() = default;

Surface::Surface(const Surface& other) : image_(other.image_) {}

Surface::Surface(Surface&& other) noexcept
{
    other.close_painter();
    image_ = std::move(other.image_);
}

Surface& Surface::operator=(const Surface& other)
{
    if (this != &other) {
        close_painter();
        image_ = other.image_;
    }
    return *this;
}

Surface& Surface::operator=(Surface&& other) noexcept
{
    if (this != &other) {
        close_painter();
        other.close_painter();
        image_ = std::move(other.image_);
    }
    return *this;
}

Surface::~Surface() { close_painter(); }

void Surface::begin_pass() { ++passes_; }

void Surface::end_pass()
{
    if (passes_ > 0 && --passes_ == 0)
        close_painter();
}

QPainter& Surface::painter(const void* user, bool& fresh)
{
    fresh = !painter_ || painter_user_ != user;
    if (!painter_)
        painter_ = std::make_unique<QPainter>(&image_);
    painter_user_ = user;
    return *painter_;
}

void Surface::done_painting()
{
    if (passes_ == 0)
        close_painter();
}

void Surface::close_painter()
{
    painter_.reset();
    painter_user_ = nullptr;
}

Colour Surface::pixel(int x, int y) const
{
    if (!contains(x, y))
        return kInvalidColour;
    return from_qrgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Surface::set_pixel(int x, int y, Colour c)
{
    if (contains(x, y))
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = to_qrgb(c);
}

void Surface::fill(Colour c) { image_.fill(to_qrgb(c)); }

void Surface::resize(int width, int height, Colour fill)
{
    close_painter();  // it paints on the picture being replaced
    QImage next(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    next.fill(to_qrgb(fill));
    {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
}

bool Surface::save_png(const std::string& path) const
{
    return image_.save(QString::fromStdString(path), "PNG");
}
