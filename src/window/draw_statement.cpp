// Drawing the prover's statement into a drawing window: one construction per
// left click (free points where the user clicks, the others built from their
// parents at once), then the conclusion as the drawing's chosen conclusion.
// A ratio or rotation point is built by the drawing side, which asks for its
// ratio or angle as when it is made by clicks.

#include <string>

#include "model/adding.h"
#include "model/deleting.h"
#include "model/find_object.h"
#include "model/object_types.h"
#include "platform/dialogs.h"
#include "prover/point_names.h"
#include "prover/prover.h"
#include "statement/tokenizer.h"
#include "statement/window/prover_window_strings.h"
#include "statement/window/tosk_app.h"
#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/pick_conclusion.h"
#include "window/prover_bridge.h"
#include "window/status_panes.h"
#include "window/ui_services.h"

namespace {

// The drawing object named like record p of the point table; 0 for none.
int object_of(ObjectTable& t, std::uint32_t p)
{
    if (p == 0)
        return 0;
    const std::string& name = pt_name(static_cast<int>(p));
    if (name.empty())
        return 0;
    return find_object_by_name(t, name, 0, 0);
}

void prompt_for(int k)
{
    const Pro_point& next = g_pro_points[static_cast<std::size_t>(k)];
    if (next.kind == cons_kind::kFreePoint)
        set_status1(fmt("%s %s", pw_text(pwsid::kSelectLocationNext).c_str(), next.name.c_str()));
    else
        set_status1(pw_text(pwsid::kClickForNext));
}

void draw_record(Dchild& win, int k)
{
    ObjectTable& t = win.objects();
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(k)];
    std::array<int, 6> parents{};
    for (int s = 5; s >= 0; --s)
        parents[static_cast<std::size_t>(s)] = object_of(t, r.pots[static_cast<std::size_t>(s)]);

    Dpoint& rec = win.scratch();
    rec = Dpoint(static_cast<int>(r.kind), r.name, parents[0], parents[1], parents[2], parents[3], parents[4],
                 parents[5]);
    rec.block = static_cast<std::int8_t>(t.current_block());
    rec.cls = oclass::kPoint;

    if (r.kind == cons_kind::kFreePoint) {
        rec.x = t.mouse_x();
        rec.y = t.mouse_y();
        rec.name_shown = t.new_points_show_names();
        add_obj(win.diagram, rec);
        const int added = t.record_count();
        t[added].size = 2;
        win.draw_point(added);
        return;
    }
    t.pending_command() = static_cast<std::int32_t>(r.kind);
    t.placing() = 1;
    t.recompute() = 1;
    t.dragged_index() = 0;
    win.services().cons_step(win, -1, &rec, 0);
}

void draw_conclusion(Dchild& win)
{
    ObjectTable& t = win.objects();
    t.conclusion_type() = g_concl.type;
    t.pending_command() = g_concl.type;

    Dpoint& rec = win.scratch();
    const auto& p = g_concl.p;
    rec = Dpoint(g_concl.type, "", object_of(t, p[0]), object_of(t, p[1]), object_of(t, p[2]), object_of(t, p[3]),
                 object_of(t, p[4]), object_of(t, p[5]));
    rec.arg[6] = object_of(t, p[6]);
    rec.arg[7] = object_of(t, p[7]);
    // Into the order in which the drawing picks the conclusion's points.
    auto& a = rec.arg;
    if (g_concl.type == concl_kind::kCyclic) {
        a[0] = a[1];
        a[1] = a[2];
        a[2] = a[3];
        a[3] = a[4];
        a[4] = 0;
    } else if (g_concl.type == concl_kind::kEqualAngle) {
        a[2] = a[3];
        a[3] = a[4];
        a[4] = a[5];
        a[5] = a[7];
        a[6] = 0;
        a[7] = 0;
    } else if (g_concl.type == concl_kind::kEqualProduct) {
        // The prover holds the segments as first, fourth, third, second.
        std::swap(a[2], a[6]);
        std::swap(a[3], a[7]);
    }
    pick_conclusion(win, -1, rec);
    // A conclusion the drawing cannot pick (none, or an equation) ends the
    // mode as well: nothing is left to draw.
    if (t.action_state() == cmd::kDrawStatement)
        t.action_state() = 0;

    t.command_lock() = 0;
    win.draw_action(0);
    t.outer_mode() = 0;
    update_toolbox();
    set_status1(pw_text(pwsid::kDrawingDone));
}

}  // namespace

void draw_statement_cmd(Dchild& win)
{
    MessageBoxes* boxes = win.ui().message_boxes;
    if (!running_prover()) {
        if (boxes)
            boxes->ok("", pw_text(pwsid::kOpenProverFirst));
        return;
    }
    if (g_npoints < 1) {
        if (boxes)
            boxes->ok("", pw_text(pwsid::kNoStatementToDraw));
        return;
    }
    clear_diagram(win.diagram);
    win.draw_action(-10);
    win.invalidate(true);
    if (win.services().script_manager_open())
        win.services().script_refresh();

    ObjectTable& t = win.objects();
    t.action_state() = cmd::kDrawStatement;
    t.outer_mode() = cmd::kDrawStatement;
    t.pending_command() = cmd::kDrawStatement;
    g_tok = 1;
    t.command_lock() = -1;
    update_toolbox();
    set_status1(fmt("%s %s", pw_text(pwsid::kSelectLocation).c_str(), g_pro_points[1].name.c_str()));
}

void draw_statement_step(Dchild& win)
{
    // The statement's tables belong to a running proof until it ends: the
    // click draws nothing.
    if (proof_running())
        return;
    // The counter is shared with the statement reader, which leaves it at 0.
    if (g_tok < 1)
        g_tok = 1;
    if (g_tok <= g_npoints && g_tok < kProPointCount) {
        const int k = g_tok;
        draw_record(win, k);
        g_tok = k + 1;
        if (g_tok <= g_npoints && g_tok < kProPointCount)
            prompt_for(g_tok);
    }
    if (g_tok > g_npoints || g_tok >= kProPointCount)
        draw_conclusion(win);
}
