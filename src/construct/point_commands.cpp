// The constructions of one new point from picked points, and the three-point
// circle, arc and triangle fill that share their road: each command's name,
// prompts, refusals of equal picks, green feedback of a position click and
// the segments and circles built with the point.

#include <string>
#include <vector>

#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "construct/cons_strings.h"
#include "construct/cons_support.h"
#include "construct/typed_values.h"
#include "model/adding.h"
#include "model/derived_points.h"
#include "model/object_types.h"
#include "model/on_curve.h"
#include "platform/dialogs.h"

namespace {

using cons::pick;

// Build items name picks 1..8, or these.
constexpr int kNew = 100;   // the point just added
constexpr int kMin3 = 101;  // the vertex with the smallest index

// Scratch records of the On ALine feedback.
constexpr int kAlineMid = 1;
constexpr int kAlineTurned = 2;
constexpr int kAlinePoint = 3;

struct StepPrompt {
    int step;
    int text_id;
};

// At `step`, pick b equal to pick a is refused.
struct Refusal {
    int step;
    int a;
    int b;
};

// The green figure of a position click.
enum class Figure {
    None,
    HorizontalLine,  // through p1
    Line,            // through p1 and p2
    Pline,           // through p1 parallel to p2 p3
    Tline,           // through p1 perpendicular to p2 p3
    Circle,          // centre p1 through p2
    Rcircle,         // centre p1, radius |p2 p3|
    Aline,           // through p1 at the angle p3 p4 p5 with p1 p2
};

enum class Part { Point, Segment, Circle };

struct BuildItem {
    Part part;
    int a = 0;
    int b = 0;
};

// What the build step does besides its items.
enum class Special {
    None,
    FreePoint,     // the record as it is
    ClearThird,    // the position click's object is not kept
    AlineSide,     // the line p1 p2 is added as soon as it is picked
    RatioWords,    // ratio dialog first
    TypedAngle,    // angle dialog first
    TriangleFill,  // a filled triangle, no point
    ThreePointCurve,
};

struct PointForm {
    int id;
    int name_id;  // 0: the command has no command line of its own
    int nargs;
    int first_prompt;
    std::vector<StepPrompt> prompts;
    std::vector<Refusal> refusals;
    Figure figure = Figure::None;
    int figure_step = 0;
    int build_step = 0;
    std::vector<BuildItem> build;
    Special special = Special::None;
    const char* dialog_default = "";
};

BuildItem point() { return {Part::Point}; }
BuildItem seg(int a, int b) { return {Part::Segment, a, b}; }
BuildItem circ(int c, int p) { return {Part::Circle, c, p}; }

std::vector<Refusal> triangle_refusals() { return {{2, 1, 2}, {3, 1, 3}, {3, 2, 3}}; }
std::vector<BuildItem> triangle_sides() { return {point(), seg(1, 2), seg(1, 3), seg(2, 3)}; }

const std::vector<PointForm>& forms()
{
    static const std::vector<PointForm> table = [] {
        using namespace otype;
        std::vector<PointForm> f;
        f.push_back({kOnHline, 1177, 2, 1176, {{1, 1115}}, {}, Figure::HorizontalLine, 1, 2,
                     {point(), seg(1, kNew)}});
        f.push_back({kFreePoint, 1004, 0, 1089, {}, {}, Figure::None, 0, 1, {}, Special::FreePoint});
        f.push_back({kFoot, 1102, 3, 1103, {{1, 1104}}, {{3, 2, 3}}, Figure::None, 0, 3,
                     {seg(2, 3), point(), seg(1, kNew), seg(2, kNew)}});
        f.push_back({kMidpoint, 1100, 2, 1101, {}, {{2, 1, 2}}, Figure::None, 0, 2, {point(), seg(1, 2)}});
        for (const int id : {kCentroid, kOrthocenter, kIncenter})
            f.push_back({id, 1110, 3, 1111, {}, triangle_refusals(), Figure::None, 0, 3, triangle_sides()});
        {
            auto sides = triangle_sides();
            sides.push_back(circ(kNew, kMin3));
            f.push_back({kCircumcenter, 1110, 3, 1111, {}, triangle_refusals(), Figure::None, 0, 3, sides});
        }
        f.push_back({kIncenterVertex, 1503, 3, 1109, {{2, 1112}}, {{2, 1, 2}}, Figure::None, 0, 3,
                     {point(), seg(1, 2), seg(1, 3), seg(2, 3), seg(1, kNew), seg(2, kNew)}});
        f.push_back({kEquilateralVertex, 1137, 2, 1138, {}, {}, Figure::None, 0, 2,
                     {point(), seg(1, 2), seg(1, kNew), seg(2, kNew)}});
        f.push_back({kOnLine, 1113, 2, 1114, {{2, 1115}}, {{2, 1, 2}}, Figure::Line, 2, 3,
                     {point(), seg(1, 2), seg(1, kNew)}});
        f.push_back({kOnPline, 1116, 3, 1115, {{1, 1117}, {3, 1118}}, {{3, 2, 3}}, Figure::Pline, 3, 4,
                     {point(), seg(2, 3), seg(1, kNew)}});
        f.push_back({kOnTline, 1119, 3, 1162, {{1, 1120}, {3, 1115}}, {{3, 2, 3}}, Figure::Tline, 3, 4,
                     {point(), seg(2, 3), seg(1, kNew)}});
        f.push_back({kOnCircle, 1123, 2, 1124, {{1, 1125}, {2, 1125}}, {}, Figure::Circle, 2, 3,
                     {point(), circ(1, 2)}, Special::ClearThird});
        f.push_back({kOnAline, 1121, 5, 1114, {{2, 1122}, {5, 1115}, {6, 1115}}, {}, Figure::Aline, 5, 6,
                     {point(), seg(1, 2), seg(3, 4), seg(4, 5), seg(1, kNew)}, Special::AlineSide});
        f.push_back({kOnRcircle, 1126, 3, 1124, {{1, 1127}, {3, 1125}}, {}, Figure::Rcircle, 3, 4,
                     {point(), circ(1, kNew)}});
        f.push_back({kSymmetricPoint, 1128, 2, 1129, {{1, 1130}}, {}, Figure::None, 0, 2,
                     {point(), seg(2, kNew)}});
        f.push_back({kReflection, 1131, 3, 1132, {{1, 1114}}, {}, Figure::None, 0, 3, {point(), seg(2, 3)}});
        f.push_back({kInversion, 1133, 3, 1134, {{1, 1124}, {2, 1125}}, {}, Figure::None, 0, 3,
                     {point(), circ(2, 3), seg(1, kNew)}});
        for (const int id : {kPositiveSquare, kNegativeSquare})
            f.push_back({id, 1135, 2, 1136, {}, {}, Figure::None, 0, 2, {point(), seg(1, 2), seg(1, kNew)}});
        f.push_back({kFillTriangle, 1110, 3, 1111, {}, triangle_refusals(), Figure::None, 0, 3, {},
                     Special::TriangleFill});
        for (const int id : {kThreePointCircle, kThreePointArc})
            f.push_back({id, 1110, 3, 1111, {}, triangle_refusals(), Figure::None, 0, 3, {},
                         Special::ThreePointCurve});
        for (const int id : {kLratio, kMratio})
            f.push_back({id, 1105, 2, 1106, {}, {{2, 1, 2}}, Figure::None, 0, 2,
                         {point(), seg(1, 2), seg(kNew, 1)}, Special::RatioWords, "1 2"});
        f.push_back({kPratio, 1105, 3, 1099, {{1, 1106}}, {{3, 2, 3}}, Figure::None, 0, 3,
                     {point(), seg(2, 3), seg(kNew, 1)}, Special::RatioWords, "1 1"});
        // A typed rotation turns p2 about p1: the new point's radius is drawn.
        f.push_back({kNrotate, 1105, 2, 1106, {}, {{2, 1, 2}}, Figure::None, 0, 2, {point(), seg(1, kNew)},
                     Special::TypedAngle, "90"});
        // p2 turned about p1 by the angle p3 p4 p5: all five picks on the command line.
        f.push_back({kProtate, 1105, 5, 1106, {{2, 1163}}, {}, Figure::None, 0, 5, {point()}});
        return f;
    }();
    return table;
}

const PointForm* form_of(int id)
{
    for (const PointForm& f : forms())
        if (f.id == id)
            return &f;
    return nullptr;
}

std::string command_name(const PointForm& form)
{
    // The three-point ratio shares the ratio's name with a "P" before it.
    if (form.id == otype::kPratio)
        return "P" + cons_string(form.name_id);
    return cons_string(form.name_id);
}

// Draws (on 1) or paints over (on 0) the form's green figure.
void draw_figure(ConstructionHost& host, const PointForm& form, const Dpoint& rec, int on)
{
    const int p1 = pick(rec, 1), p2 = pick(rec, 2), p3 = pick(rec, 3);
    switch (form.figure) {
    case Figure::None: break;
    case Figure::HorizontalLine: cons::rubber_line(host, on, p1, p1, 0); break;
    case Figure::Line: cons::rubber_line(host, on, p1, p1, p2); break;
    case Figure::Pline: cons::rubber_line(host, on, p1, p2, p3); break;
    case Figure::Tline: cons::rubber_line2(host, on, p1, p2, p3); break;
    case Figure::Circle: cons::rubber_circle(host, on, p1, p1, p2); break;
    case Figure::Rcircle: cons::rubber_circle(host, on, p1, p2, p3); break;
    case Figure::Aline: {
        // The line through p1 and the first placement of a point on it, found
        // from the picks alone so that painting over draws the same line.
        ObjectTable& t = host.table();
        cal_midpoint(t, kAlineMid, p1, p2);
        cal_square_pos(t, kAlineTurned, kAlineMid, p2);
        on_aline_init(t, kAlinePoint, p1, p2, p3, pick(rec, 4), pick(rec, 5), kAlineTurned);
        cons::rubber_line(host, on, p1, p1, kAlinePoint);
        break;
    }
    }
}

// The first refusal that applies at `step` (every refusal at step -1); 0 when none.
int refused_step(const PointForm& form, const Dpoint& rec, int step)
{
    for (const Refusal& r : form.refusals)
        if ((step == -1 || r.step == step) && pick(rec, r.a) == pick(rec, r.b))
            return r.step;
    return 0;
}

int resolve(const Dpoint& rec, int which, int new_index)
{
    if (which == kNew)
        return new_index;
    if (which == kMin3)
        return min3(pick(rec, 1), pick(rec, 2), pick(rec, 3));
    return pick(rec, which);
}

void add_items(ConstructionHost& host, const PointForm& form, Dpoint& rec)
{
    Diagram& d = host.diagram();
    for (const BuildItem& item : form.build) {
        const int fresh = d.table.new_index();
        switch (item.part) {
        case Part::Point: add_point(d, kAddPoint, rec); break;
        case Part::Segment:
            add_segment(d, 1, resolve(rec, item.a, fresh), resolve(rec, item.b, fresh), rec);
            break;
        case Part::Circle:
            add_circle(d, 1, resolve(rec, item.a, fresh), resolve(rec, item.b, fresh), rec);
            break;
        }
    }
}

// Asks for the typed value; false when the user cancelled.
bool take_typed_value(ConstructionHost& host, const PointForm& form, Dpoint& rec)
{
    if (form.special == Special::RatioWords) {
        const auto text = ask_ratio(host, form.dialog_default);
        if (!text)
            return false;
        store_ratio_words(rec, *text);
    } else if (form.special == Special::TypedAngle) {
        const auto text = ask_ratio(host, form.dialog_default);
        if (!text)
            return false;
        store_angle_text(rec, *text);
    }
    return true;
}

void build(ConstructionHost& host, const PointForm& form, int step, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    const bool typed = form.special == Special::RatioWords || form.special == Special::TypedAngle;

    if (step > 0)
        draw_figure(host, form, rec, 0);
    if (typed && !take_typed_value(host, form, rec)) {
        // Cancelled: nothing is built; a command run by clicks starts afresh
        // rather than waiting with its slots full.
        if (step > 0)
            t.action_state() = astate::kFirstPick;
        return;
    }

    switch (form.special) {
    case Special::FreePoint: add_point(d, kAddPoint, rec); return;
    case Special::ClearThird: rec.arg[2] = 0; break;
    case Special::TriangleFill:
        rec.name_dx = 4;  // three vertices and the closing point
        t.action_state() = astate::kFirstPick;
        add_point(d, kAddFill, rec);
        return;
    case Special::ThreePointCurve:
        rec.cls = oclass::kLine;
        add_point(d, kAddOther, rec);
        if (step > 0)
            t.action_state() = astate::kFirstPick;
        return;
    default: break;
    }

    add_items(host, form, rec);
    if (step > 0)
        t.action_state() = astate::kFirstPick;
    if (step > 0)
        for (const StepPrompt& p : form.prompts)
            if (p.step == form.build_step)
                cons::prompt(host, p.text_id);
    if (typed)
        host.release_mouse();
}

}  // namespace

bool point_step(ConstructionHost& host, int step, Dpoint& rec)
{
    const PointForm* form = form_of(host.table().pending_command());
    if (!form)
        return false;

    if (step == 0) {
        cmd_begin(host, command_name(*form), form->nargs);
        cons::prompt(host, form->first_prompt);
        return true;
    }
    if (step == -1 || step == form->build_step) {
        if (const int refused = refused_step(*form, rec, step)) {
            cmd_next(host, refused);
            return true;
        }
        build(host, *form, step, rec);
        return true;
    }
    if (step > form->build_step)
        return true;

    if (const int refused = refused_step(*form, rec, step)) {
        cmd_next(host, refused);
        return true;
    }
    if (form->special == Special::AlineSide && step == 2)
        add_segment(host.diagram(), 1, pick(rec, 1), pick(rec, 2), rec);
    for (const StepPrompt& p : form->prompts)
        if (p.step == step)
            cons::prompt(host, p.text_id);
    if (form->figure != Figure::None && step == form->figure_step) {
        draw_figure(host, *form, rec, 1);
        host.table().no_choice_pending() = 0;  // the next click is a position
    }
    return true;
}
