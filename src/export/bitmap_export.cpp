#include "export/bitmap_export.h"

#include <QSaveFile>

#include <algorithm>

#include "export/export_painting.h"
#include "paint/paint_diagram.h"
#include "platform/image_dc.h"
#include "platform/surface.h"

QImage render_diagram_image(Diagram& d, DevSize size)
{
    Surface surface(std::max(1, size.cx), std::max(1, size.cy), kWhite);
    ImageDC dc(surface);
    dc.fill_rect({0, 0, surface.width(), surface.height()}, kWhiteBrush);
    settle_for_painting(d.table);
    paint_diagram(d, dc, 1);
    return surface.image();
}

bool save_bmp_file(const QImage& image, const std::string& path)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
