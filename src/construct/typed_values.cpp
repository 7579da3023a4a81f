#include "construct/typed_values.h"

#include <algorithm>
#include <cstring>

#include "construct/cons_strings.h"
#include "construct/construction_host.h"
#include "platform/dialogs.h"

namespace {

constexpr int kRatioTitle = 1105;
constexpr int kRatioPrompt = 1107;
// The dialog's edit holds 69 characters and its terminator.
constexpr std::size_t kRatioEditLength = 69;

std::string_view cut(std::string_view text, std::size_t limit) { return text.substr(0, std::min(text.size(), limit)); }

}  // namespace

void store_ratio_words(Dpoint& rec, std::string_view typed)
{
    const std::string_view text = cut(typed, kTypedTextLimit);
    const std::size_t blank = text.find(' ');
    const std::string_view first = text.substr(0, blank);
    std::string_view rest = text.substr(text.size());
    if (blank != std::string_view::npos) {
        rest = text.substr(blank);
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    }
    rec.aux1.set_text(cut(first, kRatioWordLimit));
    rec.aux2.set_text(cut(rest, kRatioWordLimit));
}

void store_angle_text(Dpoint& rec, std::string_view typed)
{
    const std::string_view text = cut(typed, kTypedTextLimit);
    char bytes[sizeof rec.aux1 + sizeof rec.aux2] = {};
    std::memcpy(bytes, text.data(), text.size());
    std::memcpy(rec.aux1.s, bytes, sizeof rec.aux1);
    std::memcpy(rec.aux2.s, bytes + sizeof rec.aux1, sizeof rec.aux2);
}

std::optional<std::string> ask_ratio(ConstructionHost& host, std::string_view initial)
{
    InputDialog* input = host.input();
    if (!input)
        return std::nullopt;
    return input->ask(cons_string(kRatioTitle), cons_string(kRatioPrompt), initial, kRatioEditLength);
}
