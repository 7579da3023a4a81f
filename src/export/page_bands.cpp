#include "export/page_bands.h"

#include <QPainter>

#include <algorithm>

#include "export/offset_dc.h"
#include "platform/image_dc.h"
#include "platform/surface.h"

namespace {

constexpr long long kBandPixels = 4'000'000;
constexpr int kMinBandRows = 16;

bool blank(const QImage& image)
{
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] | 0xff000000u) != white)
                return false;
    }
    return true;
}

}  // namespace

int band_rows_for(int width)
{
    const long long rows = kBandPixels / std::max(1, width);
    return static_cast<int>(std::clamp<long long>(rows, kMinBandRows, 4096));
}

int render_page_bands(QPainter& painter, DevSize page,
                      const std::function<void(DeviceContext&)>& paint, int band_rows)
{
    if (page.cx <= 0 || page.cy <= 0)
        return 0;
    const int rows = band_rows > 0 ? band_rows : band_rows_for(page.cx);
    int drawn = 0;
    for (int top = 0; top < page.cy; top += rows) {
        Surface band(page.cx, std::min(rows, page.cy - top), kWhite);
        ImageDC target(band);
        OffsetDC dc(target, page, {0, top});
        paint(dc);
        if (blank(band.image()))
            continue;
        painter.drawImage(QPoint(0, top), band.image());
        ++drawn;
    }
    return drawn;
}
