#pragma once
// The one-line text of a diagram object: its name and a short statement of
// what it is, made from the string table's words and the names of its
// parents, for example "X= midpoint(AB)", "line: AB" or "Fill Triangle: ABC".
//
// Style 1 is the formula style (the one every list and status pane shows),
// style 2 the sentence style ("'X' is midpointAB"). Types without a form give
// the empty text.

#include <string>
#include <string_view>

#include "model/object_table.h"

inline constexpr int kFormulaStyle = 1;
inline constexpr int kSentenceStyle = 2;

// Where forming the text of an Lratio point (197) or a typed rotation (470)
// also writes: the ratio words or the angle go to the prompt and command panes.
class TextStatus {
public:
    virtual ~TextStatus() = default;
    virtual void set_status1(std::string_view text) = 0;
    virtual void set_status3(std::string_view text) = 0;
};

// Text of any object k (index 20 or above) of the table.
std::string obj_text(const ObjectTable& t, int style, int k, TextStatus* status = nullptr);

// Text of a constructed point: points on lines and circles (99, 110 to 115),
// intersections (116 to 128), ratio points (197 to 199) and rotations (470,
// 471). Empty for any other type.
std::string cons_text(const ObjectTable& t, int style, int k, TextStatus* status = nullptr);

// The typed angle of a rotation, or the first ratio word of a ratio point:
// the text from the start of aux1, running on into aux2 when aux1 holds no
// terminator.
std::string aux_run_text(const Dpoint& p);
