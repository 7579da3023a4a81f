#pragma once
// A drawing with its animation and computation list, hosted by a stand-in
// for the drawing window: a timer the test fires by hand, scripted dialogs,
// status panes as texts, images for the mouse operation and the off-screen
// picture.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "animate/animate_strings.h"
#include "animate/animation_host.h"
#include "animate/drawing_animation.h"
#include "model/semi_free.h"
#include "paint/animation_services.h"
#include "paint/paint_diagram.h"
#include "platform/dialogs.h"
#include "platform/image_dc.h"
#include "platform/recording_dc.h"
#include "platform/surface.h"

namespace anim_test {

// The drawing's neighbours as the window is: the model's hooks and the
// painter's animation services, both answered by the drawing's animation.
struct Hooks : DiagramHooks, AnimationServices {
    DrawingAnimation* animation = nullptr;  // none before the drawing wires it or after it goes

    bool pt_in_quantity(int mode) override { return animation && animation->computation.pt_in_quantity(mode); }
    void measure_cmd(int code) override { if (animation) animation->computation.measure_cmd(code); }
    void release_expression_tokens() override { if (animation) animation->computation.release_expression_tokens(); }
    void reset_computation_list() override { if (animation) animation->computation.reset(); }
    void reset_animation() override { if (animation) animation->animator.cm_animation(-1); }
    void eval_qty(Diagram&, DeviceContext& dc, int k, int mode) override
    {
        if (animation) animation->computation.eval_qty(dc, k, mode);
    }
    void draw_driving_points(Diagram&, DeviceContext& dc) override
    {
        if (animation) animation->animator.draw_driving_points(dc);
    }
    void draw_loci(Diagram&, DeviceContext& dc) override { if (animation) animation->animator.draw_loci(dc); }
    void animation_step(Diagram&) override { if (animation) animation->animator.animation_step(); }
    // False: the loci are replayed as the timer steps, re-solving every point.
    bool replay_by_parts = true;
    void begin_loci_replay(Diagram&) override
    {
        if (animation && replay_by_parts) animation->animator.begin_replay();
    }
    void end_loci_replay(Diagram&) override { if (animation) animation->animator.end_replay(); }
    void start_animation(Diagram&) override { if (animation) animation->animator.cm_animation(420); }
};

class Host : public AnimationHost {
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;

    Hooks hooks;
    Diagram d{&hooks};
    ScriptedMessageBoxes boxes;
    ScriptedInputDialog input_dialog;
    std::array<std::string, 4> panes;
    int invalidations = 0;
    std::vector<int> actions;        // draw_action codes, in order
    std::vector<int> commands;       // cons_mode_cmd ids
    bool timer_running = false;
    int timer_interval = 0;
    int calculator_opened = 0;
    int calculator_refreshed = 0;
    int calculator_closed = 0;
    int shown = 0;                   // off-screen pictures copied to the window
    int moves = 0;                   // move_point calls, each a paint of the diagram
    Surface window{kWidth, kHeight};
    Surface off_screen;
    std::unique_ptr<ImageDC> mouse;
    std::unique_ptr<ImageDC> mem;

    Host() { register_animate_strings(); }

    Diagram& diagram() override { return d; }
    void set_status(int pane, std::string_view text) override { panes.at(pane) = std::string(text); }
    void invalidate() override { ++invalidations; }
    void draw_action(int code) override
    {
        actions.push_back(code);
        switch (code) {
        case 0:
            d.table.pending_command() = 0;
            d.table.outer_mode() = 0;
            d.table.action_state() = 0;
            panes = {};
            break;
        case 1:
            off_screen = Surface(kWidth, kHeight);
            mem = std::make_unique<ImageDC>(off_screen);
            break;
        case 2: mem.reset(); break;
        case 3:
            if (!mouse)
                mouse = std::make_unique<ImageDC>(window);
            break;
        case 4: mouse.reset(); break;
        default: break;
        }
    }
    DeviceContext* mouse_dc() override { return mouse.get(); }
    DeviceContext* mem_dc() override { return mem.get(); }
    void show_off_screen() override
    {
        ++shown;
        if (mem)
            window.image() = off_screen.image().copy();
    }
    // As the window's point mover: a free point takes the mouse position, a
    // point on a line or circle is put on it; then the painter re-solves.
    void move_point(DeviceContext& dc, int full) override
    {
        ++moves;
        ObjectTable& t = d.table;
        const int k = t.picked_index();
        if (k >= rec::kFirstObject && t.contains(k)) {
            if (t[k].type == 101) {
                t[k].x = t.mouse_x();
                t[k].y = t.mouse_y();
            } else if (is_semi_free_type(t[k].type)) {
                semi_free_init(t, k, rec::kState);
            }
        }
        paint_diagram(d, dc, full);
    }
    bool is_movable_point(int k) override
    {
        const Dpoint& o = d.table.get(k);
        return o.cls == 1 && (o.type == 101 || is_semi_free_type(o.type));
    }
    void cons_mode_cmd(int id) override
    {
        commands.push_back(id);
        d.table.pending_command() = id;
        d.table.action_state() = 11;
    }
    void start_timer(int interval_ms) override
    {
        timer_running = true;
        timer_interval = interval_ms;
    }
    void stop_timer() override { timer_running = false; }
    void open_calculator() override { ++calculator_opened; }
    void refresh_calculator() override { ++calculator_refreshed; }
    void close_calculator() override { ++calculator_closed; }
    MessageBoxes* message_boxes() override { return &boxes; }
    InputDialog* input() override { return &input_dialog; }
};

// A drawing with its animation, preset as a new window's.
struct Drawing {
    Host host;
    DrawingAnimation animation{host};
    ObjectTable& t = host.d.table;

    Drawing()
    {
        host.hooks.animation = &animation;
        host.d.reset_reserved_records();
    }

    int point(double x, double y, const char* name)
    {
        Dpoint p(101, name);
        p.cls = 1;
        p.x = x;
        p.y = y;
        return t.append(p);
    }
    // An object with parents: a segment (135), circle (136), midpoint (106) ...
    int object(int type, int cls, std::initializer_list<int> args, const char* name = "x")
    {
        Dpoint o(type, name);
        o.cls = static_cast<std::int8_t>(cls);
        int j = 0;
        for (int a : args)
            o.arg[j++] = a;
        const int k = t.append(o);
        if (cls == 1)
            compute();
        return k;
    }
    // Every point re-solved from its parents.
    void compute()
    {
        t.placing() = 0;
        t.recompute() = 1;
        t.dragged_index() = 0;
        RecordingDC dc;
        paint_diagram(host.d, dc, 0);
        t.recompute() = 0;
    }
    // Driving point k on its path.
    void drive(int point, int path, int speed = 2)
    {
        const int k = t.last_driver() + 1;
        t.last_driver() = k;
        t.driver_point(k) = point;
        t.driver_path(k) = path;
        t.driver_speed(k) = speed;
        t.current_driver() = k;
    }
    void locus(int kind, int object)
    {
        const int k = t.last_locus() + 1;
        t.last_locus() = k;
        t.locus_kind(k) = kind;
        t.locus_object(k) = object;
    }
    // A measurement as the measure commands hand it over.
    void measure(int type, std::initializer_list<int> operands)
    {
        host.d.pending = Dpoint::of_type(type, 1);
        int j = 0;
        for (int a : operands)
            host.d.pending.arg[j++] = a;
        animation.computation.measure_cmd(-102);
    }
    // The texts written on dc, in order.
    static std::vector<std::string> texts(const RecordingDC& dc)
    {
        std::vector<std::string> out;
        for (const RecordedCall& c : dc.calls_named("text_out"))
            out.push_back(c.text);
        return out;
    }
};

// A driving point D on the segment from S1 (100, 100) to S2 (300, 100), and
// M, the midpoint of D and the fixed point Q (100, 200), which follows it.
struct SegmentDrive : Drawing {
    int S1 = point(100, 100, "S");
    int S2 = point(300, 100, "T");
    int seg = object(135, 2, {S1, S2});
    int D = point(150, 150, "D");
    int Q = point(100, 200, "Q");
    int M = object(103, 1, {D, Q}, "M");

    SegmentDrive()
    {
        drive(D, seg);
        t.anim_steps() = 4;
    }
    void step(int s)
    {
        t.anim_step() = s;
        animation.animator.animation_step();
    }
    void tick() { animation.animator.ev_timer(kAnimationTimer); }
};

inline std::string output_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_OUTPUT) + "/" + file;
}

}  // namespace anim_test
