#pragma once

// A picture in memory that an ImageDC paints on, a window shows and a test
// saves: an RGB32 image.

#include "platform/colour.h"

#include <QImage>

#include <memory>
#include <string>

class QPainter;

class Surface {
public:
    Surface();
    Surface(int width, int height, Colour fill = kWhite);
    // Copies and moves take the picture only, never an open painter.
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;
    ~Surface();

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // Pixel colour; kInvalidColour outside.
    Colour pixel(int x, int y) const;
    void set_pixel(int x, int y, Colour c);
    void fill(Colour c);
    // Resizes, keeping what fits, the new area filled with `fill`.
    void resize(int width, int height, Colour fill = kWhite);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    bool save_png(const std::string& path) const;

    // A paint pass keeps one painter open on the picture from its begin to its
    // end, shared by every context drawing here, so that a whole diagram costs
    // one painter setup; passes nest. Outside a pass every drawing opens and
    // closes its own painter.
    void begin_pass();
    void end_pass();
    // The open painter, opened when needed. `user` names the context about to
    // draw; `fresh` says the painter's state may not be what that context set
    // last (a new painter, or another context drew since).
    QPainter& painter(const void* user, bool& fresh);
    // Closes the painter unless a pass holds it.
    void done_painting();

private:
    void close_painter();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    int passes_ = 0;
    const void* painter_user_ = nullptr;
};

QRgb to_qrgb(Colour c);
Colour from_qrgb(QRgb c);
