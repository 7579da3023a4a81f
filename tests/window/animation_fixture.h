#pragma once
// A drawing window whose animation, loci, computation list and calculator
// are the real ones, with the construction commands, on scripted desktop
// services, and a calculator view that only records what it is asked.

#include <memory>
#include <string>

#include "window/animation_adapter.h"
#include "window/construct_adapter.h"
#include "mouse_fixture.h"

namespace anim_window {

// What the calculator views were asked; shared by every view made.
struct CalculatorLog {
    int made = 0;
    int destroyed = 0;
    int raised = 0;
    std::string expression;
    std::string value;
    CalculatorKeys* keys = nullptr;
};

class RecordingView : public CalculatorView {
public:
    explicit RecordingView(CalculatorLog& log) : log_(log) { ++log_.made; }
    ~RecordingView() override { ++log_.destroyed; }
    void show_expression(const std::string& expression, const std::string& value) override
    {
        log_.expression = expression;
        log_.value = value;
    }
    void bring_forward() override { ++log_.raised; }

private:
    CalculatorLog& log_;
};

// Made before the window's services, which hold its provider.
struct RecordingCalculators {
    CalculatorLog calculator;
    AnimationProvider provider{[this](CalculatorKeys& keys) -> std::unique_ptr<CalculatorView> {
        calculator.keys = &keys;
        return std::make_unique<RecordingView>(calculator);
    }};
};

struct AnimationWindow : RecordingCalculators, LoneWindow<WithAnimation<ConstructionServices>> {
    AnimationWindow() : LoneWindow({400, 300}, provider) {}

    ObjectTable& t() { return win->objects(); }
    void click(int x, int y)
    {
        win->EvLButtonDown({x, y});
        win->EvLButtonUp({x, y});
        win->flush();
    }
    void command(int id)
    {
        win->command(id);
        win->flush();
    }
    // The window's animation timer, when one was made.
    ScriptedTimerFactory::Timer* timer()
    {
        return ui.timers.timers().empty() ? nullptr : ui.timers.timers().back();
    }
    bool timer_running() { return timer() && timer()->running(1); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(timer() && timer()->fire(1));
    }
};

}  // namespace anim_window
