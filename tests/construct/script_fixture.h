#pragma once
// A drawing listed by the Script Manager: a stand-in window that is at once
// the construction engine's host, the diagram's neighbour (whose script line
// calls reach the Script Manager while it lists this drawing) and the Script
// Manager's drawing, painting on a recording context.

#include <gtest/gtest.h>

#include <QApplication>

#include <string>
#include <vector>

#include "construct/cons_engine.h"
#include "construct/construction_host.h"
#include "construct/list_window.h"
#include "construct/object_dialogs.h"
#include "construct/script_drawing.h"
#include "construct/text_line.h"
#include "model/adding.h"
#include "model/deleting.h"
#include "model/diagram.h"
#include "paint/paint_diagram.h"
#include "platform/dialogs.h"
#include "platform/recording_dc.h"
#include "support/widgets_application.h"

namespace script_test {

inline std::string output_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_OUTPUT) + "/" + file;
}

class ScriptHost : public ConstructionHost, public DiagramHooks, public ScriptDrawing, public TextStatus {
public:
    explicit ScriptHost(std::string title = "Diagram 1") : d(this), title_(std::move(title))
    {
        d.table.pen_colour() = kBlack;
        d.table.font_colour() = kBlack;
        d.table.brush_colour() = kGreen;
    }

    Diagram d;
    RecordingDC dc;
    std::array<std::string, 3> panes;
    ScriptedMessageBoxes boxes;
    int repaints = 0;
    int mouse_operations = 0;
    int open_operations = 0;
    int clears = 0;
    int invalidations = 0;

    ObjectTable& t() { return d.table; }

    // --- ConstructionHost ---
    Diagram& diagram() override { return d; }
    void set_status(int pane, std::string_view text) override { panes.at(pane - 1) = std::string(text); }
    DeviceContext* mouse_dc() override { return &dc; }
    void invalidate() override { ++invalidations; }

    // --- DiagramHooks ---
    void draw_one(int k) override { ::draw_one(d, dc, k); }
    bool script_manager_open() const override
    {
        return g_script_mgr && g_script_mgr->drawing() == static_cast<const ScriptDrawing*>(this);
    }
    void script_append_line(int object_index) override { g_script_mgr->AppendLine(&d.table[object_index]); }
    void script_update_line(int pos) override { g_script_mgr->UpdateLine(pos); }
    void script_update_lines(int from_pos, int end_pos) override { g_script_mgr->UpdateLines(from_pos, end_pos); }
    void script_delete_line(int pos) override { g_script_mgr->DeleteLine(pos); }
    void script_refill() override { g_script_mgr->Refill(); }
    void build_from_record(Dpoint& rec) override { cons_step(*this, -1, &rec, 0); }
    MessageBoxes* message_boxes() override { return &boxes; }

    // --- ScriptDrawing ---
    std::string caption() const override { return title_; }
    void repaint_now() override
    {
        ++repaints;
        dc.clear();
    }
    DeviceContext* begin_mouse_operation() override
    {
        ++open_operations;
        return &dc;
    }
    void end_mouse_operation() override { ++mouse_operations; }
    void clear_all() override
    {
        ++clears;
        clear_diagram(d);
        if (script_manager_open())
            g_script_mgr->Refresh();
    }
    TextStatus* status() override { return this; }

    // --- TextStatus ---
    void set_status1(std::string_view text) override { panes[0] = std::string(text); }
    void set_status3(std::string_view text) override { panes[2] = std::string(text); }

    // --- Scripting ---
    int point(double x, double y, const char* name)
    {
        Dpoint p(101, name);
        p.cls = 1;
        p.size = 2;
        p.x = x;
        p.y = y;
        return add_obj(d, p);
    }
    int object(int type, int cls, std::initializer_list<int> args, const char* name = "x")
    {
        Dpoint o(type, name);
        o.cls = static_cast<std::int8_t>(cls);
        int i = 0;
        for (int a : args)
            o.arg[static_cast<std::size_t>(i++)] = a;
        return add_obj(d, o);
    }
    // The line the Script Manager must show for object k.
    std::string expected_line(int k) { return std::to_string(k - 20) + ": " + obj_text(d.table, 1, k); }
    std::vector<std::string> expected_lines()
    {
        std::vector<std::string> out;
        for (int k = 20; k < d.table.count(); ++k)
            out.push_back(expected_line(k));
        return out;
    }

private:
    std::string title_;
};

}  // namespace script_test
