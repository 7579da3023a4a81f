#pragma once
// The desktop colour and font dialogs behind the chooser interfaces.

#include "construct/choosers.h"

class QtColourChooser : public ColourChooser {
public:
    std::optional<Colour> choose(QWidget* parent, Colour initial, CustomColours& custom) override;
};

class QtFontChooser : public FontChooser {
public:
    // The first dialog, before any choice, opens on this font.
    explicit QtFontChooser(Font first = {}) : first_(std::move(first)) {}
    bool choose(QWidget* parent, FontChoiceData& data) override;

private:
    Font first_;
};

// The toolkit's font for a drawing font and back (heights in pixels).
class QFont;
QFont to_qfont(const Font& font);
Font from_qfont(const QFont& font);
