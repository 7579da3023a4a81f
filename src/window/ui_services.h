#pragma once
// What the windows ask of the desktop besides message boxes and the one-line
// input: file dialogs, the clipboard, help pages, the about box and window
// timers. Each is a small interface so that tests answer from a script and
// never block; the toolkit versions are in qt_ui_services.h.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class MessageBoxes;
class InputDialog;
class QImage;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter in the "Description|pattern|..." form of the point-file dialogs.
    // nullopt when the user cancels.
    virtual std::optional<std::string> open_file(std::string_view filter,
                                                 std::string_view default_ext) = 0;
    virtual std::optional<std::string> save_file(std::string_view filter,
                                                 std::string_view default_ext,
                                                 std::string_view initial_name) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void put_image(const QImage& image) = 0;
};

// Help contexts of the help pages (0 is the contents page).
namespace help_context {
inline constexpr int kContents = 0;
inline constexpr int kGettingStarted = 531;
inline constexpr int kInterface = 516;
inline constexpr int kCommands = 256;
inline constexpr int kConstructions = 519;
inline constexpr int kProverInterface = 520;
inline constexpr int kProvingMethods = 521;
inline constexpr int kPredicates = 528;
inline constexpr int kModifyDialog = 529;
inline constexpr int kAddDialog = 530;
}  // namespace help_context

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void show_contents() = 0;
    virtual void show_context(int context) = 0;
    virtual void show_about() = 0;
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

// Everything the application's windows ask the user or the desktop through.
// Pointers are not owned; all are set.
struct UiServices {
    MessageBoxes* message_boxes = nullptr;
    InputDialog* input = nullptr;
    FileDialogs* files = nullptr;
    Clipboard* clipboard = nullptr;
    HelpViewer* help = nullptr;
    TimerFactory* timers = nullptr;
};

// Converts "Point Files (*.fig)|*.fig|" into the toolkit's "Point Files (*.fig)".
std::string toolkit_filter(std::string_view filter);
