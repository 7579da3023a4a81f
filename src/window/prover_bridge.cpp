// Opening the prover window from a drawing window, and the toolbox refresh
// the prover's changes of mode ask for.

#include "window/prover_bridge.h"

#include "prover/prover.h"
#include "statement/window/tosk_app.h"
#include "window/dchild.h"
#include "window/draw_app.h"
#include "window/prover_link.h"
#include "window/ui_services.h"

void update_toolbox()
{
    if (g_app)
        g_app->update_toolbox();
}

void run_prover_app(const UiServices& ui, PredicateInput* predicates, PrintDialogs* printing)
{
    if (!prover_flag_clear())
        return;
    ProverUi prover_ui;
    prover_ui.message_boxes = ui.message_boxes;
    prover_ui.input = ui.input;
    prover_ui.files = ui.files;
    prover_ui.help = ui.help;
    prover_ui.predicates = predicates;
    prover_ui.printing = printing;
    // A tool window of the main frame: it stays above the drawings.
    prover_ui.owner = g_app ? g_app->frame() : nullptr;

    ProverLinks links;
    links.statement_from_drawing = [] {
        if (g_active_draw)
            diagram_to_prover(*g_active_draw);
    };
    links.closed = [] {
        g_prover_app = nullptr;
        update_toolbox();
    };
    toskApp* app = open_prover_app(prover_ui, std::move(links));
    g_prover_app = app->frame();
    // "Draw According to Script" follows the prover's state.
    update_toolbox();
}

void open_prover_with(const UiServices* ui, PredicateInput* predicates, PrintDialogs* printing)
{
    if (!ui && g_app)
        ui = &g_app->ui();
    if (ui)
        run_prover_app(*ui, predicates, printing);
}

// A running proof owns the tables: no statement to draw until it ends.
int prover_record_count() { return running_prover() && !proof_running() ? g_npoints : 0; }
