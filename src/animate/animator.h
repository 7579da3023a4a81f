#pragma once
// The animation of a drawing: driving points moved step by step along their
// segments, circles or the self-drawn trace by the window's timer, the loci
// sampled during the first cycle, function graphs, and the Animation menu.

#include <optional>
#include <string>
#include <vector>

#include "animate/animation_host.h"
#include "animate/computation.h"
#include "model/object_types.h"

// The animation commands and the internal ids of Dchild::CmAnimation.
namespace anim_id {
inline constexpr int kPreset = -1;
inline constexpr int kStop = 0;
inline constexpr int kLocusFirstPick = 24;
inline constexpr int kLocusSecondPick = 25;
inline constexpr int kGraphQuantity = -1234;
inline constexpr int kDeleteAllLoci = 220;
inline constexpr int kDeleteLastLocus = 225;
inline constexpr int kSelectDriver = 238;
inline constexpr int kDeleteLastDriver = 239;
inline constexpr int kStart = 420;
inline constexpr int kCreateDriver = 422;
inline constexpr int kTraceCircle = 423;
inline constexpr int kTraceLine = 424;
inline constexpr int kTraceSelfDrawn = 425;
inline constexpr int kLocusPoint = 426;
inline constexpr int kInterval = 427;
inline constexpr int kLocusLine = 428;
inline constexpr int kLocusCircle = 429;
inline constexpr int kDriverSpeed = 430;
inline constexpr int kSteps = 431;
inline constexpr int kFunctionGraph = 461;
}  // namespace anim_id

// Modes (action states) of the animation.
namespace anim_mode {
inline constexpr int kDriverPick = 23;
inline constexpr int kLocusFirst = 24;
inline constexpr int kLocusSecond = 25;
inline constexpr int kRunning = astate::kAnimation;
inline constexpr int kGraphQuantity = -1234;
inline constexpr int kDriverSelect = 238;
inline constexpr int kSelfTrace = 405;
}  // namespace anim_mode

inline constexpr int kAnimationTimer = 1;
inline constexpr int kMaxDrivers = 8;
inline constexpr int kDefaultSteps = 400;
// Bounds of what the speed, interval and steps commands accept.
inline constexpr int kMaxInterval = 1000;
inline constexpr int kMinSteps = 10;
inline constexpr int kMaxSteps = 10000;
inline constexpr int kMaxSpeed = 100;
// A self-drawn trace keeps at most this many nodes.
inline constexpr std::size_t kMaxTraceNodes = 100000;
// Line and circle loci take a sample every this many steps.
inline constexpr int kLineSampleEvery = 10;

class Animator {
public:
    Animator(AnimationHost& host, Computation& computation) : host_(host), computation_(computation) {}

    void cm_animation(int id);
    // A tick of the window's timer `id`.
    void ev_timer(int id);
    // One step: every driving point to the step held in record 12, the
    // diagram re-solved without painting, the loci sampled while recording.
    void animation_step();
    // A replay of the loci out of sight begins: the points a step must
    // re-solve for the samples and the computation list are found once, and
    // until end_replay each step re-solves only those and paints nothing.
    void begin_replay();
    void end_replay();
    // The self-drawn trace: phase 1 press, 2 move, 3 release.
    void trace_mouse(int phase, DevPoint point);

    void draw_driving_points(DeviceContext& dc);
    void draw_loci(DeviceContext& dc);

    bool running() const { return running_; }
    // The window goes away: nothing of the animation is left running or held.
    void release();

private:
    void reset();
    void start();
    void stop();
    void paint_frame();
    void sample_loci(int step);
    // The objects the samples, the driving points' moves and the computation
    // list read.
    std::vector<int> replay_roots();
    // The picked driving point moved, and what the replay needs re-solved;
    // the quantities are evaluated on `nothing`, which draws nothing.
    void replay_move(DeviceContext& nothing);
    void choose_locus_kind(int id);
    void pick_locus_first();
    void pick_locus_second();
    void pick_graph_quantity();
    void delete_all_loci();
    void delete_last_locus();
    void select_driver();
    void delete_last_driver();
    void choose_trace(int construction);
    void choose_self_drawn_trace();
    void ask_interval();
    void ask_speed();
    void ask_steps();
    void loci_changed();
    std::optional<int> ask_integer(int prompt_id, int current, int low, int high);
    bool current_driver_valid();
    bool self_trace_in_use();

    AnimationHost& host_;
    Computation& computation_;
    bool running_ = false;
    // The point whose self-drawn trace is being drawn; 0 when none.
    int tracing_point_ = 0;
    // While the loci are replayed: the points each step re-solves, in table order.
    std::optional<std::vector<int>> replay_points_;
};
