#include "statement/prove_run.h"

#include <chrono>

#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/tokenizer.h"

namespace {

// The window's text on one line: its non-empty lines, trimmed, joined by blanks.
std::string one_line(const std::string& text)
{
    std::string out, line;
    auto flush = [&] {
        const std::size_t b = line.find_first_not_of(' ');
        const std::size_t e = line.find_last_not_of(' ');
        if (b != std::string::npos) {
            if (!out.empty())
                out += ' ';
            out.append(line, b, e - b + 1);
        }
        line.clear();
    };
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n')
            flush();
        else
            line += c;
    }
    flush();
    return out;
}

// Why a run ended in an error: the first error report when there is one, else
// the window's last lines (a refusal is short; a method's text may be long).
// The reader goes on after a report and may add others that follow from the
// first (a conclusion that does not read is also left without its ".").
std::string error_message(const std::string& text)
{
    constexpr std::string_view kReport = "Sytax error:";
    const std::size_t report = text.find(kReport);
    if (report != std::string::npos) {
        const std::size_t next = text.find(kReport, report + kReport.size());
        return one_line(text.substr(report, next == std::string::npos ? std::string::npos : next - report));
    }
    std::size_t from = text.size();
    for (int lines = 0; lines < 3 && from > 0;) {
        from = text.find_last_not_of("\r\n", from - 1);
        if (from == std::string::npos) {
            from = 0;
            break;
        }
        const std::size_t start = text.find_last_of('\n', from);
        from = start == std::string::npos ? 0 : start;
        ++lines;
    }
    return one_line(text.substr(from));
}

// The Prove command on the tables as they stand; capture holds the window's
// text.
ProveRun run_prove(int method, int time_limit_s, GprintCapture& capture)
{
    ProveRun r;
    g_method = method;
    g_timelimit = time_limit_s * 1000;
    const auto start = std::chrono::steady_clock::now();
    const ProveEnd end = cmd_prove();
    r.ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    r.maxterm = g_maxterm > 0 ? g_maxterm : 0;
    r.result = prove_result_word(end);
    if (end == ProveEnd::OutOfMemory)
        r.message = "run out of memory.";
    else if (r.result == "error")
        r.message = error_message(capture.text());
    r.window_text = capture.text();
    return r;
}

// Proves what was just read; capture holds the window's text.
ProveRun prove_loaded(int method, int time_limit_s, GprintCapture& capture)
{
    if (g_abort || g_npoints == 0) {
        ProveRun r;
        r.result = "error";
        r.message = error_message(capture.text());
        if (r.message.empty())
            r.message = "no statement";
        r.window_text = capture.text();
        return r;
    }
    return run_prove(method, time_limit_s, capture);
}

}  // namespace

std::string_view prove_result_word(ProveEnd end)
{
    switch (end) {
    case ProveEnd::Refused:
    case ProveEnd::Aborted:
    case ProveEnd::OutOfMemory:
        return "error";
    case ProveEnd::TimedOut:
        return "timeout";
    case ProveEnd::Ran:
        break;
    }
    return g_result == 1 ? "true" : g_result == -1 ? "false" : "not-solved";
}

ProveRun prove_statement_text(std::string_view text, int method, int time_limit_s, int read_method)
{
    GprintCapture capture;
    // The reader rewrites some constructions for the algebraic methods.
    g_method = read_method != 0 ? read_method : method;
    read_window_statement(text);
    return prove_loaded(method, time_limit_s, capture);
}

ProveRun prove_example(int id, int method, int time_limit_s, int read_method)
{
    GprintCapture capture;
    g_method = read_method != 0 ? read_method : method;
    // Loading leaves the abort flag alone; a method's failure in the run
    // before must not pass for an error of this statement.
    g_abort = 0;
    load_example(id);
    return prove_loaded(method, time_limit_s, capture);
}

ProveRun prove_again(int method, int time_limit_s)
{
    GprintCapture capture;
    return run_prove(method, time_limit_s, capture);
}
