#include "platform/qt_drawing.h"

#include <QList>

#include <algorithm>

namespace {

// Dash lengths in pixels of the classic 1-pixel styled pens.
QList<qreal> dash_pixels(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash:
        return {18, 6};
    case PenStyle::Dot:
        return {3, 3};
    case PenStyle::DashDot:
        return {9, 6, 3, 6};
    case PenStyle::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

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
        QList<qreal> dashes = dash_pixels(pen.style);
        for (qreal& d : dashes)
            d /= width;  // the toolkit counts dashes in pen widths
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
