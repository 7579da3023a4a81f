#include "window/construct_adapter.h"

#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "construct/object_dialogs.h"
#include "window/dchild.h"
#include "window/draw_app.h"
#include "window/pick_conclusion.h"
#include "window/status_panes.h"
#include "window/ui_services.h"

DchildConstructionHost::DchildConstructionHost(Dchild& win, ObjectDialogs* dialogs)
    : win_(win), dialogs_(dialogs), measurement_(win)
{
}

Diagram& DchildConstructionHost::diagram() { return win_.diagram; }

void DchildConstructionHost::set_status(int pane, std::string_view text)
{
    switch (pane) {
    case 1: set_status1(text); break;
    case 2: set_status2(text); break;
    case 3: set_status3(text); break;
    default: break;
    }
}

DeviceContext* DchildConstructionHost::mouse_dc() { return win_.mouse_dc(); }

void DchildConstructionHost::release_mouse() { win_.draw_action(4); }

void DchildConstructionHost::end_command() { win_.draw_action(0); }

void DchildConstructionHost::invalidate() { win_.invalidate(true); }

InputDialog* DchildConstructionHost::input() { return win_.ui().input; }

void DchildConstructionHost::pick_conclusion(int step, Dpoint& rec) { ::pick_conclusion(win_, step, rec); }

void DchildConstructionHost::rotate_diagram(DeviceContext* dc, double angle)
{
    if (dc) {
        win_.rotate_diagram(*dc, angle);
        return;
    }
    // Turned outside a mouse operation: on a context of its own.
    win_.draw_action(3);
    win_.rotate_diagram(*win_.mouse_dc(), angle);
    win_.draw_action(4);
}

int DchildConstructionHost::modify_object(Dpoint& copy)
{
    if (!dialogs_)
        return 0;
    // A modal dialog takes the release of the press that picked the object.
    win_.let_mouse_go();
    // The dialog belongs to the application's main window.
    QWidget* parent = g_app ? static_cast<QWidget*>(g_app->frame()) : static_cast<QWidget*>(&win_);
    return ::modify_object(*dialogs_, parent, copy);
}

void DchildConstructionHost::WindowMeasurement::measure_cmd(int code) { win_.services().measure_cmd(win_, code); }

bool DchildConstructionHost::WindowMeasurement::calculator_open() const
{
    return win_.objects().get(rec::kSettings2).name_shown != 0;
}

bool ConstructionServices::provides(CommandHandler handler) const { return handler == CommandHandler::ConsMode; }

void ConstructionServices::cons_step(Dchild& win, int step, Dpoint* rec, int flag)
{
    DchildConstructionHost host(win, dialogs_);
    ::cons_step(host, step, rec, flag);
}

void ConstructionServices::cons_click(Dchild& win, DevPoint mouse)
{
    DchildConstructionHost host(win, dialogs_);
    ::cons_click(host, mouse);
}

void ConstructionServices::obj_step(Dchild& win, int step, Dpoint* rec, int flag)
{
    DchildConstructionHost host(win, dialogs_);
    ::obj_step(host, step, rec, flag);
}

void ConstructionServices::cmd_begin(Dchild& win, const std::string& name, int nargs)
{
    DchildConstructionHost host(win, dialogs_);
    ::cmd_begin(host, name, nargs);
}
