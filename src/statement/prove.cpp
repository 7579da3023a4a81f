// gprove: the road from the Prove command to a proof.

#include <new>
#include <optional>
#include <string>

#include "facts/gdd_add.h"
#include "prover/constant_roots.h"
#include "prover/keywords.h"
#include "prover/memory_budget.h"
#include "prover/numeric_figure.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "prover/verdict.h"
#include "statement/kept_statement.h"
#include "statement/parse_fact_entry.h"
#include "statement/proof_memory.h"
#include "statement/prove.h"
#include "statement/semantics.h"

const MethodEntry* method_entry(int method);  // prove_methods.cpp

namespace {

bool has_conclusion() { return g_concl.type != concl_kind::kEmpty && g_concl.type != concl_kind::kNone; }

bool has_incenter()
{
    for (int i = 1; i <= g_npoints; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].kind == cons_kind::kIncenter)
            return true;
    return false;
}

// What every method starts from: the facts the reader entered (the database
// was emptied since) and the hypothesis facts of every record.
void store_hypotheses()
{
    free_gdd();
    replay_parse_facts();
    do_cons_from(cgeo::kFacts, 1);
}

// A statement line as one line: its words joined by single blanks, without
// its semicolon.
std::string one_line(const std::string& text)
{
    std::string line;
    for (char c : text) {
        if (c == ';' || c == '\r' || c == '\n')
            c = ' ';
        if (c != ' ' || (!line.empty() && line.back() != ' '))
            line += c;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// The statement line of a construction that is degenerate in every figure,
// with the reason; empty when there is none.
std::string degenerate_report()
{
    const auto bad = degenerate_construction(g_npoints);
    if (!bad)
        return {};
    return "\r\n" + one_line(record_line(bad->record)) + ": " + bad->reason + ".\r\nThe statement is not proved.\r\n";
}

// The hypotheses no proper figure meets together, with the reason; empty
// when the figures meet them.
std::string unmet_report(const Figure_search& search)
{
    if (!search.judged || !search.constrained || !search.figures.empty())
        return {};
    const auto unmet = unmet_hypotheses(g_npoints);
    std::string lines;
    if (unmet) {
        for (int record : unmet->records)
            lines += (lines.empty() ? "" : "; ") + one_line(record_line(record));
    }
    const std::string reason = unmet ? unmet->reason
                                     : (search.fault.empty() ? std::string("no figure meets the hypotheses")
                                                             : search.fault + " that meets the hypotheses");
    return "\r\n" + (lines.empty() ? std::string("The hypotheses") : lines) + ": " + reason +
           ".\r\nThe statement is not proved.\r\n";
}

// What the proper figures of the statement say of the conclusion. Asked
// before the method runs: the methods may rewrite records and conclusion.
FigureJudgement judge_conclusion(const Figure_search& search)
{
    FigureJudgement j;
    for (const Num_figure& f : search.figures) {
        const int holds = g_concl.type == concl_kind::kEquation ? numeric_equation_holds(g_concl_lhs, g_concl_rhs, f)
                                                          : numeric_fact_holds(g_concl, f);
        j.told += holds >= 0;
        j.failed += holds == 0;
    }
    j.free_modelled = has_uninterpreted_point(g_npoints);
    return j;
}

// A method that set its verdict without saying it through say_verdict: the
// figures overrule it after its text.
void settle_unsaid_verdict(const FigureJudgement& j)
{
    if ((g_result != 1 && g_result != -1) || verdict_said())
        return;
    const std::string overruled = overruling(g_result, j);
    if (overruled.empty())
        return;
    g_result = kResultNotSolved;
    gprint("\r\n" + overruled + "\r\n");
}

void report_time_out()
{
    clear_prover_window();
    gprint(fmt("\r\n\r\n%s %d(%s).\r\n", std::string(stm_string(sid::kTerminated)).c_str(),
               static_cast<int>(g_timelimit * 0.001), ""));
    gprint(stm_string(sid::kResetTimeLimit));
    gprint(stm_string(sid::kWithProveMenu));
}

// Past the memory the system gives: what the run built goes first, so that
// the message finds room.
void out_of_memory()
{
    g_outfile = nullptr;
    release_proof_memory(false);
    gprint(kOutOfMemoryText);
    g_result = kResultNotSolved;
}

// The statement's figures and what they say of the conclusion; nothing,
// with the refusal printed, when a construction is degenerate in every
// figure or no figure meets the hypotheses.
std::optional<FigureJudgement> judge_figures()
{
    if (const std::string report = degenerate_report(); !report.empty()) {
        gprint(report);
        return std::nullopt;
    }
    // The figures are found before the area and vector methods renumber the
    // records: the conclusion is renumbered with them.
    const Figure_search figures = generic_figures(g_npoints);
    if (const std::string report = unmet_report(figures); !report.empty()) {
        gprint(report);
        return std::nullopt;
    }
    return judge_conclusion(figures);
}

// The proof is timed while it lives: the figures that judge the method's
// verdict, which solve the statement's CONSTANT equations and can take long
// at a high degree, and the method after them share the time limit.
class TimedProof {
public:
    TimedProof()
    {
        start_proof_clock();
    }
    ~TimedProof() { g_timing = 0; }
    TimedProof(const TimedProof&) = delete;
    TimedProof& operator=(const TimedProof&) = delete;
};

// The method under the time limit, and how it ended.
ProveEnd run_method(const MethodEntry& method, const FigureJudgement& judgement)
{
    try {
        const VerdictCheck check(judgement);
        if (g_method == kMethodArea || g_method == kMethodVector)
            free_points_first();
        store_hypotheses();
        if (!g_abort)
            method.run();
        if (!g_abort)
            settle_unsaid_verdict(judgement);
        if (!g_abort && method.after)
            method.after();
        return g_abort ? ProveEnd::Aborted : ProveEnd::Ran;
    } catch (const TTIME&) {
        return ProveEnd::TimedOut;
    } catch (const ProverOutOfMemory&) {
        // The message is already in the window.
        return ProveEnd::OutOfMemory;
    } catch (const ProverAbort&) {
        return ProveEnd::Aborted;
    } catch (const std::bad_alloc&) {
        g_timing = 0;
        out_of_memory();
        return ProveEnd::OutOfMemory;
    }
}

// The whole run's time: from the start of the proof to its end, whatever
// ended it. (A clock that fails, as tests make it, leaves g_time as the
// methods counted it.)
void note_run_time()
{
    try {
        g_time = static_cast<std::int32_t>(prover_clock_ms() - g_tstart);
    } catch (const TTIME&) {
    } catch (const ProverAbort&) {
    }
}

}  // namespace

ProveEnd gprove()
{
    clear_prover_window();
    g_abort = 0;
    g_time = 0;
    g_maxterm = 0;
    g_result = 0;
    g_maxterm_on = g_method == kMethodDatabase ? 0 : 1;
    // The run starts from the statement as it was read or loaded, not as the
    // last run left the tables: a text is read again under this method, as a
    // fresh reading would read it. One that no longer reads leaves its error
    // in the window and no statement, as such a reading does; nothing was
    // proved.
    if (restart_kept_statement() == Restart::kFailed)
        return ProveEnd::Aborted;
    // A statement of fewer than two points is none to prove: the window
    // shows how to write one.
    if (g_npoints < 2) {
        show_input_help();
        return ProveEnd::Refused;
    }
    // A run finds its CONSTANT roots itself: one found by an earlier run, under
    // another time limit, would change what this one ends with.
    clear_constant_roots();

    if (!has_conclusion() && g_method != kMethodDatabase) {
        gprint(stm_string(sid::kNothingToProve));
        gprint(stm_string(sid::kAddConclusion));
        return ProveEnd::Refused;
    }
    if (has_incenter()) {
        gprint(stm_string(sid::kNotAllowedIncenter));
        gprint(stm_string(sid::kUseAntiIncenter));
        return ProveEnd::Refused;
    }
    if (const std::string refusal = method_refusal(g_method); !refusal.empty()) {
        gprint(refusal);
        return ProveEnd::Refused;
    }
    refresh_prover_memory_budget();
    ProveEnd end = ProveEnd::TimedOut;
    {
        const TimedProof timed;
        try {
            const std::optional<FigureJudgement> judgement = judge_figures();
            if (!judgement) {
                g_result = kResultNotSolved;
                return ProveEnd::Refused;
            }
            end = run_method(*method_entry(g_method), *judgement);
        } catch (const TTIME&) {
            // The figures met the limit: the run ends as a method's time-out.
        }
    }
    note_run_time();
    if (end != ProveEnd::Ran) {
        g_outfile = nullptr;
        g_result = kResultNotSolved;
    }
    if (end == ProveEnd::TimedOut)
        report_time_out();
    return end;
}

ProveEnd cmd_prove()
{
    // An error of the last run's method empties the tables, but the run
    // starts again from the statement as read or loaded.
    if (g_npoints < 2 && !statement_kept()) {
        show_input_help();
        g_result = 0;
        show_status();
        return ProveEnd::Refused;
    }
    ProveEnd end = ProveEnd::OutOfMemory;
    if (!release_proof_memory(false)) {
        clear_prover_window();
        gprint(kOutOfMemoryText);
        g_result = kResultNotSolved;
    } else {
        try {
            end = gprove();
        } catch (const std::bad_alloc&) {
            // Out of memory before the method ran (its checks); the run's own
            // allocations are caught where it runs.
            g_timing = 0;
            out_of_memory();
        } catch (const ProverOutOfMemory&) {
            end = ProveEnd::OutOfMemory;
            g_result = kResultNotSolved;
        } catch (const ProverAbort&) {
            end = ProveEnd::Aborted;
            g_result = kResultNotSolved;
        }
        release_proof_memory(end == ProveEnd::Ran);
    }
    show_status();
    return end;
}
