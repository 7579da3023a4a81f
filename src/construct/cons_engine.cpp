// The left click of a pending command and the prologue and epilogue that
// every step of every command shares.

#include "construct/cons_engine.h"

#include "construct/command_line.h"
#include "construct/cons_support.h"
#include "model/adding.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "paint/hit_test.h"
#include "paint/points_draw.h"

namespace {

// Slot text of a click that hit nothing (a position or a choice click).
constexpr std::string_view kNoObjectSlot = "*";

// Commands whose first click on empty ground makes a free point: segment,
// circle and the two rotations (their first point is the centre).
bool first_click_makes_point(int id)
{
    return id == otype::kSegment || id == otype::kCircle || id == cmd::kRotateByPickedAngle ||
           id == cmd::kRotateByTypedAngle;
}

// Whether step k of command id marks its pick with a blue dot. The position
// clicks (a point placed on a green line or circle) and the choice between
// two intersections mark nothing; neither do the texts and buttons, which
// are placed rather than picked.
bool marks_pick(int id, int step)
{
    switch (id) {
    case otype::kOnHline: return step != 2;
    case otype::kOnLine:
    case otype::kOnCircle: return step != 3;
    case otype::kOnPline:
    case otype::kOnTline: return step != 4;
    case otype::kInterLineCircle:
    case otype::kInterCircleCircle: return step != 5;
    case otype::kInterPlineCircle:
    case otype::kInterTlineCircle:
    case otype::kInterLineRcircle:
    case otype::kInterCircleRcircle: return step != 6;
    case otype::kInterRcircleRcircle: return step != 7;
    case otype::kText:
    case otype::kAnimationButton:
    case otype::kHideButton: return false;
    default: return true;
    }
}

// A free point at the mouse, styled like the pending command's objects. It
// takes nothing else from the pending record: a free point has no parents.
int add_free_point(ConstructionHost& host, DevPoint mouse)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    const Dpoint& pending = d.pending;
    Dpoint point = Dpoint::of_type(otype::kFreePoint, t.current_block());
    point.colour = pending.colour;
    point.pen_style = pending.pen_style;
    point.size = pending.size;
    point.x = t.mouse_x();
    point.y = t.mouse_y();
    t.from_clicks() = 1;
    add_point(d, kAddPoint, point);
    const int k = t.new_index();
    t.picked_index() = k;
    t.mouse_x() = mouse.x;
    t.mouse_y() = mouse.y;
    return k;
}

void take_pick(ConstructionHost& host, int k, int picked)
{
    ObjectTable& t = host.table();
    host.pending().arg[static_cast<std::size_t>(k - 1)] = picked;
    set_cmd_slot(host, k, picked > 0 ? t[picked].name_view() : kNoObjectSlot);
    cmd_show(host);
}

}  // namespace

void cons_click(ConstructionHost& host, DevPoint mouse)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    int picked = pick_nearest(d, mouse, 0);
    const int s = t.action_state();

    if (s == astate::kFirstPick) {
        t.no_choice_pending() = 1;
        if (first_click_makes_point(t.pending_command())) {
            const bool near = picked > 0 && p_dist(t, picked, rec::kState) < cons::kReuseDistance;
            if (!near)
                picked = add_free_point(host, mouse);
        }
        if (picked > 0) {
            take_pick(host, 1, picked);
            t.action_state() = astate::kFirstPick + 1;
            cons_step(host, 1, &d.pending, 0);
        }
    } else if (s > astate::kFirstPick && s <= astate::kLastPick) {
        const int k = s - 10;
        if (t.no_choice_pending() == 1 && picked == 0)
            return;
        take_pick(host, k, picked);
        t.action_state() = s == astate::kLastPick ? astate::kAllPicked : s + 1;
        cons_step(host, k, &d.pending, 0);
    }

    if (t.action_state() == astate::kFirstPick)
        cons_step(host, 0, nullptr, 0);
    else if (t.action_state() == astate::kIdle)
        host.set_status(3, "");
}

void cons_step(ConstructionHost& host, int step, Dpoint* rec, int flag)
{
    Diagram& d = host.diagram();
    ObjectTable& t = d.table;
    Dpoint& r = rec ? *rec : d.pending;
    const int id = t.pending_command();

    if (step > 0 && marks_pick(id, step))
        cons::dot(host, t.picked_index(), cons::kPickMark);
    t.from_clicks() = step == -1 ? 0 : 1;

    if (!point_step(host, step, r)) {
        inter_step(host, step, &r, flag);
        host.pick_conclusion(step, r);
    }

    if (step == 0) {
        cmd_show(host);
    } else if (step == -1) {
        if (t.action_state() != cmd::kDrawStatement)
            t.action_state() = astate::kIdle;
    } else if (DeviceContext* dc = host.mouse_dc();
               dc && (t.action_state() == astate::kIdle || t.action_state() == astate::kFirstPick)) {
        // The picked points are drawn again over their selection marks.
        for (const std::int32_t a : r.arg)
            if (a != 0 && t.get(a).cls == oclass::kPoint)
                draw_point(d, *dc, a);
    }
}
