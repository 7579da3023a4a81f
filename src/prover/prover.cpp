#include "prover/prover.h"

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "prover/constant_roots.h"
#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/time_alarm.h"

std::array<Pro_point, kProPointCount> g_pro_points;
std::int32_t g_npoints = 0;
Gdd_cond g_concl;
xterm* g_concl_lhs = nullptr;
xterm* g_concl_rhs = nullptr;
std::optional<std::string> g_concl_written;
Gdd_cond g_fact;
std::array<Coord_pair, kProPointCount> g_pairs;
std::vector<ParseFact> g_parse_facts;

std::int32_t g_method = kMethodDatabase;
std::int32_t g_timelimit = 60000;
std::uint32_t g_timing = 0;
std::uint32_t g_tstart = 0;
std::uint8_t g_abort = 0;
std::int32_t g_result = 0;
std::int32_t g_time = -1;
std::int32_t g_maxterm = 0;
std::uint8_t g_maxterm_on = 1;
std::ostream* g_outfile = nullptr;
std::string g_example;
std::uint8_t g_latex = 0;
std::uint8_t g_save_latex = 1;
std::uint8_t g_detailed = 0;
std::uint8_t g_trace = 1;

int equation_kind(int no)
{
    if (no < 1 || no > g_npoints || no >= kProPointCount)
        return 0;
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    const int kind = static_cast<int>(r.kind);
    if (r.hyp_predicate)
        return kind;
    switch (kind) {
    case cons_kind::kCircleDefining: return cons_kind::kFreePoint;
    case cons_kind::kReaderMidpoint: return cons_kind::kMidpoint;
    case cons_kind::kReaderOnTline: return cons_kind::kOnTline;
    case cons_kind::kCircleFurther: return cons_kind::kOnCircle;
    case cons_kind::kReaderLineCircle: return cons_kind::kInterLineCircle;
    case cons_kind::kReaderCircleCircle: return cons_kind::kInterCircleCircle;
    case cons_kind::kReaderCentre: return cons_kind::kCircumcenter;
    default: return kind;
    }
}

void Pro_point::clear()
{
    kind = cons_kind::kEmpty;
    name.clear();
    pots.fill(0);
    hyp_predicate = false;
    generated = false;
    written.clear();
}

// ---- output ---------------------------------------------------------------

namespace {

ProverSink& sink()
{
    static ProverSink s;
    return s;
}

ClearSink& clear_sink()
{
    static ClearSink c;
    return c;
}

}  // namespace

std::string& prover_output()
{
    static std::string text;
    return text;
}

void set_gprint_sink(ProverSink s) { sink() = std::move(s); }
void clear_gprint_sink() { sink() = nullptr; }

void set_clear_sink(ClearSink c) { clear_sink() = std::move(c); }

void clear_prover_window()
{
    if (clear_sink())
        clear_sink()();
    else
        prover_output().clear();
}

void gprint(std::string_view text)
{
    if (g_outfile) {
        g_outfile->write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    if (sink())
        sink()(text);
    else
        prover_output().append(text);
}

void gerror(std::string_view what)
{
    gprint("\r\n Sytax error: \r\n");
    gprint(what);
    gprint("\r\n\r\n");
    g_npoints = 0;
    g_abort = 1;
}

std::string fmt(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

GprintCapture::GprintCapture() : previous_(sink()), previous_clear_(clear_sink())
{
    sink() = [this](std::string_view t) { text_.append(t); };
    clear_sink() = [this] { text_.clear(); };
}

GprintCapture::~GprintCapture()
{
    sink() = std::move(previous_);
    clear_sink() = std::move(previous_clear_);
}

// ---- time limit -----------------------------------------------------------

void prover_fatal(const std::string& msg)
{
    gprint(msg);
    gprint("\r\n");
    throw ProverAbort(msg);
}

namespace {

ProverClock& clock_fn()
{
    static ProverClock c;
    return c;
}

std::atomic<bool>& stop_requested()
{
    static std::atomic<bool> requested{false};
    return requested;
}

std::uint32_t steady_ms()
{
    using namespace std::chrono;
    static const auto origin = steady_clock::now();
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now() - origin).count());
}

TimeAlarm& time_alarm()
{
    static TimeAlarm alarm;
    static const int fork_aware = pthread_atfork(nullptr, nullptr, [] { alarm.after_fork(); });
    (void)fork_aware;
    return alarm;
}

TimeCheckClock check_clock = steady_ms;

}  // namespace

std::uint32_t prover_clock_ms() { return clock_fn() ? clock_fn()() : steady_ms(); }

void set_prover_clock(ProverClock c) { clock_fn() = std::move(c); }

void set_time_check_clock(TimeCheckClock clock)
{
    check_clock = clock ? clock : steady_ms;
    time_alarm().forget();  // it was set on the other clock's scale
}

void ring_time_alarm() { time_alarm().ring(); }

void request_prover_stop() { stop_requested().store(true, std::memory_order_relaxed); }

void withdraw_prover_stop() { stop_requested().store(false, std::memory_order_relaxed); }

namespace {

// Whether the run is past its limit.
bool past_the_limit()
{
    if (clock_fn()) {
        // Unsigned difference survives a wrap of the millisecond counter.
        const auto elapsed = static_cast<std::int64_t>(clock_fn()() - g_tstart);
        return elapsed > g_timelimit;
    }
    // The clock is read when the alarm rang and once a run to set it.
    TimeAlarm& alarm = time_alarm();
    if (!alarm.needs_look(g_tstart, g_timelimit))
        return false;
    const auto elapsed = static_cast<std::int64_t>(check_clock() - g_tstart);
    if (elapsed > g_timelimit)
        return true;
    alarm.set(g_tstart, g_timelimit, std::chrono::milliseconds(g_timelimit + 1 - elapsed));
    return false;
}

}  // namespace

void check_time()
{
    if (g_timing == 0)
        return;
    // Only inside the timed run, where the dispatcher catches what is thrown.
    if (stop_requested().load(std::memory_order_relaxed))
        prover_fatal("The proof was stopped.");
    if (past_the_limit())
        throw TTIME{g_timing, g_tstart};
}

void start_proof_clock()
{
    g_tstart = prover_clock_ms();
    g_timing = 1;
    g_terms_walked = 0;
}

bool prover_run_ending() noexcept
{
    if (g_timing == 0)
        return false;
    try {
        return stop_requested().load(std::memory_order_relaxed) || past_the_limit();
    } catch (...) {
        return true;  // a clock that fails (as tests make it) ends the run at the next check
    }
}

// ---- life cycle -----------------------------------------------------------

namespace {

using HookTable = std::map<std::pair<int, std::string>, std::function<void()>>;

HookTable& hooks()
{
    static HookTable h;
    return h;
}

}  // namespace

void add_prover_reset_hook(ResetStage stage, std::string key, std::function<void()> fn)
{
    hooks()[{static_cast<int>(stage), std::move(key)}] = std::move(fn);
}

namespace {

// The core's own resets: the polynomial pools, the roots of CONSTANT
// equations and the reader's facts. The
// other layers register theirs where their tables are defined.
void ensure_default_hooks()
{
    static const bool wired = [] {
        add_prover_reset_hook(ResetStage::Polynomials, "prover.pools", init_pools);
        add_prover_reset_hook(ResetStage::Polynomials, "prover.constant_roots", clear_constant_roots);
        add_prover_reset_hook(ResetStage::FactDatabase, "prover.parse_facts", [] { g_parse_facts.clear(); });
        return true;
    }();
    (void)wired;
}

}  // namespace

void run_prover_reset_stage(ResetStage stage)
{
    ensure_default_hooks();
    for (auto& [key, fn] : hooks())
        if (key.first == static_cast<int>(stage) && fn)
            fn();
}

void prover_init()
{
    g_example = "example";
    for (auto& p : g_pro_points) {
        p.clear();
        p.ps = {nullptr, nullptr};
        p.rot.clear();
    }
    g_pairs.fill(Coord_pair{});
    g_trace = 0;
    g_concl.type = concl_kind::kEmpty;
    g_concl.obj = nullptr;
    g_abort = 0;
}

void prover_reset()
{
    ensure_default_hooks();
    prover_init();
    for (auto& [key, fn] : hooks())
        if (fn)
            fn();
    g_method = kMethodDatabase;
    g_outfile = nullptr;
    g_npoints = 0;
    g_concl.type = concl_kind::kNone;
    g_concl.p.fill(0);
    g_concl_lhs = nullptr;
    g_concl_rhs = nullptr;
    g_concl_written.reset();
    g_abort = 0;
    g_trace = 0;
    g_save_latex = 1;
    g_maxterm_on = 1;
}

std::string fname_part(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void trace_str(std::string_view text)
{
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
}
