#pragma once
// Shared set-up of the window tests: one widgets application for the whole
// test program, scripted desktop services, and a record of what the drawing
// windows asked of the later subsystems.

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/dpoint.h"
#include "paint/animation_services.h"
#include "window/dchild.h"
#include "window/dclient.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/prover_link.h"
#include "window/scripted_ui.h"
#include "window/status_panes.h"
#include "window/window_strings.h"

#include "support/widgets_application.h"

// Deletes the windows whose close asked for a deferred delete.
inline void process_deferred_deletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Records every call a drawing window makes into the later subsystems.
class RecordingServices : public DrawingServices {
public:
    struct Call {
        std::string what;
        int arg = 0;
        friend bool operator==(const Call&, const Call&) = default;
    };

    std::vector<Call> calls;
    std::set<CommandHandler> missing;  // handlers reported as not provided
    bool save_succeeds = true;
    int prover_points = 0;
    bool script_open = false;
    std::string object_text = "A: free point";
    std::vector<std::string> begun;  // command lines begun: "name/n"

    bool provides(CommandHandler h) const override { return missing.count(h) == 0; }
    void cons_step(Dchild&, int step, Dpoint* rec, int) override
    {
        calls.push_back({"cons_step", step});
        last_cons_type = rec ? rec->type : -1;
    }
    void cons_click(Dchild&, DevPoint mouse) override
    {
        calls.push_back({"cons_click", mouse.x});
        clicks.push_back(mouse);
    }
    void obj_step(Dchild&, int step, Dpoint*, int) override { calls.push_back({"obj_step", step}); }
    void trace_mouse(Dchild&, int phase, DevPoint) override { calls.push_back({"trace_mouse", phase}); }
    void draw_statement_step(Dchild&) override { calls.push_back({"draw_statement_step", 0}); }
    AnimationServices& animation() override { return animation_services; }
    void cmd_begin(Dchild&, const std::string& name, int n) override
    {
        begun.push_back(name + "/" + std::to_string(n));
    }
    std::string obj_text(Dchild&, int, int k) override
    {
        calls.push_back({"obj_text", k});
        return object_text;
    }
    void set_color(Dchild&, int id) override { calls.push_back({"CmSetColor", id}); }
    void line_width(Dchild&) override { calls.push_back({"CmLineWidth", 0}); }
    void line_style(Dchild&) override { calls.push_back({"CmLineStyle", 0}); }
    void font_size(Dchild&) override { calls.push_back({"CmFontSize", 0}); }
    void cm_animation(Dchild&, int id) override { calls.push_back({"CmAnimation", id}); }
    void ev_timer(Dchild&, int id) override { calls.push_back({"EvTimer", id}); }
    void measure_cmd(Dchild&, int id) override { calls.push_back({"measure_cmd", id}); }
    void forget_calculator() override { calls.push_back({"forget_calculator", 0}); }
    void reset_computation_list(Dchild&) override { calls.push_back({"reset_computation_list", 0}); }
    void reset_animation(Dchild&) override { calls.push_back({"reset_animation", 0}); }
    bool fig_read(Dchild&, const std::string& path) override
    {
        calls.push_back({"fig_read", 0});
        read_paths.push_back(path);
        return true;
    }
    bool fig_save(Dchild&) override
    {
        calls.push_back({"fig_save", 0});
        return save_succeeds;
    }
    bool fig_save_as(Dchild&) override
    {
        calls.push_back({"fig_save_as", 0});
        return save_succeeds;
    }
    void save_ps(Dchild&) override { calls.push_back({"save_ps", 0}); }
    void save_bitmap(Dchild&) override { calls.push_back({"save_bitmap", 0}); }
    void print(Dchild&) override { calls.push_back({"CmPrint", 0}); }
    void printer_setup(Dchild&) override { calls.push_back({"CmPrinterSetup", 0}); }
    void print_preview(Dchild&) override { calls.push_back({"CmPrintPreview", 0}); }
    void open_script_manager() override { calls.push_back({"CmScriptManager", 0}); }
    bool script_manager_open() const override { return script_open; }
    void script_refresh() override { calls.push_back({"script_refresh", 0}); }
    void run_prover_app() override
    {
        calls.push_back({"CmShowProver", 0});
        if (on_run_prover)
            on_run_prover();
    }
    std::function<void()> on_run_prover;
    void draw_script(Dchild&) override { calls.push_back({"CmDrawScript", 0}); }
    int prover_point_count() const override { return prover_points; }
    void upd_attr_buf(Dchild& win) override
    {
        calls.push_back({"upd_attr_buf", 0});
        DrawingServices::upd_attr_buf(win);
    }

    bool called(const std::string& what) const
    {
        for (const Call& c : calls)
            if (c.what == what)
                return true;
        return false;
    }
    int count(const std::string& what) const
    {
        int n = 0;
        for (const Call& c : calls)
            n += c.what == what;
        return n;
    }

    int last_cons_type = 0;
    std::vector<std::string> read_paths;
    std::vector<DevPoint> clicks;

    // What the painter asked of the animation through the window.
    struct RecordingAnimation : AnimationServices {
        int driving_points = 0;
        int loci = 0;
        std::vector<int> quantities;  // k * 10 + mode
        void eval_qty(Diagram&, DeviceContext&, int k, int mode) override { quantities.push_back(k * 10 + mode); }
        void draw_driving_points(Diagram&, DeviceContext&) override { ++driving_points; }
        void draw_loci(Diagram&, DeviceContext&) override { ++loci; }
    };
    RecordingAnimation animation_services;
};

// An application with its frame and first drawing window, on scripted services.
struct AppFixture {
    ScriptedUi ui;
    RecordingServices services;
    std::unique_ptr<TDrawApp> app;

    AppFixture()
    {
        ensure_widgets_application();
        app = std::make_unique<TDrawApp>(ui.services(), services);
        app->InitMainWindow();
        app->InitInstance();
    }
    ~AppFixture()
    {
        app.reset();
        process_deferred_deletes();
    }

    Dclient& client() { return *app->client(); }
    Dchild& active() { return *g_active_draw; }
};

// A drawing window on its own, without a frame, on scripted dialogs and its
// own status panes. The services come first, so that they are made before the
// window and outlive it; constructor arguments after the size go to them.
template <class Services>
struct LoneWindow {
    Services services;
    ScriptedUi ui;
    UiServices ui_services;
    StatusPanes panes;
    std::unique_ptr<Dchild> win;

    template <class... ServiceArgs>
    explicit LoneWindow(DevSize size, ServiceArgs&&... service_args)
        : services(std::forward<ServiceArgs>(service_args)...)
    {
        ensure_widgets_application();
        register_window_strings();
        set_status_panes(&panes);
        ui_services = ui.services();
        win = std::make_unique<Dchild>("Diagram 1", std::nullopt, services, ui_services);
        win->resize(size.cx, size.cy);
        win->flush();
    }
    ~LoneWindow()
    {
        win.reset();
        set_status_panes(nullptr);
    }
    const std::string& pane(int n) const { return panes.text(n); }
};

// A lone drawing window whose services record what it asks of them.
struct WindowFixture : LoneWindow<RecordingServices> {
    WindowFixture() : LoneWindow({400, 300}) {}
};

// The lone window as a test fixture, with short names for it and its table.
struct WindowTest : ::testing::Test, WindowFixture {
    WindowFixture& f = *this;
    Dchild& win = *WindowFixture::win;
    ObjectTable& t = win.objects();
};

// Appends a free point at (x, y) named `name` to the window's table.
inline int add_free_point(Dchild& win, double x, double y, const char* name)
{
    Dpoint p = Dpoint::at_position(101, name, static_cast<int>(x), static_cast<int>(y));
    p.cls = 1;
    p.size = 2;
    return win.objects().append(p);
}
