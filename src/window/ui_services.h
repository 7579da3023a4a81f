#pragma once
// What the windows ask of the desktop besides message boxes and the one-line
// input: file dialogs, the clipboard, help pages, the about box and window
// timers. Each is a small interface so that tests answer from a script and
// never block; the toolkit versions are in qt_ui_services.h. The file
// dialogs and the help pages are the platform's (the prover window asks
// through them too).

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_dialogs.h"
#include "platform/help_viewer.h"

class MessageBoxes;
class InputDialog;
class QImage;

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void put_image(const QImage& image) = 0;
};

// One window's timers, by id; on_tick(id) runs on the GUI thread.
class WindowTimer {
public:
    virtual ~WindowTimer() = default;
    virtual void start(int id, int interval_ms) = 0;
    virtual void stop(int id) = 0;
    virtual bool running(int id) const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<WindowTimer> make(std::function<void(int id)> on_tick) = 0;
};

// Shows the program busy while the GUI thread works on without taking input
// (the loci replayed when a drawing is opened).
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void show() = 0;
    virtual void restore() = 0;
};

// Everything the application's windows ask the user or the desktop through.
// Pointers are not owned; all are set.
struct UiServices {
    MessageBoxes* message_boxes = nullptr;
    InputDialog* input = nullptr;
    FileDialogs* files = nullptr;
    Clipboard* clipboard = nullptr;
    HelpViewer* help = nullptr;
    TimerFactory* timers = nullptr;
    BusyCursor* busy = nullptr;
};

// The busy cursor shown for a scope's lifetime; none when `busy` is null.
class BusyScope {
public:
    explicit BusyScope(BusyCursor* busy) : busy_(busy)
    {
        if (busy_)
            busy_->show();
    }
    ~BusyScope()
    {
        if (busy_)
            busy_->restore();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyCursor* busy_;
};

// Converts "Point Files (*.fig)|*.fig|" into the toolkit's "Point Files (*.fig)".
std::string toolkit_filter(std::string_view filter);
