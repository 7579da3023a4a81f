// The Animation menu and the picks of driving points, loci and function graphs.

#include "animate/animator.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "animate/animate_strings.h"
#include "animate/driver_paths.h"
#include "model/adding.h"
#include "model/object_types.h"
#include "paint/loci.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"

namespace {

bool is_point(const ObjectTable& t, int i)
{
    return i >= rec::kFirstObject && t.contains(i) && t.get(i).cls == oclass::kPoint;
}

std::string titled(int word_id, std::string_view name, bool open_slot)
{
    return load_string(word_id) + ": " + std::string(name) + (open_slot ? " #" : "");
}

std::string format_range(int low, int high)
{
    const std::string pattern = load_string(asid::kIntegerRange);
    const int n = std::snprintf(nullptr, 0, pattern.c_str(), low, high);
    std::string text(static_cast<std::size_t>(std::max(n, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), low, high);
    text.resize(static_cast<std::size_t>(std::max(n, 0)));
    return text;
}

int locus_prompt(int kind)
{
    switch (kind) {
    case anim_id::kLocusPoint: return asid::kSelectLocusPoint;
    case anim_id::kLocusLine: return asid::kSelectLocusLine;
    case anim_id::kLocusCircle: return asid::kSelectLocusCircle;
    default: return asid::kSelectAxis;
    }
}

}  // namespace

bool Animator::current_driver_valid()
{
    ObjectTable& t = host_.table();
    const int k = t.current_driver();
    return k >= 0 && k <= std::min(t.last_driver(), kMaxDrivers - 1);
}

void Animator::cm_animation(int id)
{
    ObjectTable& t = host_.table();
    // A menu command ends a running animation before it changes anything.
    const bool internal = id == anim_id::kPreset || id == anim_id::kStop || id == anim_id::kStart ||
                          id == anim_id::kLocusFirstPick || id == anim_id::kLocusSecondPick ||
                          id == anim_id::kGraphQuantity;
    if (!internal && (running_ || t.action_state() == anim_mode::kRunning))
        stop();

    switch (id) {
    case anim_id::kPreset: reset(); break;
    case anim_id::kStop:
        if (running_ || t.action_state() == anim_mode::kRunning)
            stop();
        break;
    case anim_id::kLocusFirstPick: pick_locus_first(); break;
    case anim_id::kLocusSecondPick: pick_locus_second(); break;
    case anim_id::kGraphQuantity: pick_graph_quantity(); break;
    case anim_id::kDeleteAllLoci: delete_all_loci(); break;
    case anim_id::kDeleteLastLocus: delete_last_locus(); break;
    case anim_id::kSelectDriver: select_driver(); break;
    case anim_id::kDeleteLastDriver: delete_last_driver(); break;
    case anim_id::kStart: start(); break;
    case anim_id::kCreateDriver:
        t.pending_command() = anim_id::kCreateDriver;
        t.action_state() = anim_mode::kDriverPick;
        host_.set_status(1, load_string(asid::kSelectDrivers));
        host_.set_status(3, load_string(asid::kDrivingPointTitle));
        break;
    case anim_id::kTraceCircle: choose_trace(otype::kCircle); break;
    case anim_id::kTraceLine: choose_trace(otype::kSegment); break;
    case anim_id::kTraceSelfDrawn: choose_self_drawn_trace(); break;
    case anim_id::kLocusPoint:
    case anim_id::kLocusLine:
    case anim_id::kLocusCircle:
    case anim_id::kFunctionGraph: choose_locus_kind(id); break;
    case anim_id::kInterval: ask_interval(); break;
    case anim_id::kDriverSpeed: ask_speed(); break;
    case anim_id::kSteps: ask_steps(); break;
    default: break;
    }
}

void Animator::reset()
{
    if (running_) {
        host_.stop_timer();
        running_ = false;
        host_.draw_action(2);
        host_.draw_action(4);
    }
    tracing_point_ = 0;
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    t.anim_step() = 0;
    t.anim_steps() = kDefaultSteps;
    t.anim_interval() = 1;
    t.last_driver() = -1;
    t.current_driver() = -1;
    t.last_locus() = -1;
    for (auto& samples : d.locus_lists)
        samples.clear();
    d.self_trace.clear();
    d.self_trace.shrink_to_fit();
    d.trace_cursor = 0;
}

void Animator::release()
{
    running_ = false;
    tracing_point_ = 0;
    Diagram& d = host_.diagram();
    for (auto& samples : d.locus_lists) {
        samples.clear();
        samples.shrink_to_fit();
    }
}

void Animator::start()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    if (running_ || t.action_state() == anim_mode::kRunning)
        return;
    const int last = std::min(t.last_driver(), kMaxDrivers - 1);
    if (last < 0)
        return;
    bool moves = false;
    for (int k = 0; k <= last; ++k)
        moves = moves || path_position(t, k, 0).has_value() ||
                (t.driver_path(k) == rec::kSelfTraceMarker && !d.self_trace.empty());
    if (!moves) {
        host_.set_status(1, load_string(asid::kNoTrace));
        return;
    }
    host_.draw_action(0);
    // The loci are recorded anew, from the head of the self-drawn trace.
    for (auto& samples : d.locus_lists)
        samples.clear();
    d.trace_cursor = 0;
    t.anim_step() = 0;
    t.anim_recording() = 1;
    t.anim_direction() = 1;
    host_.draw_action(3);
    host_.draw_action(1);
    t.pending_command() = anim_id::kStart;
    t.action_state() = anim_mode::kRunning;
    host_.set_status(1, load_string(asid::kStopPrompt));
    host_.set_status(3, load_string(asid::kAnimationTitle));
    running_ = true;
    host_.start_timer(std::clamp<int>(t.anim_interval(), 1, kMaxInterval));
}

void Animator::stop()
{
    ObjectTable& t = host_.table();
    // The timer goes first, so no tick runs on what is released below.
    host_.stop_timer();
    running_ = false;
    host_.draw_action(2);
    host_.draw_action(4);
    if (t.action_state() == anim_mode::kRunning)
        t.action_state() = 0;
    if (t.pending_command() == anim_id::kStart)
        t.pending_command() = 0;
    host_.invalidate();
}

void Animator::choose_locus_kind(int id)
{
    ObjectTable& t = host_.table();
    t.pending_command() = id;
    t.action_state() = anim_mode::kLocusFirst;
    host_.set_status(1, load_string(locus_prompt(id)));
    host_.set_status(3, "");
}

void Animator::pick_locus_first()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int kind = t.pending_command();
    if (kind != anim_id::kLocusPoint && kind != anim_id::kLocusLine && kind != anim_id::kLocusCircle &&
        kind != anim_id::kFunctionGraph)
        return;
    // Eight loci fill the lists; a ninth is refused and the count stays.
    if (t.last_locus() >= kMaxLoci - 1) {
        t.action_state() = 0;
        host_.set_status(1, load_string(asid::kTooManyLoci));
        return;
    }
    const int picked = t.picked_index();
    if (picked < rec::kFirstObject || !t.contains(picked))
        return;
    const Dpoint& o = t.get(picked);
    // A line or circle locus may be picked as the object itself.
    const bool whole = (kind == anim_id::kLocusLine && o.type == otype::kSegment) ||
                       (kind == anim_id::kLocusCircle && o.type == otype::kCircle);
    if (!whole && o.cls != oclass::kPoint)
        return;

    const int k = std::max(t.last_locus(), -1) + 1;
    t.last_locus() = k;
    t.locus_kind(k) = kind;
    t.locus_object(k) = picked;
    t.locus_second(k) = 0;
    d.locus_lists[k].clear();
    const std::string_view name = o.name_view();
    if (kind == anim_id::kLocusPoint) {
        host_.set_status(3, titled(asid::kPoint, name, false));
        t[picked].colour = kRed;
        if (DeviceContext* dc = host_.mouse_dc())
            draw_loci(*dc);
        t.action_state() = anim_mode::kLocusFirst;
        host_.invalidate();
    } else if (whole) {
        host_.set_status(3, titled(kind == anim_id::kLocusLine ? asid::kLine : asid::kCircle, name, false));
        t.action_state() = anim_mode::kLocusFirst;
        host_.invalidate();
    } else if (kind == anim_id::kLocusCircle) {
        host_.set_status(3, titled(asid::kCircle, name, true));
        t.action_state() = anim_mode::kLocusSecond;
        host_.set_status(1, load_string(asid::kLocusCirclePoint));
    } else {
        host_.set_status(3, titled(asid::kLine, name, true));
        t.action_state() = anim_mode::kLocusSecond;
    }
}

void Animator::pick_locus_second()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int k = t.last_locus();
    if (k < 0 || k >= kMaxLoci)
        return;
    const int first = t.locus_object(k);
    const int second = t.picked_index();
    if (!is_point(t, first) || !is_point(t, second) || first == second)
        return;
    const Dpoint proto = d.pending;
    switch (t.locus_kind(k)) {
    case anim_id::kLocusLine:
        if (const int segment = add_segment(d, 1, first, second, proto); segment > 0) {
            t.locus_object(k) = segment;
            t.action_state() = anim_mode::kLocusFirst;
            host_.set_status(1, load_string(asid::kSelectLocusLine));
        }
        break;
    case anim_id::kLocusCircle:
        if (const int circle = add_circle(d, 1, first, second, proto); circle > 0) {
            t.locus_object(k) = circle;
            t.action_state() = anim_mode::kLocusFirst;
            host_.set_status(1, load_string(asid::kSelectLocusCircle));
        }
        break;
    case anim_id::kFunctionGraph:
        if (const int axis = add_segment(d, 1, first, second, proto); axis > 0) {
            t.locus_object(k) = axis;
            t.locus_second(k) = -1;
            t.action_state() = anim_mode::kGraphQuantity;
            host_.set_status(1, load_string(asid::kSelectExpression));
        }
        break;
    default: return;
    }
    host_.invalidate();
}

void Animator::pick_graph_quantity()
{
    ObjectTable& t = host_.table();
    const int k = t.last_locus();
    if (k < 0 || k >= kMaxLoci || t.locus_kind(k) != anim_id::kFunctionGraph)
        return;
    int last = last_entry(t);
    // The expression still being built cannot be graphed yet.
    if (computation_.expression_open())
        --last;
    if (last < 0) {
        t.locus_second(k) = -1;
        t.action_state() = 0;
        host_.set_status(1, load_string(asid::kNoExpression));
        return;
    }
    const int row = list_row(t.mouse_y());
    if (row < 0 || row > last)
        return;
    t.locus_second(k) = row;
    t.action_state() = 0;
    host_.set_status(1, "");
    host_.invalidate();
}

void Animator::delete_all_loci()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    for (int k = 0; k < kMaxLoci; ++k) {
        t.locus_object(k) = 0;
        t.locus_second(k) = 0;
        t.locus_kind(k) = 0;
        d.locus_lists[k].clear();
    }
    t.last_locus() = -1;
    if (t.action_state() == anim_mode::kLocusSecond || t.action_state() == anim_mode::kGraphQuantity)
        t.action_state() = 0;
    host_.invalidate();
}

void Animator::delete_last_locus()
{
    Diagram& d = host_.diagram();
    ObjectTable& t = d.table;
    const int k = std::min(t.last_locus(), kMaxLoci - 1);
    if (k < 0)
        return;
    t.locus_object(k) = 0;
    t.locus_second(k) = 0;
    t.locus_kind(k) = 0;
    d.locus_lists[k].clear();
    t.last_locus() = k - 1;
    if (t.action_state() == anim_mode::kLocusSecond || t.action_state() == anim_mode::kGraphQuantity)
        t.action_state() = 0;
    host_.invalidate();
}

void Animator::select_driver()
{
    ObjectTable& t = host_.table();
    const int last = std::min(t.last_driver(), kMaxDrivers - 1);
    if (last < 0)
        return;
    t.current_driver() = std::clamp<int>(t.current_driver(), 0, last);
    t.pending_command() = anim_id::kSelectDriver;
    t.action_state() = anim_mode::kDriverSelect;
    host_.set_status(1, load_string(asid::kStepDrivers));
    host_.invalidate();
}

void Animator::delete_last_driver()
{
    ObjectTable& t = host_.table();
    const int k = std::min(t.last_driver(), kMaxDrivers - 1);
    if (k < 0)
        return;
    t.driver_point(k) = 0;
    t.driver_path(k) = 0;
    t.driver_speed(k) = 0;
    t.last_driver() = k - 1;
    t.current_driver() = std::min<int>(t.current_driver(), k - 1);
    if (t.last_driver() < 0 && t.action_state() == anim_mode::kDriverSelect) {
        t.action_state() = 0;
        t.pending_command() = 0;
    }
    host_.invalidate();
}

void Animator::choose_trace(int construction)
{
    ObjectTable& t = host_.table();
    if (!current_driver_valid()) {
        host_.set_status(1, load_string(asid::kNoCurrentDriver));
        return;
    }
    // The segment or circle drawn next becomes the current driving point's trace.
    host_.cons_mode_cmd(construction);
    t.outer_mode() = anim_mode::kRunning;
}

void Animator::choose_self_drawn_trace()
{
    ObjectTable& t = host_.table();
    if (!current_driver_valid()) {
        host_.set_status(1, load_string(asid::kNoCurrentDriver));
        return;
    }
    t.driver_path(t.current_driver()) = rec::kSelfTraceMarker;
    t.pending_command() = anim_id::kTraceSelfDrawn;
    t.action_state() = anim_mode::kSelfTrace;
    host_.set_status(1, load_string(asid::kSelfDrawnPrompt));
    host_.set_status(3, load_string(asid::kSelfDrawnTitle));
}

std::optional<int> Animator::ask_integer(int prompt_id, int current, int low, int high)
{
    InputDialog* input = host_.input();
    if (!input)
        return std::nullopt;
    const auto answer = input->ask(load_string(asid::kAnimationTitle), load_string(prompt_id),
                                   std::to_string(current), 9);
    if (!answer)
        return std::nullopt;
    const std::string& text = *answer;
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    int value = 0;
    bool ok = first != std::string::npos;
    if (ok) {
        const char* begin = text.data() + first;
        const char* end = text.data() + last + 1;
        const auto [ptr, ec] = std::from_chars(begin, end, value);
        ok = ec == std::errc() && ptr == end && value >= low && value <= high;
    }
    if (!ok) {
        if (MessageBoxes* boxes = host_.message_boxes())
            boxes->ok(load_string(asid::kError), format_range(low, high), MessageIcon::Warning);
        return std::nullopt;
    }
    return value;
}

void Animator::ask_interval()
{
    ObjectTable& t = host_.table();
    if (const auto v = ask_integer(asid::kIntervalPrompt, t.anim_interval(), 1, kMaxInterval))
        t.anim_interval() = *v;
}

void Animator::loci_changed()
{
    ObjectTable& t = host_.table();
    t.recompute() = 1;
    t.placing() = 0;
    t.dragged_index() = 0;
    t.state_label_style() = 0;
    recompute_loci(host_.diagram());
    host_.invalidate();
}

void Animator::ask_speed()
{
    ObjectTable& t = host_.table();
    if (!current_driver_valid()) {
        host_.set_status(1, load_string(asid::kNoCurrentDriver));
        return;
    }
    const int k = t.current_driver();
    if (const auto v = ask_integer(asid::kSpeedPrompt, t.driver_speed(k), -kMaxSpeed, kMaxSpeed)) {
        t.driver_speed(k) = *v;
        loci_changed();
    }
}

void Animator::ask_steps()
{
    ObjectTable& t = host_.table();
    if (const auto v = ask_integer(asid::kStepsPrompt, t.anim_steps(), kMinSteps, kMaxSteps)) {
        t.anim_steps() = *v;
        loci_changed();
    }
}
