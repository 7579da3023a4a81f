#pragma once
// The application object: the MDI frame with its menu "COMMANDS", the
// two-column toolbox and the three-pane status bar around the client, the
// command road (active drawing, then client, then the frame) and the close
// test of the whole program.

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "window/status_panes.h"
#include "window/ui_services.h"

class Dclient;
class DrawingServices;
class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class TDrawApp;

// The main window; its close asks the application first.
class DrawFrame : public QMainWindow {
public:
    explicit DrawFrame(TDrawApp& app) : app_(app) {}
    // When set, the program ends as the frame closes (other windows such as
    // the help window do not keep it running).
    void set_quit_on_close(bool quit) { quit_on_close_ = quit; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TDrawApp& app_;
    bool quit_on_close_ = false;
};

class TDrawApp {
public:
    // start_file: the point file named on the command line, loaded into the
    // first drawing window; empty when none.
    TDrawApp(const UiServices& ui, DrawingServices& services, std::string start_file = {});
    ~TDrawApp();
    TDrawApp(const TDrawApp&) = delete;
    TDrawApp& operator=(const TDrawApp&) = delete;

    // Builds the frame: client, menu, status bar, toolbox, icon.
    void InitMainWindow();
    // Shows the frame, opens the first drawing (with the command-line file)
    // and the Script Manager.
    void InitInstance();
    // The close test of the frame: refused while the prover is open or when a
    // drawing window refuses.
    bool CanClose();

    DrawFrame* frame() const { return frame_.get(); }
    Dclient* client() const { return client_; }
    StatusPanes& panes() { return panes_; }
    const UiServices& ui() const { return ui_; }
    DrawingServices& services() { return services_; }
    // The three drawing fonts: names, subscripts, large text.
    const std::array<Font, 3>& fonts() const { return fonts_; }

    // A menu, toolbox or accelerator command: to the active drawing window,
    // then to the client, then to the frame. Disabled commands do nothing.
    // True when some handler took it.
    bool route_command(int id);
    // The command-enable query, on the same road; false when nobody handles it.
    bool command_enabled(int id);
    // Re-runs the enabler of every toolbox button.
    void update_toolbox();
    // Runs the enablers of a popup's items, and the Script Manager check mark.
    void update_menu(QMenu& menu);
    // Check mark on "Show &Script Manager" while the Script Manager is open.
    void EvInitMenu();

    QAction* menu_action(int id) const;
    QToolButton* toolbox_button(int id) const;
    const std::vector<QToolButton*>& toolbox_buttons() const { return buttons_; }
    QToolBar* toolbox() const { return toolbox_; }
    // Hint of the command under the mouse or highlighted in a menu.
    std::string hint_of(int id) const;

private:
    void build_menu();
    void build_toolbox();
    bool frame_command(int id);
    std::optional<bool> frame_command_enabled(int id) const;

    UiServices ui_;
    DrawingServices& services_;
    std::string start_file_;
    std::unique_ptr<DrawFrame> frame_;
    Dclient* client_ = nullptr;
    StatusPanes panes_;
    QToolBar* toolbox_ = nullptr;
    std::vector<QToolButton*> buttons_;
    std::map<int, QAction*> actions_;
    std::array<Font, 3> fonts_{};
};

// The running application (null when none).
extern TDrawApp* g_app;

// The three drawing fonts from one logical font: face "Time New Roman",
// heights 18 (names), 14 (subscripts) and 64 (large text).
std::array<Font, 3> make_fonts();

// Colours of a display of the given bits per pixel as the off-screen images
// count them: 2, 16 or 256 up to 8 bits, and 256 for anything deeper (or an
// unknown depth).
int display_colour_count(int bits_per_pixel);

// The program icon (a triangle with its circumcircle).
QIcon application_icon();
