#pragma once
// A prover window on scripted dialogs, for the prover window's tests. The
// window is closed (answering No to the question about changed text) when
// the fixture goes.

#include <QCoreApplication>
#include <QMainWindow>

#include <filesystem>
#include <string>

#include "gdd/proof_latex.h"
#include "platform/print_dialogs.h"
#include "prover/prover.h"
#include "statement/prove.h"
#include "statement/window/predicate_dialog.h"
#include "statement/window/text_printout.h"
#include "statement/window/tosk_app.h"
#include "statement/window/tosk_edit_file.h"
#include "support/proof_wait.h"
#include "support/test_dirs.h"
#include "window/scripted_ui.h"
#include "window/window_test_support.h"

// LaTeX proofs of the tests go beside the other test output.
inline void route_latex_output()
{
    const std::filesystem::path dir = per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "prover");
    g_tex_dir = dir.string();
}

// Closes the running prover whatever its text holds. Output still waiting to
// be shown is shown first, or showing it at the close would mark the text
// changed again and the question about it would keep the window open; a
// window that still refuses goes without a close.
inline void close_running_prover()
{
    toskApp* app = running_prover();
    if (!app)
        return;
    app->edit()->flush_output();
    app->edit()->document()->setModified(false);
    app->frame()->close();
    process_deferred_deletes();
    if (running_prover() == app)
        delete app->frame();
}

struct ProverWindow {
    ScriptedUi ui;
    ScriptedPredicateInput predicates;
    // What is printed goes to this file.
    std::string pdf = std::string(PLEXATOR_TEST_OUTPUT) + "/prover/printout.pdf";
    ScriptedPrintDialogs printing{pdf};
    toskApp* app = nullptr;
    int closed_count = 0;
    int from_drawing_count = 0;

    ProverWindow()
    {
        ensure_widgets_application();
        route_latex_output();
        open();
    }
    ~ProverWindow() { force_close(); }

    ProverUi prover_ui()
    {
        return ProverUi{&ui.boxes, &ui.input, &ui.files, &ui.help, &predicates, &printing};
    }

    void open()
    {
        ProverLinks links;
        links.closed = [this] { ++closed_count; };
        links.statement_from_drawing = [this] { ++from_drawing_count; };
        app = open_prover_app(prover_ui(), std::move(links));
    }

    // Asks the frame to close; true when it did.
    bool close()
    {
        app->frame()->close();
        const bool closed = running_prover() == nullptr;
        process_deferred_deletes();
        if (closed)
            app = nullptr;
        return closed;
    }

    void force_close()
    {
        if (app && running_prover() == app)
            close_running_prover();
        app = nullptr;
    }

    // A command, and the proof it started run to its end.
    bool command(int id)
    {
        toskApp* const prover = app;
        const bool handled = prover->command(id);
        if (running_prover() == prover)
            wait_for_proof(*prover);
        return handled;
    }
    std::string text() { return app->edit()->text(); }
    void set_text(const std::string& text)
    {
        app->edit()->clear_text();
        app->edit()->setPlainText(QString::fromStdString(text));
    }
    // Text typed by the user: the window counts as changed.
    void type_text(const std::string& text)
    {
        set_text("");
        app->edit()->insertPlainText(QString::fromStdString(text));
    }
    std::string pane(int i) const { return app->pane_text(i); }
};

// The window text with the time figure masked ("Time :x.xxxxxx").
std::string mask_time(std::string text);
