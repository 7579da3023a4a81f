#include "statement/window/time_limit.h"

#include <cctype>
#include <cstdint>

#include "platform/dialogs.h"
#include "statement/prover.h"
#include "statement/window/prover_window_strings.h"

std::string time_limit_field() { return std::to_string(static_cast<int>(g_timelimit * 0.001)); }

int time_limit_from_text(std::string_view text)
{
    // Only leading digits count; a long run of them cannot overflow, as the
    // value is capped far above any limit the field can hold.
    constexpr std::int64_t kMaxSeconds = 2'000'000;
    std::int64_t seconds = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        seconds = seconds * 10 + (c - '0');
        if (seconds > kMaxSeconds)
            seconds = kMaxSeconds;
    }
    if (seconds < 1)
        seconds = 1;
    return static_cast<int>(seconds * 1000);
}

bool time_limit_dialog(InputDialog& input)
{
    const auto answer = input.ask(pw_text(pwsid::kTimeLimitTitle), pw_text(pwsid::kTimeLimitPrompt),
                                  time_limit_field(), kTimeLimitFieldLength);
    if (!answer)
        return false;
    g_timelimit = time_limit_from_text(*answer);
    return true;
}
