#include "paint/points_draw.h"

#include <algorithm>
#include <limits>
#include <string>

#include "model/device_mapping.h"
#include "paint/paint_support.h"

namespace {

using paint_support::block_highlighted;
using paint_support::BrushSelection;
using paint_support::dev_pos;
using paint_support::is_unplaced;
using paint_support::PenSelection;

Font label_face_font(int height) { return Font{height, std::string(kLabelFace), 0, false}; }

// Length in bytes of the first UTF-8 character of s, so that a name is never
// split inside a character.
std::size_t first_char_length(std::string_view s)
{
    if (s.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(s[0]);
    std::size_t n = 1;
    if (lead >= 0xF0)
        n = 4;
    else if (lead >= 0xE0)
        n = 3;
    else if (lead >= 0xC0)
        n = 2;
    return std::min(n, s.size());
}

// Cell height of a text object's font: 2 * size + 10, times 4 on paper, kept
// within int range whatever the stored size.
int text_font_height(const ObjectTable& t, std::int32_t size)
{
    long long h = 2LL * size + 10;
    if (is_print_mode(t))
        h *= 4;
    return static_cast<int>(std::clamp<long long>(h, std::numeric_limits<int>::min() / 2,
                                                  std::numeric_limits<int>::max() / 2));
}

DevPoint label_position(const ObjectTable& t, const Dpoint& p)
{
    return {p_to_dev(t, p.x + p.name_dx), p_to_dev(t, p.y + p.name_dy)};
}

// The one name font of the program run.
Font& name_font()
{
    static Font font = label_face_font(kLabelFontHeight);
    return font;
}

}  // namespace

Font label_font() { return name_font(); }
void set_label_font(const Font& font) { name_font() = font; }
void reset_label_font() { name_font() = label_face_font(kLabelFontHeight); }
Font small_label_font() { return label_face_font(kSmallLabelFontHeight); }
Font print_label_font() { return label_face_font(kPrintLabelFontHeight); }

void draw_point(Diagram& d, DeviceContext& dc, int i)
{
    ObjectTable& t = d.table;
    if (is_unplaced(t, i))
        return;  // not even the name
    const Dpoint& p = t.get(i);
    const DevPoint c = dev_pos(t, i);
    if (p.shown != 0) {
        const bool printing = is_print_mode(t);
        Pen pen{p.colour, 1, PenStyle::Solid};
        Brush brush = solid_brush(p.colour);
        if (p.pen_style != 0) {
            pen.width = printing ? 2 : 1;
            brush = kWhiteBrush;
        }
        if (block_highlighted(t, p)) {
            pen = Pen{kBlockHighlight, 1, PenStyle::Solid};
            brush = kWhiteBrush;
        }
        const int r = p_to_dev(t, p.size, kLengthMode);
        PenSelection pen_scope(dc, pen);
        BrushSelection brush_scope(dc, brush);
        dc.ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    }
    if (p.name_shown != 0)
        draw_point_name(d, dc, i, p.colour);
}

void draw_point_name(Diagram& d, DeviceContext& dc, int i, Colour colour)
{
    ObjectTable& t = d.table;
    const Dpoint& p = t.get(i);
    if (p.name_shown == 0)
        return;
    if (block_highlighted(t, p))
        colour = kBlockHighlight;
    const DevPoint at = label_position(t, p);
    draw_label(d, dc, at.x, at.y, p.name_view(), colour, p.label_style);
}

void draw_label(Diagram& d, DeviceContext& dc, int x, int y, std::string_view text, Colour colour,
                int mode)
{
    const bool printing = is_print_mode(d.table);
    // A label never inherits the caller's pen, brush or font.
    dc.restore_objects();
    const Font before = dc.font();
    dc.set_text_colour(colour);
    dc.select_font(printing ? print_label_font() : label_font());
    dc.set_bk_mode(BkMode::Transparent);

    const std::size_t head = first_char_length(text);
    if (mode == 0 || text.size() <= head) {
        dc.text_out(x, y, text);
        dc.select_font(before);
        return;
    }
    const std::string_view first = text.substr(0, head);
    dc.text_out(x, y, first);
    const DevSize big = dc.text_extent(first);
    x += big.cx;
    if (first == "A")
        x += 2;  // the slanting A would otherwise touch its subscript
    dc.select_font(printing ? label_face_font(kPrintSubscriptFontHeight) : small_label_font());
    const DevSize small = dc.text_extent(first);
    y += big.cy - small.cy;  // subscript bottom on the first character's bottom
    dc.text_out(x, y, text.substr(head));
    dc.select_font(before);
}

void draw_text_obj(Diagram& d, DeviceContext& dc, int i, Colour colour)
{
    ObjectTable& t = d.table;
    const Dpoint& p = t.get(i);
    if (p.shown == 0)
        return;
    const Font previous = dc.select_font(label_face_font(text_font_height(t, p.size)));
    dc.set_text_colour(block_highlighted(t, p) ? kBlockHighlight : colour);
    const DevPoint at = label_position(t, p);
    dc.set_bk_mode(BkMode::Transparent);
    dc.text_out(at.x, at.y, p.text_view());
    dc.select_font(previous);
}

void draw_segment(Diagram& d, DeviceContext& dc, int i, int j)
{
    const ObjectTable& t = d.table;
    if (is_unplaced(t, i) || is_unplaced(t, j))
        return;
    const DevPoint a = dev_pos(t, i);
    const DevPoint b = dev_pos(t, j);
    dc.set_bk_mode(BkMode::Transparent);
    dc.move_to(a.x, a.y);
    dc.line_to(b.x, b.y);
}

void draw_dot(Diagram& d, DeviceContext& mouse_dc, int i, Colour colour)
{
    const ObjectTable& t = d.table;
    if (is_unplaced(t, i))
        return;
    const DevPoint c = dev_pos(t, i);
    PenSelection pen_scope(mouse_dc, Pen{colour, 1, PenStyle::Solid});
    BrushSelection brush_scope(mouse_dc, kWhiteBrush);
    mouse_dc.ellipse(c.x - 2, c.y - 2, c.x + 2, c.y + 2);
}
