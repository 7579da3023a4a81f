#pragma once
// A drawing as a bitmap of its client area, and bitmap files (".bmp").

#include <QImage>

#include <string>

#include "model/diagram.h"
#include "platform/device_context.h"

// The drawing painted on white as a finished repaint paints it (no point
// re-solved), `size` device pixels large.
QImage render_diagram_image(Diagram& d, DevSize size);

// Writes the image as a BMP file; the file is replaced only when the whole
// image was written. False on failure.
bool save_bmp_file(const QImage& image, const std::string& path);
