#pragma once
// One drawing document: an MDI child window that owns a diagram, paints it on
// its surface through the painter, routes its commands and asks to save a
// changed drawing when it closes.

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "model/diagram.h"
#include "platform/device_context.h"
#include "platform/surface.h"
#include "window/command_table.h"

class Dclient;
class DrawingServices;
class ImageDC;
class WindowTimer;
struct UiServices;

// The file name of a drawing and the settings of its file dialogs.
struct FileData {
    static constexpr unsigned kFlags = 0x1004;  // file must exist, no read-only box
    std::string path;
    std::string filter;
    std::string default_ext;
    unsigned flags = kFlags;
};

class Dchild : public QWidget, public DiagramHooks {
public:
    // open_data: the file the new window loads (its title is then the file
    // name); none for a new, untitled drawing.
    Dchild(const std::string& title, const std::optional<FileData>& open_data,
           DrawingServices& services, const UiServices& ui, QWidget* parent = nullptr);
    ~Dchild() override;

    // --- What the drawing owns ---
    Diagram diagram;
    ObjectTable& objects() { return diagram.table; }
    // The record of the pending command, filled click by click.
    Dpoint& scratch() { return diagram.pending; }

    int modified = 0;  // set by every handled left click, cleared by saving
    int untitled = 1;  // a new drawing not yet saved under a name
    FileData file_data;
    int step_cursor = 0;  // next object of a step-through drawing
    int view_flag = 0;    // flipped by command 209; nothing else reads it
    // 1-pixel solid pens: black (line colour), light red, light green.
    std::array<Pen, 3> pens{};
    // Solid brushes: black (line colour), light grey.
    std::array<Brush, 2> brushes{};

    // The client device context of a running mouse operation (or of a screen
    // repaint); null when none. It paints on the window's surface.
    DeviceContext* mouse_dc() const;
    // The off-screen image of mouse feedback and animation; null when none.
    DeviceContext* mem_dc() const;
    bool mouse_captured() const { return captured_; }
    // What the window shows.
    const Surface& surface() const { return surface_; }
    Surface& surface() { return surface_; }

    DrawingServices& services() { return services_; }
    const UiServices& ui() const { return ui_; }
    std::string title() const;
    // The window's animation timer (id 1).
    WindowTimer& timer();

    // --- Operations ---
    // The shared operation codes and the fifteen commands routed here.
    void draw_action(int code);
    // Invalidates the whole client area; the repaint runs when the event loop
    // is next idle, or at flush().
    void invalidate(bool erase = true);
    // Runs a pending repaint now; true when one ran.
    bool flush();
    bool repaint_pending() const { return repaint_pending_; }
    // The repaint: the whole diagram on the window's surface, or on `target`
    // while the print commands paint (pending command 210).
    void Paint(DeviceContext* target = nullptr);
    // The framework asks before the window closes; false keeps it open.
    bool CanClose();

    // --- Command routing (the window's response table) ---
    // True when the table binds a handler to the id.
    bool handles_command(int id) const;
    // Carries out a command of the table; false when the table has no handler.
    bool command(int id);
    // The answer of the command-enable query: the enabler's rule and whether
    // its handler is available; nullopt when the table has neither an enabler
    // nor a handler for the id (the query goes on to the client).
    std::optional<bool> command_enabled(int id);
    // The rule of one enabler on this window's state.
    bool enabler_rule(CommandEnabler enabler);
    // Whether the handler of this kind can run now (later subsystems provide theirs).
    bool handler_available(CommandHandler handler) const;

    // Mode commands.
    void drag_mode_cmd(int id);
    void cons_mode_cmd(int id);
    void toggle_view_flag();

    // Right button: finishes what the current mode does, then cancels.
    void EvRButtonDown();
    void EvRButtonUp();

    // Called after every command, mouse or key event: leaving a step-through
    // drawing by any way but finishing it gives the commands back; the
    // toolbox follows the new state; the surface is shown.
    void after_event();

    // --- DiagramHooks ---
    void invalidate() override { invalidate(true); }
    void draw_one(int k) override;
    void draw_point(int k) override;
    void draw_line(int k) override;
    void resample_conic(int k) override;
    bool script_manager_open() const override;
    void script_append_line(int object_index) override;
    void script_update_line(int pos) override;
    void script_delete_line(int pos) override;
    void script_refill() override;
    void reset_computation_list() override;
    void reset_animation() override;
    void build_from_record(Dpoint& rec) override;
    MessageBoxes* message_boxes() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void release();
    void clear_drawing();
    void delete_last();
    void start_step_through();
    // A DC on the surface for a single drawing call outside a mouse operation.
    template <typename Fn>
    void with_drawing_dc(Fn&& fn);
    void update_toolbox();

    DrawingServices& services_;
    const UiServices& ui_;
    Surface surface_;
    std::unique_ptr<ImageDC> mouse_dc_;
    Surface off_surface_;
    std::unique_ptr<ImageDC> mem_dc_;
    std::unique_ptr<WindowTimer> timer_;
    bool captured_ = false;
    bool repaint_pending_ = false;
    bool erase_pending_ = false;
    bool repaint_posted_ = false;
    // Set while a step-through drawing holds the commands disabled.
    bool stepping_lock_ = false;
};

// The active drawing window, or null: set when a drawing window is activated,
// cleared when that window closes.
extern Dchild* g_active_draw;
// Number of display colours the off-screen images are made with.
extern int g_ncolors;
