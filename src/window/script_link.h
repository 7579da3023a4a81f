#pragma once
// The Script Manager and the attribute dialogs in the drawing windows: a
// window seen as the Script Manager's drawing, and the calls through which
// the windows' services open the Script Manager, keep its lines in step with
// the drawing it lists, word objects and run the Tools commands.

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "construct/script_drawing.h"
#include "construct/text_line.h"
#include "platform/device_context.h"
#include "window/command_table.h"
#include "window/drawing_services.h"

class ColourChooser;
class Dchild;
class FontChooser;
class MessageBoxes;
class ObjectDialogs;

// Status panes 1 and 3 as the object texts write them.
class StatusPaneText : public TextStatus {
public:
    void set_status1(std::string_view text) override;
    void set_status3(std::string_view text) override;
};

// One drawing window as the drawing the Script Manager lists.
class DchildScriptDrawing : public ScriptDrawing {
public:
    explicit DchildScriptDrawing(Dchild& win) : win_(win) {}
    Dchild& window() const { return win_; }

    Diagram& diagram() override;
    std::string caption() const override;
    void repaint_now() override;
    DeviceContext* begin_mouse_operation() override;
    void end_mouse_operation() override;
    void clear_all() override;
    TextStatus* status() override { return &status_; }
    void changed() override;

private:
    Dchild& win_;
    StatusPaneText status_;
};

class ScriptManagerLink {
public:
    // Listing a drawing of this many objects or more keeps the window from
    // input long enough (a twentieth of a second and more) that the list's
    // refills started here show the busy cursor meanwhile: at opening, at
    // activation, after reading a point file and at a refresh.
    static constexpr int kBusyListObjects = 5000;

    ScriptManagerLink(MessageBoxes& boxes, ObjectDialogs& dialogs, ColourChooser& colours, FontChooser& fonts);
    ~ScriptManagerLink();
    ScriptManagerLink(const ScriptManagerLink&) = delete;
    ScriptManagerLink& operator=(const ScriptManagerLink&) = delete;

    // Called with the font of point names that "Font Size" chose; the window
    // that ran it is repainted afterwards.
    std::function<void(const Font&)> on_name_font;

    // Commands 188, 137/142/167, 138, 139 and 174.
    bool provides(CommandHandler handler) const;

    // Opens the Script Manager for the frame (or brings it forward), listing
    // the active drawing.
    void open_script_manager();
    bool script_manager_open() const;
    // The drawing activated (null: the shown one closed; the list then shows
    // the drawing still active, if any).
    void script_show_drawing(Dchild* win);
    void script_refresh();
    // Line edits, only for the drawing that the list shows.
    void script_append_line(Dchild& win, int object_index);
    void script_update_line(Dchild& win, int pos);
    void script_update_lines(Dchild& win, int from_pos, int end_pos);
    void script_delete_line(Dchild& win, int pos);
    void script_refill(Dchild& win);
    // After a drawing was saved under a new name (its caption).
    void script_saved_as(Dchild& win);

    // The one-line text of object k.
    std::string obj_text(Dchild& win, int style, int k);

    // The Tools commands.
    void set_color(Dchild& win, int id);
    void line_width(Dchild& win);
    void line_style(Dchild& win);
    void font_size(Dchild& win);
    void upd_attr_buf(Dchild& win);

private:
    // The list's drawing for win, made anew when the window changes.
    DchildScriptDrawing* wrap(Dchild* win);
    bool lists(const Dchild& win) const;

    MessageBoxes& boxes_;
    ObjectDialogs& dialogs_;
    ColourChooser& colours_;
    FontChooser& fonts_;
    std::unique_ptr<DchildScriptDrawing> shown_;
    StatusPaneText status_;
};

// Adds the Script Manager and the Tools commands to any drawing services:
// WithScriptManager<ConstructionServices> services(link, &object_dialogs).
template <class Base>
class WithScriptManager : public Base {
public:
    template <typename... Args>
    explicit WithScriptManager(ScriptManagerLink& link, Args&&... args)
        : Base(std::forward<Args>(args)...), link_(link)
    {
    }

    bool provides(CommandHandler handler) const override
    {
        return link_.provides(handler) || Base::provides(handler);
    }
    std::string obj_text(Dchild& win, int style, int k) override { return link_.obj_text(win, style, k); }
    void upd_attr_buf(Dchild& win) override { link_.upd_attr_buf(win); }
    void set_color(Dchild& win, int id) override { link_.set_color(win, id); }
    void line_width(Dchild& win) override { link_.line_width(win); }
    void line_style(Dchild& win) override { link_.line_style(win); }
    void font_size(Dchild& win) override { link_.font_size(win); }
    void open_script_manager() override { link_.open_script_manager(); }
    void saved_as(Dchild& win) override { link_.script_saved_as(win); }
    bool script_manager_open() const override { return link_.script_manager_open(); }
    void script_show_drawing(Dchild* win) override { link_.script_show_drawing(win); }
    void script_refresh() override { link_.script_refresh(); }
    void script_append_line(Dchild& win, int object_index) override { link_.script_append_line(win, object_index); }
    void script_update_line(Dchild& win, int pos) override { link_.script_update_line(win, pos); }
    void script_update_lines(Dchild& win, int from_pos, int end_pos) override
    {
        link_.script_update_lines(win, from_pos, end_pos);
    }
    void script_delete_line(Dchild& win, int pos) override { link_.script_delete_line(win, pos); }
    void script_refill(Dchild& win) override { link_.script_refill(win); }

private:
    ScriptManagerLink& link_;
};
