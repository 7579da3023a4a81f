#include "window/script_link.h"

#include <QPointer>

#include "construct/attribute_dialogs.h"
#include "construct/list_window.h"
#include "model/object_types.h"
#include "platform/dialogs.h"
#include "window/dchild.h"
#include "window/draw_app.h"
#include "window/screen_placement.h"
#include "window/status_panes.h"
#include "window/ui_services.h"

namespace {

// The busy cursor of `win` when the list is about to show all of its many
// objects; none for a drawing listed quickly.
BusyCursor* busy_listing(Dchild* win)
{
    if (!win || win->objects().count() - rec::kFirstObject < ScriptManagerLink::kBusyListObjects)
        return nullptr;
    return win->ui().busy;
}

}  // namespace

void StatusPaneText::set_status1(std::string_view text) { ::set_status1(text); }
void StatusPaneText::set_status3(std::string_view text) { ::set_status3(text); }

Diagram& DchildScriptDrawing::diagram() { return win_.diagram; }

std::string DchildScriptDrawing::caption() const { return win_.title(); }

void DchildScriptDrawing::repaint_now()
{
    win_.invalidate(true);
    win_.flush();
}

DeviceContext* DchildScriptDrawing::begin_mouse_operation()
{
    win_.draw_action(3);
    return win_.mouse_dc();
}

void DchildScriptDrawing::end_mouse_operation() { win_.draw_action(4); }

void DchildScriptDrawing::clear_all() { win_.draw_action(cmd::kToolClear); }

void DchildScriptDrawing::changed()
{
    win_.modified = 1;
    win_.invalidate(true);
}

ScriptManagerLink::ScriptManagerLink(MessageBoxes& boxes, ObjectDialogs& dialogs, ColourChooser& colours,
                                     FontChooser& fonts)
    : boxes_(boxes), dialogs_(dialogs), colours_(colours), fonts_(fonts)
{
}

ScriptManagerLink::~ScriptManagerLink()
{
    if (g_script_mgr && g_script_mgr->drawing() == shown_.get())
        g_script_mgr->set_drawing(nullptr);
}

bool ScriptManagerLink::provides(CommandHandler handler) const
{
    switch (handler) {
    case CommandHandler::ScriptManager:
    case CommandHandler::SetColor:
    case CommandHandler::LineWidth:
    case CommandHandler::LineStyle:
    case CommandHandler::FontSize:
        return true;
    default:
        return false;
    }
}

DchildScriptDrawing* ScriptManagerLink::wrap(Dchild* win)
{
    if (!win)
        return nullptr;
    if (!shown_ || &shown_->window() != win) {
        // The list lets go of the old wrapper before it goes; the caller
        // shows the new drawing.
        if (shown_ && g_script_mgr && g_script_mgr->drawing() == shown_.get())
            g_script_mgr->set_drawing(nullptr);
        shown_ = std::make_unique<DchildScriptDrawing>(*win);
    }
    return shown_.get();
}

bool ScriptManagerLink::lists(const Dchild& win) const
{
    return g_script_mgr && shown_ && g_script_mgr->drawing() == shown_.get() && &shown_->window() == &win;
}

void ScriptManagerLink::open_script_manager()
{
    QWidget* frame = g_app ? g_app->frame() : nullptr;
    const bool made = g_script_mgr == nullptr;
    {
        // Only a new list is filled.
        const BusyScope busy(made ? busy_listing(g_active_draw) : nullptr);
        ::open_script_manager(frame, wrap(g_active_draw), boxes_, dialogs_);
    }
    if (!made || !frame || !g_script_mgr)
        return;
    // At start-up the frame is shown but not yet placed by the window
    // manager: the corner it will have is known once it is, and the list's
    // own frame once the manager has framed the list too.
    QPointer<ListWindow> list = g_script_mgr;
    QPointer<QWidget> at = frame;
    when_placed(*frame, [list, at] {
        if (!list)
            return;
        when_placed(*list, [list, at] {
            if (!list || !at)
                return;
            list->place_by(*at, frame_of(*list));
            keep_inside(*list, available_area(*list));
        });
    });
}

bool ScriptManagerLink::script_manager_open() const { return g_script_mgr != nullptr; }

void ScriptManagerLink::script_show_drawing(Dchild* win)
{
    // A closing drawing may go after the next one was activated: the list
    // keeps showing the drawing that is active.
    if (!win)
        win = g_active_draw;
    DchildScriptDrawing* drawing = wrap(win);
    if (g_script_mgr) {
        if (drawing) {
            const BusyScope busy(busy_listing(win));
            g_script_mgr->show_drawing(drawing);
        } else {
            g_script_mgr->set_drawing(nullptr);
            g_script_mgr->Refresh();
        }
    }
    if (!drawing)
        shown_.reset();
}

void ScriptManagerLink::script_refresh()
{
    if (!g_script_mgr)
        return;
    const bool listed = shown_ && g_script_mgr->drawing() == shown_.get();
    const BusyScope busy(busy_listing(listed ? &shown_->window() : nullptr));
    g_script_mgr->Refresh();
}

void ScriptManagerLink::script_append_line(Dchild& win, int object_index)
{
    if (lists(win))
        g_script_mgr->AppendLine(&win.objects()[object_index]);
}

void ScriptManagerLink::script_update_line(Dchild& win, int pos)
{
    if (lists(win))
        g_script_mgr->UpdateLine(pos);
}

void ScriptManagerLink::script_update_lines(Dchild& win, int from_pos, int end_pos)
{
    if (lists(win))
        g_script_mgr->UpdateLines(from_pos, end_pos);
}

void ScriptManagerLink::script_delete_line(Dchild& win, int pos)
{
    if (lists(win))
        g_script_mgr->DeleteLine(pos);
}

void ScriptManagerLink::script_refill(Dchild& win)
{
    if (!lists(win))
        return;
    const BusyScope busy(busy_listing(&win));
    g_script_mgr->Refill();
}

void ScriptManagerLink::script_saved_as(Dchild& win)
{
    if (g_script_mgr)
        g_script_mgr->SetTitle(win.title());
}

std::string ScriptManagerLink::obj_text(Dchild& win, int style, int k)
{
    return ::obj_text(win.objects(), style, k, &status_);
}

void ScriptManagerLink::set_color(Dchild& win, int id) { CmColor(win.diagram, id, colours_, &win); }

void ScriptManagerLink::line_width(Dchild& win)
{
    if (InputDialog* input = win.ui().input)
        CmLineWidth(win.diagram, *input);
    else
        ::upd_attr_buf(win.diagram);
}

void ScriptManagerLink::line_style(Dchild& win)
{
    if (InputDialog* input = win.ui().input)
        CmLineStyle(win.diagram, *input);
    else
        ::upd_attr_buf(win.diagram);
}

void ScriptManagerLink::font_size(Dchild& win)
{
    if (!font_data())
        init_font_data();
    const std::optional<Font> font = CmFont(fonts_, &win);
    if (!font)
        return;
    if (on_name_font)
        on_name_font(*font);
    win.invalidate(true);
}

void ScriptManagerLink::upd_attr_buf(Dchild& win) { ::upd_attr_buf(win.diagram); }
