#pragma once
// The prover's own application: its frame with the text window, menu 100, the
// tool bar and the four status panes, its command table and enablers, and the
// links through which the drawing side serves it. One prover is open at a
// time; the prover tables are rebuilt at each opening, while the maximal
// proof time and the detailed-proof switch stay.

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "statement/window/tosk_edit_file.h"

class FileDialogs;
class HelpViewer;
class InputDialog;
class MessageBoxes;
class PredicateInput;
class PrintDialogs;
class ProofOutput;
class ProofThread;
class QAction;
class QLabel;
class QPrinter;
class QToolBar;
class QWidget;
class toskApp;
struct ProveStatus;

// What the prover asks the user through; pointers are not owned. The three
// first must be set; without predicates or printing the toolkit dialogs are
// used, without help the help commands do nothing.
struct ProverUi {
    MessageBoxes* message_boxes = nullptr;
    InputDialog* input = nullptr;
    FileDialogs* files = nullptr;
    HelpViewer* help = nullptr;
    PredicateInput* predicates = nullptr;
    PrintDialogs* printing = nullptr;
    // The window the prover's frame belongs to as a tool window; none for a
    // window of its own.
    QWidget* owner = nullptr;
};

// What the drawing side does for the prover.
struct ProverLinks {
    // Commands 70 and 323: the statement from the active drawing (nothing
    // when no drawing is active).
    std::function<void()> statement_from_drawing;
    // Runs once, after the prover window has agreed to close.
    std::function<void()> closed;
};

// The prover's main window: its close asks the application first.
class SDIDecFrame : public QMainWindow {
public:
    SDIDecFrame(toskApp& app, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    toskApp& app_;
};

class toskApp : public QObject {
public:
    toskApp(const ProverUi& ui, ProverLinks links);
    ~toskApp() override;
    toskApp(const toskApp&) = delete;
    toskApp& operator=(const toskApp&) = delete;

    // Builds the frame, text window, menu, panes and tool bar, rebuilds the
    // prover tables and selects the database method. The frame is not shown.
    void InitMainWindow();
    // The text window's question about changed text; on agreement the printer
    // is released. The answer of the text window.
    bool CanClose();

    // A menu, tool-bar or accelerator command; disabled commands do nothing.
    // True when the command table handles the id.
    bool command(int id);
    // The enabler of a command: the statement commands need two records,
    // printing a usable printer, the Edit commands something to act on.
    bool command_enabled(int id);
    // Re-runs the enablers of every menu item and tool-bar button.
    void update_commands();

    // --- the prover's own handlers ---
    void cmd_prover(int id);
    void cmd_gdd(int id);
    void cmd_fact(int prove);
    // Prove and Build GDD: reads the window's text first when it was edited
    // since its statement was read, then starts the proof.
    void prove_shown_statement();
    // A proof runs on a thread of its own, so the windows stay alive: the
    // text window shows its output as it comes, the cursor shows the program
    // busy, and every command that would read or change the prover's tables
    // (input of a statement, the examples, Prove, the methods, the time
    // limit, the GDD menu, the statement printers) or the text (New, Open,
    // the editing commands) waits, disabled, until it ends. Save, Print,
    // Copy, Find, Help and Exit stay. The status panes show the method alone
    // until the result comes.
    bool proving() const;
    // Stops a running proof at its next time check and waits for it; the
    // window then shows what it printed, as after any end.
    void stop_proof();
    // Theorems menu and "Load Statement from a File" (321).
    void load_example_cmd(int id);
    void print_text();
    void print_setup();

    SDIDecFrame* frame() const { return frame_; }
    toskEditFile* edit() const { return edit_; }
    QAction* action(int id) const;
    QAction* toolbar_action(int id) const;
    QToolBar* toolbar() const { return toolbar_; }
    // Texts of the status panes: 0 method, 1 result, 2 time, 3 maxterm.
    std::string pane_text(int pane) const;
    QLabel* pane(int pane) const { return panes_[static_cast<std::size_t>(pane)]; }
    QPrinter* printer() const { return printer_.get(); }
    int printing() const { return printing_; }

private:
    friend class SDIDecFrame;
    bool dispatch(int id);
    void build_menu();
    void build_status_bar();
    void build_toolbar();
    void install_sinks();
    void remove_sinks();
    void show_panes(const ProveStatus& status);
    // The Prove command (cmd_prove) on the proof thread.
    void start_proof();
    void proof_ended();
    QPrinter& ensure_printer();
    // The frame agreed to close.
    void closing();

    ProverUi ui_;
    ProverLinks links_;
    std::unique_ptr<PredicateInput> own_predicates_;
    std::unique_ptr<PrintDialogs> own_printing_;
    QPointer<SDIDecFrame> frame_;
    QPointer<toskEditFile> edit_;
    QToolBar* toolbar_ = nullptr;
    std::array<QLabel*, 4> panes_{};
    std::map<int, QAction*> actions_;
    std::map<int, QAction*> tool_actions_;
    std::unique_ptr<QPrinter> printer_;
    int printing_ = 0;
    bool sinks_installed_ = false;
    bool busy_cursor_ = false;
    ProofOutput* proof_output_ = nullptr;  // a child of this object
    std::unique_ptr<ProofThread> proof_thread_;
};

// The open prover; null while it is closed.
toskApp* running_prover();
// Opens and shows the prover window unless one is open; returns the open one.
toskApp* open_prover_app(const ProverUi& ui, ProverLinks links);
// True once a prover window has been opened, so that the prover tables exist.
bool prover_tables_built();
// True while the open prover's proof runs: the prover tables are not to be
// read or changed.
bool proof_running();
