#include "construct/object_dialogs.h"

#include <string>

#include "construct/add_dialog.h"
#include "construct/modify_dialog.h"
#include "model/adding.h"

int modify_object(ObjectDialogs& dialogs, QWidget* parent, Dpoint& rec)
{
    const std::string name_before(rec.name_view());
    g_name_changed = 0;
    if (!dialogs.edit_object(parent, rec))
        return 0;
    g_name_changed = rec.name_view() != name_before ? 1 : 0;
    return 1;
}

bool QtObjectDialogs::run_add_dlg(QWidget* parent, Diagram& drawing, Dpoint& out)
{
    TAddDlg dialog(parent, drawing, services_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    out = dialog.record();
    return true;
}

bool QtObjectDialogs::edit_object(QWidget* parent, Dpoint& rec)
{
    TModifyDlg dialog(rec, parent, services_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rec = dialog.record();
    return true;
}

namespace {

bool answer(std::deque<ScriptedObjectDialogs::Answer>& queue, Dpoint& rec)
{
    if (queue.empty())
        return false;
    ScriptedObjectDialogs::Answer next = std::move(queue.front());
    queue.pop_front();
    // The dialog works on a copy; Cancel leaves the caller's record alone.
    Dpoint copy = rec;
    if (!next || !next(copy))
        return false;
    rec = copy;
    return true;
}

}  // namespace

bool ScriptedObjectDialogs::run_add_dlg(QWidget* /*parent*/, Diagram& /*drawing*/, Dpoint& out)
{
    ++add_count_;
    return answer(add_answers_, out);
}

bool ScriptedObjectDialogs::edit_object(QWidget* /*parent*/, Dpoint& rec)
{
    edited_.push_back(rec);
    return answer(edit_answers_, rec);
}
