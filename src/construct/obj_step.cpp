// obj_step: the object commands that are not point constructions. The line
// family (picks: two ends) and the circle family (picks: centre, a point on
// the circle) share their start, their refusal of equal picks and their last
// step; the figure commands and the other object commands follow.

#include "construct/cons_engine.h"

#include "animate/computation.h"
#include "construct/command_line.h"
#include "construct/cons_strings.h"
#include "construct/cons_support.h"
#include "construct/obj_commands.h"
#include "model/adding.h"
#include "model/object_types.h"

namespace {

using cons::pick;

constexpr int kLineName = 1005;
constexpr int kCircleName = 1303;
constexpr int kLinePrompt = 1104;
constexpr int kCentrePrompt = 1124;
constexpr int kOnCirclePrompt = 1125;

bool in_line_family(int id)
{
    return id == otype::kSegment || id == cmd::kHideLine || id == otype::kSegmentMark ||
           id == cmd::kDeleteLine || id == cmd::kUpdateLine || id == measure_code::kDynamicUnit;
}

bool in_circle_family(int id)
{
    return id == otype::kCircle || id == otype::kFillCircle || id == cmd::kHideCircle ||
           id == cmd::kUpdateCircle || id == cmd::kDeleteCircle || id == measure_type::kCirclePerimeter;
}

// The segment or circle itself, also as a driving point's trace.
void build_line_or_circle(ConstructionHost& host, bool circle, Dpoint& rec)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    const bool trace = t.outer_mode() == astate::kAnimation;
    if (trace)
        rec.colour = cons::kStandardLightGreen;
    const int k = circle ? add_circle(d, 0, pick(rec, 1), pick(rec, 2), rec)
                         : add_segment(d, 0, pick(rec, 1), pick(rec, 2), rec);
    // A circle run goes on in black until a command is chosen again.
    rec.colour = circle ? cons::kStandardBlack : t.pen_colour();
    if (trace) {
        t.driver_path(t.current_driver()) = k;
        host.end_command();
        return;
    }
    t.action_state() = astate::kFirstPick;
}

// Both families: the first pick starts the command (the circle family asks
// for the point on the circle after its centre), equal picks are refused,
// and the second pick builds.
void two_pick_family(ConstructionHost& host, bool circle, int id, int step, Dpoint& rec)
{
    if (step == 0) {
        cmd_begin(host, cons_string(circle ? kCircleName : kLineName), 2);
        cons::prompt(host, circle ? kCentrePrompt : kLinePrompt);
        return;
    }
    if (step == 1 && circle) {
        cons::prompt(host, kOnCirclePrompt);
        return;
    }
    if (step != 2 && step != -1)
        return;
    if (pick(rec, 2) == pick(rec, 1)) {
        cmd_next(host, 2);
        return;
    }
    switch (id) {
    case otype::kSegment:
    case otype::kCircle: build_line_or_circle(host, circle, rec); break;
    case otype::kSegmentMark:
    case otype::kFillCircle:
        add_point(host.diagram(), id == otype::kSegmentMark ? kAddMark : kAddFill, rec);
        host.table().action_state() = astate::kFirstPick;
        break;
    default:
        if (circle)
            obj_commands::circle_member(host, id, rec);
        else
            obj_commands::line_member(host, id, rec);
        break;
    }
}

}  // namespace

void obj_step(ConstructionHost& host, int step, Dpoint* rec, int /*flag*/)
{
    const int id = host.table().pending_command();
    Dpoint& r = rec ? *rec : host.pending();
    if (in_line_family(id) || in_circle_family(id))
        two_pick_family(host, in_circle_family(id), id, step, r);
    else if (!obj_commands::figure_step(host, step, r))
        obj_commands::object_step(host, step, r);
}
