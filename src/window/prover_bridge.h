#pragma once
// The prover and the drawing windows: the prover's statement taken from a
// drawing, the statement drawn into a drawing click by click, the opening of
// the prover window, and the drawing services that offer these commands.

#include "window/command_table.h"
#include "window/drawing_services.h"

class Dchild;
class PredicateInput;
class PrintDialogs;
struct UiServices;

// Prover index of object k of the drawing: the first record of the point
// table with the object's name. 0 for k = 0; for a name not found, 0 and a
// "Cannot find point" line in the prover window.
int check_point_name(Dchild& win, int k);

// Replaces the prover's statement by the drawing's points (in table order)
// and its chosen conclusion, and shows it in the prover window. Nothing
// before the prover window has ever been opened.
void diagram_to_prover(Dchild& win);

// Re-runs the enabler of every toolbox button of the drawing frame.
void update_toolbox();

// Command 221 "Draw According to Script": clears the drawing and starts
// drawing the prover's statement, one construction per left click.
void draw_statement_cmd(Dchild& win);
// One left click while the statement is drawn (mode 221): the next record,
// and after the last one the conclusion.
void draw_statement_step(Dchild& win);

// Opens the prover window unless one is open. Its dialogs are the drawing
// application's (null predicates or printing: the toolkit dialogs); its
// "Get From Graphic Editor" takes the active drawing.
void run_prover_app(const UiServices& ui, PredicateInput* predicates = nullptr, PrintDialogs* printing = nullptr);

// Opens the prover window with the given dialogs, or with the drawing
// application's when ui is null.
void open_prover_with(const UiServices* ui, PredicateInput* predicates, PrintDialogs* printing);
// Records in the prover's point table; none while the prover is closed or a
// proof runs.
int prover_record_count();

// Adds the prover's commands to a set of drawing services:
// WithProver<ConstructionServices> services(&dialogs);
template <class Base>
class WithProver : public Base {
public:
    using Base::Base;

    // The dialogs the prover window is opened with; null ui: the application's.
    const UiServices* prover_ui = nullptr;
    PredicateInput* prover_predicates = nullptr;
    PrintDialogs* prover_printing = nullptr;

    bool provides(CommandHandler handler) const override
    {
        return handler == CommandHandler::ShowProver || handler == CommandHandler::DrawScript ||
               Base::provides(handler);
    }
    void run_prover_app() override { open_prover_with(prover_ui, prover_predicates, prover_printing); }
    void draw_script(Dchild& win) override { draw_statement_cmd(win); }
    void draw_statement_step(Dchild& win) override { ::draw_statement_step(win); }
    int prover_point_count() const override { return prover_record_count(); }
};
