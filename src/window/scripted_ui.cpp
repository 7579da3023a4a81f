#include "window/scripted_ui.h"

#include <algorithm>

std::optional<std::string> ScriptedFileDialogs::next()
{
    if (answers_.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedFileDialogs::open_file(std::string_view filter,
                                                          std::string_view default_ext)
{
    asked_.push_back({false, std::string(filter), std::string(default_ext), {}});
    return next();
}

std::optional<std::string> ScriptedFileDialogs::save_file(std::string_view filter,
                                                          std::string_view default_ext,
                                                          std::string_view initial_name)
{
    asked_.push_back({true, std::string(filter), std::string(default_ext), std::string(initial_name)});
    return next();
}

ScriptedTimerFactory::Timer::Timer(ScriptedTimerFactory& factory, std::function<void(int)> on_tick)
    : factory_(factory), on_tick_(std::move(on_tick))
{
    factory_.live_.push_back(this);
}

ScriptedTimerFactory::Timer::~Timer()
{
    auto& live = factory_.live_;
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

bool ScriptedTimerFactory::Timer::fire(int id)
{
    if (!running(id))
        return false;
    if (on_tick_)
        on_tick_(id);
    return true;
}

std::unique_ptr<WindowTimer> ScriptedTimerFactory::make(std::function<void(int id)> on_tick)
{
    return std::make_unique<Timer>(*this, std::move(on_tick));
}

void ScriptedBusyCursor::show()
{
    ++shown_;
    if (on_change)
        on_change(shown_ > restored_);
}

void ScriptedBusyCursor::restore()
{
    ++restored_;
    if (on_change)
        on_change(shown_ > restored_);
}
