#pragma once
// Animation, loci, measurement and the calculator in the drawing windows:
// each window's computation list and animation, the window seen as their
// host, the painter's animation services, the calculator dialog of the
// application, and the computation list's part in point files.
//
// Wiring: one AnimationProvider for the application, added to the drawing
// services with the WithAnimation mixin and handed to the file services as
// their expression store:
//   AnimationProvider animation;
//   WithAnimation<...> services(animation, ...);
//   FileServices files(print_dialogs, &animation);

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "animate/animation_host.h"
#include "animate/drawing_animation.h"
#include "animate/expression_builder.h"
#include "export/fig_expressions.h"
#include "paint/animation_services.h"
#include "window/command_table.h"
#include "window/drawing_services.h"

class Dchild;
class AnimationProvider;

// What the calculator dialog sends: its keys, OK and Cancel (or close).
class CalculatorKeys {
public:
    virtual ~CalculatorKeys() = default;
    // False when the key does not fit the expression at that place.
    virtual bool key(CalcKey k) = 0;
    // False when the expression is not complete (the dialog stays open).
    virtual bool finish() = 0;
    virtual void cancel() = 0;
};

// The calculator dialog as the provider sees it. Destroying the view closes
// the dialog; a view may be destroyed from inside one of its own key calls.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;
    virtual void show_expression(const std::string& expression, const std::string& value) = 0;
    virtual void bring_forward() = 0;
};

using CalculatorFactory = std::function<std::unique_ptr<CalculatorView>(CalculatorKeys&)>;

// The toolkit's calculator dialog (TCalc), belonging to the application's frame.
CalculatorFactory qt_calculator_factory();

// One drawing window as the host of its animation and computation list.
class DchildAnimationHost : public AnimationHost {
public:
    DchildAnimationHost(Dchild& win, AnimationProvider& provider) : win_(win), provider_(provider) {}

    Diagram& diagram() override;
    void set_status(int pane, std::string_view text) override;
    void invalidate() override;
    void draw_action(int code) override;
    DeviceContext* mouse_dc() override;
    DeviceContext* mem_dc() override;
    void show_off_screen() override;
    void move_point(DeviceContext& dc, int full) override;
    bool is_movable_point(int k) override;
    void cons_mode_cmd(int id) override;
    void start_timer(int interval_ms) override;
    void stop_timer() override;
    void open_calculator() override;
    void refresh_calculator() override;
    void close_calculator() override;
    MessageBoxes* message_boxes() override;
    InputDialog* input() override;

private:
    Dchild& win_;
    AnimationProvider& provider_;
};

class AnimationProvider : public FigExpressionStore {
public:
    explicit AnimationProvider(CalculatorFactory calculators = qt_calculator_factory());
    ~AnimationProvider() override;
    AnimationProvider(const AnimationProvider&) = delete;
    AnimationProvider& operator=(const AnimationProvider&) = delete;

    // The Animation and Measure commands.
    bool provides(CommandHandler handler) const;

    void cm_animation(Dchild& win, int id);
    void trace_mouse(Dchild& win, int phase, DevPoint point);
    void ev_timer(Dchild& win, int id);
    void measure_cmd(Dchild& win, int code);
    bool pt_in_quantity(Dchild& win, int mode);
    void release_expression_tokens(Dchild& win);
    // The window's computation list as its point file stores it.
    std::vector<std::string> saved_expressions(Dchild& win);
    void reset_computation_list(Dchild& win);
    void reset_animation(Dchild& win);
    void forget_calculator();
    void release_drawing(Dchild& win);
    // The painter's entries, for every drawing window.
    AnimationServices& animation() { return painter_; }

    // The window's animation and computation list (made on first use).
    DrawingAnimation& of(Dchild& win);
    // The window whose expression the open calculator builds; null when the
    // calculator is closed.
    Dchild* calculator_owner() const { return calc_owner_; }
    CalculatorView* calculator() const { return calc_.get(); }
    // Windows whose animation state is held.
    std::size_t drawing_count() const { return drawings_.size(); }

    // The calculator of a drawing, for its host.
    void open_calculator(Dchild& win);
    void refresh_calculator(Dchild& win);
    void close_calculator(Dchild& win);

    // FigExpressionStore.
    std::vector<std::string> save_expressions(Diagram& d) override;
    bool expressions_valid(const std::vector<std::string>& entries, int record_count,
                           std::string& why) override;
    void load_expressions(Diagram& d, const std::vector<std::string>& entries) override;

private:
    struct Drawing {
        Dchild* win = nullptr;
        std::unique_ptr<DchildAnimationHost> host;
        std::unique_ptr<DrawingAnimation> state;
    };
    // The painter asks by diagram; every drawing's diagram is its window's.
    class Painter : public AnimationServices {
    public:
        explicit Painter(AnimationProvider& provider) : provider_(provider) {}
        void eval_qty(Diagram& d, DeviceContext& dc, int k, int mode) override;
        void draw_driving_points(Diagram& d, DeviceContext& dc) override;
        void draw_loci(Diagram& d, DeviceContext& dc) override;
        void animation_step(Diagram& d) override;
        void begin_loci_replay(Diagram& d) override;
        void end_loci_replay(Diagram& d) override;
        void start_animation(Diagram& d) override;

    private:
        AnimationProvider& provider_;
    };
    class Keys : public CalculatorKeys {
    public:
        explicit Keys(AnimationProvider& provider) : provider_(provider) {}
        bool key(CalcKey k) override;
        bool finish() override;
        void cancel() override;

    private:
        AnimationProvider& provider_;
    };

    DrawingAnimation* find(const Diagram& d);
    Computation* calculating();

    std::map<const Diagram*, Drawing> drawings_;
    Painter painter_{*this};
    Keys keys_{*this};
    CalculatorFactory calculators_;
    Dchild* calc_owner_ = nullptr;
    std::unique_ptr<CalculatorView> calc_;
};

// Adds animation, loci, measurement and the calculator to any drawing
// services: WithAnimation<ConstructionServices> services(provider, ...).
template <class Base>
class WithAnimation : public Base {
public:
    template <typename... Args>
    explicit WithAnimation(AnimationProvider& provider, Args&&... args)
        : Base(std::forward<Args>(args)...), provider_(provider)
    {
    }

    bool provides(CommandHandler handler) const override
    {
        return provider_.provides(handler) || Base::provides(handler);
    }
    AnimationServices& animation() override { return provider_.animation(); }
    void cm_animation(Dchild& win, int id) override { provider_.cm_animation(win, id); }
    void trace_mouse(Dchild& win, int phase, DevPoint point) override { provider_.trace_mouse(win, phase, point); }
    void ev_timer(Dchild& win, int id) override { provider_.ev_timer(win, id); }
    void measure_cmd(Dchild& win, int id) override { provider_.measure_cmd(win, id); }
    bool pt_in_quantity(Dchild& win, int mode) override { return provider_.pt_in_quantity(win, mode); }
    void release_expression_tokens(Dchild& win) override { provider_.release_expression_tokens(win); }
    std::vector<std::string> saved_expressions(Dchild& win) override { return provider_.saved_expressions(win); }
    void reset_computation_list(Dchild& win) override { provider_.reset_computation_list(win); }
    void reset_animation(Dchild& win) override { provider_.reset_animation(win); }
    void forget_calculator() override { provider_.forget_calculator(); }
    void release_drawing(Dchild& win) override
    {
        provider_.release_drawing(win);
        Base::release_drawing(win);
    }

private:
    AnimationProvider& provider_;
};
