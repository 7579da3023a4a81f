#include "platform/dialogs.h"

namespace {

MessageResult cautious_answer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageResult::Ok;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::YesNoCancel:
        return MessageResult::Cancel;
    }
    return MessageResult::Ok;
}

}  // namespace

MessageResult ScriptedMessageBoxes::show(std::string_view caption, std::string_view text,
                                         MessageButtons buttons, MessageIcon icon)
{
    asked_.push_back({std::string(caption), std::string(text), buttons, icon});
    if (look_)
        look_(asked_.back());
    if (answers_.empty())
        return cautious_answer(buttons);
    MessageResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedInputDialog::ask(std::string_view title,
                                                    std::string_view prompt,
                                                    std::string_view initial,
                                                    std::size_t max_length)
{
    asked_.push_back({std::string(title), std::string(prompt), std::string(initial), max_length});
    if (answers_.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    if (answer && max_length != 0 && answer->size() > max_length)
        answer->resize(max_length);
    return answer;
}
