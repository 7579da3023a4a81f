#include "construct/qt_choosers.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>

namespace {

QColor to_qcolor(Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); }
Colour from_qcolor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

}  // namespace

QFont to_qfont(const Font& font)
{
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.height));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    f.setItalic(font.italic);
    return f;
}

Font from_qfont(const QFont& font)
{
    Font out;
    out.face = font.family().toStdString();
    out.height = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    out.weight = font.weight();
    out.italic = font.italic();
    return out;
}

std::optional<Colour> QtColourChooser::choose(QWidget* parent, Colour initial, CustomColours& custom)
{
    // The toolkit keeps one set of custom colours for the process, as the
    // program keeps one table.
    for (std::size_t i = 0; i < custom.size(); ++i)
        QColorDialog::setCustomColor(static_cast<int>(i), to_qcolor(custom[i]));
    const QColor chosen = QColorDialog::getColor(to_qcolor(initial), parent);
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i] = from_qcolor(QColorDialog::customColor(static_cast<int>(i)));
    if (!chosen.isValid())
        return std::nullopt;
    return from_qcolor(chosen);
}

bool QtFontChooser::choose(QWidget* parent, FontChoiceData& data)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, to_qfont(data.font.value_or(first_)), parent);
    if (!ok)
        return false;
    data.font = from_qfont(chosen);
    return true;
}
