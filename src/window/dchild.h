#pragma once
// One drawing document: an MDI child window that owns a diagram, paints it on
// its surface through the painter, routes its commands and asks to save a
// changed drawing when it closes.

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/diagram.h"
#include "paint/animation_services.h"
#include "platform/device_context.h"
#include "platform/surface.h"
#include "window/command_table.h"
#include "window/mouse_releasing_ui.h"

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

// The window is the diagram's hooks object and also answers the painter's
// animation-services lookup, forwarding to the animation subsystem.
class Dchild : public QWidget, public DiagramHooks, public AnimationServices {
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

    // Set when a click, key or command changed what the point file stores
    // (see saved_form_fingerprint); cleared by saving.
    int modified = 0;
    int untitled = 1;  // a new drawing not yet saved under a name
    FileData file_data;
    // False when the file the window was made for could not be read.
    bool file_read() const { return file_read_; }
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
    // The desktop's services as the window hands them on: its dialogs let the
    // mouse go before they open (mouse_releasing_ui.h).
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

    // Left button, mouse moves and arrow keys; points in client pixels.
    void EvLButtonDown(DevPoint point);
    void EvLButtonUp(DevPoint point);
    void EvMouseMove(DevPoint point);
    // key: the virtual-key code (0x25 left, 0x26 up, 0x27 right, 0x28 down).
    void EvKeyDown(unsigned key);

    // The block commands and the steps the mouse handlers call (0 preset,
    // 1 a point of a part copy, 2 end of a part copy, 3 mirror).
    void block_cmd(int code);
    // Turns the drawing (or its current block) about record 12 and repaints on dc.
    void rotate_diagram(DeviceContext& dc, double angle);
    // Copies the off-screen image to the window (one block transfer).
    void show_off_screen();

    // --- Changes worth saving ---
    // A fingerprint of the drawing as its point file would store it: objects,
    // state records, the computation list, the unit, loci and traces.
    std::uint64_t saved_form_fingerprint();
    // Marks the drawing changed when its fingerprint is no longer `before`.
    void mark_if_changed(std::uint64_t before);
    // Notes the fingerprint when made and marks the drawing changed when it
    // differs at the end of the scope. A drawing marked already is not
    // fingerprinted: within the scope only a save clears the mark, and a save
    // changes nothing.
    class ChangeWatch {
    public:
        explicit ChangeWatch(Dchild& win) : win_(win)
        {
            if (!win.modified)
                before_ = win.saved_form_fingerprint();
        }
        ~ChangeWatch()
        {
            if (before_)
                win_.mark_if_changed(*before_);
        }
        ChangeWatch(const ChangeWatch&) = delete;
        ChangeWatch& operator=(const ChangeWatch&) = delete;

    private:
        Dchild& win_;
        std::optional<std::uint64_t> before_;
    };

    // Ends a running mouse operation without its release: a modal dialog is
    // about to take the button's release. The animation keeps its hold.
    void let_mouse_go();

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
    void script_update_lines(int from_pos, int end_pos) override;
    void script_delete_line(int pos) override;
    void script_refill() override;
    bool pt_in_quantity(int mode) override;
    void measure_cmd(int code) override;
    void release_expression_tokens() override;
    void reset_computation_list() override;
    void reset_animation() override;
    void build_from_record(Dpoint& rec) override;
    MessageBoxes* message_boxes() override;

    // --- AnimationServices (forwarded to the animation subsystem) ---
    void eval_qty(Diagram& d, DeviceContext& dc, int k, int mode) override;
    void draw_driving_points(Diagram& d, DeviceContext& dc) override;
    void draw_loci(Diagram& d, DeviceContext& dc) override;
    void animation_step(Diagram& d) override;
    void begin_loci_replay(Diagram& d) override;
    void end_loci_replay(Diagram& d) override;
    void start_animation(Diagram& d) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The handler of one response-table entry; command() wraps it.
    bool run_command(const DchildCommand& entry, int id);
    // The left button's work; EvLButtonDown and EvLButtonUp watch it for changes.
    void left_press(DevPoint point);
    void left_release(DevPoint point);
    // Left-button modes that need more than a line.
    void pick_driving_point();
    void start_point_drag();
    void start_name_move();
    void choose_rotation_centre();
    void choose_resize_reference();
    void start_resize();
    void step_through_click();
    void start_mirror_line();
    void add_to_hide_list();
    // Release actions.
    void mirror_current_block();
    void copy_rectangle_to_clipboard();
    void finish_dragged_element(DevPoint release);
    // Mouse-move feedback and the hover text.
    void hover(DevPoint point);
    void move_feedback(DevPoint point);
    void clear_off_screen();
    // Block commands.
    void part_copy_begin();
    void part_copy_point();
    void part_copy_end();
    void paste_block();
    void delete_current_block();

    // Marks the drawing changed when it differs from what the press that
    // began the mouse operation found.
    void mark_if_changed_since_press();
    void release();
    // Makes this the active drawing window of its client.
    void bring_to_front();
    void clear_drawing();
    void delete_last();
    void start_step_through();
    // Runs a drawing call on the mouse operation's context, or asks for a
    // repaint when no operation runs.
    template <typename Fn>
    void with_drawing_dc(Fn&& fn);
    void update_toolbox();

    DrawingServices& services_;
    MouseReleasingUi releasing_ui_;
    const UiServices& ui_ = releasing_ui_.services();
    Surface surface_;
    std::unique_ptr<ImageDC> mouse_dc_;
    Surface off_surface_;
    std::unique_ptr<ImageDC> mem_dc_;
    std::unique_ptr<WindowTimer> timer_;
    bool captured_ = false;
    bool file_read_ = true;
    // The drawing as the press that began the running (or last) mouse
    // operation found it; a release compares with it.
    std::optional<std::uint64_t> press_fingerprint_;
    bool repaint_pending_ = false;
    bool erase_pending_ = false;
    bool repaint_posted_ = false;
    // Set while a step-through drawing holds the commands disabled.
    bool stepping_lock_ = false;
    // A part copy: the last object index before it began, and the copy of
    // the preceding click (0 when none). Kept here as well as in the state
    // record, where a repaint may clear them.
    int part_copy_last_ = 0;
    int part_copy_prev_ = 0;
};

// The active drawing window, or null: set when a drawing window is activated,
// cleared when that window closes.
extern Dchild* g_active_draw;
// Number of display colours the off-screen images are made with.
extern int g_ncolors;

// The copied block, one for the whole application: the window it is copied
// from (null when nothing is copied), its block number then (0: all blocks)
// and that window's last object index then.
extern Dchild* g_block_owner;
extern signed char g_copied_block;
extern int g_copied_last;
