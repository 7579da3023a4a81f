#pragma once
// The desktop's dialogs as a drawing window uses them and hands them on (to
// the model, the construction commands, the animation, files and prover).
// A modal dialog or message box takes the mouse button's release, so the
// press that opened it would never see its release and would keep the
// window's mouse operation open, and the next click would be ignored. Every
// dialog handed out here therefore lets the window's mouse go first.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "window/ui_services.h"

class MouseReleasingUi {
public:
    // desktop: the services the window was given (copied; what they point to
    // must outlive this object). let_go: ends the window's mouse operation.
    MouseReleasingUi(const UiServices& desktop, std::function<void()> let_go);
    MouseReleasingUi(const MouseReleasingUi&) = delete;
    MouseReleasingUi& operator=(const MouseReleasingUi&) = delete;

    // The desktop's services with its dialogs replaced by the releasing ones
    // (a dialog the desktop does not have stays null).
    const UiServices& services() const { return services_; }

private:
    class Boxes : public MessageBoxes {
    public:
        Boxes(MessageBoxes& inner, const std::function<void()>& let_go) : inner_(inner), let_go_(let_go) {}
        MessageResult show(std::string_view caption, std::string_view text, MessageButtons buttons,
                           MessageIcon icon) override;

    private:
        MessageBoxes& inner_;
        const std::function<void()>& let_go_;
    };
    class Input : public InputDialog {
    public:
        Input(InputDialog& inner, const std::function<void()>& let_go) : inner_(inner), let_go_(let_go) {}
        std::optional<std::string> ask(std::string_view title, std::string_view prompt, std::string_view initial,
                                       std::size_t max_length) override;

    private:
        InputDialog& inner_;
        const std::function<void()>& let_go_;
    };
    class Files : public FileDialogs {
    public:
        Files(FileDialogs& inner, const std::function<void()>& let_go) : inner_(inner), let_go_(let_go) {}
        std::optional<std::string> open_file(std::string_view filter, std::string_view default_ext) override;
        std::optional<std::string> save_file(std::string_view filter, std::string_view default_ext,
                                             std::string_view initial_name) override;

    private:
        FileDialogs& inner_;
        const std::function<void()>& let_go_;
    };

    std::function<void()> let_go_;
    std::optional<Boxes> boxes_;
    std::optional<Input> input_;
    std::optional<Files> files_;
    UiServices services_;
};
