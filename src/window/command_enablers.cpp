// Which menu items and toolbox buttons a drawing window enables, and the
// opening of the prover window.

#include "window/dchild.h"

#include "model/object_types.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/prover_link.h"

QPointer<QWidget> g_prover_app;

bool prover_flag_clear() { return g_prover_app.isNull(); }

void bring_prover_to_front()
{
    if (QWidget* prover = g_prover_app) {
        prover->showNormal();
        prover->raise();
        prover->activateWindow();
    }
}

namespace {

// Number of objects (records beyond the twenty reserved ones), after the
// record count has been refreshed.
int object_count(ObjectTable& t)
{
    t.record_count() = t.count();
    return t.record_count() - rec::kReservedCount;
}

bool objects_rule(ObjectTable& t, int threshold)
{
    const int flag = t.command_lock();
    if (flag == -1)
        return false;
    if (flag == 1)
        return true;
    return object_count(t) >= threshold;
}

}  // namespace

bool Dchild::enabler_rule(CommandEnabler enabler)
{
    ObjectTable& t = objects();
    const int flag = t.command_lock();
    const bool stepping = t.action_state() == cmd::kStepByStep;
    switch (enabler) {
    case CommandEnabler::None:
        return true;
    case CommandEnabler::DrivingPoint:
        return t.last_driver() >= 0 || flag == 1;
    case CommandEnabler::Paste:
        return g_block_owner != nullptr || flag == 1;
    case CommandEnabler::NotStepping:
        return !stepping && flag != -1;
    case CommandEnabler::DragModes:
        return !stepping && object_count(t) > 0;
    case CommandEnabler::Restore:
        return !stepping && t.restore_top() > rec::kRestoreFirst;
    case CommandEnabler::DrawScript:
        return !stepping && !prover_flag_clear() && services_.prover_point_count() >= 1;
    case CommandEnabler::Enabled:
        return flag != -1;
    case CommandEnabler::Objects1:
        return objects_rule(t, 1);
    case CommandEnabler::Objects2:
        return objects_rule(t, 2);
    case CommandEnabler::Objects3:
        return objects_rule(t, 3);
    case CommandEnabler::Objects4:
        return objects_rule(t, 4);
    }
    return false;
}

bool Dchild::handler_available(CommandHandler handler) const
{
    switch (handler) {
    case CommandHandler::DrawAction:
    case CommandHandler::DragMode:
    case CommandHandler::Block:
    case CommandHandler::ToggleView:
    case CommandHandler::UpdAttrBuf:
    case CommandHandler::RestoreLast:
    case CommandHandler::None:
        return true;
    default:
        return services_.provides(handler);
    }
}

std::optional<bool> Dchild::command_enabled(int id)
{
    const auto entry = find_dchild_command(id);
    if (!entry)
        return std::nullopt;
    // Commands whose handler has not been provided stay disabled; the rule
    // still runs, as every query gets its answer from the enabler.
    const bool rule = enabler_rule(entry->enabler);
    return rule && handler_available(entry->handler);
}

void CmShowProver(Dchild& win)
{
    if (!prover_flag_clear()) {
        bring_prover_to_front();
        return;
    }
    // The toolbox is shown with every button enabled as the prover opens;
    // the flag itself goes back to the per-command rules at once.
    win.objects().command_lock() = 1;
    if (g_app)
        g_app->update_toolbox();
    win.objects().command_lock() = 0;
    win.services().run_prover_app();
}
