#include "platform/text_metrics.h"

#include "platform/gui_init.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>

namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kMaxCellHeight = 2000;  // keeps absurd sizes from exhausting the rasteriser

std::string lower(const std::string& s)
{
    std::string out = s;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

QFont base_font(const Font& font, int pixel_size)
{
    QFont f(family_for_face(font.face));
    f.setPixelSize(std::max(1, pixel_size));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight > 0 ? font.weight : kFontWeightNormal, 100, 900)));
    f.setItalic(font.italic);
    // Unhinted outlines measure the same whatever the machine's font settings.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

struct CellRatios {
    double cell_per_em;    // (ascent + descent) / em
    double ascent_share;   // ascent / (ascent + descent)
};

CellRatios ratios_for(const Font& font)
{
    using Key = std::tuple<QString, int, bool>;
    static std::map<Key, CellRatios> cache;
    Key key{family_for_face(font.face), font.weight, font.italic};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    constexpr int kReference = 1000;
    QFontMetricsF m(base_font(font, kReference));
    double cell = m.ascent() + m.descent();
    CellRatios r{1.0, 0.8};
    if (cell > 0.0) {
        r.cell_per_em = cell / kReference;
        r.ascent_share = m.ascent() / cell;
    }
    cache.emplace(key, r);
    return r;
}

}  // namespace

QString family_for_face(const std::string& face)
{
    const std::string f = lower(face);
    if (contains(f, "sans"))
        return contains(f, "mono") ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans");
    if (contains(f, "mono") || contains(f, "courier") || contains(f, "fixed") || contains(f, "consol"))
        return QStringLiteral("DejaVu Sans Mono");
    if (contains(f, "time") || contains(f, "roman") || contains(f, "serif") || contains(f, "song"))
        return QStringLiteral("DejaVu Serif");
    return QStringLiteral("DejaVu Sans");
}

int cell_height_of(const Font& font)
{
    ensure_gui_application();
    if (font.height > 0)
        return std::min(font.height, kMaxCellHeight);
    if (font.height == 0)
        return kDefaultCellHeight;
    const int em = std::min(-static_cast<long long>(font.height), static_cast<long long>(kMaxCellHeight));
    return std::max(1, static_cast<int>(std::lround(em * ratios_for(font).cell_per_em)));
}

QFont qfont_for(const Font& font)
{
    ensure_gui_application();
    int em;
    if (font.height < 0)
        em = static_cast<int>(std::min(-static_cast<long long>(font.height), static_cast<long long>(kMaxCellHeight)));
    else
        em = static_cast<int>(std::lround(cell_height_of(font) / ratios_for(font).cell_per_em));
    return base_font(font, em);
}

int ascent_of(const Font& font)
{
    return static_cast<int>(std::lround(cell_height_of(font) * ratios_for(font).ascent_share));
}

DevSize measure_text(const Font& font, std::string_view utf8)
{
    const int cell = cell_height_of(font);
    if (utf8.empty())
        return {0, cell};
    QFontMetricsF m(qfont_for(font));
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return {static_cast<int>(std::lround(m.horizontalAdvance(text))), cell};
}
