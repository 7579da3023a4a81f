#pragma once
// The two object dialogs behind one small interface, so that the Script
// Manager and the object commands run in tests from a script: the toolkit
// version runs the modal dialogs, the scripted one answers from queues.

#include <deque>
#include <functional>
#include <vector>

#include "construct/dialog_widgets.h"
#include "model/diagram.h"

class QWidget;

class ObjectDialogs {
public:
    virtual ~ObjectDialogs() = default;
    // "Add a object" on the points of the drawing: true on OK, with `out` the
    // complete record; `out` is untouched otherwise.
    virtual bool run_add_dlg(QWidget* parent, Diagram& drawing, Dpoint& out) = 0;
    // "Modify A Geometric Object" on a copy of rec: true on OK, with rec
    // rewritten; untouched otherwise.
    virtual bool edit_object(QWidget* parent, Dpoint& rec) = 0;
};

// Runs the modify dialog on rec. 1 after OK, with g_name_changed telling
// whether the name changed; 0 after Cancel (rec untouched, g_name_changed 0).
int modify_object(ObjectDialogs& dialogs, QWidget* parent, Dpoint& rec);

class QtObjectDialogs : public ObjectDialogs {
public:
    explicit QtObjectDialogs(DialogServices services = {}) : services_(std::move(services)) {}
    void set_services(DialogServices services) { services_ = std::move(services); }
    bool run_add_dlg(QWidget* parent, Diagram& drawing, Dpoint& out) override;
    bool edit_object(QWidget* parent, Dpoint& rec) override;

private:
    DialogServices services_;
};

// Each answer edits the record and says OK (true) or Cancel (false). With a
// queue empty the dialog is cancelled.
class ScriptedObjectDialogs : public ObjectDialogs {
public:
    using Answer = std::function<bool(Dpoint&)>;
    void push_add(Answer answer) { add_answers_.push_back(std::move(answer)); }
    void push_edit(Answer answer) { edit_answers_.push_back(std::move(answer)); }
    bool run_add_dlg(QWidget* parent, Diagram& drawing, Dpoint& out) override;
    bool edit_object(QWidget* parent, Dpoint& rec) override;

    int add_count() const { return add_count_; }
    // The records the modify dialog was opened on.
    const std::vector<Dpoint>& edited() const { return edited_; }

private:
    std::deque<Answer> add_answers_;
    std::deque<Answer> edit_answers_;
    int add_count_ = 0;
    std::vector<Dpoint> edited_;
};
