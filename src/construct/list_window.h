#pragma once
// The Script Manager: one list window showing the objects of the drawing it
// follows, line p as "%d: %s" of p and the text of object p + 20. Selecting
// a line highlights its object in the drawing; the right button's menu adds
// an object through the "Add a object" dialog, modifies or deletes the
// selected one, or clears the drawing. Every change goes through the dialogs
// and the object-table operations; the table operations keep the lines in
// step through AppendLine, UpdateLine and DeleteLine.

#include <QListWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MessageBoxes;
class ObjectDialogs;
class QMenu;
class ScriptDrawing;
struct Dpoint;

// Commands of the pop-up menu.
namespace script_cmd {
inline constexpr int kTitle = 1313;
inline constexpr int kUndo = 1531;
inline constexpr int kDelete = 1532;
inline constexpr int kClearAll = 1535;
inline constexpr int kAdd = 1536;
inline constexpr int kUpdate = 1537;
}  // namespace script_cmd

class ListWindow : public QListWidget {
public:
    // Runs the pop-up menu at a screen position; the chosen action or null.
    using MenuRunner = std::function<QAction*(QMenu& menu, QPoint global)>;

    // The whole window, its frame and title bar included.
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 200;

    // A window of its own owned by `frame`, at its place by the frame, no
    // drawing yet.
    ListWindow(QWidget* frame, MessageBoxes& boxes, ObjectDialogs& dialogs);
    ~ListWindow() override;

    // The whole window's place by the whole frame window (both with the
    // window manager's frames): kWidth x kHeight, its lower right corner 5
    // pixels inside the frame's right edge and 25 above its bottom.
    static QRect outer_rect_by(const QRect& frame_outer);

    // Puts the window at its place by the frame, as the constructor does; for
    // a frame that the window manager placed since. `own_frame`: what the
    // window manager drew around this window, none before it is framed.
    void place_by(const QWidget& frame, const QMargins& own_frame = {});

    // The drawing listed; null when none. The creator and the activation set it.
    ScriptDrawing* drawing() const { return Drawing; }
    void set_drawing(ScriptDrawing* drawing) { Drawing = drawing; }

    // --- Operations of the other parts ---
    // Empties the list and lists every object of the drawing.
    void Refill();
    // Refill; returns 1.
    int Refresh(int clear = 0);
    // Adds the line of the object after the last listed one and selects it.
    int AppendLine(const Dpoint* obj = nullptr);
    // Removes line pos, then moves the selection one line down as the Down
    // key does (with the key's highlight, unless an update suppresses it).
    int DeleteLine(int pos);
    // Rewrites line pos from object pos + 20 and selects it.
    int UpdateLine(int pos);
    // Rewrites lines from..end-1 as UpdateLine does each in turn, with the
    // drawing's painting off (so without the Down key's highlight): the last
    // of them ends selected.
    int UpdateLines(int from, int end);
    // Caption "Script Manager : title" after the drawing was saved as `title`.
    void SetTitle(std::string_view title);
    // Caption "Script Manager: caption" (at most 39 characters of it), the
    // drawing, Refill: what the activation of a drawing does.
    void show_drawing(ScriptDrawing* drawing);

    // --- Commands (the pop-up menu's and the double click's) ---
    bool command(int id);
    void CmAdd();
    void CmUpdate();
    void CmDelete();
    void CmClearAll();
    void CmUndo() {}

    // The pop-up menu as it would be shown now (each action's data is its command).
    std::unique_ptr<QMenu> build_popup_menu();
    void set_menu_runner(MenuRunner runner) { run_menu_ = std::move(runner); }

    // The lines as shown.
    std::vector<std::string> lines() const;
    // The widest line seen since the last refill, in pixels: the list's
    // horizontal scroll extent.
    int max_extent() const { return MaxExtent; }
    bool updating() const { return Updating != 0; }
    // Dirty is never set: the list changes nothing that needs saving.
    bool is_dirty() const { return Dirty != 0; }

    // The keyboard and mouse handling, also reachable for the line operations.
    void EvKeyDown(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The list's own scroll ranges, the horizontal one widened to MaxExtent.
    void updateGeometries() override;

private:
    void AddObjLine();
    void InsertObjLine(int pos);
    int AddString(const std::string& s);
    int InsertString(const std::string& s, int pos);
    void FitExtent(const std::string& s);
    int line_extent(const std::string& s) const;
    void put_object_lines(int from, int end);
    std::string object_line(int pos);
    void EvRButtonDown(QPoint global);
    void highlight(int old_pos, int new_pos);

    int Dirty = 0;
    ScriptDrawing* Drawing = nullptr;
    int Updating = 0;
    int MaxExtent = 0;
    MessageBoxes& boxes_;
    ObjectDialogs& dialogs_;
    MenuRunner run_menu_;
};

// The Script Manager, or null while there is none.
extern ListWindow* g_script_mgr;

// Opens the Script Manager for the frame, or brings the existing one forward;
// a new one lists `active`. Its caption: "Script Manager" alone with no
// active drawing, else "Script Manager: " and the drawing's caption (at most
// 29 characters of it).
ListWindow* open_script_manager(QWidget* frame, ScriptDrawing* active, MessageBoxes& boxes,
                                ObjectDialogs& dialogs);

// At most n characters of a UTF-8 text (whole characters).
std::string first_characters(std::string_view text, int n);
