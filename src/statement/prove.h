#pragma once
// The Prove command: checks that there is a statement the selected method can
// prove, stores the hypothesis facts, runs the method under the proof-time
// limit and reports method, result, time and polynomial size as four status
// texts.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// How a Prove ended.
enum class ProveEnd {
    Ran,       // the method ran to its end; g_result tells the outcome
    Refused,   // nothing was proved: no statement, no conclusion, a refusal
    TimedOut,  // the proof-time limit ended it
    Aborted,   // the method reported an error (gerror) or a table overflowed
    OutOfMemory,  // the run outgrew the memory budget or the system's memory
};

// The four panes of the prover window's status bar.
struct ProveStatus {
    std::string method;   // "GDD method", ...
    std::string result;   // "", "Problem Is True", "Problem Is False", "Not Solved"
    std::string time;     // "" or "Time :0.250000"
    std::string maxterm;  // "" or "maxterm: 12"
};
// The texts for the current g_method, g_result, g_time and g_maxterm.
ProveStatus prove_status();
// Where show_status sends the texts (the window's status bar).
using StatusSink = std::function<void(const ProveStatus&)>;
void set_status_sink(StatusSink sink);
// Sends prove_status() to the sink; also returns it.
ProveStatus show_status();

// The method pane's text for a method number; "" for an unknown one.
std::string_view method_name(int method);

// After a method command stored its id in g_method: no result, time or
// maxterm is shown until the next proof.
void select_method();

// Clears the window and prints how to enter a statement.
void show_input_help();

// Entry point of a proving method: `run` proves the statement in the tables
// (setting g_result); `after` follows when run ended without an error (the
// proof text or LaTeX file). A method without entry answers that it is not
// built yet.
struct MethodEntry {
    std::function<void()> run;
    std::function<void()> after;
};
void set_method_entry(int method, MethodEntry entry);
// The entry installed for method (empty functions when none).
MethodEntry get_method_entry(int method);
bool method_built(int method);

// The refusal texts of the selected method for the statement in the tables,
// "" when it can prove it. Checked before anything is proved: a method that is
// not built; for Wu's and the Groebner method a conclusion they cannot state
// or a hypothesis without equations (naming the record's statement line).
// The database method refuses nothing: it takes the facts there are.
std::string method_refusal(int method);

// Why the database may not reach the conclusion, for a run that did not: the
// conclusion when the database cannot test its kind, and the statement lines
// of the records that state no facts in it. "" when there is neither.
std::string database_limits();

// The statement line of record i, or its name and kind where the kind has
// none.
std::string record_line(int i);

// The area and vector methods take the free points first: records 2..n are
// reordered so that the free points come first in statement order, followed
// by the other records in statement order, and every reference (arguments,
// conclusion, the reader's facts) is renumbered to name the same point.
void free_points_first();

// The dispatcher: clears the window, starts from the statement as it was
// read or loaded (restart_kept_statement, kept_statement.h: a text is read
// again under the proving method, and the reading gives its named variables
// their roles; a text that no longer reads leaves the reader's error and no
// statement), refuses what no method can prove, enters the reader's facts
// again and the hypothesis facts of every record, runs the method and turns
// a time-out or an abort into its message. A construction that is
// degenerate in every numeric figure is refused naming its line, and
// hypotheses no proper figure meets together are refused naming theirs; a
// verdict the figures contradict (false where no proper figure fails the
// conclusion, true where one does) becomes "not solved", the sentence that
// says so printed in the place of the method's verdict (verdict.h).
// g_result is "none" after a refusal, "not solved" after a degenerate
// construction, a time-out or an abort, so no pane ever shows an earlier
// proof's result. Running out of memory (the budget or the system's own)
// ends the run with "run out of memory.". g_time is the whole run's time.
ProveEnd gprove();

// The Prove command, the one call that runs a whole proof: the input help
// when the statement has fewer than two records; otherwise the last proof's
// results are given back, gprove runs, and what the run allocated is given
// back on every way it ends (a run that ran to its end keeps the database and
// the lists the window shows afterwards). The status is shown in every case:
// g_result, and in g_time the whole run's time. The window holds the proof or
// the message.
ProveEnd cmd_prove();
