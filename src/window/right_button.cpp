// The right button finishes what the current mode does (press) and then
// cancels the pending command (release).

#include "window/dchild.h"

#include <algorithm>

#include "model/adding.h"
#include "model/object_types.h"
#include "paint/fills.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/status_panes.h"

void Dchild::EvRButtonDown()
{
    const ChangeWatch watch(*this);
    ObjectTable& t = objects();
    if (t.action_state() == astate::kAnimation)
        services_.cm_animation(*this, 0);
    if (t.outer_mode() == cmd::kDrawStatement) {
        // Drawing the prover's statement ends: the commands come back.
        t.command_lock() = 0;
        t.action_state() = 0;
        t.outer_mode() = 0;
        update_toolbox();
    }
    if (t.action_state() == cmd::kCopyPartAsBlock)
        block_cmd(2);
    if (t.pending_command() == otype::kFillPolygon && !mouse_dc_) {
        // Vertices picked: one per mode step from kFirstPick; after the eighth
        // pick the construction waits in kAllPicked.
        const int mode = t.action_state();
        const int picked = mode == astate::kAllPicked ? 8 : mode - astate::kFirstPick;
        // A polygon needs a vertex before its repeated first one.
        if (picked >= 1 && picked <= 8) {
            draw_action(3);
            // The outline repeats the first vertex; the painter holds at most
            // kMaxFillPoints outline points.
            scratch().name_dx = static_cast<std::int16_t>(std::min(picked + 1, kMaxFillPoints));
            t.action_state() = astate::kFirstPick;
            add_point(diagram, kAddFill, scratch());
            t.outer_mode() = otype::kFillPolygon;
        }
    }
    if (t.action_state() == otype::kHideButton) {
        t.pending_command() = 0;
        t.action_state() = 0;
    }
}

void Dchild::EvRButtonUp()
{
    const ChangeWatch watch(*this);
    ObjectTable& t = objects();
    if (t.outer_mode() == otype::kFillPolygon) {
        // The polygon was closed: its context is given up here, whether or
        // not a repaint ran in between, and the command starts over.
        services_.cons_step(*this, 0, nullptr, 0);
        draw_action(4);
    }
    if (t.outer_mode() != cmd::kCopyPartAsBlock && t.outer_mode() != otype::kFillPolygon) {
        t.pending_command() = 0;
        t.action_state() = 0;
        t.outer_mode() = 0;
        set_status1("");
        set_status3("");
        set_status2("");
    }
    t.outer_mode() = 0;
}
