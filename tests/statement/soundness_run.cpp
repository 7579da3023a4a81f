#include "soundness_run.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <set>

#include "prover/prover.h"
#include "statement/prove.h"
#include "statement/prove_run.h"
#include "statement/tokenizer.h"
#include "support/counted_prover_clock.h"

namespace soundness {
namespace {

constexpr std::string_view kResultMark = "\n@@soundness ";
constexpr int kWallSlackMs = 10000;    // past the time limit before a child counts as hung
constexpr std::size_t kDetailChars = 240;
constexpr int kMinimizeRuns = 40;

std::string tail(const std::string& text, std::size_t n)
{
    std::string t = text.size() > n ? text.substr(text.size() - n) : text;
    for (char& c : t)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    const std::size_t b = t.find_first_not_of(' ');
    return b == std::string::npos ? "" : t.substr(b);
}

// In the child: one Prove of text, its outcome written to fd; never returns.
[[noreturn]] void child_prove(const std::string& text, int method, const RunOptions& options, int fd)
{
    dup2(fd, STDOUT_FILENO);
    dup2(fd, STDERR_FILENO);
    std::string report;
    {
        prover_reset();
        GprintCapture capture;
        g_method = method;
        read_window_statement(text);
        std::string word = "error";
        if (!g_abort && g_npoints > 0) {
            g_method = method;
            g_timelimit = options.time_limit_ms;
            std::optional<CountedProverClock> clock;
            if (options.counted_clock)
                clock.emplace();
            word = std::string(prove_result_word(cmd_prove()));
        }
        report = std::string(kResultMark) + word + "\n" + tail(capture.text(), kDetailChars) + "\n";
    }
    const char* p = report.data();
    std::size_t left = report.size();
    while (left > 0) {
        const ssize_t n = write(fd, p, left);
        if (n <= 0)
            break;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    _exit(0);  // no exit handlers: the leak checker has nothing to say about a child
}

struct Child {
    pid_t pid = -1;
    int fd = -1;
    std::string output;
    std::chrono::steady_clock::time_point start, end;
    bool done = false;
    bool killed = false;
};

Child spawn(const std::string& text, int method, const RunOptions& options)
{
    int fds[2];
    Child c;
    if (pipe(fds) != 0)
        return c;
    std::fflush(nullptr);
    c.start = std::chrono::steady_clock::now();
    c.pid = fork();
    if (c.pid == 0) {
        close(fds[0]);
        child_prove(text, method, options, fds[1]);
    }
    close(fds[1]);
    c.fd = fds[0];
    return c;
}

Outcome finish(Child& c)
{
    int status = 0;
    waitpid(c.pid, &status, 0);
    close(c.fd);
    Outcome o;
    o.ms = std::chrono::duration_cast<std::chrono::milliseconds>(c.end - c.start).count();
    const std::size_t mark = c.output.rfind(kResultMark);
    if (c.killed) {
        o.result = "hang";
        o.message = tail(c.output, kDetailChars);
    } else if (WIFSIGNALED(status)) {
        o.result = "crash";
        o.message = std::string("signal ") + strsignal(WTERMSIG(status)) + ": " + tail(c.output, kDetailChars);
    } else if (mark == std::string::npos || WEXITSTATUS(status) != 0) {
        o.result = "crash";
        o.message = "exit " + std::to_string(WEXITSTATUS(status)) + ": " + tail(c.output, kDetailChars);
    } else {
        const std::string rest = c.output.substr(mark + kResultMark.size());
        const std::size_t eol = rest.find('\n');
        o.result = rest.substr(0, eol);
        o.message = eol == std::string::npos ? "" : tail(rest.substr(eol + 1), kDetailChars);
    }
    return o;
}

// Reads from every running child until each has ended or run past its wall limit.
void wait_all(std::vector<Child*>& running, int wall_ms)
{
    for (;;) {
        std::vector<pollfd> fds;
        std::vector<Child*> who;
        for (Child* c : running)
            if (!c->done) {
                fds.push_back({c->fd, POLLIN, 0});
                who.push_back(c);
            }
        if (fds.empty())
            return;
        poll(fds.data(), fds.size(), 100);
        const auto now = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < fds.size(); ++i) {
            Child& c = *who[i];
            if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buf[4096];
                const ssize_t n = read(c.fd, buf, sizeof buf);
                if (n > 0) {
                    c.output.append(buf, static_cast<std::size_t>(n));
                } else {
                    c.done = true;
                    c.end = now;
                }
            }
            if (!c.done && now - c.start > std::chrono::milliseconds(wall_ms)) {
                kill(c.pid, SIGKILL);
                c.killed = true;
                c.done = true;
                c.end = now;
            }
        }
    }
}

}  // namespace

std::string describe(const Judgement& j)
{
    switch (j.truth) {
    case Truth::Holds: return "the conclusion holds in all " + std::to_string(j.proper_figures) + " proper figures";
    case Truth::Fails: return "the conclusion " + j.why;
    case Truth::Degenerate:
        if (j.coincident_figures == 0)
            return "no proper solution in any figure: " + j.why;
        return "degenerate in every figure: " + j.why + "; there the conclusion " +
               (j.fails_where_coincident ? "fails" : "holds");
    case Truth::Unknown: break;
    }
    return "no clear figure";
}

namespace {

// Points a line or the conclusion mentions.
bool mentions(const Statement& s, std::size_t from, const std::string& name)
{
    auto in = [&](std::string text) {
        for (char& c : text)
            if (c == '(' || c == ')')
                c = ' ';
        return (" " + text + " ").find(" " + name + " ") != std::string::npos;
    };
    for (std::size_t i = from; i < s.lines.size(); ++i)
        for (const auto& a : s.lines[i].args)
            if (a == name)
                return true;
    for (const auto& a : s.conclusion.args)
        if (a == name)
            return true;
    return in(s.conclusion.lhs) || in(s.conclusion.rhs);
}

}  // namespace

const std::vector<Method>& all_methods()
{
    static const std::vector<Method> methods{{"gdd", kMethodDatabase},  {"angle", kMethodFullAngle},
                                             {"area", kMethodArea},     {"vector", kMethodVector},
                                             {"wu", kMethodWu},         {"groebner", kMethodGroebner}};
    return methods;
}

const Method* method_named(const std::string& name)
{
    for (const auto& m : all_methods())
        if (m.name == name)
            return &m;
    return nullptr;
}

std::string fault_of(const Judgement& j, const Outcome& o)
{
    if (o.result == "crash" || o.result == "hang")
        return o.result;
    if (o.late)
        return "over-time";
    if (o.result != "true" && o.result != "false")
        return "";
    const bool said_true = o.result == "true";
    switch (j.truth) {
    case Truth::Degenerate:
        if (j.contradictory)
            return said_true ? "true-on-contradiction" : "false-on-contradiction";
        if (!said_true)
            return "false-on-degenerate";
        if (j.trivial)
            return "true-on-degenerate-trivial-conclusion";
        if (j.coincident_figures == 0)
            return "true-on-ill-posed";
        return j.fails_where_coincident ? "true-on-degenerate" : "true-on-degenerate-holds-there";
    case Truth::Fails:
        if (said_true)
            return j.free_modelled ? "true-with-uninterpreted-construction" : "true-but-fails";
        return "";
    case Truth::Holds:
        if (said_true || j.free_modelled)
            return "";
        return j.trivial ? "false-but-holds-trivial-conclusion" : "false-but-holds";
    case Truth::Unknown: break;
    }
    return "";
}

std::vector<Outcome> run_methods(const std::string& text, const std::vector<Method>& methods,
                                 const RunOptions& options)
{
    const auto jobs = static_cast<std::size_t>(options.jobs);
    const int limit = options.time_limit_ms;
    const int wall_ms = options.counted_clock ? kCountedWallMs : limit + kWallSlackMs;
    const bool check_late = options.late_slack_ms > 0 && !options.counted_clock;
    std::vector<Outcome> out;
    for (std::size_t first = 0; first < methods.size(); first += jobs) {
        std::vector<Child> children;
        for (std::size_t i = first; i < methods.size() && i < first + jobs; ++i)
            children.push_back(spawn(text, methods[i].id, options));
        std::vector<Child*> running;
        for (auto& c : children)
            running.push_back(&c);
        wait_all(running, wall_ms);
        for (auto& c : children) {
            out.push_back(finish(c));
            out.back().late = check_late && out.back().ms > limit * 11 / 10 + options.late_slack_ms;
        }
    }
    return out;
}

std::string minimize(Statement s, std::uint64_t seed, const Method& m, const std::string& kind,
                     const RunOptions& options)
{
    RunOptions one = options;
    one.jobs = 1;
    one.late_slack_ms = 0;
    int runs = 0;
    auto same = [&](const Statement& t) {
        ++runs;
        const Judgement j = judge(t, seed);
        const auto outcome = run_methods(t.text(), {m}, one);
        return fault_of(j, outcome.front()) == kind;
    };
    bool shrunk = true;
    while (shrunk && runs < kMinimizeRuns) {
        shrunk = false;
        for (std::size_t i = s.lines.size(); i-- > 1 && runs < kMinimizeRuns;) {
            const Line& l = s.lines[i];
            if (!l.point.empty() && mentions(s, i + 1, l.point))
                continue;
            Statement t = s;
            t.lines.erase(t.lines.begin() + static_cast<std::ptrdiff_t>(i));
            if (same(t)) {
                s = std::move(t);
                shrunk = true;
            }
        }
        for (std::size_t i = s.lines.front().args.size(); i-- > 0 && runs < kMinimizeRuns;) {
            const auto& free = s.lines.front().args;
            if (free.size() <= 1 || mentions(s, 1, free[i]))
                continue;
            Statement t = s;
            t.lines.front().args.erase(t.lines.front().args.begin() + static_cast<std::ptrdiff_t>(i));
            if (same(t)) {
                s = std::move(t);
                shrunk = true;
            }
        }
    }
    return s.text();
}

Checked check(const Statement& s, std::uint64_t figure_seed, const RunOptions& options)
{
    Checked c;
    c.judgement = judge(s, figure_seed);
    const std::string text = s.text();
    c.outcomes = run_methods(text, options.methods, options);
    for (std::size_t i = 0; i < options.methods.size(); ++i) {
        const Outcome& o = c.outcomes[i];
        const std::string kind = fault_of(c.judgement, o);
        if (kind.empty())
            continue;
        Finding f{kind, options.methods[i].name, o.result, text, "", describe(c.judgement), o.message};
        if (options.minimize && kind != "hang")
            f.minimal = minimize(s, figure_seed, options.methods[i], kind, options);
        c.findings.push_back(std::move(f));
    }
    return c;
}

}  // namespace soundness
