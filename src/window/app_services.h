#pragma once
// Everything the drawing windows take from the subsystems above them, built
// in one place: the construction engine with the object dialogs, the Script
// Manager and the Tools commands, point files, export and printing,
// animation with its calculator, and the prover. The program builds it on
// the toolkit's dialogs; tests build the very same services on scripted ones.
//
//   QtUi ui;
//   QtAppDialogs dialogs(ui.services());
//   AppServices services(ui.services(), dialogs.dialogs());
//   TDrawApp app(ui.services(), services.drawing());

#include "construct/object_dialogs.h"
#include "construct/qt_choosers.h"
#include "platform/qt_print_dialogs.h"
#include "window/animation_adapter.h"
#include "window/construct_adapter.h"
#include "window/drawing_services.h"
#include "window/file_link.h"
#include "window/file_services.h"
#include "window/prover_bridge.h"
#include "window/script_link.h"
#include "window/ui_services.h"

class PredicateInput;
class QWidget;

// The dialogs the drawing services open besides those of UiServices. The
// pointers are not owned and must outlive the services; the first four must
// be set.
struct AppDialogs {
    ObjectDialogs* objects = nullptr;
    ColourChooser* colours = nullptr;
    FontChooser* fonts = nullptr;
    // Printing, print preview and printer set-up of the drawings.
    PrintDialogs* printing = nullptr;
    // The prover window's predicate and print dialogs; null: the prover
    // window's own toolkit dialogs.
    PredicateInput* prover_predicates = nullptr;
    PrintDialogs* prover_printing = nullptr;
    // Makes the calculator dialog; empty: the toolkit's calculator.
    CalculatorFactory calculators;
};

// The order of the providers: each mixin answers its own commands and hands
// the rest down to the construction engine.
using AppDrawingServices =
    WithProver<WithAnimation<WithFiles<WithScriptManager<ConstructionServices>>>>;

class AppServices {
public:
    // ui: the message boxes, input, file dialogs, help and timers of the
    // program (copied; what they point to must outlive the services).
    AppServices(const UiServices& ui, const AppDialogs& dialogs);
    // The point-name font and the font dialog's data go with the program run.
    ~AppServices();
    AppServices(const AppServices&) = delete;
    AppServices& operator=(const AppServices&) = delete;

    // What TDrawApp and its drawing windows are built on.
    DrawingServices& drawing() { return drawing_; }

    AnimationProvider& animation() { return animation_; }
    ScriptManagerLink& script_manager() { return script_link_; }
    FileServices& files() { return files_; }

private:
    UiServices ui_;
    AnimationProvider animation_;
    ScriptManagerLink script_link_;
    FileServices files_;
    AppDrawingServices drawing_;
};

// The toolkit's object dialogs, colour and font choosers and print dialogs,
// owned together for the program.
class QtAppDialogs {
public:
    explicit QtAppDialogs(const UiServices& ui);
    // The frame the modal dialogs belong to.
    void set_parent(QWidget* parent) { print_dialogs_.set_parent(parent); }
    AppDialogs dialogs();

private:
    QtColourChooser colour_chooser_;
    QtFontChooser font_chooser_;
    QtObjectDialogs object_dialogs_;
    QtPrintDialogs print_dialogs_;
};
