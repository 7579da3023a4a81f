// The set-up installs fonts for every character the windows show: the type
// names of the "Add a object" dialog and the signs of the texts.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QRawFont>

#include "construct/add_types.h"
#include "platform/string_table.h"
#include "window_test_support.h"

namespace {

bool some_font_draws(char32_t c, const QStringList& families)
{
    for (const QString& family : families)
        if (QRawFont::fromFont(QFont(family)).supportsCharacter(c))
            return true;
    return false;
}

TEST(Glyphs, EveryTypeNameAndSignHasAFont)
{
    ensure_widgets_application();
    const QStringList families = QFontDatabase::families();
    QString shown;
    for (const AddType& type : add_type_table)
        shown += QString::fromUtf8(type.name.data(), static_cast<qsizetype>(type.name.size()));
    for (std::string_view sign : {signs::kParallel, signs::kPerpendicular, signs::kAngle, signs::kIntersection,
                                  signs::kNotEqual, signs::kFullWidthColon})
        shown += QString::fromUtf8(sign.data(), static_cast<qsizetype>(sign.size()));
    for (char32_t c : shown.toUcs4())
        EXPECT_TRUE(some_font_draws(c, families)) << "U+" << std::hex << static_cast<unsigned>(c);
}

}  // namespace
