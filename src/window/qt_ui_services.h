#pragma once
// The desktop versions of the dialog, file, clipboard, help and timer
// interfaces, built on the toolkit's standard dialogs.

#include <QPointer>
#include <QWidget>

#include <memory>

#include "platform/dialogs.h"
#include "window/ui_services.h"

class QTextBrowser;

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    MessageResult show(std::string_view caption, std::string_view text, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

class QtInputDialog : public InputDialog {
public:
    explicit QtInputDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> ask(std::string_view title, std::string_view prompt,
                                   std::string_view initial, std::size_t max_length) override;

private:
    QPointer<QWidget> parent_;
};

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> open_file(std::string_view filter, std::string_view default_ext) override;
    std::optional<std::string> save_file(std::string_view filter, std::string_view default_ext,
                                         std::string_view initial_name) override;

private:
    QPointer<QWidget> parent_;
};

class QtClipboard : public Clipboard {
public:
    void put_image(const QImage& image) override;
};

// The help pages in a window of their own, one page at a time.
class HelpWindow : public QWidget {
public:
    HelpWindow();
    // Shows the page of a context; false when the page cannot be found (the
    // window then says so instead).
    bool show_page(int context);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

class QtHelpViewer : public HelpViewer {
public:
    explicit QtHelpViewer(QWidget* about_parent = nullptr) : about_parent_(about_parent) {}
    ~QtHelpViewer() override;
    void set_parent(QWidget* parent) { about_parent_ = parent; }
    void show_contents() override;
    void show_context(int context) override;
    void show_about() override;
    HelpWindow* window() const { return window_.get(); }

private:
    QPointer<QWidget> about_parent_;
    std::unique_ptr<HelpWindow> window_;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<WindowTimer> make(std::function<void(int id)> on_tick) override;
};

// The application's override cursor: the wait cursor, as the window takes no
// input meanwhile.
class QtBusyCursor : public BusyCursor {
public:
    void show() override;
    void restore() override;
};

// The desktop services owned together.
struct QtUi {
    QtMessageBoxes boxes;
    QtInputDialog input;
    QtFileDialogs files;
    QtClipboard clipboard;
    QtHelpViewer help;
    QtTimerFactory timers;
    QtBusyCursor busy;

    void set_parent(QWidget* parent)
    {
        boxes.set_parent(parent);
        input.set_parent(parent);
        files.set_parent(parent);
        help.set_parent(parent);
    }
    UiServices services()
    {
        return UiServices{&boxes, &input, &files, &clipboard, &help, &timers, &busy};
    }
};
