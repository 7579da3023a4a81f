#include "window/mouse_releasing_ui.h"

#include <utility>

MouseReleasingUi::MouseReleasingUi(const UiServices& desktop, std::function<void()> let_go)
    : let_go_(std::move(let_go)), services_(desktop)
{
    if (desktop.message_boxes)
        services_.message_boxes = &boxes_.emplace(*desktop.message_boxes, let_go_);
    if (desktop.input)
        services_.input = &input_.emplace(*desktop.input, let_go_);
    if (desktop.files)
        services_.files = &files_.emplace(*desktop.files, let_go_);
}

MessageResult MouseReleasingUi::Boxes::show(std::string_view caption, std::string_view text,
                                            MessageButtons buttons, MessageIcon icon)
{
    let_go_();
    return inner_.show(caption, text, buttons, icon);
}

std::optional<std::string> MouseReleasingUi::Input::ask(std::string_view title, std::string_view prompt,
                                                        std::string_view initial, std::size_t max_length)
{
    let_go_();
    return inner_.ask(title, prompt, initial, max_length);
}

std::optional<std::string> MouseReleasingUi::Files::open_file(std::string_view filter,
                                                              std::string_view default_ext)
{
    let_go_();
    return inner_.open_file(filter, default_ext);
}

std::optional<std::string> MouseReleasingUi::Files::save_file(std::string_view filter,
                                                              std::string_view default_ext,
                                                              std::string_view initial_name)
{
    let_go_();
    return inner_.save_file(filter, default_ext, initial_name);
}
