#include "statement/window/tosk_app.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

#include "platform/dialogs.h"
#include "platform/qt_print_dialogs.h"
#include "prover/prover.h"
#include "statement/proof_memory.h"
#include "statement/prove.h"
#include "statement/prover_wiring.h"
#include "statement/window/predicate_dialog.h"
#include "statement/window/proof_output.h"
#include "statement/window/proof_thread.h"
#include "statement/window/prover_commands.h"
#include "statement/window/prover_menu.h"
#include "statement/window/prover_window_strings.h"
#include "statement/window/tosk_edit_file.h"

namespace {

toskApp* g_running = nullptr;
bool g_tables_built = false;

QString qt_text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Widths of the method, result, time and maxterm panes in characters.
constexpr std::array<int, 4> kPaneWidths{10, 10, 12, 10};

}  // namespace

toskApp* running_prover() { return g_running; }

bool prover_tables_built() { return g_tables_built; }

bool proof_running() { return g_running && g_running->proving(); }

toskApp* open_prover_app(const ProverUi& ui, ProverLinks links)
{
    if (g_running)
        return g_running;
    auto* app = new toskApp(ui, std::move(links));
    app->InitMainWindow();
    app->frame()->show();
    return app;
}

// ---- frame -------------------------------------------------------------------

SDIDecFrame::SDIDecFrame(toskApp& app, QWidget* owner)
    : QMainWindow(owner, owner ? Qt::Tool : Qt::Window), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qt_text(pw_text(pwsid::kProverName)));
    setWindowIcon(prover_frame_icon());
}

void SDIDecFrame::closeEvent(QCloseEvent* event)
{
    if (!app_.CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    app_.closing();
}

// ---- application ---------------------------------------------------------------

toskApp::toskApp(const ProverUi& ui, ProverLinks links)
    : ui_(ui), links_(std::move(links)), proof_thread_(std::make_unique<ProofThread>())
{
    register_prover_window_strings();
    if (!ui_.predicates) {
        own_predicates_ = std::make_unique<QtPredicateInput>();
        ui_.predicates = own_predicates_.get();
    }
    proof_output_ = new ProofOutput(
        {[this](std::string_view text) {
             if (edit_) {
                 edit_->append_output(text);
                 edit_->flush_output();
             }
         },
         [this] {
             if (edit_)
                 edit_->clear_text();
         }},
        this);
    // The program ends only after the proof has stopped.
    if (QCoreApplication* core = QCoreApplication::instance())
        connect(core, &QCoreApplication::aboutToQuit, this, [this] { stop_proof(); });
}

toskApp::~toskApp()
{
    // The frame (and with it this object) may go without a close, at the
    // program's end: a running proof is stopped before anything it prints
    // to goes, and the prover's output must not reach a deleted window.
    proof_thread_.reset();
    if (busy_cursor_)
        QGuiApplication::restoreOverrideCursor();
    remove_sinks();
    if (g_running == this)
        g_running = nullptr;
}

void toskApp::InitMainWindow()
{
    frame_ = new SDIDecFrame(*this, ui_.owner);
    // The application lives as long as its frame.
    setParent(frame_);
    if (!ui_.printing) {
        own_printing_ = std::make_unique<QtPrintDialogs>(frame_);
        ui_.printing = own_printing_.get();
    }
    edit_ = new toskEditFile(EditFileUi{ui_.message_boxes, ui_.files, ui_.input}, pw_text(pwsid::kFileFilter));
    frame_->setCentralWidget(edit_);
    build_menu();
    build_status_bar();
    build_toolbar();
    frame_->resize(640, 480);
    // Typing makes the Prove commands available, as the proof reads the text.
    connect(edit_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (edit_->edited_since_read())
            update_commands();
    });
    g_running = this;
    install_sinks();

    prover_reset();
    wire_statement_layer();
    g_tables_built = true;
    cmd_prover(kMethodDatabase);
    update_commands();
}

bool toskApp::CanClose()
{
    if (!edit_ || !edit_->CanClose())
        return false;
    printer_.reset();
    return true;
}

void toskApp::closing()
{
    stop_proof();
    remove_sinks();
    // What the last proof left (its database, its lists) goes with the window.
    release_proof_memory(false);
    if (g_running == this)
        g_running = nullptr;
    if (links_.closed)
        links_.closed();
}

void toskApp::install_sinks()
{
    QPointer<toskEditFile> edit = edit_;
    set_gprint_sink([edit](std::string_view text) {
        if (edit)
            edit->append_output(text);
    });
    set_clear_sink([edit] {
        if (edit)
            edit->clear_text();
    });
    set_status_sink([this](const ProveStatus& status) { show_panes(status); });
    sinks_installed_ = true;
}

void toskApp::remove_sinks()
{
    if (!sinks_installed_)
        return;
    if (edit_)
        edit_->flush_output();
    clear_gprint_sink();
    set_clear_sink(nullptr);
    set_status_sink(nullptr);
    sinks_installed_ = false;
}

bool toskApp::proving() const { return proof_thread_ && proof_thread_->running(); }

void toskApp::stop_proof()
{
    if (proof_thread_)
        proof_thread_->stop();
}

void toskApp::start_proof()
{
    if (proving())
        return;
    // Until the proof ends its output comes through the hand-over to this
    // thread, and the status panes wait for its result.
    set_gprint_sink([out = proof_output_](std::string_view text) { out->print(text); });
    set_clear_sink([out = proof_output_] { out->clear(); });
    set_status_sink(nullptr);
    show_panes(ProveStatus{std::string(method_name(g_method)), {}, {}, {}});
    // The Prove command's step for Undo stays open until the proof ends, so
    // that every clearing and print of the proof, the time-out's included,
    // joins it.
    edit_->set_proving(true);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    busy_cursor_ = true;
    proof_thread_->start([] { cmd_prove(); }, [this] { proof_ended(); });
}

void toskApp::proof_ended()
{
    proof_output_->flush();
    if (busy_cursor_) {
        QGuiApplication::restoreOverrideCursor();
        busy_cursor_ = false;
    }
    if (edit_) {
        edit_->set_proving(false);
        edit_->end_undo_step();
    }
    install_sinks();
    show_status();
    if (frame_)
        update_commands();
}

void toskApp::show_panes(const ProveStatus& status)
{
    const std::array<const std::string*, 4> texts{&status.method, &status.result, &status.time, &status.maxterm};
    for (std::size_t i = 0; i < panes_.size(); ++i)
        if (panes_[i])
            panes_[i]->setText(qt_text(*texts[i]));
}

std::string toskApp::pane_text(int pane) const
{
    if (pane < 0 || pane >= static_cast<int>(panes_.size()) || !panes_[static_cast<std::size_t>(pane)])
        return {};
    return panes_[static_cast<std::size_t>(pane)]->text().toStdString();
}

void toskApp::build_status_bar()
{
    QStatusBar* bar = frame_->statusBar();
    QFont font = bar->font();
    font.setPointSize(10);
    bar->setFont(font);
    const QFontMetrics metrics(font);
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* label = new QLabel;
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // At least the pane's width in characters; a longer text widens it.
        label->setMinimumWidth(kPaneWidths[i] * metrics.averageCharWidth() + 8);
        bar->addWidget(label);
        panes_[i] = label;
    }
}

void toskApp::build_toolbar()
{
    toolbar_ = new QToolBar(QStringLiteral("Prover tools"));
    toolbar_->setOrientation(Qt::Horizontal);
    toolbar_->setMovable(false);
    for (int id : prover_toolbar_ids()) {
        QAction* a = toolbar_->addAction(prover_toolbar_icon(id), qt_text(prover_command_hint(id)));
        a->setStatusTip(qt_text(prover_command_hint(id)));
        connect(a, &QAction::triggered, this, [this, id] { command(id); });
        tool_actions_[id] = a;
    }
    frame_->addToolBar(Qt::TopToolBarArea, toolbar_);
}

void toskApp::build_menu()
{
    std::function<void(QMenu&, const std::vector<ProverMenuEntry>&)> fill = [&](QMenu& menu,
                                                                                const std::vector<ProverMenuEntry>& items) {
        for (const ProverMenuEntry& e : items) {
            if (!e.items.empty()) {
                QMenu* sub = menu.addMenu(qt_text(e.text));
                fill(*sub, e.items);
            } else if (e.id == 0) {
                menu.addSeparator();
            } else {
                QAction* a = menu.addAction(qt_text(e.text));
                if (!e.keys.empty())
                    a->setShortcut(QKeySequence(qt_text(e.keys)));
                a->setStatusTip(qt_text(prover_command_hint(e.id)));
                const int id = e.id;
                connect(a, &QAction::triggered, this, [this, id] { command(id); });
                actions_[id] = a;
            }
        }
        connect(&menu, &QMenu::aboutToShow, this, [this] { update_commands(); });
    };
    for (const ProverMenuEntry& top : prover_menu()) {
        QMenu* menu = frame_->menuBar()->addMenu(qt_text(top.text));
        fill(*menu, top.items);
    }
    // The method in use and the detailed-proof switch carry a check mark.
    for (int id = pcmd::kFirstMethod; id <= pcmd::kLastMethod; ++id)
        if (QAction* a = action(id))
            a->setCheckable(true);
    if (QAction* a = action(pcmd::kDetailed))
        a->setCheckable(true);
}

QAction* toskApp::action(int id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* toskApp::toolbar_action(int id) const
{
    const auto it = tool_actions_.find(id);
    return it == tool_actions_.end() ? nullptr : it->second;
}

void toskApp::update_commands()
{
    for (auto& [id, a] : actions_)
        a->setEnabled(command_enabled(id));
    for (auto& [id, a] : tool_actions_)
        a->setEnabled(command_enabled(id));
    // The check marks stay as the proof found them.
    if (proving())
        return;
    for (int id = pcmd::kFirstMethod; id <= pcmd::kLastMethod; ++id)
        if (QAction* a = action(id))
            a->setChecked(g_method == id);
    if (QAction* a = action(pcmd::kDetailed))
        a->setChecked(g_detailed != 0);
}

QPrinter& toskApp::ensure_printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}
