// The drawing window's response table at work: commands to their handlers,
// and the handlers that only choose a mode.

#include "window/dchild.h"

#include "model/deleting.h"
#include "model/object_types.h"
#include "platform/string_table.h"
#include "window/drawing_services.h"
#include "window/draw_app.h"
#include "window/prover_link.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

namespace {

// The title of the point-drag mode in pane 3, in the style of its sister modes.
constexpr const char* kDragPointTitle = "Drag Point #";

}  // namespace

bool Dchild::handles_command(int id) const
{
    const auto entry = find_dchild_command(id);
    return entry && entry->handler != CommandHandler::None;
}

bool Dchild::command(int id)
{
    const auto entry = find_dchild_command(id);
    if (!entry || entry->handler == CommandHandler::None)
        return false;
    // Menu edits (restore, delete the last construction, blocks, clear,
    // measurements, settings...) change the drawing without a click: any
    // command that leaves it different marks it for saving.
    const ChangeWatch watch(*this);
    return run_command(*entry, id);
}

bool Dchild::run_command(const DchildCommand& entry, int id)
{
    DrawingServices& s = services_;
    switch (entry.handler) {
    case CommandHandler::DrawAction: draw_action(id); break;
    case CommandHandler::DragMode: drag_mode_cmd(id); break;
    case CommandHandler::ConsMode: cons_mode_cmd(id); break;
    case CommandHandler::Animation: s.cm_animation(*this, id); break;
    case CommandHandler::Block: block_cmd(id); break;
    case CommandHandler::Measure: s.measure_cmd(*this, id); break;
    case CommandHandler::SetColor: s.set_color(*this, id); break;
    case CommandHandler::LineWidth: s.line_width(*this); break;
    case CommandHandler::LineStyle: s.line_style(*this); break;
    case CommandHandler::FontSize: s.font_size(*this); break;
    case CommandHandler::ScriptManager: s.open_script_manager(); break;
    case CommandHandler::ShowProver: CmShowProver(*this); break;
    case CommandHandler::RestoreLast:
        restore_last(diagram);
        invalidate(true);
        break;
    case CommandHandler::DrawScript: s.draw_script(*this); break;
    case CommandHandler::Print: s.print(*this); break;
    case CommandHandler::SavePs: s.save_ps(*this); break;
    case CommandHandler::SaveBitmap: s.save_bitmap(*this); break;
    case CommandHandler::PrinterSetup: s.printer_setup(*this); break;
    case CommandHandler::PrintPreview: s.print_preview(*this); break;
    case CommandHandler::FigSave: s.fig_save(*this); break;
    case CommandHandler::FigSaveAs: s.fig_save_as(*this); break;
    case CommandHandler::ToggleView: toggle_view_flag(); break;
    case CommandHandler::UpdAttrBuf: s.upd_attr_buf(*this); break;
    case CommandHandler::None: return false;
    }
    after_event();
    return true;
}

void Dchild::drag_mode_cmd(int id)
{
    ObjectTable& t = objects();
    t.action_state() = id;
    t.pending_command() = id;
    t.drag_moved() = 0;
    switch (id) {
    case cmd::kDragPoint:
    case cmd::kToolDragPoint:
        t.action_state() = t.pending_command() = cmd::kDragPoint;
        set_status1(load_string(wsid::kDragPointPrompt));
        set_status3(kDragPointTitle);
        break;
    case cmd::kMoveName:
    case cmd::kToolMoveName:
        t.action_state() = t.pending_command() = cmd::kMoveName;
        set_status1(load_string(wsid::kMoveNamePrompt));
        set_status3(load_string(wsid::kDragNameTitle));
        break;
    case cmd::kTranslate:
        set_status1(load_string(wsid::kTranslatePrompt));
        set_status3(load_string(wsid::kTranslateTitle));
        break;
    case cmd::kRotate:
        set_status1(load_string(wsid::kRotateCentrePrompt));
        set_status3(load_string(wsid::kRotateTitle));
        break;
    case cmd::kResize:
        set_status1(load_string(wsid::kResizePrompt));
        break;
    case cmd::kMirror:
        set_status1(load_string(wsid::kMirrorPrompt));
        break;
    default:
        break;
    }
}

void Dchild::cons_mode_cmd(int id)
{
    ObjectTable& t = objects();
    t.pending_command() = id;
    t.action_state() = astate::kFirstPick;
    t.no_choice_pending() = 1;
    if (const int twin = toolbox_menu_twin(id))
        t.pending_command() = twin;

    if (t.pending_command() == cmd::kHideAllNames) {
        // "All Names": hide every name, or show every name again.
        const int shown = t.new_points_show_names() == 0 ? 1 : 0;
        t.new_points_show_names() = shown;
        t.record_count() = t.count();
        for (int i = rec::kFirstObject; i < t.record_count(); ++i)
            t[i].name_shown = shown;
        t.action_state() = 0;
        invalidate(true);
        return;
    }

    // A construction chosen while another is half done drops its picks.
    scratch() = Dpoint::of_type(t.pending_command(), t.current_block());
    scratch().colour = t.pen_colour();
    scratch().pen_style = t.pen_style_setting();
    scratch().size = t.pen_size_setting();
    services_.cons_step(*this, 0, &scratch(), 0);
}

void Dchild::toggle_view_flag()
{
    view_flag = view_flag == 0 ? 1 : 0;
    invalidate(true);
}

void Dchild::after_event()
{
    ObjectTable& t = objects();
    if (stepping_lock_ && t.action_state() != cmd::kStepByStep) {
        stepping_lock_ = false;
        // Finishing the drawing leaves the flag at 1; any other way out must
        // not leave the commands disabled.
        if (t.command_lock() == -1)
            t.command_lock() = 0;
    }
    update_toolbox();
    update();
}
