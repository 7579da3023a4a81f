#pragma once

// Conversions from the device-context descriptors to the toolkit's pens and
// brushes, shared by the painting contexts.

#include "platform/device_context.h"

#include <QBrush>
#include <QColor>
#include <QPen>

QColor to_qcolor(Colour c);

// antialias selects the caps: antialiased thin lines get square caps so that
// their ends cover whole pixels; aliased ones flat caps, which leave out the
// last pixel as the classic line drawing does.
QPen to_qpen(const Pen& pen, bool antialias);

// NoBrush for a hollow brush. Hatches are 8 x 8 patterns in the brush colour.
QBrush to_qbrush(const Brush& brush);
