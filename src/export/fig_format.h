#pragma once
// Point files (".fig"): a drawing as plain text, without magic or version.
//
//   N                         number of objects (records 20 .. 19 + N)
//   N object lines            one record each, fields in record order
//   header line               the drawing's settings kept in reserved records
//   L, then L locus rows      first pick, second pick, kind       (records 4-6)
//   D, then D driving rows    point, path, speed                  (records 7-9)
//   trace line                points of the self-drawn trace: count, then x y pairs
//   E, then E expression rows the computation list, one quoted text per entry
//   view line                 view flag, client width, client height (the size
//                             the drawing was saved at; reading leaves the
//                             window its size)
//
// An object line: type "name" class block shown name_shown label_style
// a0 .. a7 x y name_dx name_dy aux1 aux2 colour pen_style size "text", then
// the count and entries of a hide button's list and of a polyline's
// vertices. An aux field is a kind letter and a value: d <double>, i <int>,
// s "<text>", or x <its eight bytes in hex> for what is no finite double. The
// kind is the one the object's type keeps (fig_layout::aux1_kind, aux2_kind);
// a conic's aux fields, made anew on reading, may be of any kind. Only a hide
// button has a hide list, and only its entries in use (0 to aux1).
// The header line: conclusion c0 .. c7 unit_length static_unit
// unit_segment_length unit_a unit_b pen_colour brush_colour font_colour
// pen_size pen_style fill_style show_names next_name_letter name_suffix
// current_block block_count trace_switch current_driving_point steps interval.
//
// Texts are quoted with backslash escapes, so names and texts with spaces,
// quotes or line breaks survive; doubles are written in their shortest exact
// form, so positions read back to the same bits. The scratch fields of the
// reserved records, the restore stack and the locus samples are not kept:
// they are rebuilt. Conic samples are made anew from their parents.

#include <iosfwd>
#include <string>
#include <vector>

#include "model/diagram.h"

// The window's part of a point file.
struct FigView {
    int view_flag = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const FigView&, const FigView&) = default;
};

// What a point file holds beside the diagram: the computation list's entries
// (each in the list's own text form; the owner of the list writes and reads
// them) and the view.
struct FigExtras {
    std::vector<std::string> expressions;
    FigView view;
};

// The outcome of reading a point file.
struct FigResult {
    bool ok = true;
    int line = 0;         // 1-based line of the fault; 0 for the end of the file
    std::string message;  // what is wrong
    explicit operator bool() const { return ok; }
    // "line 12: <message>" or "end of file: <message>"; empty when ok.
    std::string describe() const;
};

// Writes the drawing; false when the stream failed.
bool fig_write(const Diagram& d, std::ostream& out, const FigExtras& extras = {});

// Reads a point file. On success the drawing's table and self-drawn trace are
// replaced (its locus samples emptied, its pending record given the pen
// settings read, its neighbours not called) and *extras filled when given.
// The quantity count (record 2 arg[4]) is left at -1: the owner of the
// computation list sets it when it takes the entries. On failure nothing
// changes: a malformed, inconsistent or truncated file is refused whole.
FigResult fig_parse(std::istream& in, Diagram& d, FigExtras* extras = nullptr);

// Moves a drawing that fig_parse read into another one (a window's) as
// fig_parse itself does on success: table, self-drawn trace and pen settings
// of the pending record; locus samples emptied; neighbours not called.
void take_drawing(Diagram& into, Diagram&& read);
