#pragma once

// The one mapping from font descriptors to real fonts, shared by the painting
// and the recording context so that both measure text alike.

#include "platform/device_context.h"

#include <QFont>

class QStaticText;

// The installed family a face maps to: serif faces to "DejaVu Serif",
// fixed-pitch faces to "DejaVu Sans Mono", everything else to "DejaVu Sans".
QString family_for_face(const std::string& face);

// A font whose cell (ascent + descent) is font.height pixels when the height
// is positive; a negative height is the em size; 0 is the default size.
QFont qfont_for(const Font& font);

// Cell height in pixels and ascent (the baseline's distance below the top).
int cell_height_of(const Font& font);
int ascent_of(const Font& font);

// Advance width of the text and the cell height of the font.
DevSize measure_text(const Font& font, std::string_view utf8);

// The text laid out once in the font, for painting it again without shaping
// it anew. `text` is null for text that needs the general text path (control
// characters, anything that may run right to left, glyphs of another font);
// `top` is how far below the cell's top the layout's top lies.
struct LaidOutText {
    const QStaticText* text = nullptr;
    double top = 0.0;
};
LaidOutText laid_out_text(const Font& font, std::string_view utf8);
