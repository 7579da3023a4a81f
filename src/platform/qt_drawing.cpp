#include "platform/qt_drawing.h"

#include <QList>

#include <algorithm>

namespace {

Qt::BrushStyle hatch_pattern(HatchStyle hatch)
{
    switch (hatch) {
    case HatchStyle::Horizontal:
        return Qt::HorPattern;
    case HatchStyle::Vertical:
        return Qt::VerPattern;
    case HatchStyle::ForwardDiagonal:
        return Qt::FDiagPattern;
    case HatchStyle::BackwardDiagonal:
        return Qt::BDiagPattern;
    case HatchStyle::Cross:
        return Qt::CrossPattern;
    case HatchStyle::DiagonalCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::HorPattern;
}

}  // namespace

QColor to_qcolor(Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); }

QPen to_qpen(const Pen& pen, bool antialias)
{
    if (pen.style == PenStyle::Null)
        return QPen(Qt::NoPen);
    const int width = std::max(pen.width, 1);
    QPen q(to_qcolor(pen.colour), width);
    // Thin outlines keep sharp corners; thick ones are rounded.
    q.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    if (pen.style != PenStyle::Solid) {
        QList<qreal> dashes;
        for (const int run : dash_runs(pen.style))
            dashes << qreal(run) / width;  // the toolkit counts dashes in pen widths
        q.setDashPattern(dashes);
        q.setCapStyle(Qt::FlatCap);
    } else if (width > 1) {
        q.setCapStyle(Qt::RoundCap);
    } else {
        q.setCapStyle(antialias ? Qt::SquareCap : Qt::FlatCap);
    }
    return q;
}

QBrush to_qbrush(const Brush& brush)
{
    switch (brush.kind) {
    case BrushKind::Solid:
        return QBrush(to_qcolor(brush.colour));
    case BrushKind::Hatched:
        return QBrush(to_qcolor(brush.colour), hatch_pattern(brush.hatch));
    case BrushKind::Hollow:
        break;
    }
    return QBrush(Qt::NoBrush);
}
