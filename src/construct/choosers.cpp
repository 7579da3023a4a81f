#include "construct/choosers.h"

void CustomColourTable::fill_once()
{
    if (filled)
        return;
    colours[0] = rgb(1, 1, 1);
    for (int i = 1; i < 16; ++i)
        colours[static_cast<std::size_t>(i)] = rgb(16 * i, 16 * i, 16 * i);
    filled = true;
}

CustomColourTable& custom_colour_table()
{
    static CustomColourTable table;
    return table;
}

std::optional<Colour> ScriptedColourChooser::choose(QWidget* /*parent*/, Colour initial,
                                                    CustomColours& custom)
{
    asked_.push_back({initial, custom});
    if (edit_custom)
        edit_custom(custom);
    if (answers_.empty())
        return std::nullopt;
    const std::optional<Colour> answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool ScriptedFontChooser::choose(QWidget* /*parent*/, FontChoiceData& data)
{
    asked_.push_back(data.font);
    if (answers_.empty())
        return false;
    const std::optional<Font> answer = answers_.front();
    answers_.pop_front();
    if (!answer)
        return false;
    data.font = *answer;
    return true;
}
