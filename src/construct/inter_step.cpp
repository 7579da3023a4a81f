// The thirteen intersection commands: two lines, lines and circles, two
// circles. The first curve is shown in green as soon as it is picked; where a
// line or circle meets a circle twice, both solutions are marked in red and
// one more click chooses the nearer one.

#include <vector>

#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "construct/cons_strings.h"
#include "construct/cons_support.h"
#include "model/adding.h"
#include "model/device_mapping.h"
#include "model/intersections.h"
#include "model/object_types.h"
#include "model/primitives.h"

namespace {

constexpr int kP = -1;  // the new intersection point in a build item
constexpr int kTwoSolutionsPrompt = 1219;
constexpr int kLastLineKind = otype::kInterTlineTline;  // the kinds up to it meet two lines

enum class Kind { Line, Tline, Circle };

// A green figure: line through a parallel to bc, tline through a
// perpendicular to bc, or circle with centre a and radius |bc| (argument
// indices of the record).
struct Figure {
    Kind kind;
    int a;
    int b;
    int c;
};

struct Item {
    bool circle;
    int a;  // argument index, or kP
    int b;
};

// When is the solution unique because the circle passes through a picked
// point? Named tests, as the computation makes them.
enum class Unique {
    Never,
    ThirdOnLine,     // 122: a3 named like a0 or a1
    FourthIsFirst,   // 123, 124: a4 named like a0
    ThirdIsSecond,   // 125: a3 named like a1
};

struct StepPrompt {
    int step;
    int text_id;
};

struct InterForm {
    int id;
    int name_id;
    int nargs;
    int first_prompt;
    int first_step;  // the pick that completes the first curve
    int first_a;     // the two picks that give its direction or radius
    int first_b;
    Figure first;
    int second_prompt;
    std::vector<StepPrompt> prompts;
    int second_a;  // tested at the build step
    int second_b;
    std::vector<Item> build;
    Unique unique = Unique::Never;
    Figure second{Kind::Line, 0, 0, 0};
    int value_centre = -1;  // second centre of the stored side value; -1: none
};

Item seg(int a, int b) { return {false, a, b}; }
Item circ(int c, int p) { return {true, c, p}; }

constexpr Figure line01{Kind::Line, 0, 0, 1};
constexpr Figure pline012{Kind::Line, 0, 1, 2};
constexpr Figure tline012{Kind::Tline, 0, 1, 2};

const std::vector<InterForm>& forms()
{
    using namespace otype;
    static const std::vector<InterForm> table = {
        {kInterLineLine, 1200, 4, 1201, 2, 0, 1, line01, 1202, {}, 2, 3,
         {seg(0, 1), seg(2, 3), seg(0, kP), seg(2, kP)}},
        {kInterLinePline, 1203, 5, 1201, 2, 0, 1, line01, 1218, {}, 3, 4,
         {seg(0, 1), seg(3, 4), seg(0, kP), seg(2, kP)}},
        {kInterLineTline, 1205, 5, 1201, 2, 0, 1, line01, 1216, {}, 3, 4,
         {seg(0, 1), seg(3, 4), seg(0, kP), seg(2, kP)}},
        {kInterPlinePline, 1206, 6, 1217, 3, 1, 2, pline012, 1218, {}, 4, 5,
         {seg(1, 2), seg(4, 5), seg(0, kP), seg(3, kP)}},
        {kInterPlineTline, 1207, 6, 1217, 3, 1, 2, pline012, 1216, {}, 4, 5,
         {seg(1, 2), seg(4, 5), seg(0, kP), seg(3, kP)}},
        {kInterTlineTline, 1208, 6, 1204, 3, 1, 2, tline012, 1216, {}, 4, 5,
         {seg(1, 2), seg(4, 5), seg(0, kP), seg(3, kP)}},
        {kInterLineCircle, 1209, 4, 1104, 2, 0, 1, line01, 1124, {{3, 1125}}, 2, 3,
         {seg(0, 1), circ(2, 3), seg(0, kP)}, Unique::ThirdOnLine, {Kind::Circle, 2, 2, 3}, 2},
        {kInterPlineCircle, 1210, 5, 1220, 3, 1, 2, pline012, 1124, {{4, 1125}}, 3, 4,
         {seg(1, 2), circ(3, 4), seg(0, kP)}, Unique::FourthIsFirst, {Kind::Circle, 3, 3, 4}},
        {kInterTlineCircle, 1211, 5, 1204, 3, 1, 2, tline012, 1124, {{4, 1125}}, 3, 4,
         {seg(1, 2), circ(3, 4), seg(0, kP)}, Unique::FourthIsFirst, {Kind::Circle, 3, 3, 4}},
        {kInterCircleCircle, 1212, 4, 1124, 2, 0, 1, {Kind::Circle, 0, 0, 1}, 1124, {{1, 1125}, {3, 1125}}, 2, 3,
         {circ(0, 1), circ(2, 3)}, Unique::ThirdIsSecond, {Kind::Circle, 2, 2, 3}, 2},
        {kInterLineRcircle, 1213, 5, 1104, 2, 0, 1, line01, 1124, {{3, 1222}}, 3, 4,
         {seg(0, 1), seg(0, kP), circ(2, kP)}, Unique::Never, {Kind::Circle, 2, 3, 4}},
        {kInterCircleRcircle, 1214, 5, 1124, 2, 0, 1, {Kind::Circle, 0, 0, 1}, 1224, {{1, 1223}, {3, 1222}}, 3, 4,
         {circ(0, 1), circ(2, kP)}, Unique::Never, {Kind::Circle, 2, 3, 4}, 2},
        {kInterRcircleRcircle, 1215, 6, 1124, 3, 1, 2, {Kind::Circle, 0, 1, 2}, 1224, {{1, 1225}, {4, 1222}},
         4, 5, {circ(0, kP), circ(3, kP)}, Unique::Never, {Kind::Circle, 3, 4, 5}, 3},
    };
    return table;
}

const InterForm* form_of(int id)
{
    for (const InterForm& f : forms())
        if (f.id == id)
            return &f;
    return nullptr;
}

int arg(const Dpoint& rec, int i) { return rec.arg[static_cast<std::size_t>(i)]; }

void draw(ConstructionHost& host, const Figure& f, const Dpoint& rec, int on)
{
    const int a = arg(rec, f.a), b = arg(rec, f.b), c = arg(rec, f.c);
    switch (f.kind) {
    case Kind::Line: cons::rubber_line(host, on, a, b, c); break;
    case Kind::Tline: cons::rubber_line2(host, on, a, b, c); break;
    case Kind::Circle: cons::rubber_circle(host, on, a, b, c); break;
    }
}

bool is_unique(const InterForm& form, const ObjectTable& t, const Dpoint& rec)
{
    switch (form.unique) {
    case Unique::Never: return false;
    case Unique::ThirdOnLine:
        return named_alike(t, arg(rec, 3), arg(rec, 0)) || named_alike(t, arg(rec, 3), arg(rec, 1));
    case Unique::FourthIsFirst: return named_alike(t, arg(rec, 4), arg(rec, 0));
    case Unique::ThirdIsSecond: return named_alike(t, arg(rec, 3), arg(rec, 1));
    }
    return false;
}

// P and the segments and circles that make its two curves visible.
void add_point_and_curves(ConstructionHost& host, const InterForm& form, Dpoint& rec)
{
    Diagram& d = host.diagram();
    add_point(d, kAddPoint, rec);
    const int p = d.table.new_index();
    const auto index = [&](int i) { return i == kP ? p : arg(rec, i); };
    for (const Item& item : form.build) {
        if (item.circle)
            add_circle(d, 1, index(item.a), index(item.b), rec);
        else
            add_segment(d, 1, index(item.a), index(item.b), rec);
    }
    d.table.new_index() = p;
}

void two_solution_rule(ConstructionHost& host, const InterForm& form, int step, const Dpoint& rec)
{
    ObjectTable& t = host.table();
    if (is_unique(form, t, rec)) {
        // The circle passes through a picked point: the point is the other
        // intersection, nothing to choose.
        if (form.unique != Unique::ThirdIsSecond)
            draw(host, form.first, rec, 0);
        if (step > 0)
            t.action_state() = astate::kFirstPick;
        return;
    }
    draw(host, form.first, rec, 1);
    draw(host, form.second, rec, 1);
    if (p_to_dev(t, t.candidate(0).x) != 0) {
        cons::prompt(host, kTwoSolutionsPrompt);
    } else {
        // No intersection: the point stays at (0, 0) and the command is done.
        if (step > 0)
            t.action_state() = astate::kFirstPick;
        host.invalidate();
    }
    cons::dot(host, rec::kCandidate0, cons::kCandidateMark);
    cons::dot(host, rec::kCandidate1, cons::kCandidateMark);
    t.no_choice_pending() = 0;
}

void choose(ConstructionHost& host, const InterForm& form, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    // The choice click is no argument of the point.
    rec.arg[static_cast<std::size_t>(form.nargs)] = 0;
    add_point(d, kAddChooseCandidate, rec);
    if (form.value_centre >= 0) {
        // The side of the line of centres that was chosen, kept for recomputation.
        const int p = t.new_index();
        const double side = kSideValueFactor * area3(t, p, arg(rec, 0), arg(rec, form.value_centre));
        t[p].aux1.set_double(side);
    }
    t.action_state() = astate::kFirstPick;
    t.no_choice_pending() = 1;
}

// One step of an intersection command; false when the pick was refused.
bool run(ConstructionHost& host, const InterForm& form, int step, Dpoint& rec)
{
    ObjectTable& t = host.table();
    if (step == 0) {
        cmd_begin(host, cons_string(form.name_id), form.nargs);
        cons::prompt(host, form.first_prompt);
        return true;
    }
    if (step > 0 && step < form.nargs) {
        if (step == form.first_step) {
            if (arg(rec, form.first_a) == arg(rec, form.first_b)) {
                cmd_next(host, step);
                return false;
            }
            draw(host, form.first, rec, 1);
            cons::prompt(host, form.second_prompt);
        }
        for (const StepPrompt& p : form.prompts)
            if (p.step == step)
                cons::prompt(host, p.text_id);
        return true;
    }
    if (step == form.nargs || step == -1) {
        if (step > 0 && arg(rec, form.second_a) == arg(rec, form.second_b)) {
            cmd_next(host, step);
            return false;
        }
        if (form.id <= kLastLineKind) {
            if (step > 0)
                draw(host, form.first, rec, 0);
            add_point_and_curves(host, form, rec);
            if (step > 0)
                t.action_state() = astate::kFirstPick;
            if (form.id == otype::kInterLineLine)
                host.set_status(1, "");
            return true;
        }
        add_point_and_curves(host, form, rec);
        two_solution_rule(host, form, step, rec);
        return true;
    }
    if (step == form.nargs + 1 && form.id > kLastLineKind)
        choose(host, form, rec);
    return true;
}

}  // namespace

void inter_step(ConstructionHost& host, int step, Dpoint* rec, int flag)
{
    ObjectTable& t = host.table();
    Dpoint& r = rec ? *rec : host.pending();
    bool accepted = true;
    if (const InterForm* form = form_of(t.pending_command()))
        accepted = run(host, *form, step, r);
    else
        obj_step(host, step, &r, flag);
    // A finished command repaints, which takes away dots and feedback.
    if (accepted && t.action_state() == astate::kFirstPick)
        host.invalidate();
}
