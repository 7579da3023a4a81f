// The prover window's command table and the prover's own handlers: input of
// the statement, method choice, time limit, the database commands, the fact
// search and the printing of the text.

#include <QPrinter>

#include <sstream>

#include "gdd/gdd_output.h"
#include "platform/dialogs.h"
#include "platform/help_viewer.h"
#include "platform/print_dialogs.h"
#include "prover/parse_facts.h"
#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/kept_statement.h"
#include "statement/prove.h"
#include "statement/semantics.h"
#include "statement/statement_forms.h"
#include "statement/tokenizer.h"
#include "statement/window/predicate_dialog.h"
#include "statement/window/prover_commands.h"
#include "statement/window/prover_window_strings.h"
#include "statement/window/text_printout.h"
#include "statement/window/time_limit.h"
#include "statement/window/tosk_app.h"
#include "statement/window/tosk_edit_file.h"

namespace {

bool is_method(int id) { return id >= pcmd::kFirstMethod && id <= pcmd::kLastMethod; }

bool is_gdd_command(int id)
{
    switch (id) {
    case pcmd::kBuildGdd:
    case pcmd::kShowSize:
    case pcmd::kShowGdd:
    case pcmd::kProveFact:
    case pcmd::kSearchFact:
    case 302: case 303: case 304: case 309: case 310:
    case 311: case 312: case 313: case 314: case 331:
        return true;
    default:
        return false;
    }
}

bool is_example_command(int id) { return (id >= 315 && id <= pcmd::kLoadFile) || id == 337; }

bool is_cmd_prover(int id)
{
    switch (id) {
    case pcmd::kFromDrawingButton:
    case pcmd::kFromDrawing:
    case pcmd::kFromTextButton:
    case pcmd::kFromText:
    case pcmd::kTimeLimit:
    case pcmd::kDetailed:
    case pcmd::kExplain:
        return true;
    default:
        return is_method(id);
    }
}

// What stays available while a proof runs: nothing that reads or changes
// the prover's tables or the window's text.
bool allowed_while_proving(int id)
{
    switch (id) {
    case pcmd::kSave:
    case pcmd::kSaveAs:
    case pcmd::kPrint:
    case pcmd::kPrintSetup:
    case pcmd::kExit:
    case pcmd::kCopy:
    case pcmd::kFind:
    case pcmd::kFindNext:
        return true;
    default:
        return prover_help_context(id) != 0;
    }
}

std::vector<std::string> text_lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    // A text ending with a line break has an empty last line.
    if (text.empty() || text.back() == '\n')
        lines.emplace_back();
    return lines;
}

}  // namespace

bool toskApp::command(int id)
{
    if (!command_enabled(id))
        return false;
    // What a command does to the window is one step for Undo; a proof it
    // started goes on with the step until it ends.
    if (edit_)
        edit_->begin_undo_step();
    const bool handled = dispatch(id);
    if (edit_) {
        edit_->flush_output();
        if (!proving())
            edit_->end_undo_step();
    }
    if (frame_)
        update_commands();
    return handled;
}

bool toskApp::command_enabled(int id)
{
    if (proving() && !allowed_while_proving(id))
        return false;
    switch (id) {
    case pcmd::kProve:
    case pcmd::kBuildGdd:
    case pcmd::kProveButton:
        // Text typed since the last reading is read by the proof itself, and
        // a proof starts from the statement as read or loaded even where the
        // last proof's method emptied the tables with an error.
        return g_npoints >= 2 || statement_kept() || (edit_ && edit_->edited_since_read());
    case pcmd::kShowStatement:
    case pcmd::kPredicateForm:
        return g_npoints >= 2;
    case pcmd::kPrint:
    case pcmd::kPrintSetup:
        return ensure_printer().isValid();
    case pcmd::kUndo:
        return edit_ && edit_->document()->isUndoAvailable();
    case pcmd::kCut:
    case pcmd::kCopy:
    case pcmd::kDelete:
        return edit_ && edit_->textCursor().hasSelection();
    case pcmd::kFindNext:
        return edit_ && !edit_->search_text().empty();
    default:
        return true;
    }
}

bool toskApp::dispatch(int id)
{
    if (is_cmd_prover(id)) {
        cmd_prover(id);
        return true;
    }
    if (is_gdd_command(id)) {
        cmd_gdd(id);
        return true;
    }
    if (is_example_command(id)) {
        load_example_cmd(id);
        return true;
    }
    if (const int context = prover_help_context(id); context != 0) {
        if (ui_.help)
            ui_.help->show_context(context);
        return true;
    }
    switch (id) {
    case pcmd::kProve:
    case pcmd::kProveButton: prove_shown_statement(); return true;
    case pcmd::kShowStatement: show_statement(); return true;
    case pcmd::kPredicateForm: print_predicate_form(); return true;
    case pcmd::kClearWindow: clear_prover_window(); return true;
    case pcmd::kNew: edit_->NewFile(); return true;
    case pcmd::kOpen: edit_->Open(); return true;
    case pcmd::kSave: edit_->Save(); return true;
    case pcmd::kSaveAs: edit_->SaveAs(); return true;
    case pcmd::kPrint: print_text(); return true;
    case pcmd::kPrintSetup: print_setup(); return true;
    case pcmd::kExit: frame_->close(); return true;
    case pcmd::kUndo: edit_->undo(); return true;
    case pcmd::kCut: edit_->cut(); return true;
    case pcmd::kCopy: edit_->copy(); return true;
    case pcmd::kPaste: edit_->paste(); return true;
    case pcmd::kDelete: edit_->delete_selection(); return true;
    case pcmd::kClearAll: edit_->clear_all(); return true;
    case pcmd::kFind: edit_->find(); return true;
    case pcmd::kReplace: edit_->replace(); return true;
    case pcmd::kFindNext: edit_->find_next(); return true;
    default: return false;
    }
}

void toskApp::cmd_prover(int id)
{
    if (is_method(id)) {
        g_method = id;
        select_method();
    } else {
        switch (id) {
        case pcmd::kFromDrawingButton:
        case pcmd::kFromDrawing:
            if (links_.statement_from_drawing)
                links_.statement_from_drawing();
            break;
        case pcmd::kFromTextButton:
        case pcmd::kFromText:
            read_window_statement(edit_->text());
            edit_->mark_read();
            break;
        case pcmd::kExplain:
            explain_statement();
            break;
        case pcmd::kTimeLimit:
            time_limit_dialog(*ui_.input, *ui_.message_boxes);
            break;
        case pcmd::kDetailed:
            g_detailed = g_detailed ? 0 : 1;
            break;
        default:
            break;
        }
    }
    show_status();
}

void toskApp::cmd_gdd(int id)
{
    g_latex = 0;
    g_show_state = 0;
    switch (id) {
    case pcmd::kBuildGdd:
        g_method = kMethodDatabase;
        // The status comes when the proof ends.
        prove_shown_statement();
        return;
    case pcmd::kShowSize:
    case pcmd::kShowGdd:
        clear_prover_window();
        gdd_show_command(id);
        break;
    case pcmd::kProveFact:
        cmd_fact(1);
        break;
    case pcmd::kSearchFact:
        cmd_fact(0);
        break;
    default:
        gdd_show_command(id);
        break;
    }
    show_status();
}

void toskApp::cmd_fact(int prove)
{
    if (g_npoints < 2)
        return;
    const auto choice = ui_.predicates->ask(frame_, pw_text(pwsid::kInputFact));
    if (choice) {
        fact_from_choice(*choice, g_fact);
        gprint(pw_text(pwsid::kInputFactIs));
        print_fact(g_fact);
        gprint("\r\n");
        if (fact_trivial(g_fact)) {
            gprint(pw_text(pwsid::kTriviallyTrue));
            return;
        }
        if (do_concl_of(g_fact)) {
            g_result = 1;
            gprint(pw_text(pwsid::kInDatabase));
            if (prove) {
                g_latex = 0;
                show_gdd_proof(2);
            }
        } else {
            g_result = -1;
            gprint(pw_text(pwsid::kNotInDatabase));
        }
    }
    show_status();
}

void toskApp::load_example_cmd(int id)
{
    if (id != pcmd::kLoadFile) {
        // The facts the reader entered for an earlier text statement speak of
        // that statement's points; a proof of the example must not replay them.
        g_parse_facts.clear();
    }
    const bool example = load_example(id);
    if (example) {
        clear_prover_window();
        show_statement();
        select_method();
    } else if (id == pcmd::kLoadFile) {
        edit_->Open();
        read_window_statement(edit_->text());
        edit_->mark_read();
    }
}

void toskApp::prove_shown_statement()
{
    // The proof is of the statement the window shows: text edited since its
    // statement was read is read first, and a text that does not read keeps
    // its error messages in view instead of a proof of an older statement.
    if (edit_->edited_since_read()) {
        read_window_statement(edit_->text());
        edit_->mark_read();
        if (g_abort) {
            show_status();
            return;
        }
    }
    start_proof();
}

void toskApp::print_text()
{
    QPrinter& printer = ensure_printer();
    printer.setDocName(QStringLiteral("Title"));
    if (!ui_.printing->print_dialog(printer))
        return;
    ++printing_;
    const QFont font = edit_->font();
    APXPrintOut printout(text_lines(edit_->text()), &font);
    printout.Print(printer);
    --printing_;
}

void toskApp::print_setup()
{
    QPrinter& printer = ensure_printer();
    ui_.printing->printer_setup(printer);
}
