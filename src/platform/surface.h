#pragma once

// A picture in memory that an ImageDC paints on, a window shows and a test
// saves: an RGB32 image.

#include "platform/colour.h"

#include <QImage>

#include <string>

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Colour fill = kWhite);

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

private:
    QImage image_;
};

QRgb to_qrgb(Colour c);
Colour from_qrgb(QRgb c);
