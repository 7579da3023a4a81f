#include "export/postscript_dc.h"

#include <QFont>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>
#include <vector>

#include "platform/box_geometry.h"
#include "platform/clip_geometry.h"
#include "platform/text_metrics.h"

namespace {

bool beyond_safe_limit(double v) { return std::fabs(v) > kRasterSafeLimit; }

// Far figures are cut to this square around the page.
constexpr QRectF kSafeArea(-kRasterSafeLimit / 2, -kRasterSafeLimit / 2, kRasterSafeLimit,
                           kRasterSafeLimit);

double radial_angle(const DevBox& b, int px, int py)
{
    return ::radial_angle(b.cx(), b.cy(), b.rx(), b.ry(), px, py);
}

std::string rgb_triple(Colour c)
{
    return postscript_number(red_of(c) / 255.0) + ' ' + postscript_number(green_of(c) / 255.0) +
           ' ' + postscript_number(blue_of(c) / 255.0);
}

// The pen's dash pattern as a PostScript array, in device units.
std::string dash_array(PenStyle style)
{
    std::string text = "[";
    for (const int run : dash_runs(style))
        text += (text.size() > 1 ? " " : "") + std::to_string(run);
    return text + "]";
}

// The standard font of the family a face maps to, re-encoded as Latin-1 by
// the prologue.
std::string postscript_font_name(const Font& font)
{
    const QString family = family_for_face(font.face);
    const bool bold = font.weight >= 600;
    std::string base;
    const char* plain = "";
    const char* slanted = "Oblique";
    if (family.contains(QStringLiteral("Mono"))) {
        base = "Courier";
    } else if (family.contains(QStringLiteral("Serif"))) {
        base = "Times";
        plain = "Roman";
        slanted = "Italic";
    } else {
        base = "Helvetica";
    }
    std::string style;
    if (bold)
        style += "Bold";
    if (font.italic)
        style += slanted;
    if (style.empty())
        style = plain;
    return base + (style.empty() ? "" : "-" + style) + "-L1";
}

// Reads one UTF-8 character at text[i]; advances i. Malformed bytes count as
// one character each.
char32_t next_code_point(std::string_view text, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(text[i++]);
    int extra = 0;
    char32_t cp = b0;
    if (b0 >= 0xf0 && b0 < 0xf8) {
        extra = 3;
        cp = b0 & 0x07;
    } else if (b0 >= 0xe0) {
        extra = 2;
        cp = b0 & 0x0f;
    } else if (b0 >= 0xc0) {
        extra = 1;
        cp = b0 & 0x1f;
    } else if (b0 >= 0x80) {
        return 0xfffd;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xc0) != 0x80)
            return 0xfffd;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3f);
    }
    return cp;
}

// What painting colour c under a raster operation does on white paper: the
// colour that shows, or none when the paper stays as it was. The page cannot
// combine with what lies beneath, so this is how the screen's combinations
// look where they matter most.
std::optional<Colour> colour_on_paper(Colour c, Rop2 rop)
{
    switch (rop) {
    case Rop2::Copy: return c;
    case Rop2::Mask: return c == kWhite ? std::nullopt : std::optional<Colour>(c);
    case Rop2::Xor:
        return c == kBlack ? std::nullopt : std::optional<Colour>(~c & 0xffffffu);
    case Rop2::Merge:  // white OR anything is white
    case Rop2::Not:    // inverting cannot be written
    default: return std::nullopt;
    }
}

}  // namespace

std::string postscript_number(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    // Fixed notation of a double needs at most 309 digits before the point.
    std::string text(320 + static_cast<std::size_t>(std::max(0, decimals)), '\0');
    const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value,
                                         std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    text.resize(static_cast<std::size_t>(end - text.data()));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string postscript_string(std::string_view utf8)
{
    std::string out = "(";
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = next_code_point(utf8, i);
        const unsigned code = cp <= 0xff ? static_cast<unsigned>(cp) : '?';
        if (code == '(' || code == ')' || code == '\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code < 0x20 || code >= 0x7f) {
            out += '\\';
            out += static_cast<char>('0' + ((code >> 6) & 7));
            out += static_cast<char>('0' + ((code >> 3) & 7));
            out += static_cast<char>('0' + (code & 7));
        } else {
            out += static_cast<char>(code);
        }
    }
    out += ')';
    return out;
}

namespace {

// A sign beyond Latin-1 drawn by glyph names; from the Symbol font or from
// the text's font.
struct SignGlyphs {
    char32_t code;
    bool symbol_font;
    std::string_view glyphs;
};

constexpr SignGlyphs kSignGlyphs[] = {
    {U'\u2220', true, "/angle"},         {U'\u22A5', true, "/perpendicular"},
    {U'\u2260', true, "/notequal"},      {U'\u2229', true, "/intersection"},
    {U'\u2190', true, "/arrowleft"},     {U'\u2192', true, "/arrowright"},
    {U'\u2191', true, "/arrowup"},       {U'\u2193', true, "/arrowdown"},
    // No standard font has the parallel sign: two bars make it.
    {U'\u2225', false, "/bar /bar"},     {U'\uFF1A', false, "/colon"},
    {U'\u201C', false, "/quotedblleft"}, {U'\u201D', false, "/quotedblright"},
};

const SignGlyphs* sign_glyphs(char32_t code)
{
    for (const SignGlyphs& sign : kSignGlyphs)
        if (sign.code == code)
            return &sign;
    return nullptr;
}

bool has_sign(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();)
        if (sign_glyphs(next_code_point(utf8, i)))
            return true;
    return false;
}

}  // namespace

std::string postscript_show(std::string_view utf8, int size)
{
    std::string out;
    std::size_t run_start = 0;
    const auto end_run = [&](std::size_t run_end) {
        if (run_end > run_start)
            out += postscript_string(utf8.substr(run_start, run_end - run_start)) + " show\n";
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t at = i;
        const SignGlyphs* sign = sign_glyphs(next_code_point(utf8, i));
        if (!sign)
            continue;
        end_run(at);
        run_start = i;
        std::size_t from = 0;
        while (from < sign->glyphs.size()) {
            const std::size_t space = std::min(sign->glyphs.find(' ', from), sign->glyphs.size());
            const std::string_view glyph = sign->glyphs.substr(from, space - from);
            if (sign->symbol_font)
                out += std::to_string(size) + ' ' + std::string(glyph) + " SG\n";
            else
                out += std::string(glyph) + " glyphshow\n";
            from = space + 1;
        }
    }
    end_run(utf8.size());
    return out;
}

PostScriptDC::PostScriptDC(std::ostream& out, DevSize area) : out_(out), area_(area) {}

void PostScriptDC::comment(std::string_view text) { out_ << "% " << text << '\n'; }

void PostScriptDC::raw_line(std::string_view line) { out_ << line << '\n'; }

bool PostScriptDC::use_pen()
{
    Pen pen = state_.pen;
    if (pen.style == PenStyle::Null)
        return false;
    const std::optional<Colour> shown = colour_on_paper(pen.colour, state_.rop);
    if (!shown)
        return false;
    pen.colour = *shown;
    if (emitted_pen_ != pen) {
        out_ << rgb_triple(pen.colour) << ' ' << std::max(1, pen.width) << ' '
             << dash_array(pen.style) << " 0 SP\n";
        emitted_pen_ = pen;
    }
    return true;
}

void PostScriptDC::use_font()
{
    const Font& font = state_.font;
    const std::string selection =
        "/" + postscript_font_name(font) + ' ' + std::to_string(qfont_for(font).pixelSize()) + " F";
    if (emitted_font_ != selection) {
        out_ << selection << '\n';
        emitted_font_ = selection;
    }
}

void PostScriptDC::fill_path(const Brush& brush)
{
    fill_path(brush, state_.rop);
}

void PostScriptDC::fill_path(Brush brush, Rop2 rop)
{
    const std::optional<Colour> shown = colour_on_paper(brush.colour, rop);
    if (!shown)
        return;
    brush.colour = *shown;
    switch (brush.kind) {
    case BrushKind::Solid:
        out_ << rgb_triple(brush.colour) << " SF\n";
        break;
    case BrushKind::Hatched:
        out_ << static_cast<int>(brush.hatch) << ' ' << rgb_triple(brush.colour) << " HF\n";
        break;
    case BrushKind::Hollow:
        break;
    }
}

void PostScriptDC::fill_and_stroke(const Brush& brush, bool stroke)
{
    fill_path(brush);
    if (stroke && use_pen())
        out_ << "S\n";
    else
        out_ << "N\n";
}

void PostScriptDC::line_to(int x, int y)
{
    const DevPoint from = state_.position;
    state_.position = {x, y};
    if (!use_pen())
        return;
    QPointF a(from.x, from.y), b(x, y);
    if (beyond_safe_limit(a.x()) || beyond_safe_limit(a.y()) || beyond_safe_limit(b.x()) ||
        beyond_safe_limit(b.y())) {
        if (!clip_segment(a, b, kSafeArea))
            return;
    }
    out_ << postscript_number(a.x()) << ' ' << postscript_number(a.y()) << ' '
         << postscript_number(b.x()) << ' ' << postscript_number(b.y()) << " L\n";
}

void PostScriptDC::ellipse(int left, int top, int right, int bottom)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    if (!b.within(kRasterSafeLimit)) {
        arc_path(ArcShape::Chord, left, top, right, bottom, right, (top + bottom) / 2, right,
                 (top + bottom) / 2);
        return;
    }
    out_ << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom << " EP\n";
    fill_and_stroke(state_.brush, true);
}

void PostScriptDC::rectangle(int left, int top, int right, int bottom)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    out_ << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom << " RP\n";
    fill_and_stroke(state_.brush, true);
}

void PostScriptDC::arc_path(ArcShape shape, int left, int top, int right, int bottom, int x1,
                            int y1, int x2, int y2)
{
    const DevBox b = normalised_box(left, top, right, bottom);
    if (b.empty())
        return;
    const double start = radial_angle(b, x1, y1);
    const double sweep = ccw_sweep(start, radial_angle(b, x2, y2));
    const bool stroke_only = shape == ArcShape::Open;

    if (!b.within(kRasterSafeLimit)) {
        // A figure far larger than the page: only its part near the page is
        // written, as a flattened outline.
        const QRectF rect(b.left, b.top, b.right - b.left, b.bottom - b.top);
        QPolygonF points = flatten_elliptic_arc(rect, start, sweep, kSafeArea);
        if (shape == ArcShape::Pie)
            points.prepend(rect.center());
        if (!stroke_only)
            points = clip_polygon(points, kSafeArea);
        std::vector<DevPoint> devs;
        devs.reserve(static_cast<std::size_t>(points.size()));
        for (const QPointF& p : points)
            devs.push_back({static_cast<int>(std::lround(std::clamp(p.x(), -1e8, 1e8))),
                            static_cast<int>(std::lround(std::clamp(p.y(), -1e8, 1e8)))});
        if (stroke_only) {
            // Cut where the flattened arc leaves the area.
            for (std::size_t k = 1; k < devs.size(); ++k) {
                QPointF a(devs[k - 1].x, devs[k - 1].y), c(devs[k].x, devs[k].y);
                if (!clip_segment(a, c, kSafeArea))
                    continue;
                const DevPoint pts[2] = {{static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y()))},
                                         {static_cast<int>(std::lround(c.x())), static_cast<int>(std::lround(c.y()))}};
                polyline(pts);
            }
            return;
        }
        polygon(devs);
        return;
    }

    // PostScript angles run clockwise on the page here (y grows downward), so
    // the counter-clockwise sweep on screen is an arcn from -start.
    out_ << postscript_number(b.cx(), 1) << ' ' << postscript_number(b.cy(), 1) << ' '
         << postscript_number(b.rx(), 1) << ' ' << postscript_number(b.ry(), 1) << ' '
         << postscript_number(-start) << ' ' << postscript_number(-start - sweep) << ' '
         << static_cast<int>(shape) << " AP\n";
    fill_and_stroke(stroke_only ? kHollowBrush : state_.brush, true);
}

void PostScriptDC::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_path(ArcShape::Open, left, top, right, bottom, x1, y1, x2, y2);
}

void PostScriptDC::chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_path(ArcShape::Chord, left, top, right, bottom, x1, y1, x2, y2);
}

void PostScriptDC::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    arc_path(ArcShape::Pie, left, top, right, bottom, x1, y1, x2, y2);
}

void PostScriptDC::polygon(std::span<const DevPoint> points)
{
    if (points.size() < 2)
        return;
    QPolygonF poly;
    bool far = false;
    for (const DevPoint& p : points) {
        poly << QPointF(p.x, p.y);
        far = far || beyond_safe_limit(p.x) || beyond_safe_limit(p.y);
    }
    if (far) {
        poly = clip_polygon(poly, kSafeArea);
        if (poly.size() < 2)
            return;
    }
    out_ << "N " << postscript_number(poly[0].x()) << ' ' << postscript_number(poly[0].y()) << " M";
    for (qsizetype k = 1; k < poly.size(); ++k)
        out_ << ' ' << postscript_number(poly[k].x()) << ' ' << postscript_number(poly[k].y()) << " D";
    out_ << " CP\n";
    fill_and_stroke(state_.brush, true);
}

void PostScriptDC::polyline(std::span<const DevPoint> points)
{
    if (points.size() < 2 || state_.pen.style == PenStyle::Null)
        return;
    for (const DevPoint& p : points)
        if (beyond_safe_limit(p.x) || beyond_safe_limit(p.y)) {
            // Far pieces go through the clipping of single lines.
            const DevPoint saved = state_.position;
            move_to(points[0].x, points[0].y);
            for (std::size_t k = 1; k < points.size(); ++k)
                line_to(points[k].x, points[k].y);
            state_.position = saved;
            return;
        }
    out_ << "N " << points[0].x << ' ' << points[0].y << " M";
    for (std::size_t k = 1; k < points.size(); ++k)
        out_ << ' ' << points[k].x << ' ' << points[k].y << " D";
    out_ << '\n';
    fill_and_stroke(kHollowBrush, true);
}

void PostScriptDC::fill_rect(const DevRect& rect, const Brush& brush)
{
    const DevBox b = normalised_box(rect.left, rect.top, rect.right, rect.bottom);
    if (b.empty() || brush.kind == BrushKind::Hollow)
        return;
    out_ << b.left << ' ' << b.top << ' ' << b.right << ' ' << b.bottom << " RP\n";
    fill_path(brush, Rop2::Copy);
    out_ << "N\n";
}

void PostScriptDC::text_out(int x, int y, std::string_view utf8)
{
    if (utf8.empty())
        return;
    if (state_.bk_mode == BkMode::Opaque) {
        const DevSize extent = measure_text(state_.font, utf8);
        out_ << x << ' ' << y << ' ' << extent.cx << ' ' << extent.cy << ' '
             << rgb_triple(state_.bk_colour) << " BG\n";
    }
    use_font();
    const int baseline = y + ascent_of(state_.font);
    if (!has_sign(utf8)) {
        out_ << postscript_string(utf8) << ' ' << x << ' ' << baseline << ' ' << rgb_triple(state_.text_colour)
             << " T\n";
        return;
    }
    out_ << x << ' ' << baseline << ' ' << rgb_triple(state_.text_colour) << " TB\n"
         << postscript_show(utf8, qfont_for(state_.font).pixelSize()) << "TE\n";
}

DevSize PostScriptDC::text_extent(std::string_view utf8) { return measure_text(state_.font, utf8); }

void PostScriptDC::set_pixel(int x, int y, Colour c)
{
    out_ << x << ' ' << y << ' ' << rgb_triple(c) << " PX\n";
}

Colour PostScriptDC::get_pixel(int, int) const { return kWhite; }

void PostScriptDC::bit_blt(int, int, int, int, const DeviceContext&, int, int, BlitOp) {}
