#include "statement/window/time_limit.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/dialogs.h"
#include "prover/prover.h"
#include "statement/window/prover_window_strings.h"

std::string time_limit_field() { return std::to_string(static_cast<int>(g_timelimit * 0.001)); }

std::optional<int> time_limit_from_text(std::string_view text)
{
    // The field holds five characters, so any whole number it takes fits.
    constexpr std::int64_t kMaxSeconds = 2'000'000;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::int64_t seconds = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        seconds = std::min(seconds * 10 + (c - '0'), kMaxSeconds);
    }
    if (seconds < 1)
        return std::nullopt;
    return static_cast<int>(seconds * 1000);
}

bool time_limit_dialog(InputDialog& input, MessageBoxes& boxes)
{
    const auto answer = input.ask(pw_text(pwsid::kTimeLimitTitle), pw_text(pwsid::kTimeLimitPrompt),
                                  time_limit_field(), kTimeLimitFieldLength);
    if (!answer)
        return false;
    const std::optional<int> limit = time_limit_from_text(*answer);
    if (!limit) {
        boxes.ok(pw_text(pwsid::kTimeLimitTitle),
                 fmt(pw_text(pwsid::kTimeLimitRefused).c_str(), static_cast<int>(g_timelimit * 0.001)),
                 MessageIcon::Warning);
        return false;
    }
    g_timelimit = *limit;
    return true;
}
