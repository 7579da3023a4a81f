#pragma once
// The prover's global tables and the services every proving method uses:
// the point table of construction records, the conclusion record, the prover
// flags, the output path gprint, the error report gerror and the time limit.
// All of it is plain global state used by one thread at a time: the GUI
// thread, or the thread a proof runs on while it runs.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "prover/conclusion_kinds.h"
#include "prover/construction_kinds.h"
#include "prover/gdd_cond.h"
#include "prover/methods.h"

struct xterm;  // polynomial node (prover/poly.h)

// Longest name a user may give a point; generated names may be longer.
constexpr std::size_t kMaxUserNameLength = 9;
// Records in the point table; record 0 is never used, so 99 points fit.
constexpr int kProPointCount = 100;
constexpr int kMaxProPoints = kProPointCount - 1;

// One construction record of a statement.
struct Pro_point {
    std::uint32_t kind = 0;            // cons_kind (command id numbering), kEmpty = empty
    std::uint32_t aux = 0;             // drawing's object index when taken from a drawing
    std::string name;                  // user names hold at most 9 characters; generated ones more
    std::array<std::uint32_t, 8> pots{};  // argument point indices, 0 = none
    // The ratio kinds (kLratio .. kRatioUnused) and kConstant keep two polynomials.
    std::array<xterm*, 2> ps{nullptr, nullptr};
    // The line the record was read from, for showing the statement, where its
    // fields do not give the line back: a ratio or CONSTANT line with its
    // values as written, a construction the reader rewrote for the method,
    // a CIRCLE line (on its first point). Its tokens, blank-separated,
    // without the ";" (a ratio line keeps its ";", which it may lack);
    // empty for other records.
    std::string written;
    std::string rot;                   // kNrotate: rotation angle in degrees as text (<= 15 chars)
    std::uint32_t x = 0;               // coordinate handles, unused
    std::uint32_t y = 0;
    // A predicate written among the hypotheses (COLLINEAR, PARALLEL, ...): the
    // record is named "x", its kind (cons_kind::kHyp...) says which predicate and its
    // pots are the predicate's points; it constructs no point.
    bool hyp_predicate = false;
    // A point the reader added for a method (a centre, a midpoint, a foot)
    // that the statement itself does not name.
    bool generated = false;

    // Back to the empty record (kind 0, no name, no points, no predicate, no written
    // line); the polynomial slots are only forgotten, their owner frees them.
    void clear();
};

// The kind whose equations and numeric figure record no takes: the
// reader's auxiliary records for circles and rewritten lines (points,
// centres, intersections) speak like the constructions they stand for; 0
// outside records 1 .. g_npoints.
int equation_kind(int no);

// A per-point pair of coordinate polynomials (x slot, y slot).
struct Coord_pair {
    xterm* x = nullptr;
    xterm* y = nullptr;
};

// ---- tables -------------------------------------------------------------
extern std::array<Pro_point, kProPointCount> g_pro_points;
extern std::int32_t g_npoints;
extern Gdd_cond g_concl;         // the statement's conclusion (kind in .type)
extern xterm* g_concl_lhs;       // sides of an equation conclusion (concl_kind::kEquation)
extern xterm* g_concl_rhs;
// The conclusion after "SHOW:" as the statement wrote it, like
// Pro_point::written, where the conclusion record does not give it back: an
// equation, or nothing at all (which reads as "NO"). None for other
// conclusions and for statements not read from a text.
extern std::optional<std::string> g_concl_written;
extern Gdd_cond g_fact;          // the fact the user searches for in the database
extern std::array<Coord_pair, kProPointCount> g_pairs;

// ---- prover globals -----------------------------------------------------
extern std::int32_t g_method;       // kMethodArea .. kMethodVector
extern std::int32_t g_timelimit;    // maximal proof time in ms; survives reopening
extern std::uint32_t g_timing;      // 1 while a proof is timed
extern std::uint32_t g_tstart;      // prover_clock_ms() when the proof started
extern std::uint8_t g_abort;        // set by gerror: every later step stops
extern std::int32_t g_result;       // 0 none, 1 true, -1 false, else not solved
// g_result of a proof that ended without deciding (time-out, abort, the
// database method not reaching the conclusion).
constexpr std::int32_t kResultNotSolved = 2;
extern std::int32_t g_time;         // proving time in ms, -1 none
extern std::int32_t g_maxterm;      // largest polynomial met (terms), <=0 none
extern std::uint8_t g_maxterm_on;
extern std::ostream* g_outfile;     // while set, gprint writes here (LaTeX file)
extern std::string g_example;       // base name of the LaTeX proof file
extern std::uint8_t g_latex;
extern std::uint8_t g_save_latex;
extern std::uint8_t g_detailed;
extern std::uint8_t g_trace;

// ---- output -------------------------------------------------------------
using ProverSink = std::function<void(std::string_view)>;

// Where gprint writes while no g_outfile is set (the prover window). With no
// sink installed the text is appended to an internal string (see
// prover_output()), which is what the tests and the bench read.
void set_gprint_sink(ProverSink sink);
void clear_gprint_sink();
std::string& prover_output();

// Empties the prover window (the Prove command, the input help and some
// window commands start from an empty window). The window installs its own
// clear operation; without one the internal string is emptied.
using ClearSink = std::function<void()>;
void set_clear_sink(ClearSink clear);
void clear_prover_window();

void gprint(std::string_view text);
// " Sytax error: " heading, then what; empties the statement and sets g_abort.
void gerror(std::string_view what);

// printf-style formatting into a std::string (replaces the shared message buffer).
std::string fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Collects gprint output for its lifetime (tests, the bench); clearing the
// prover window empties what it collected.
class GprintCapture {
public:
    GprintCapture();
    ~GprintCapture();
    GprintCapture(const GprintCapture&) = delete;
    GprintCapture& operator=(const GprintCapture&) = delete;
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
    ProverSink previous_;
    ClearSink previous_clear_;
};

// ---- time limit ----------------------------------------------------------
// Thrown by the time check when a timed proof ran past g_timelimit.
struct TTIME {
    std::uint32_t timing = 0;
    std::uint32_t tstart = 0;
};

// Thrown instead of ending the process when a table or pool overflows or a
// record is inconsistent; the message has already gone through gprint.
class ProverAbort : public std::runtime_error {
public:
    explicit ProverAbort(const std::string& what) : std::runtime_error(what) {}
};

// Thrown when the run outgrows the prover's memory budget.
class ProverOutOfMemory : public ProverAbort {
public:
    ProverOutOfMemory() : ProverAbort("run out of memory.") {}
};

// Prints msg (followed by a line break) through gprint and throws ProverAbort.
[[noreturn]] void prover_fatal(const std::string& msg);

// Monotonic milliseconds; replaceable so that tests control time.
using ProverClock = std::function<std::uint32_t()>;
std::uint32_t prover_clock_ms();
void set_prover_clock(ProverClock clock);  // empty function = steady_clock
// Without an injected clock the time check reads the clock only when an
// alarm set at the run's deadline rang (prover/time_alarm.h), and once a run
// to set it; tests replace that clock and ring the alarm themselves.
using TimeCheckClock = std::uint32_t (*)();
void set_time_check_clock(TimeCheckClock clock);  // null = steady_clock
void ring_time_alarm();
// Throws TTIME when g_timing is set and more than g_timelimit ms have passed
// since g_tstart, at the first check after the deadline; while g_timing is
// set, a stop request ends the run there too (ProverAbort "The proof was
// stopped.").
void check_time();
// Whether check_time would end the run now (without throwing it): for walks
// that must not throw, such as giving back polynomials from destructors.
bool prover_run_ending() noexcept;
// Walks over single terms (copying, counting, degrees, content, division by
// a constant, giving back) can take seconds on large polynomials and call no
// sum or product; they look at the clock every so many terms, counted here at
// the cost of one increment. Every run counts afresh (start_proof_clock), so
// that it looks at the clock at the same steps whatever ran before it.
inline unsigned g_terms_walked = 0;
inline bool term_walk_looks()
{
    constexpr unsigned kTermsPerLook = 256;
    return ++g_terms_walked % kTermsPerLook == 0;
}
inline void check_time_per_term()
{
    if (term_walk_looks())
        check_time();
}
// Starts the clock of a run: g_tstart now, g_timing set, the walked terms
// counted afresh.
void start_proof_clock();
// A proof running on a thread of its own is stopped from another thread: the
// request is seen at the proof's next time check. Safe from any thread; the
// request stays until it is withdrawn, which the one who runs proofs does
// before and after each run.
void request_prover_stop();
void withdraw_prover_stop();

// ---- memory budget --------------------------------------------------------
// Bytes the prover's pools and growing tables may hold together during one
// run: the least of a quarter of the machine's memory and the room the
// address-space and container limits leave (prover/memory_budget.h).
std::size_t prover_memory_budget();
void set_prover_memory_budget(std::size_t bytes);  // 0 restores the default
// Each pool or table that grows during a run reports the bytes it holds
// (registering a key twice replaces the earlier function).
void add_prover_memory_holder(std::string key, std::function<std::size_t()> bytes_held);
// Asked before a pool or table takes `more` bytes: whether they fit in the
// budget beside what all holders hold. Throws std::bad_alloc where a test
// made this growth fail.
bool prover_memory_allows(std::size_t more);
// Ends the run: prints "run out of memory." into the window and throws
// ProverOutOfMemory. The caller's structures stay valid; the dispatcher gives
// them back.
[[noreturn]] void prover_out_of_memory();
// The text of that end.
inline constexpr std::string_view kOutOfMemoryText = "\r\nrun out of memory.\r\n";

// Tests: counts growths from now, and makes the nth of them (0: none) fail,
// as on an exhausted system (std::bad_alloc) or past the budget, so that a
// test can end any method where it allocates.
enum class GrowthFailure { System, Budget };
void fail_prover_growth_at(std::size_t nth, GrowthFailure how = GrowthFailure::System);
// Growths asked since the last fail_prover_growth_at.
std::size_t prover_growth_count();

// ---- life cycle ----------------------------------------------------------
// Reset stages of the prover's parts, run by prover_reset in this order. The
// core resets its own pools and the reader's facts; every layer above
// registers the resets of its tables where they are defined, so the core
// never calls up into them.
enum class ResetStage { Polynomials = 0, Equations = 1, FactDatabase = 2 };
// Registers fn to run at each prover_reset in stage `stage`. Registering the
// same key twice replaces the earlier function (so re-registration is safe).
void add_prover_reset_hook(ResetStage stage, std::string key, std::function<void()> fn);

// Runs the registered resets of one stage only (the statement reader empties
// the fact database this way before it enters a new statement's facts).
void run_prover_reset_stage(ResetStage stage);

void prover_init();
void prover_reset();

// Part of path after its last '/', or the whole path.
std::string fname_part(std::string_view path);
// Writes text unchanged to standard output.
void trace_str(std::string_view text);
