#pragma once
// The whole program as main() builds it, on scripted dialogs: the desktop
// services, the object dialogs, choosers, print and predicate dialogs and the
// calculator answer from queues, everything else is the real thing. Commands
// go through TDrawApp's command road and the mouse through the toolkit's
// events on the drawing window.

#include <QMdiSubWindow>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "construct/choosers.h"
#include "construct/list_window.h"
#include "construct/object_dialogs.h"
#include "gdd/proof_latex.h"
#include "platform/print_dialogs.h"
#include "statement/window/predicate_dialog.h"
#include "statement/window/tosk_app.h"
#include "statement/window/tosk_edit_file.h"
#include "support/test_dirs.h"
#include "support/widgets_application.h"
#include "window/app_services.h"
#include "window/dchild.h"
#include "window/dclient.h"
#include "window/draw_app.h"
#include "window/prover_link.h"
#include "window/scripted_ui.h"
#include "window/status_panes.h"

namespace app_test {

// The running test's own folder under the test output (see per_test_dir).
inline std::filesystem::path output_dir() { return per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "app"); }

// Runs queued calls (repaints, toolbox refreshes) and deferred deletes.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A calculator that shows nothing and counts what it was asked.
struct CalculatorLog {
    int made = 0;
    std::string expression;
    CalculatorKeys* keys = nullptr;
};

class RecordingCalculator : public CalculatorView {
public:
    explicit RecordingCalculator(CalculatorLog& log) : log_(log) { ++log_.made; }
    void show_expression(const std::string& expression, const std::string&) override
    {
        log_.expression = expression;
    }
    void bring_forward() override {}

private:
    CalculatorLog& log_;
};

// The dialogs AppServices takes, all scripted.
struct ScriptedAppDialogs {
    ScriptedObjectDialogs objects;
    ScriptedColourChooser colours;
    ScriptedFontChooser fonts;
    ScriptedPrintDialogs printing{(output_dir() / "drawing_printout.pdf").string()};
    ScriptedPredicateInput predicates;
    ScriptedPrintDialogs prover_printing{(output_dir() / "prover_printout.pdf").string()};
    CalculatorLog calculator;

    AppDialogs dialogs()
    {
        AppDialogs d;
        d.objects = &objects;
        d.colours = &colours;
        d.fonts = &fonts;
        d.printing = &printing;
        d.prover_predicates = &predicates;
        d.prover_printing = &prover_printing;
        d.calculators = [this](CalculatorKeys& keys) -> std::unique_ptr<CalculatorView> {
            calculator.keys = &keys;
            return std::make_unique<RecordingCalculator>(calculator);
        };
        return d;
    }
};

// The program: TDrawApp with its frame, first drawing window and Script
// Manager, on AppServices.
struct RunningApp {
    ScriptedUi ui;
    ScriptedAppDialogs dialogs;
    AppServices services;
    std::unique_ptr<TDrawApp> app;

    explicit RunningApp(const std::string& start_file = {})
        : services((ensure_widgets_application(), ui.services()), dialogs.dialogs())
    {
        g_tex_dir = output_dir().string();
        app = std::make_unique<TDrawApp>(ui.services(), services.drawing(), start_file);
        app->InitMainWindow();
        app->InitInstance();
        settle();
    }
    ~RunningApp()
    {
        close_prover();
        // Whatever the test left unsaved is dropped without a question.
        for (Dchild* child : app->client()->children())
            child->modified = 0;
        app.reset();
        settle();
    }

    Dclient& client() { return *app->client(); }
    // The active drawing window.
    Dchild& drawing() { return *g_active_draw; }
    ObjectTable& table() { return drawing().objects(); }
    std::string pane(int n) { return app->panes().text(n); }

    // A command as the menu, toolbox or accelerator sends it.
    bool command(int id)
    {
        const bool taken = app->route_command(id);
        settle();
        return taken;
    }

    // --- The mouse, as the toolkit delivers it to the active drawing ---
    void click(QPoint at)
    {
        QTest::mouseClick(&drawing(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }
    void click_on(int k) { click(position_of(k)); }
    void right_click()
    {
        QTest::mouseClick(&drawing(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        settle();
    }
    void drag(QPoint from, QPoint to, int steps = 5)
    {
        QTest::mousePress(&drawing(), Qt::LeftButton, Qt::NoModifier, from);
        for (int s = 1; s <= steps; ++s)
            QTest::mouseMove(&drawing(), from + (to - from) * s / steps);
        QTest::mouseRelease(&drawing(), Qt::LeftButton, Qt::NoModifier, to);
        settle();
    }
    QPoint position_of(int k)
    {
        const Dpoint& p = table()[k];
        return QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    }

    // Index of the object named `name` in the active drawing; 0 when none.
    int find(std::string_view name)
    {
        ObjectTable& t = table();
        for (int k = 20; k < t.count(); ++k)
            if (t[k].name_view() == name)
                return k;
        return 0;
    }

    // --- The prover window ---
    toskApp* prover() { return running_prover(); }
    void close_prover()
    {
        if (toskApp* p = running_prover()) {
            // Output not shown yet would mark the text changed at the close.
            p->edit()->flush_output();
            p->edit()->document()->setModified(false);
            p->frame()->close();
            settle();
        }
    }
};

}  // namespace app_test
