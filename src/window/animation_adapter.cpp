#include "window/animation_adapter.h"

#include "animate/animate_strings.h"
#include "animate/quantity_file.h"
#include "window/dchild.h"
#include "window/lookup.h"
#include "window/move_point.h"
#include "window/status_panes.h"
#include "window/ui_services.h"

// --- DchildAnimationHost ---

Diagram& DchildAnimationHost::diagram() { return win_.diagram; }

void DchildAnimationHost::set_status(int pane, std::string_view text)
{
    switch (pane) {
    case 1: set_status1(text); break;
    case 2: set_status2(text); break;
    case 3: set_status3(text); break;
    default: break;
    }
}

void DchildAnimationHost::invalidate() { win_.invalidate(true); }
void DchildAnimationHost::draw_action(int code) { win_.draw_action(code); }
DeviceContext* DchildAnimationHost::mouse_dc() { return win_.mouse_dc(); }
DeviceContext* DchildAnimationHost::mem_dc() { return win_.mem_dc(); }
void DchildAnimationHost::show_off_screen() { win_.show_off_screen(); }
void DchildAnimationHost::move_point(DeviceContext& dc, int full) { ::move_point(win_.diagram, dc, full); }
bool DchildAnimationHost::is_movable_point(int k) { return ::is_movable_point(win_.objects(), k) != 0; }
void DchildAnimationHost::cons_mode_cmd(int id) { win_.cons_mode_cmd(id); }
void DchildAnimationHost::start_timer(int interval_ms) { win_.timer().start(1, interval_ms); }
void DchildAnimationHost::stop_timer() { win_.timer().stop(1); }
void DchildAnimationHost::open_calculator() { provider_.open_calculator(win_); }
void DchildAnimationHost::refresh_calculator() { provider_.refresh_calculator(win_); }
void DchildAnimationHost::close_calculator() { provider_.close_calculator(win_); }
MessageBoxes* DchildAnimationHost::message_boxes() { return win_.ui().message_boxes; }
InputDialog* DchildAnimationHost::input() { return win_.ui().input; }

// --- AnimationProvider ---

AnimationProvider::AnimationProvider(CalculatorFactory calculators) : calculators_(std::move(calculators))
{
    register_animate_strings();
}

AnimationProvider::~AnimationProvider()
{
    // The dialog must not call back into a provider that is gone.
    calc_owner_ = nullptr;
    calc_.reset();
}

bool AnimationProvider::provides(CommandHandler handler) const
{
    return handler == CommandHandler::Animation || handler == CommandHandler::Measure;
}

DrawingAnimation& AnimationProvider::of(Dchild& win)
{
    Drawing& entry = drawings_[&win.diagram];
    if (!entry.state) {
        entry.win = &win;
        entry.host = std::make_unique<DchildAnimationHost>(win, *this);
        entry.state = std::make_unique<DrawingAnimation>(*entry.host);
    }
    return *entry.state;
}

DrawingAnimation* AnimationProvider::find(const Diagram& d)
{
    const auto it = drawings_.find(&d);
    return it == drawings_.end() ? nullptr : it->second.state.get();
}

void AnimationProvider::cm_animation(Dchild& win, int id) { of(win).animator.cm_animation(id); }

void AnimationProvider::trace_mouse(Dchild& win, int phase, DevPoint point)
{
    of(win).animator.trace_mouse(phase, point);
}

void AnimationProvider::ev_timer(Dchild& win, int id) { of(win).animator.ev_timer(id); }
void AnimationProvider::measure_cmd(Dchild& win, int code) { of(win).computation.measure_cmd(code); }
bool AnimationProvider::pt_in_quantity(Dchild& win, int mode) { return of(win).computation.pt_in_quantity(mode); }
void AnimationProvider::release_expression_tokens(Dchild& win) { of(win).computation.release_expression_tokens(); }
std::vector<std::string> AnimationProvider::saved_expressions(Dchild& win) { return save_expressions(win.diagram); }

void AnimationProvider::reset_computation_list(Dchild& win)
{
    // The expression the calculator builds goes with the list.
    if (calc_owner_ == &win) {
        calc_owner_ = nullptr;
        calc_.reset();
    }
    of(win).computation.reset();
}

void AnimationProvider::reset_animation(Dchild& win) { of(win).animator.cm_animation(-1); }

void AnimationProvider::forget_calculator()
{
    // A calculator that belonged to the drawing being preset was closed with
    // its list; one open on another drawing keeps its expression.
}

void AnimationProvider::release_drawing(Dchild& win)
{
    if (calc_owner_ == &win) {
        calc_owner_ = nullptr;
        calc_.reset();
    }
    const auto it = drawings_.find(&win.diagram);
    if (it == drawings_.end())
        return;
    it->second.state->animator.release();
    it->second.state->computation.reset();
    drawings_.erase(it);
}

Computation* AnimationProvider::calculating()
{
    if (!calc_owner_)
        return nullptr;
    DrawingAnimation* state = find(calc_owner_->diagram);
    return state ? &state->computation : nullptr;
}

void AnimationProvider::open_calculator(Dchild& win)
{
    if (calc_owner_ == &win && calc_) {
        calc_->bring_forward();
        refresh_calculator(win);
        return;
    }
    // One calculator for the application: an expression still open in
    // another drawing is dropped.
    if (Computation* other = calculating())
        other->calc_cancel();
    calc_owner_ = nullptr;
    calc_.reset();
    if (!calculators_)
        return;
    calc_owner_ = &win;
    calc_ = calculators_(keys_);
    refresh_calculator(win);
}

void AnimationProvider::refresh_calculator(Dchild& win)
{
    if (calc_owner_ != &win || !calc_)
        return;
    Computation& c = of(win).computation;
    calc_->show_expression(c.calc_expression_text(), c.calc_value_text());
}

void AnimationProvider::close_calculator(Dchild& win)
{
    if (calc_owner_ != &win)
        return;
    calc_owner_ = nullptr;
    // The view may be inside one of its own calls: it defers the dialog's end.
    calc_.reset();
}

// The calculator's keys change the computation list outside any click or
// command of its drawing: each is watched like one.
bool AnimationProvider::Keys::key(CalcKey k)
{
    Computation* c = provider_.calculating();
    if (!c)
        return false;
    const Dchild::ChangeWatch watch(*provider_.calc_owner_);
    return c->calc_key(k);
}

bool AnimationProvider::Keys::finish()
{
    Computation* c = provider_.calculating();
    if (!c)
        return false;
    const Dchild::ChangeWatch watch(*provider_.calc_owner_);
    return c->calc_finish();
}

void AnimationProvider::Keys::cancel()
{
    Computation* c = provider_.calculating();
    if (!c)
        return;
    const Dchild::ChangeWatch watch(*provider_.calc_owner_);
    c->calc_cancel();
}

// --- Painter ---

void AnimationProvider::Painter::eval_qty(Diagram& d, DeviceContext& dc, int k, int mode)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->computation.eval_qty(dc, k, mode);
}

void AnimationProvider::Painter::draw_driving_points(Diagram& d, DeviceContext& dc)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.draw_driving_points(dc);
}

void AnimationProvider::Painter::draw_loci(Diagram& d, DeviceContext& dc)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.draw_loci(dc);
}

void AnimationProvider::Painter::animation_step(Diagram& d)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.animation_step();
}

void AnimationProvider::Painter::begin_loci_replay(Diagram& d)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.begin_replay();
}

void AnimationProvider::Painter::end_loci_replay(Diagram& d)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.end_replay();
}

void AnimationProvider::Painter::start_animation(Diagram& d)
{
    if (DrawingAnimation* state = provider_.find(d))
        state->animator.cm_animation(anim_id::kStart);
}

// --- Point files ---

std::vector<std::string> AnimationProvider::save_expressions(Diagram& d)
{
    std::vector<std::string> texts;
    DrawingAnimation* state = find(d);
    if (!state)
        return texts;
    int last = last_entry(d.table);
    // An expression still being built is not part of the drawing yet.
    if (state->computation.expression_open())
        --last;
    for (int k = 0; k <= last; ++k)
        texts.push_back(quantity_to_text(state->computation.list()[k]));
    return texts;
}

bool AnimationProvider::expressions_valid(const std::vector<std::string>& entries, int record_count,
                                          std::string& why)
{
    return quantity_texts_valid(entries, record_count, why);
}

void AnimationProvider::load_expressions(Diagram& d, const std::vector<std::string>& entries)
{
    DrawingAnimation* state = find(d);
    if (!state)
        return;
    ComputationList& list = state->computation.list();
    list.fill(Quantity{});
    int last = -1;
    for (const std::string& text : entries) {
        if (last + 1 >= kMaxQuantities)
            break;
        if (auto q = quantity_from_text(text))
            list[++last] = std::move(*q);
        else
            break;
    }
    ObjectTable& t = d.table;
    t.last_quantity() = last;
    t.expression_open() = 0;
    for (int k = 0; k <= last; ++k)
        evaluate_quantity(t, list, k);
}
