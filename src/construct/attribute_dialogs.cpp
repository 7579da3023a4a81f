#include "construct/attribute_dialogs.h"

#include <cctype>
#include <climits>
#include <memory>
#include <string>

#include "construct/script_strings.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"

namespace {

// The prompts' buffers hold five characters and the terminator.
constexpr std::size_t kNumberLength = 5;
constexpr int kMaxPenStyle = 3;

std::unique_ptr<FontChoiceData>& font_data_holder()
{
    static std::unique_ptr<FontChoiceData> data;
    return data;
}

}  // namespace

int atoi_like(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

void upd_attr_buf(Diagram& d)
{
    ObjectTable& t = d.table;
    d.pending.size = t.pen_size_setting();
    d.pending.colour = t.pen_colour();
    d.pending.pen_style = t.pen_style_setting();
}

void CmColor(Diagram& d, int id, ColourChooser& chooser, QWidget* parent)
{
    CustomColourTable& custom = custom_colour_table();
    custom.fill_once();
    // All three open on the line colour that the pending record holds.
    const std::optional<Colour> chosen = chooser.choose(parent, d.pending.colour, custom.colours);
    if (!chosen)
        return;
    ObjectTable& t = d.table;
    switch (id) {
    case attr_cmd::kLineColour: t.pen_colour() = *chosen; break;
    case attr_cmd::kFillColour: t.brush_colour() = *chosen; break;
    case attr_cmd::kFontColour: t.font_colour() = *chosen; break;
    default: break;
    }
    upd_attr_buf(d);
}

namespace {

// The number typed into the one-line dialog (its first characters only);
// nothing when it was cancelled.
std::optional<int> ask_number(InputDialog& input, int title, int prompt, int current)
{
    ensure_script_strings();
    const std::optional<std::string> answer =
        input.ask(load_string(title), load_string(prompt), std::to_string(current), kNumberLength);
    if (!answer)
        return std::nullopt;
    return atoi_like(answer->substr(0, kNumberLength));
}

}  // namespace

void CmLineWidth(Diagram& d, InputDialog& input)
{
    ObjectTable& t = d.table;
    if (const std::optional<int> n =
            ask_number(input, ssid::kLineSize, ssid::kNewSizePrompt, t.pen_size_setting()))
        t.pen_size_setting() = *n < 1 ? 1 : *n;
    upd_attr_buf(d);
}

void CmLineStyle(Diagram& d, InputDialog& input)
{
    ObjectTable& t = d.table;
    if (const std::optional<int> n =
            ask_number(input, ssid::kPenStyleTitle, ssid::kPenStylePrompt, t.pen_style_setting()))
        t.pen_style_setting() = *n < 0 || *n > kMaxPenStyle ? 0 : *n;
    upd_attr_buf(d);
}

void init_font_data() { font_data_holder() = std::make_unique<FontChoiceData>(); }

FontChoiceData* font_data() { return font_data_holder().get(); }

void release_font_data() { font_data_holder().reset(); }

std::optional<Font> CmFont(FontChooser& chooser, QWidget* parent)
{
    FontChoiceData* data = font_data();
    if (!data)
        return std::nullopt;
    if (!chooser.choose(parent, *data) || !data->font)
        return std::nullopt;
    return data->font;
}
