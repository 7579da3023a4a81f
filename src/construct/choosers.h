#pragma once
// The colour and font choosers behind small interfaces, so that the dialogs
// and commands that open them run in tests from a script without blocking.
// The toolkit versions are in qt_choosers.h.

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/device_context.h"

class QWidget;

// The custom colours that every colour dialog of the run offers; filled with
// a grey ramp at the first opening, then kept with the user's changes.
using CustomColours = std::array<Colour, 16>;
struct CustomColourTable {
    CustomColours colours{};
    bool filled = false;
    // 0x010101, then 0x101010, 0x202020 ... 0xF0F0F0; only the first time.
    void fill_once();
};
CustomColourTable& custom_colour_table();

class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // Runs the colour dialog on `initial`, offering the custom colours, which
    // the user may change. nullopt when cancelled.
    virtual std::optional<Colour> choose(QWidget* parent, Colour initial, CustomColours& custom) = 0;
};

// What the font dialog starts from and leaves behind: the flags and limits it
// is run with and, after an accepted choice, the chosen font.
struct FontChoiceData {
    static constexpr unsigned kFlags = 0x00010041;  // screen fonts, from `font`, must exist
    static constexpr unsigned kScreenFontType = 0x2000;
    unsigned flags = kFlags;
    int error = 0;
    Colour colour = 0x01000000;
    std::string style;
    unsigned font_type = kScreenFontType;
    int min_size = 0;
    int max_size = 0;
    // Not set before the first choice: the dialog then offers the name font.
    std::optional<Font> font;
};

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // Runs the font dialog on the data; true when a font was chosen (then in data.font).
    virtual bool choose(QWidget* parent, FontChoiceData& data) = 0;
};

// Answers colour dialogs from a queue (nullopt = Cancel) and records what
// each was opened with. With the queue empty it cancels. An answer may also
// change custom colours through the hook.
class ScriptedColourChooser : public ColourChooser {
public:
    struct Asked {
        Colour initial;
        CustomColours custom;
    };
    void push_answer(std::optional<Colour> answer) { answers_.push_back(answer); }
    std::function<void(CustomColours&)> edit_custom;
    std::optional<Colour> choose(QWidget* parent, Colour initial, CustomColours& custom) override;
    const std::vector<Asked>& asked() const { return asked_; }

private:
    std::deque<std::optional<Colour>> answers_;
    std::vector<Asked> asked_;
};

// Answers font dialogs from a queue (nullopt = Cancel); with the queue empty it cancels.
class ScriptedFontChooser : public FontChooser {
public:
    void push_answer(std::optional<Font> answer) { answers_.push_back(std::move(answer)); }
    bool choose(QWidget* parent, FontChoiceData& data) override;
    // The font each dialog was opened on (nullopt: none set yet).
    const std::vector<std::optional<Font>>& asked() const { return asked_; }

private:
    std::deque<std::optional<Font>> answers_;
    std::vector<std::optional<Font>> asked_;
};
