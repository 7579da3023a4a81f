// The drawing window's shared operations and the commands that only set up
// a mode: free point, text, buttons, clear, delete last, step-through, ...

#include "window/dchild.h"

#include "model/deleting.h"
#include "model/object_types.h"
#include "platform/dialogs.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/status_panes.h"
#include "window/ui_services.h"
#include "window/window_strings.h"

void Dchild::draw_action(int code)
{
    ObjectTable& t = objects();
    switch (code) {
    case -10:
        // The presets of a new or cleared drawing; the computation list and the
        // animation fields are made anew through the hooks.
        diagram.reset_reserved_records();
        t.action_state() = 0;
        t.outer_mode() = 0;
        t.command_lock() = 0;
        view_flag = 0;
        services_.forget_calculator();
        break;
    case 0:
        t.pending_command() = 0;
        t.outer_mode() = 0;
        t.action_state() = 0;
        set_status1("");
        set_status3("");
        set_status2("");
        break;
    case 1: {
        off_surface_ = Surface(std::max(1, width()), std::max(1, height()), kWhite);
        mem_dc_ = std::make_unique<ImageDC>(off_surface_);
        mem_dc_->set_bk_mode(BkMode::Opaque);
        g_ncolors = 256;
        break;
    }
    case 2:
        if (mem_dc_) {
            mem_dc_->restore_objects();
            mem_dc_.reset();
            off_surface_ = Surface();
        }
        break;
    case 3:
        captured_ = true;
        if (!mouse_dc_)
            mouse_dc_ = std::make_unique<ImageDC>(surface_);
        mouse_dc_->set_bk_mode(BkMode::Transparent);
        break;
    case 4:
        captured_ = false;
        mouse_dc_.reset();
        update();
        break;
    case otype::kFreePoint:
    case cmd::kToolFreePoint:
        t.pending_command() = otype::kFreePoint;
        t.action_state() = astate::kPlacing;
        scratch() = Dpoint::of_type(otype::kFreePoint, t.current_block());
        set_status1(load_string(wsid::kSelectPositionPrompt));
        set_status3(load_string(wsid::kPoint));
        break;
    case otype::kText:
    case otype::kAnimationButton:
    case otype::kHideButton:
        t.pending_command() = code;
        t.action_state() = astate::kPlacing;
        scratch() = Dpoint::of_type(code, t.current_block());
        set_status3(load_string(wsid::kText));
        set_status1(load_string(wsid::kTextPositionPrompt));
        break;
    case cmd::kClearAndRedraw:
    case cmd::kToolClear:
        clear_drawing();
        break;
    case cmd::kDeleteLast:
    case cmd::kToolDeleteLast:
        delete_last();
        break;
    case cmd::kStepByStep:
        start_step_through();
        break;
    case cmd::kRepaint:
        invalidate(true);
        break;
    case cmd::kDeleteConclusion:
        t.conclusion_type() = rec::kNoConclusion;
        t.conclusion_args().fill(0);
        break;
    case cmd::kLeaveTrace:
        t.leave_trace() = t.leave_trace() == 0 ? 1 : 0;
        break;
    case cmd::kCopyToClipboard:
        t.action_state() = cmd::kCopyToClipboard;
        t.pending_command() = cmd::kCopyToClipboard;
        set_status3("");
        set_status1(load_string(wsid::kClipboardPrompt));
        break;
    default:  // 300 and unknown codes: nothing
        break;
    }
}

void Dchild::clear_drawing()
{
    if (!ui_.message_boxes->yes_no(load_string(wsid::kDeleteWholeDiagram), load_string(wsid::kAreYouSure),
                                   MessageIcon::Question))
        return;
    clear_diagram(diagram);
    draw_action(-10);
    invalidate(true);
    if (services_.script_manager_open())
        services_.script_refresh();
    draw_action(0);
}

void Dchild::delete_last()
{
    ObjectTable& t = objects();
    t.record_count() = t.count();
    const int count = t.record_count();
    if (count <= rec::kFirstObject)
        return;
    del_point(diagram, count - 1, 0, 0);
    invalidate(true);
    flush();
}

void Dchild::start_step_through()
{
    ObjectTable& t = objects();
    t.action_state() = cmd::kStepByStep;
    t.pending_command() = cmd::kStepByStep;
    invalidate(true);
    step_cursor = rec::kFirstObject;
    t.command_lock() = -1;
    stepping_lock_ = true;
    update_toolbox();
    const std::string text = services_.obj_text(*this, 1, step_cursor);
    set_status1(load_string(wsid::kStepPrompt) + text);
}

void Dchild::update_toolbox()
{
    if (g_app)
        g_app->update_toolbox();
}
