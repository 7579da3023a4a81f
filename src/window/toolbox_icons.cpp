#include "window/toolbox_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

// One style for all pictures, drawn on a 24 x 24 grid: dark figure lines,
// existing points as dark blue dots, what the command makes in red, and what
// it removes crossed out in red.
const QColor kInk(40, 40, 48);
const QColor kPointColour(20, 60, 170);
const QColor kNewColour(210, 30, 30);
const QColor kHelperColour(0, 150, 70);
const QColor kPaper(255, 255, 255);

QPen ink_pen(qreal width = 1.6) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen new_pen(qreal width = 1.8)
{
    return QPen(kNewColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
// Dashed: the helper line a construction goes along.
QPen helper_pen() { return QPen(kHelperColour, 1.6, Qt::DashLine, Qt::RoundCap); }

void dot(QPainter& p, QPointF at, const QColor& colour, qreal r = 2.2)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, r, r);
    p.restore();
}

void point(QPainter& p, QPointF at) { dot(p, at, kPointColour); }
void new_point(QPainter& p, QPointF at) { dot(p, at, kNewColour, 2.6); }

void cross_out(QPainter& p)
{
    p.save();
    p.setPen(new_pen(2.2));
    p.drawLine(QPointF(14, 14), QPointF(21, 21));
    p.drawLine(QPointF(21, 14), QPointF(14, 21));
    p.restore();
}

void arrow_head(QPainter& p, QPointF tip, QPointF from, qreal len = 4.0)
{
    const qreal dx = tip.x() - from.x();
    const qreal dy = tip.y() - from.y();
    const qreal n = std::hypot(dx, dy);
    if (n == 0)
        return;
    const qreal ux = dx / n;
    const qreal uy = dy / n;
    QPolygonF head;
    head << tip << QPointF(tip.x() - len * ux + len * 0.55 * uy, tip.y() - len * uy - len * 0.55 * ux)
         << QPointF(tip.x() - len * ux - len * 0.55 * uy, tip.y() - len * uy + len * 0.55 * ux);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

void letter(QPainter& p, QRectF box, const QString& text, const QColor& colour, qreal px, bool italic)
{
    p.save();
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(static_cast<int>(px));
    f.setItalic(italic);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void paint_open(QPainter& p)
{
    // A folder with an arrow coming out of it.
    QPainterPath folder;
    folder.moveTo(3, 7);
    folder.lineTo(9, 7);
    folder.lineTo(11, 9);
    folder.lineTo(19, 9);
    folder.lineTo(19, 19);
    folder.lineTo(3, 19);
    folder.closeSubpath();
    p.setPen(ink_pen(1.4));
    p.setBrush(QColor(250, 214, 110));
    p.drawPath(folder);
    p.setBrush(Qt::NoBrush);
    QPen pen = new_pen(2.0);
    p.setPen(pen);
    p.drawLine(QPointF(13, 15), QPointF(20, 4));
    p.setPen(QPen(kNewColour));
    arrow_head(p, QPointF(21, 2.5), QPointF(13, 15), 5.0);
}

void paint_save(QPainter& p)
{
    // A diskette.
    p.setPen(ink_pen(1.4));
    p.setBrush(QColor(70, 110, 190));
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(18, 3);
    body.lineTo(21, 6);
    body.lineTo(21, 21);
    body.lineTo(3, 21);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 3, 11, 7));
    p.setBrush(QColor(220, 225, 235));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setPen(ink_pen(1.0));
    p.drawLine(QPointF(8, 16), QPointF(16, 16));
    p.drawLine(QPointF(8, 18.5), QPointF(16, 18.5));
    dot(p, QPointF(14.5, 6.5), kInk, 1.3);
}

void paint_free_point(QPainter& p)
{
    // A new point with a small label.
    new_point(p, QPointF(10, 14));
    letter(p, QRectF(11, 1, 12, 12), QStringLiteral("P"), kInk, 10, true);
    p.setPen(new_pen(1.4));
    p.drawLine(QPointF(4, 14), QPointF(7, 14));
    p.drawLine(QPointF(13, 14), QPointF(16, 14));
    p.drawLine(QPointF(10, 8), QPointF(10, 11));
    p.drawLine(QPointF(10, 17), QPointF(10, 20));
}

void paint_rename(QPainter& p)
{
    // A point whose name A turns into B.
    point(p, QPointF(5, 18));
    letter(p, QRectF(1, 2, 10, 12), QStringLiteral("A"), kInk, 10, true);
    letter(p, QRectF(13, 9, 10, 12), QStringLiteral("B"), kNewColour, 10, true);
    p.setPen(new_pen(1.4));
    p.drawLine(QPointF(9, 7), QPointF(15, 7));
    p.setPen(QPen(kNewColour));
    arrow_head(p, QPointF(18, 7), QPointF(9, 7), 3.5);
}

void paint_segment(QPainter& p, bool removing)
{
    p.setPen(removing ? ink_pen() : new_pen());
    p.drawLine(QPointF(4, 18), QPointF(18, 5));
    point(p, QPointF(4, 18));
    point(p, QPointF(18, 5));
    if (removing)
        cross_out(p);
}

void paint_circle(QPainter& p, bool removing)
{
    p.setPen(removing ? ink_pen() : new_pen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(11, 11), 8, 8);
    point(p, QPointF(11, 11));
    point(p, QPointF(19, 11));
    if (removing)
        cross_out(p);
}

void paint_on_line(QPainter& p)
{
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 19), QPointF(22, 5));
    point(p, QPointF(5, 17));
    point(p, QPointF(19, 7));
    new_point(p, QPointF(12, 12));
}

void paint_on_circle(QPainter& p)
{
    p.setPen(ink_pen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(11, 13), 8, 8);
    point(p, QPointF(11, 13));
    new_point(p, QPointF(11 + 8 * std::cos(0.8), 13 - 8 * std::sin(0.8)));
}

void paint_on_pline(QPainter& p)
{
    // Through a point, parallel to a given line.
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 21), QPointF(16, 9));
    point(p, QPointF(4, 19.3));
    point(p, QPointF(14, 10.7));
    p.setPen(helper_pen());
    p.drawLine(QPointF(8, 14), QPointF(22, 2));
    point(p, QPointF(10, 12.3));
    new_point(p, QPointF(18, 5.4));
}

void paint_on_tline(QPainter& p)
{
    // Through a point, perpendicular to a given line.
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 18), QPointF(22, 18));
    point(p, QPointF(5, 18));
    point(p, QPointF(19, 18));
    p.setPen(helper_pen());
    p.drawLine(QPointF(12, 18), QPointF(12, 2));
    p.setPen(ink_pen(1.0));
    p.drawPolyline(QPolygonF{QPointF(12, 15), QPointF(15, 15), QPointF(15, 18)});
    point(p, QPointF(12, 11));
    new_point(p, QPointF(12, 5));
}

void paint_midpoint(QPainter& p)
{
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 16), QPointF(22, 8));
    p.setPen(ink_pen(1.2));
    // Equal-length ticks on both halves.
    p.drawLine(QPointF(6.3, 12.1), QPointF(7.7, 15.9));
    p.drawLine(QPointF(16.3, 8.1), QPointF(17.7, 11.9));
    point(p, QPointF(2.5, 15.8));
    point(p, QPointF(21.5, 8.2));
    new_point(p, QPointF(12, 12));
}

void paint_foot(QPainter& p)
{
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 19), QPointF(22, 19));
    p.setPen(helper_pen());
    p.drawLine(QPointF(13, 4), QPointF(13, 19));
    p.setPen(ink_pen(1.0));
    p.drawPolyline(QPolygonF{QPointF(13, 15.5), QPointF(16.5, 15.5), QPointF(16.5, 19)});
    point(p, QPointF(13, 4));
    point(p, QPointF(4, 19));
    new_point(p, QPointF(13, 19));
}

void paint_inter_lines(QPainter& p)
{
    p.setPen(ink_pen());
    p.drawLine(QPointF(2, 20), QPointF(22, 4));
    p.drawLine(QPointF(3, 5), QPointF(21, 21));
    new_point(p, QPointF(12, 12));
}

void paint_inter_line_circle(QPainter& p)
{
    p.setPen(ink_pen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(13, 12), 8, 8);
    p.drawLine(QPointF(1, 15), QPointF(23, 15));
    const qreal dx = std::sqrt(64.0 - 9.0);
    new_point(p, QPointF(13 - dx, 15));
    new_point(p, QPointF(13 + dx, 15));
}

void paint_drag_point(QPainter& p)
{
    // A point with arrows in four directions.
    p.setPen(QPen(kNewColour, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 3.5), QPointF(12, 20.5));
    p.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
    arrow_head(p, QPointF(12, 2), QPointF(12, 12), 4.5);
    arrow_head(p, QPointF(12, 22), QPointF(12, 12), 4.5);
    arrow_head(p, QPointF(2, 12), QPointF(12, 12), 4.5);
    arrow_head(p, QPointF(22, 12), QPointF(12, 12), 4.5);
    dot(p, QPointF(12, 12), kPointColour, 3.0);
}

void paint_move_name(QPainter& p)
{
    point(p, QPointF(5, 19));
    letter(p, QRectF(0, 5, 11, 12), QStringLiteral("A"), QColor(150, 150, 160), 10, true);
    letter(p, QRectF(12, 1, 11, 12), QStringLiteral("A"), kInk, 10, true);
    p.setPen(new_pen(1.4));
    p.drawLine(QPointF(9, 14), QPointF(15, 11));
    p.setPen(QPen(kNewColour));
    arrow_head(p, QPointF(18, 9.5), QPointF(9, 14), 4.0);
}

void paint_clear(QPainter& p)
{
    // A sheet swept clean by an eraser.
    p.setPen(ink_pen(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 2, 14, 19));
    p.setPen(QPen(QColor(170, 170, 180), 1.0));
    p.drawLine(QPointF(5.5, 6), QPointF(14.5, 6));
    p.drawLine(QPointF(5.5, 9), QPointF(14.5, 9));
    p.save();
    p.translate(15, 15);
    p.rotate(-35);
    p.setPen(ink_pen(1.2));
    p.setBrush(QColor(240, 150, 160));
    p.drawRect(QRectF(-6, -3.5, 12, 7));
    p.setBrush(QColor(120, 150, 220));
    p.drawRect(QRectF(-6, -3.5, 4, 7));
    p.restore();
}

void paint_undo(QPainter& p)
{
    // A curved arrow going back over the last step.
    QPainterPath path;
    path.moveTo(19, 19);
    path.cubicTo(QPointF(21, 9), QPointF(14, 5), QPointF(7, 8));
    p.setPen(new_pen(2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(kNewColour));
    arrow_head(p, QPointF(3, 10), QPointF(8, 7.6), 6.0);
    point(p, QPointF(19, 19));
}

using Painter = void (*)(QPainter&);

struct Picture {
    int id;
    Painter paint;
};

// By the toolbox ids, as the toolbox lists them.
const Picture kPictures[] = {
    {501, paint_open},
    {502, paint_save},
    {280, paint_free_point},
    {281, paint_rename},
    {287, [](QPainter& p) { paint_segment(p, false); }},
    {289, [](QPainter& p) { paint_segment(p, true); }},
    {288, [](QPainter& p) { paint_circle(p, false); }},
    {290, [](QPainter& p) { paint_circle(p, true); }},
    {297, paint_on_line},
    {298, paint_on_circle},
    {295, paint_on_pline},
    {296, paint_on_tline},
    {282, paint_midpoint},
    {283, paint_foot},
    {384, paint_inter_lines},
    {293, paint_inter_line_circle},
    {285, paint_drag_point},
    {286, paint_move_name},
    {292, paint_clear},
    {291, paint_undo},
};

Painter painter_for(int id)
{
    for (const Picture& pic : kPictures)
        if (pic.id == id)
            return pic.paint;
    return nullptr;
}

}  // namespace

bool has_toolbox_picture(int id) { return painter_for(id) != nullptr; }

QPixmap toolbox_pixmap(int id, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (Painter paint = painter_for(id)) {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 24.0, size / 24.0);
        paint(p);
    }
    return pixmap;
}

QIcon toolbox_icon(int id)
{
    QIcon icon;
    for (int size : {24, 32, 48})
        icon.addPixmap(toolbox_pixmap(id, size));
    return icon;
}
