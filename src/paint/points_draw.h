#pragma once
// Points, names and texts: a point as a small disc in its colour, its name
// beside it with everything after the first character as a subscript, a text
// object in a font sized from the object, a plain segment between two
// objects, and the small rings that mark candidate points.

#include <string_view>

#include "model/diagram.h"
#include "platform/device_context.h"

// The label fonts, shared by every drawing: the name font on the screen, the
// small one for subscripts and the one for printing.
inline constexpr std::string_view kLabelFace = "Time New Roman";
inline constexpr int kLabelFontHeight = 18;
inline constexpr int kSmallLabelFontHeight = 14;
inline constexpr int kPrintLabelFontHeight = 64;
inline constexpr int kPrintSubscriptFontHeight = 45;
// The name font: "Time New Roman" 18 until the font command replaces it for
// every drawing; the subscript and printing fonts stay.
Font label_font();
void set_label_font(const Font& font);
// Back to "Time New Roman" 18.
void reset_label_font();
Font small_label_font();
Font print_label_font();

// Red in which the objects of the current block are drawn while a block is
// being selected.
inline constexpr Colour kBlockHighlight = rgb(255, 0, 0);

// Point i as a disc (pen_style 0) or a white disc with a coloured rim, radius
// its size; then its name when shown. Nothing at all when it maps to device (0, 0).
void draw_point(Diagram& d, DeviceContext& dc, int i);

// The name of point i at its position plus the name offset, when shown.
void draw_point_name(Diagram& d, DeviceContext& dc, int i, Colour colour);

// Writes a name or short label with its top left corner at device (x, y) in
// the label font, on a transparent background. mode 0 writes the text whole;
// any other mode writes the rest after the first character as a subscript.
// Starts from the objects the context held before the caller selected any and
// leaves the font as it found it.
void draw_label(Diagram& d, DeviceContext& dc, int x, int y, std::string_view text, Colour colour,
                int mode);

// Text object i in a font of cell height 2 * size + 10 (four times that on
// paper) at its position plus the name offset.
void draw_text_obj(Diagram& d, DeviceContext& dc, int i, Colour colour);

// A line from object i to object j with the selected pen; nothing when either
// maps to device (0, 0).
void draw_segment(Diagram& d, DeviceContext& dc, int i, int j);

// A ring of radius 2 around object i (0: the mouse position) on the mouse
// operation's context, with a 1-pixel pen of the colour and a white inside.
void draw_dot(Diagram& d, DeviceContext& mouse_dc, int i, Colour colour);
