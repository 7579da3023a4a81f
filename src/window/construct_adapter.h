#pragma once
// The construction commands in the drawing windows: a window seen as the host
// of the construction state machines, and the services through which the
// windows' commands and mouse handlers reach them.

#include <string>
#include <string_view>

#include "construct/construction_host.h"
#include "window/drawing_services.h"

class Dchild;
class ObjectDialogs;

// One drawing window as the host of the construction commands.
class DchildConstructionHost : public ConstructionHost {
public:
    // dialogs: the object dialogs of the change commands; null: they cancel.
    DchildConstructionHost(Dchild& win, ObjectDialogs* dialogs);

    Diagram& diagram() override;
    void set_status(int pane, std::string_view text) override;
    DeviceContext* mouse_dc() override;
    void release_mouse() override;
    void end_command() override;
    void invalidate() override;
    InputDialog* input() override;
    void pick_conclusion(int step, Dpoint& rec) override;
    void rotate_diagram(DeviceContext* dc, double angle) override;
    int modify_object(Dpoint& copy) override;
    MeasurementLink& measurement() override { return measurement_; }

private:
    // Measurements go to whatever the window's services provide for them.
    class WindowMeasurement : public MeasurementLink {
    public:
        explicit WindowMeasurement(Dchild& win) : win_(win) {}
        void measure_cmd(int code) override;
        // An expression is being entered while the calculator is open.
        bool calculator_open() const override;

    private:
        Dchild& win_;
    };

    Dchild& win_;
    ObjectDialogs* dialogs_;
    WindowMeasurement measurement_;
};

// The construction engine, intersection and object commands for the windows.
// Everything else keeps the defaults of DrawingServices.
class ConstructionServices : public DrawingServices {
public:
    explicit ConstructionServices(ObjectDialogs* dialogs = nullptr) : dialogs_(dialogs) {}

    bool provides(CommandHandler handler) const override;
    void cons_step(Dchild& win, int step, Dpoint* rec, int flag) override;
    void cons_click(Dchild& win, DevPoint mouse) override;
    void obj_step(Dchild& win, int step, Dpoint* rec, int flag) override;
    void cmd_begin(Dchild& win, const std::string& name, int nargs) override;

private:
    ObjectDialogs* dialogs_;
};
