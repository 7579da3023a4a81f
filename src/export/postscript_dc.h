#pragma once
// A device context that writes PostScript: every figure becomes a call of one
// of the drawing procedures of the prologue (postscript_prologue()), in
// device units, so the painter draws a PostScript page exactly as it draws
// the screen. The page set-up maps device units onto paper (y down).
//
// PostScript has no combining raster operations: a figure is painted in the
// colour its operation gives on white paper, and left out where that is the
// paper itself (a white pen under Mask, anything under Merge). Pixels cannot
// be read back: get_pixel answers white and bit_blt draws nothing.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "platform/device_context.h"

// The procedure set the body of a page calls; defines the dictionary
// PlexatorDraw, which the page opens with "PlexatorDraw begin".
std::string_view postscript_prologue();

// A text as a PostScript string literal in the Latin-1 encoding of the
// prologue's fonts: UTF-8 characters beyond Latin-1 become '?'.
std::string postscript_string(std::string_view utf8);

// The commands that show a text at the current point in the current font of
// `size` units: Latin-1 runs as strings, and the geometry signs of the texts
// (angle, parallel, perpendicular, not-equal, intersection, the arrows, the
// curly quotes and the full-width colon) by their glyph names, from the
// Symbol font or from the text's own font. Characters with no glyph in
// either become '?'.
std::string postscript_show(std::string_view utf8, int size);

// A number in PostScript syntax with at most `decimals` decimals, whatever
// the locale.
std::string postscript_number(double value, int decimals = 3);

class PostScriptDC : public DeviceContext {
public:
    // area: the drawing's size in device units, which size() reports.
    PostScriptDC(std::ostream& out, DevSize area);

    void line_to(int x, int y) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) override;
    void polygon(std::span<const DevPoint> points) override;
    void polyline(std::span<const DevPoint> points) override;
    void fill_rect(const DevRect& rect, const Brush& brush) override;

    void text_out(int x, int y, std::string_view utf8) override;
    DevSize text_extent(std::string_view utf8) override;

    void set_pixel(int x, int y, Colour c) override;
    Colour get_pixel(int x, int y) const override;

    void bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                 BlitOp op) override;

    DevSize size() const override { return area_; }

    // Writes a comment line ("% text") into the page, e.g. to mark sections.
    void comment(std::string_view text);
    // Writes a line as it is (a DSC comment, a page operator).
    void raw_line(std::string_view line);

private:
    enum class ArcShape { Open = 0, Chord = 1, Pie = 2 };
    void arc_path(ArcShape shape, int left, int top, int right, int bottom, int x1, int y1,
                  int x2, int y2);
    // Fills the current path with the brush (when not hollow), then strokes
    // it with the pen (when not null); the path is gone afterwards.
    void fill_and_stroke(const Brush& brush, bool stroke);
    void fill_path(const Brush& brush);
    void fill_path(Brush brush, Rop2 rop);
    // Sets the PostScript pen from the selected one when it changed; false
    // for the null pen, which draws nothing.
    bool use_pen();
    void use_font();

    std::ostream& out_;
    DevSize area_;
    std::optional<Pen> emitted_pen_;
    std::optional<std::string> emitted_font_;
};
