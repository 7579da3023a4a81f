#pragma once
// Helpers for painter tests: a drawing with objects placed by hand.

#include <functional>
#include <initializer_list>
#include <string>

#include "model/diagram.h"
#include "model/object_table.h"
#include "paint/animation_services.h"
#include "platform/colour.h"
#include "platform/recording_dc.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace paint_test {

// Appends a free point (type 101) at (x, y); returns its index.
inline int add_point(Diagram& d, double x, double y, const char* name = "")
{
    Dpoint p(101, name);
    p.cls = 1;
    p.x = x;
    p.y = y;
    return d.table.append(p);
}

// Appends a free point at `degrees` (counter-clockwise on screen) and
// distance `r` from (cx, cy).
inline int add_polar(Diagram& d, double cx, double cy, double r, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return add_point(d, cx + r * std::cos(a), cy - r * std::sin(a));
}

// Appends a text object (type 180) drawn at (x, y) with the given size.
inline int add_text(Diagram& d, double x, double y, const char* text, int size = 4,
                    Colour colour = kBlack)
{
    Dpoint t(180, "x");
    t.cls = 6;
    t.set_text(text);
    t.x = x;
    t.y = y;
    t.size = size;
    t.colour = colour;
    t.name_dx = 0;
    t.name_dy = 0;
    return d.table.append(t);
}

// Appends an object of the given type and class with its parents; returns its index.
inline int add_object(Diagram& d, int type, int cls, std::initializer_list<int> args,
                      Colour colour = kBlack)
{
    Dpoint o(type, "x");
    o.cls = static_cast<std::int8_t>(cls);
    int k = 0;
    for (int a : args)
        o.arg[k++] = a;
    o.colour = colour;
    o.name_shown = 0;
    return d.table.append(o);
}

// Puts (x, y) into record i.
inline void place(Diagram& d, int i, double x, double y)
{
    d.table[i].x = x;
    d.table[i].y = y;
}

// Switches the drawing to print mode with the usual scale.
inline void print_mode(Diagram& d, double scale = 6.0)
{
    d.table.pending_command() = 210;
    d.table.print_scale() = scale;
}

inline std::string output_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_OUTPUT) + "/" + file;
}

// The straight lines drawn, as "x1,y1-x2,y2" from each line_to and its start.
inline std::vector<std::string> lines(const RecordingDC& dc)
{
    std::vector<std::string> out;
    for (const RecordedCall& c : dc.calls_named("line_to")) {
        char text[64];
        std::snprintf(text, sizeof text, "%d,%d-%d,%d", c.state.position.x, c.state.position.y,
                      c.args[0], c.args[1]);
        out.push_back(text);
    }
    return out;
}

// Neighbours of a drawing that record what the painter asks of the
// animation and the computation list.
struct RecordingNeighbours : DiagramHooks, AnimationServices {
    std::vector<std::string> calls;
    int invalidations = 0;
    // Called at every animation step, e.g. to move points and record samples.
    std::function<void(Diagram&)> on_step;

    void invalidate() override { ++invalidations; }
    void eval_qty(Diagram&, DeviceContext&, int k, int mode) override
    {
        calls.push_back("eval_qty(" + std::to_string(k) + "," + std::to_string(mode) + ")");
    }
    void draw_driving_points(Diagram&, DeviceContext&) override
    {
        calls.push_back("draw_driving_points");
    }
    void draw_loci(Diagram&, DeviceContext&) override { calls.push_back("draw_loci"); }
    void animation_step(Diagram& d) override
    {
        calls.push_back("animation_step");
        if (on_step)
            on_step(d);
    }
    void start_animation(Diagram&) override { calls.push_back("start_animation"); }
};

}  // namespace paint_test
