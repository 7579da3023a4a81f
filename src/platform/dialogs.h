#pragma once

// Message boxes and the one-line input dialog behind small interfaces, so that
// commands can ask the user without knowing the toolkit, and tests can answer
// from a script without ever blocking. The toolkit implementations live with
// the windows.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageResult { Ok, Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult show(std::string_view caption, std::string_view text,
                               MessageButtons buttons, MessageIcon icon) = 0;

    void ok(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None)
    {
        show(caption, text, MessageButtons::Ok, icon);
    }
    bool yes_no(std::string_view caption, std::string_view text,
                MessageIcon icon = MessageIcon::Question)
    {
        return show(caption, text, MessageButtons::YesNo, icon) == MessageResult::Yes;
    }
    MessageResult yes_no_cancel(std::string_view caption, std::string_view text,
                                MessageIcon icon = MessageIcon::Question)
    {
        return show(caption, text, MessageButtons::YesNoCancel, icon);
    }
};

class InputDialog {
public:
    virtual ~InputDialog() = default;
    // Asks for one line of text, offering `initial`; at most max_length bytes
    // are returned (0 = no limit). nullopt when the user cancels.
    virtual std::optional<std::string> ask(std::string_view title, std::string_view prompt,
                                           std::string_view initial, std::size_t max_length) = 0;
};

// Answers message boxes from a queue and records every question. With the
// queue empty it answers the cautious choice: Ok, No, Cancel.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Asked {
        std::string caption;
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    void push_answer(MessageResult answer) { answers_.push_back(answer); }
    MessageResult show(std::string_view caption, std::string_view text, MessageButtons buttons,
                       MessageIcon icon) override;
    // Runs at every question before it is answered, to look at what the user
    // would see then.
    void on_ask(std::function<void(const Asked&)> look) { look_ = std::move(look); }

    const std::vector<Asked>& asked() const { return asked_; }
    std::size_t pending_answers() const { return answers_.size(); }

private:
    std::deque<MessageResult> answers_;
    std::vector<Asked> asked_;
    std::function<void(const Asked&)> look_;
};

// Answers input dialogs from a queue (nullopt = Cancel) and records every
// question. With the queue empty it cancels.
class ScriptedInputDialog : public InputDialog {
public:
    struct Asked {
        std::string title;
        std::string prompt;
        std::string initial;
        std::size_t max_length;
    };

    void push_answer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    std::optional<std::string> ask(std::string_view title, std::string_view prompt,
                                   std::string_view initial, std::size_t max_length) override;

    const std::vector<Asked>& asked() const { return asked_; }
    std::size_t pending_answers() const { return answers_.size(); }

private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<Asked> asked_;
};
