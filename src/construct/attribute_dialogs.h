#pragma once
// The drawing attributes that new objects take: line colour (record 0), fill
// colour (record 1), font colour (record 2), line size and pen style (record 2
// args 0 and 1), and the program-wide font of point names. Each command opens
// a standard dialog; the pending record then carries the attributes into the
// next construction.

#include <optional>
#include <string_view>

#include "construct/choosers.h"
#include "model/diagram.h"

class InputDialog;
class QWidget;

// Command ids of the "Tools" popup.
namespace attr_cmd {
inline constexpr int kLineColour = 137;
inline constexpr int kLineWidth = 138;
inline constexpr int kLineStyle = 139;
inline constexpr int kFillColour = 142;
inline constexpr int kFontColour = 167;
inline constexpr int kFontSize = 174;
}  // namespace attr_cmd

// The pending record's size, colour and pen style from the line size, the
// line colour and the pen style.
void upd_attr_buf(Diagram& d);

// "Line Color", "Fill Color", "Font Color": the colour dialog, opened on the
// line colour for all three, stores its choice by command id; then
// upd_attr_buf. Cancel changes nothing.
void CmColor(Diagram& d, int id, ColourChooser& chooser, QWidget* parent = nullptr);

// "Line Width": a size of at most 5 characters read like atoi; below 1 gives 1,
// no upper bound. upd_attr_buf in every case.
void CmLineWidth(Diagram& d, InputDialog& input);

// "Line Style": 0 to 3 read like atoi; anything else gives 0. upd_attr_buf in
// every case.
void CmLineStyle(Diagram& d, InputDialog& input);

// The program-wide data of the font dialog.
void init_font_data();
// Null before init_font_data and after release_font_data.
FontChoiceData* font_data();
void release_font_data();

// "Font Size": the font dialog on the program-wide data; the chosen font for
// point names, or nullopt when cancelled (or before init_font_data). The
// caller makes it the name font and repaints the drawing.
std::optional<Font> CmFont(FontChooser& chooser, QWidget* parent = nullptr);

// A number as atoi reads it: leading blanks, an optional sign, the digits up
// to the first other character; 0 without digits. Held within int.
int atoi_like(std::string_view text);
