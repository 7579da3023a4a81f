#pragma once
// A printed page painted in bands: a page at printer resolution is far too
// large for one image, so each band of rows is painted on an image of its own
// (through an OffsetDC, the painter seeing the whole page) and drawn where it
// belongs; bands the drawing leaves blank are skipped.

#include <functional>

#include "platform/device_context.h"

class QPainter;

// Rows per band for a page `width` pixels wide: about four million pixels.
int band_rows_for(int width);

// Paints a page of `page` device pixels onto `painter`, whose device units
// are the page's, band by band. `paint` is called once per band. Returns the
// number of bands drawn.
int render_page_bands(QPainter& painter, DevSize page,
                      const std::function<void(DeviceContext&)>& paint, int band_rows = 0);
