// Commands that add a figure drawn from picked points: arcs, marked
// segments, conics, arrows, segment and angle marks, fills and the diagram
// buttons.

#include <string>

#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "construct/cons_strings.h"
#include "construct/cons_support.h"
#include "construct/obj_commands.h"
#include "model/adding.h"
#include "model/object_types.h"

namespace {

using cons::pick;

constexpr int kCentrePrompt = 1124;
constexpr int kTwoOnCirclePrompt = 1305;
constexpr int kHideName = 1253;

// The marked segment and the angle marks have no texts of their own.
constexpr const char* kMarkedSegmentFirst = "Select one end of the segment";
constexpr const char* kMarkedSegmentSecond = "Select the other end of the segment";
constexpr const char* kAnglePrompt = "Select three points, the vertex second";
constexpr int kMarkedSegmentName = 1321;  // "Segment"

constexpr int kAngleMarkSize = 3;

struct Start {
    int name_id;
    int nargs;
    int prompt_id;          // 0: the text below
    const char* prompt;
    int second_prompt_id;   // prompt at step 1, 0: none
    const char* second_prompt;
};

bool start_of(int id, Start& s)
{
    switch (id) {
    case otype::kArc: s = {1304, 3, kCentrePrompt, nullptr, kTwoOnCirclePrompt, nullptr}; return true;
    case otype::kMarkedSegment:
        s = {kMarkedSegmentName, 2, 0, kMarkedSegmentFirst, 0, kMarkedSegmentSecond};
        return true;
    case otype::kEllipse: s = {1172, 3, 1165, nullptr, 1168, nullptr}; return true;
    case otype::kHyperbola: s = {1173, 3, 1166, nullptr, 1169, nullptr}; return true;
    case otype::kParabola: s = {1174, 3, 1167, nullptr, 1104, nullptr}; return true;
    case otype::kOneWayArrow:
    case otype::kTwoWayArrow: s = {1301, 2, 1302, nullptr, 0, nullptr}; return true;
    case otype::kAngleMark:
    case otype::kFilledAngleMark: s = {1316, 3, 0, kAnglePrompt, 0, nullptr}; return true;
    case otype::kFillPolygon: s = {1311, 7, 1312, nullptr, 0, nullptr}; return true;
    case otype::kFillChord: s = {1313, 3, kCentrePrompt, nullptr, kTwoOnCirclePrompt, nullptr}; return true;
    case otype::kFillPie: s = {1314, 3, kCentrePrompt, nullptr, kTwoOnCirclePrompt, nullptr}; return true;
    default: return false;
    }
}

void show_prompt(ConstructionHost& host, int id, const char* text)
{
    if (id)
        cons::prompt(host, id);
    else if (text)
        host.set_status(1, text);
}

// A curve appended as it is and drawn at once; recompute makes a conic's
// samples on that first drawing.
void add_curve(ConstructionHost& host, Dpoint& rec, int placing, int recompute, bool conic)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    rec.cls = oclass::kLine;
    rec.set_name("x");
    const int k = add_obj(d, rec);
    if (conic)
        t[k].samples.clear();
    t.placing() = placing;
    t.recompute() = recompute;
    cons::draw_line_now(host, k);
    t.action_state() = astate::kFirstPick;
}

// A button at the mouse position (a complete record keeps its own); a hide
// button starts with an empty list. The action state becomes the command id:
// further clicks of a hide button choose what it hides.
void add_button(ConstructionHost& host, int id, int step, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    if (step != -1) {
        rec.x = t.mouse_x();
        rec.y = t.mouse_y();
    }
    rec.cls = oclass::kButton;
    rec.set_name(cons_string(kHideName));
    if (id == otype::kHideButton) {
        rec.hide_list.clear();
        rec.hide_list.reserve(Dpoint::kMaxHideList);
        rec.aux1.set_int(-1);
    }
    const int k = add_obj(d, rec);
    cons::draw_one_now(host, k);
    t.action_state() = id;
}

void build(ConstructionHost& host, int id, int step, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    switch (id) {
    case otype::kArc: add_curve(host, rec, 1, 0, false); break;
    case otype::kMarkedSegment: add_curve(host, rec, 0, 0, false); break;
    case otype::kEllipse:
    case otype::kHyperbola:
    case otype::kParabola: add_curve(host, rec, 0, 1, true); break;
    case otype::kOneWayArrow:
    case otype::kTwoWayArrow:
        rec.cls = oclass::kLine;
        add_point(d, kAddOther, rec);
        t.action_state() = astate::kFirstPick;
        break;
    case otype::kAngleMark:
    case otype::kFilledAngleMark:
        rec.size = kAngleMarkSize;
        add_point(d, kAddMark, rec);
        t.action_state() = astate::kFirstPick;
        break;
    case otype::kFillPolygon:
        // Vertices + 1: the outline closes back to the first vertex.
        if (step != -1)
            rec.name_dx = static_cast<std::int16_t>(t.action_state() % 10);
        t.action_state() = astate::kFirstPick;
        add_point(d, kAddFill, rec);
        break;
    case otype::kFillChord:
    case otype::kFillPie:
        t.action_state() = astate::kFirstPick;
        add_point(d, kAddFill, rec);
        break;
    default: break;
    }
}

}  // namespace

namespace obj_commands {

bool figure_step(ConstructionHost& host, int step, Dpoint& rec)
{
    const int id = host.table().pending_command();
    if (id == otype::kAnimationButton || id == otype::kHideButton) {
        if (step != 0)
            add_button(host, id, step, rec);
        return true;
    }
    Start s{};
    if (!start_of(id, s))
        return false;

    if (step == 0) {
        cmd_begin(host, cons_string(s.name_id), s.nargs);
        show_prompt(host, s.prompt_id, s.prompt);
        return true;
    }
    if (step == 1) {
        show_prompt(host, s.second_prompt_id, s.second_prompt);
        return true;
    }
    if (step != s.nargs && step != -1)
        return true;
    // Only the arrows refuse a repeated point.
    if ((id == otype::kOneWayArrow || id == otype::kTwoWayArrow) && pick(rec, 2) == pick(rec, 1)) {
        cmd_next(host, 2);
        return true;
    }
    build(host, id, step, rec);
    return true;
}

}  // namespace obj_commands
