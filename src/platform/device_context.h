#pragma once

// The drawing interface the painter, the feedback code and the exporters use.
// Shaped after the classic device-context model (selected pen, brush and font,
// a current position, a raster operation, background mode) so that drawing
// code reads the way it was designed. Free of Qt: the model and the painter
// depend on this header only.

#include "platform/colour.h"

#include <span>
#include <string>
#include <string_view>

// Numbered as the pen styles stored in diagram records (0 solid, 1 dash, ...).
enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };

// Numbered as the fill styles 0..5 of fill objects.
// ForwardDiagonal runs from top left to bottom right ("\\\\"), BackwardDiagonal
// from bottom left to top right ("////").
enum class HatchStyle {
    Horizontal = 0,
    Vertical = 1,
    ForwardDiagonal = 2,
    BackwardDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5
};

enum class BrushKind { Solid, Hatched, Hollow };

// How the pen and the brush combine with the pixels beneath.
enum class Rop2 {
    Copy,   // pen/brush colour
    Mask,   // AND with the destination
    Xor,    // XOR with the destination
    Merge,  // OR with the destination
    Not     // invert the destination, colour ignored
};

// Raster operations of a block transfer (source combined with destination).
enum class BlitOp { Copy, And, Or, Xor };

enum class BkMode { Transparent, Opaque };

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;

struct Pen {
    Colour colour = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    BrushKind kind = BrushKind::Solid;
    Colour colour = kWhite;
    HatchStyle hatch = HatchStyle::Horizontal;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// height is the character cell height in pixels (ascent + descent).
// Unknown faces map to the sans face; serif faces ("Time New Roman",
// "Times New Roman", ...) to the serif face, so text measures alike everywhere.
struct Font {
    int height = 16;
    std::string face;
    int weight = kFontWeightNormal;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct DevPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DevPoint&, const DevPoint&) = default;
};

struct DevSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const DevSize&, const DevSize&) = default;
};

struct DevRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DevRect&, const DevRect&) = default;
};

// Ready-made objects, as the stock objects of the classic model.
inline constexpr Pen kBlackPen{kBlack, 1, PenStyle::Solid};
inline constexpr Pen kWhitePen{kWhite, 1, PenStyle::Solid};
inline constexpr Pen kNullPen{kBlack, 1, PenStyle::Null};
inline constexpr Brush kWhiteBrush{BrushKind::Solid, kWhite, HatchStyle::Horizontal};
inline constexpr Brush kHollowBrush{BrushKind::Hollow, kBlack, HatchStyle::Horizontal};

inline Brush solid_brush(Colour c) { return Brush{BrushKind::Solid, c, HatchStyle::Horizontal}; }
inline Brush hatch_brush(HatchStyle h, Colour c) { return Brush{BrushKind::Hatched, c, h}; }

// Maps a stored pen style number; anything unknown is solid.
PenStyle pen_style_from_int(int style);
// Maps a stored fill style: 0..5 hatches, 6 (or anything else) solid.
Brush fill_brush(int fill_style, Colour colour);
// On/off run lengths in pixels of the thin styled pens, as the classic
// cosmetic pens draw them; empty for the solid and the null pen.
std::span<const int> dash_runs(PenStyle style);

// The state a context starts with: black 1-pixel solid pen, stock white brush,
// default font, black text on white, opaque background, Copy, position (0, 0).
struct DcState {
    Pen pen = kBlackPen;
    Brush brush = kWhiteBrush;
    Font font{};
    Colour text_colour = kBlack;
    Colour bk_colour = kWhite;
    BkMode bk_mode = BkMode::Opaque;
    Rop2 rop = Rop2::Copy;
    DevPoint position{};
};

class Surface;

// Coordinates are device pixels, y down. Boxes follow the classic convention:
// (left, top) inclusive, (right, bottom) exclusive.
class DeviceContext {
public:
    DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    virtual ~DeviceContext() = default;

    // Selection returns what was selected before. restore_* puts back what the
    // context held before the caller selected anything.
    virtual Pen select_pen(const Pen& pen);
    virtual Brush select_brush(const Brush& brush);
    virtual Font select_font(const Font& font);
    virtual void restore_pen();
    virtual void restore_brush();
    virtual void restore_font();
    virtual void restore_objects();

    const Pen& pen() const { return state_.pen; }
    const Brush& brush() const { return state_.brush; }
    const Font& font() const { return state_.font; }
    const DcState& state() const { return state_; }

    virtual Colour set_text_colour(Colour c);
    virtual Colour set_bk_colour(Colour c);
    virtual BkMode set_bk_mode(BkMode mode);
    virtual Rop2 set_rop2(Rop2 rop);
    Colour text_colour() const { return state_.text_colour; }
    Colour bk_colour() const { return state_.bk_colour; }
    BkMode bk_mode() const { return state_.bk_mode; }
    Rop2 rop2() const { return state_.rop; }

    // Returns the previous current position.
    virtual DevPoint move_to(int x, int y);
    DevPoint position() const { return state_.position; }
    // Draws with the pen from the current position to (x, y), which becomes current.
    virtual void line_to(int x, int y) = 0;

    // Figures inside a bounding box, outlined with the pen, filled with the brush.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // Arcs of the ellipse in the box, counter-clockwise on screen from the ray
    // towards (x1, y1) to the ray towards (x2, y2); equal rays give the whole
    // ellipse. A chord closes with a straight line, a pie with two radii.
    virtual void arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    virtual void chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    virtual void pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) = 0;
    virtual void polygon(std::span<const DevPoint> points) = 0;
    virtual void polyline(std::span<const DevPoint> points) = 0;
    // Fills the box with the given brush: no outline, raster operation ignored.
    virtual void fill_rect(const DevRect& rect, const Brush& brush) = 0;

    // (x, y) is the top left corner of the text cell: the baseline lies
    // ascent pixels below y. Opaque mode fills the cell with the bk colour.
    virtual void text_out(int x, int y, std::string_view utf8) = 0;
    // Width and cell height of the text in the selected font.
    virtual DevSize text_extent(std::string_view utf8) = 0;

    virtual void set_pixel(int x, int y, Colour c) = 0;
    // Colour at (x, y); kInvalidColour outside the area; contexts without
    // pixels answer white.
    virtual Colour get_pixel(int x, int y) const = 0;

    // Copies a w x h block from src at (sx, sy) to (x, y), combined by op.
    virtual void bit_blt(int x, int y, int w, int h, const DeviceContext& src, int sx, int sy,
                         BlitOp op) = 0;

    // A paint pass: the drawing calls between begin and end form one picture
    // (a whole diagram), so a context may keep its drawing machinery set up
    // across them. Passes nest; outside one every call stands alone.
    virtual void begin_pass() {}
    virtual void end_pass() {}

    // The pixels behind the context, when it has any.
    virtual const Surface* surface() const { return nullptr; }
    // Size of the drawing area in pixels.
    virtual DevSize size() const = 0;

protected:
    // Sets the current state and makes it what restore_* returns to.
    void reset_state(const DcState& state)
    {
        state_ = state;
        original_ = state;
    }

    DcState state_;

private:
    DcState original_;  // what restore_* returns to
};

// Holds a paint pass open on a context for its lifetime.
class PaintPass {
public:
    explicit PaintPass(DeviceContext& dc) : dc_(dc) { dc_.begin_pass(); }
    PaintPass(const PaintPass&) = delete;
    PaintPass& operator=(const PaintPass&) = delete;
    ~PaintPass() { dc_.end_pass(); }

private:
    DeviceContext& dc_;
};
