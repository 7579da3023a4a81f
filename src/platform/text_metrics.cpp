#include "platform/text_metrics.h"

#include "platform/gui_init.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QStaticText>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

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

namespace {

int compute_cell_height(const Font& font)
{
    if (font.height > 0)
        return std::min(font.height, kMaxCellHeight);
    if (font.height == 0)
        return kDefaultCellHeight;
    const int em = std::min(-static_cast<long long>(font.height), static_cast<long long>(kMaxCellHeight));
    return std::max(1, static_cast<int>(std::lround(em * ratios_for(font).cell_per_em)));
}

QFont compute_qfont(const Font& font, int cell)
{
    int em;
    if (font.height < 0)
        em = static_cast<int>(std::min(-static_cast<long long>(font.height), static_cast<long long>(kMaxCellHeight)));
    else
        em = static_cast<int>(std::lround(cell / ratios_for(font).cell_per_em));
    return base_font(font, em);
}

// Keyed by text, looked up by a view without making a string.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <class Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

// What a font descriptor maps to, worked out once: painting asks for the same
// few fonts and the same labels on every repaint of a drag.
struct FontEntry {
    explicit FontEntry(const Font& f)
        : font(f),
          cell(compute_cell_height(f)),
          ascent(static_cast<int>(std::lround(cell * ratios_for(f).ascent_share))),
          qfont(compute_qfont(f, cell)),
          metrics(qfont),
          layout_top(ascent - metrics.ascent() - std::max(0.0, metrics.leading()))
    {
    }

    Font font;
    int cell;
    int ascent;
    QFont qfont;
    QFontMetricsF metrics;
    double layout_top;  // a layout's top below the cell's top, baselines matched
    TextMap<int> widths;  // advance width by text
    TextMap<std::optional<QStaticText>> layouts;  // none where another font fills in
    std::optional<QRawFont> raw;  // the font file itself, without fallbacks
};

constexpr std::size_t kMaxCachedFonts = 32;
constexpr std::size_t kMaxCachedWidths = 4096;
constexpr std::size_t kMaxCachedLayouts = 4096;

FontEntry& entry_for(const Font& font)
{
    ensure_gui_application();
    // Never destroyed: the toolkit's font machinery may be gone by the time
    // static objects are torn down.
    static auto& entries = *new std::vector<std::unique_ptr<FontEntry>>;
    // Text comes in runs of one font: the last one asked for is tried first.
    static FontEntry* last = nullptr;
    if (last && last->font == font)
        return *last;
    for (const auto& e : entries)
        if (e->font == font)
            return *(last = e.get());
    if (entries.size() >= kMaxCachedFonts)
        entries.clear();
    entries.push_back(std::make_unique<FontEntry>(font));
    return *(last = entries.back().get());
}

}  // namespace

int cell_height_of(const Font& font) { return entry_for(font).cell; }

QFont qfont_for(const Font& font) { return entry_for(font).qfont; }

int ascent_of(const Font& font) { return entry_for(font).ascent; }

DevSize measure_text(const Font& font, std::string_view utf8)
{
    FontEntry& e = entry_for(font);
    if (utf8.empty())
        return {0, e.cell};
    auto it = e.widths.find(utf8);
    if (it == e.widths.end()) {
        if (e.widths.size() >= kMaxCachedWidths)
            e.widths.clear();
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        it = e.widths.emplace(std::string(utf8), static_cast<int>(std::lround(e.metrics.horizontalAdvance(text))))
                 .first;
    }
    return {it->second, e.cell};
}

namespace {

// Text that a layout of its own sets exactly as a line drawn at a point:
// no control characters, and nothing that may run right to left (the
// right-to-left blocks and the direction marks, judged by their UTF-8 lead
// bytes, a little wider than the blocks themselves).
bool plain_left_to_right(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (c < 0x20 || c == 0x7f)
            return false;
        if (c >= 0xd6 && c <= 0xdf)  // U+0580..U+07FF
            return false;
        if (c == 0xe0 && next >= 0xa0 && next <= 0xa3)  // U+0800..U+08FF
            return false;
        if (c == 0xe2 && (next == 0x80 || next == 0x81))  // U+2000..U+207F, the marks
            return false;
        if (c == 0xef && next >= 0xac && next <= 0xbb)  // U+FB00..U+FEFF
            return false;
        if (c == 0xf0 && next >= 0x90 && next <= 0x9e)  // U+10000..U+1EFFF
            return false;
    }
    return true;
}

}  // namespace

LaidOutText laid_out_text(const Font& font, std::string_view utf8)
{
    if (!plain_left_to_right(utf8))
        return {};
    FontEntry& e = entry_for(font);
    auto it = e.layouts.find(utf8);
    if (it == e.layouts.end()) {
        if (e.layouts.size() >= kMaxCachedLayouts)
            e.layouts.clear();
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        // A layout's line takes the tallest font in it, so only text the font
        // covers by itself keeps the font's baseline.
        const QList<uint> chars = text.toUcs4();
        if (!e.raw)
            e.raw = QRawFont::fromFont(e.qfont);
        const bool covered =
            std::all_of(chars.begin(), chars.end(), [&e](uint c) { return e.raw->supportsCharacter(c); });
        std::optional<QStaticText> layout;
        if (covered) {
            layout.emplace(text);
            layout->setTextFormat(Qt::PlainText);
        }
        it = e.layouts.emplace(std::string(utf8), std::move(layout)).first;
    }
    if (!it->second)
        return {};
    return {&*it->second, e.layout_top};
}
