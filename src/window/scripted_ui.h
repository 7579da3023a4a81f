#pragma once
// Scripted stand-ins for the desktop services: they answer from queues, record
// what was asked and never block. Used by the tests and by headless runs.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QImage>

#include "platform/dialogs.h"
#include "window/ui_services.h"

class ScriptedFileDialogs : public FileDialogs {
public:
    struct Asked {
        bool save;
        std::string filter;
        std::string default_ext;
        std::string initial_name;
    };

    // nullopt answers Cancel. With the queue empty every dialog is cancelled.
    void push_answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    std::optional<std::string> open_file(std::string_view filter, std::string_view default_ext) override;
    std::optional<std::string> save_file(std::string_view filter, std::string_view default_ext,
                                         std::string_view initial_name) override;
    const std::vector<Asked>& asked() const { return asked_; }

private:
    std::optional<std::string> next();
    std::deque<std::optional<std::string>> answers_;
    std::vector<Asked> asked_;
};

class ScriptedClipboard : public Clipboard {
public:
    void put_image(const QImage& image) override { images_.push_back(image); }
    const std::vector<QImage>& images() const { return images_; }

private:
    std::vector<QImage> images_;
};

class ScriptedHelpViewer : public HelpViewer {
public:
    void show_contents() override { shown_.push_back(help_context::kContents); }
    void show_context(int context) override { shown_.push_back(context); }
    void show_about() override { ++about_count_; }
    // Contexts shown, in order (contents as 0).
    const std::vector<int>& shown() const { return shown_; }
    int about_count() const { return about_count_; }

private:
    std::vector<int> shown_;
    int about_count_ = 0;
};

// Timers that tick only when the test says so. The factory must outlive the
// timers it makes.
class ScriptedTimerFactory : public TimerFactory {
public:
    class Timer : public WindowTimer {
    public:
        Timer(ScriptedTimerFactory& factory, std::function<void(int)> on_tick);
        ~Timer() override;
        void start(int id, int interval_ms) override { intervals_[id] = interval_ms; }
        void stop(int id) override { intervals_.erase(id); }
        bool running(int id) const override { return intervals_.count(id) != 0; }
        // Runs one tick of a running timer; false when it is not running.
        bool fire(int id);

    private:
        ScriptedTimerFactory& factory_;
        std::function<void(int)> on_tick_;
        std::map<int, int> intervals_;
    };

    std::unique_ptr<WindowTimer> make(std::function<void(int id)> on_tick) override;
    // The timers that exist now, oldest first.
    const std::vector<Timer*>& timers() const { return live_; }

private:
    std::vector<Timer*> live_;
};

// Counts the busy cursor's shows and restores; on_change, when set, runs
// after each with whether the cursor is busy now.
class ScriptedBusyCursor : public BusyCursor {
public:
    void show() override;
    void restore() override;
    int shown() const { return shown_; }
    int restored() const { return restored_; }
    std::function<void(bool busy)> on_change;

private:
    int shown_ = 0;
    int restored_ = 0;
};

// The whole set of scripted services, owned together.
struct ScriptedUi {
    ScriptedMessageBoxes boxes;
    ScriptedInputDialog input;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    ScriptedHelpViewer help;
    ScriptedTimerFactory timers;
    ScriptedBusyCursor busy;

    UiServices services()
    {
        return UiServices{&boxes, &input, &files, &clipboard, &help, &timers, &busy};
    }
};
