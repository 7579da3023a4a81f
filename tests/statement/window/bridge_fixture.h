#pragma once
// Drawing windows that run the construction commands and offer the prover's
// commands, and a prover window opened the way the drawing side opens it.

#include <QMainWindow>

#include <memory>
#include <string>

#include "model/dpoint.h"
#include "prover_fixture.h"
#include "window/construct_adapter.h"
#include "window/dchild.h"
#include "window/prover_bridge.h"
#include "window/prover_link.h"
#include "window/status_panes.h"

using ProverDrawingServices = WithProver<ConstructionServices>;

struct ProverDrawing {
    ScriptedUi ui;
    ScriptedPredicateInput predicates;
    ScriptedPrintDialogs printing{std::string(PLEXATOR_TEST_OUTPUT) + "/prover/drawing_printout.pdf"};
    ProverDrawingServices services;
    UiServices ui_services;
    StatusPanes panes;
    std::unique_ptr<Dchild> win;
    Dchild* saved_active = nullptr;

    ProverDrawing()
    {
        ensure_widgets_application();
        register_window_strings();
        route_latex_output();
        set_status_panes(&panes);
        ui_services = ui.services();
        services.prover_ui = &ui_services;
        services.prover_predicates = &predicates;
        services.prover_printing = &printing;
        win = std::make_unique<Dchild>("Diagram 1", std::nullopt, services, ui_services);
        win->resize(600, 450);
        win->flush();
        saved_active = g_active_draw;
        g_active_draw = win.get();
    }
    ~ProverDrawing()
    {
        close_prover();
        g_active_draw = saved_active;
        win.reset();
        set_status_panes(nullptr);
        process_deferred_deletes();
    }

    // Opens the prover as command 193 of the drawing window does.
    toskApp* open_prover()
    {
        win->command(193);
        return running_prover();
    }
    void close_prover() { close_running_prover(); }

    ObjectTable& t() { return win->objects(); }
    const std::string& pane(int n) const { return panes.text(n); }
    void click(int x, int y)
    {
        win->EvLButtonDown({x, y});
        win->EvLButtonUp({x, y});
    }
    void right_click()
    {
        win->EvRButtonDown();
        win->EvRButtonUp();
    }

    // Appends an object of class cls; returns its index.
    int add(int type, const char* name, int cls, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0)
    {
        Dpoint p(type, name, a1, a2, a3, a4);
        p.cls = static_cast<std::int8_t>(cls);
        p.size = 2;
        return t().append(p);
    }
    int point(const char* name, double x, double y)
    {
        return add_free_point(*win, x, y, name);
    }
    void conclude(int kind, std::array<std::int32_t, 8> args)
    {
        t().conclusion_type() = kind;
        t().conclusion_args() = args;
    }
};

// The name of drawing object k.
inline std::string object_name(Dchild& win, int k) { return std::string(win.objects().get(k).name_view()); }
