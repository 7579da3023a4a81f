// Times dragging a free point of a drawing of a few hundred constructed
// objects: each step moves the point, re-solves every constructed point and
// paints the whole diagram off-screen, as a drag in a drawing window does.
// Also times opening the point file of a drawing of about two hundred objects
// whose centre point drives a long animation cycle with a few loci: Open
// replays that cycle out of sight to take the locus samples. Last, the fill
// of a shown Script Manager with drawings of a few hundred to a few thousand
// objects, as opening a drawing refills it, and deleting the first object of
// a listed drawing of a few thousand, which rewrites every later line.
//
//   drag_bench [steps] [cells] [--png FILE]
//
// --png writes the picture after the last step, for comparing drawings.
//
// The floor is what the same picture costs without the object model: the
// primitives of the last step's paint, recorded once, painted by one painter
// straight onto a picture of the same size at every step.
// Runs headless (QT_QPA_PLATFORM=offscreen is set when unset).

#include <QApplication>
#include <QPainter>
#include <QPolygonF>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "construct/choosers.h"
#include "construct/list_window.h"
#include "construct/object_dialogs.h"
#include "export/fig_format.h"
#include "model/adding.h"
#include "model/deleting.h"
#include "model/diagram.h"
#include "model/semi_free.h"
#include "paint/loci.h"
#include "paint/paint_diagram.h"
#include "platform/image_dc.h"
#include "platform/print_dialogs.h"
#include "platform/qt_drawing.h"
#include "platform/recording_dc.h"
#include "platform/text_metrics.h"
#include "platform/surface.h"
#include "window/animation_adapter.h"
#include "window/dchild.h"
#include "window/drawing_services.h"
#include "window/file_services.h"
#include "window/move_point.h"
#include "window/script_link.h"
#include "window/scripted_ui.h"
#include "window/window_strings.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 700;

int add(ObjectTable& t, int type, int cls, int a0 = 0, int a1 = 0, int a2 = 0, int a3 = 0,
        double x = 0.0, double y = 0.0)
{
    Dpoint p = Dpoint::of_type(type, 1);
    p.cls = static_cast<std::int8_t>(cls);
    p.arg = {a0, a1, a2, a3, 0, 0, 0, 0};
    p.x = x;
    p.y = y;
    p.size = cls == 1 ? 2 : 1;
    p.set_name(cls == 1 ? next_auto_name(t) : std::string("x"));
    return t.append(p);
}

// A web of constructions around one driving point P: for every cell a free
// point F on a ring, the midpoint M of P and F, the segment MF, the circle
// about M through F, the crossing X of the lines F-M' and F'-M with the
// preceding cell, a point Y where the line XM meets the circle, the foot T
// from X to the line F F', the segment XY and a point on the line PF.
// Returns P.
int build_web(Diagram& d, int cells)
{
    ObjectTable& t = d.table;
    const double cx = kWidth / 2.0, cy = kHeight / 2.0;
    const int p = add(t, 101, 1, 0, 0, 0, 0, cx, cy);
    int prev_f = 0, prev_m = 0;
    for (int i = 0; i < cells; ++i) {
        const double a = 2.0 * M_PI * i / cells;
        const double r = 180.0 + 120.0 * ((i % 3) / 2.0);
        const int f = add(t, 101, 1, 0, 0, 0, 0, cx + r * std::cos(a), cy + r * std::sin(a));
        const int m = add(t, 103, 1, p, f);
        add(t, 135, 2, m, f);
        add(t, 136, 2, m, f);
        if (prev_f != 0) {
            const int x = add(t, 116, 1, f, prev_m, prev_f, m);
            const int y = add(t, 122, 1, x, m, m, f);
            add(t, 102, 1, x, f, prev_f);
            add(t, 135, 2, x, y);
        }
        // Placed 30 % of the way from P towards F.
        const int on_line = add(t, 110, 1, p, f, 0, 0, 0.7 * t[p].x + 0.3 * t[f].x,
                                0.7 * t[p].y + 0.3 * t[f].y);
        semi_free_init(t, on_line, on_line);
        prev_f = f;
        prev_m = m;
    }
    // Solve everything once from the free points.
    t.placing() = 0;
    t.recompute() = 1;
    t.dragged_index() = 0;
    Surface scratch(kWidth, kHeight);
    ImageDC dc(scratch);
    paint_diagram(d, dc, 0);
    return p;
}

// Milliseconds per step, by the clock and by the processor time the process
// used: on a shared machine the second is the steadier figure.
struct Cost {
    double wall = 0.0;
    double cpu = 0.0;
};

double cpu_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

class Stopwatch {
public:
    Cost per_step(int steps) const
    {
        const double wall =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall_).count();
        return {wall / steps, (cpu_ms() - cpu_) / steps};
    }

private:
    std::chrono::steady_clock::time_point wall_ = std::chrono::steady_clock::now();
    double cpu_ = cpu_ms();
};

// The drag path: a circle of radius 60 around the point's start.
DevPoint path_point(int step, int steps)
{
    const double a = 2.0 * M_PI * step / steps;
    return {static_cast<int>(kWidth / 2.0 + 60.0 * std::cos(a)),
            static_cast<int>(kHeight / 2.0 + 60.0 * std::sin(a))};
}

// One recorded primitive, ready for the painter.
struct FloorOp {
    enum Kind { Line, Ellipse, Rect, Arc, Polygon, Polyline, Text } kind;
    int style;  // index into the styles
    QRectF box;
    QLineF line;
    int start16 = 0, sweep16 = 0;  // arc angles in sixteenths of a degree
    QPolygonF points;
    QPointF at;
    QString text;
};

// Indices into the scene's pens, brushes and fonts.
struct FloorStyle {
    int pen;
    int brush;
    int font;
};

template <class T>
int index_of(std::vector<T>& values, const T& value)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == value)
            return static_cast<int>(i);
    values.push_back(value);
    return static_cast<int>(values.size()) - 1;
}

QPointF centre(int x, int y) { return {x + 0.5, y + 0.5}; }

int sixteenths(const QRectF& box, int x, int y)
{
    const double a = std::atan2(box.center().y() - (y + 0.5), (x + 0.5) - box.center().x());
    return static_cast<int>(std::lround(a * 180.0 / M_PI * 16.0));
}

// The drawing calls of one paint, each with the pen, brush and font it needs.
struct FloorScene {
    std::vector<FloorOp> ops;
    std::vector<FloorStyle> styles;
    std::vector<QPen> pens;
    std::vector<QBrush> brushes;
    std::vector<QFont> fonts;

    explicit FloorScene(const std::vector<RecordedCall>& calls)
    {
        std::vector<std::pair<DcState, bool>> seen;
        for (const RecordedCall& c : calls) {
            const std::vector<int>& a = c.args;
            FloorOp op{FloorOp::Line, style_of(c.state, c.op == "text_out", seen), {}, {}, 0, 0, {}, {}, {}};
            if (c.op == "line_to") {
                op.line = QLineF(centre(c.state.position.x, c.state.position.y), centre(a[0], a[1]));
            } else if (c.op == "ellipse" || c.op == "rectangle") {
                op.kind = c.op == "ellipse" ? FloorOp::Ellipse : FloorOp::Rect;
                op.box = QRectF(a[0] + 0.5, a[1] + 0.5, a[2] - a[0] - 1.0, a[3] - a[1] - 1.0);
            } else if (c.op == "arc") {
                op.kind = FloorOp::Arc;
                op.box = QRectF(a[0] + 0.5, a[1] + 0.5, a[2] - a[0] - 1.0, a[3] - a[1] - 1.0);
                op.start16 = sixteenths(op.box, a[4], a[5]);
                op.sweep16 = (sixteenths(op.box, a[6], a[7]) - op.start16 + 5760) % 5760;
                if (op.sweep16 == 0)
                    op.sweep16 = 5760;
            } else if (c.op == "polygon" || c.op == "polyline") {
                op.kind = c.op == "polygon" ? FloorOp::Polygon : FloorOp::Polyline;
                for (std::size_t i = 0; i + 1 < a.size(); i += 2)
                    op.points << centre(a[i], a[i + 1]);
            } else if (c.op == "text_out") {
                op.kind = FloorOp::Text;
                op.at = QPointF(a[0], a[1] + ascent_of(c.state.font));
                op.text = QString::fromStdString(c.text);
            } else {
                continue;
            }
            ops.push_back(std::move(op));
        }
    }

    // Text is written with a plain pen of the text colour, figures with the selected pen.
    int style_of(const DcState& s, bool text, std::vector<std::pair<DcState, bool>>& seen)
    {
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const DcState& o = seen[i].first;
            if (seen[i].second == text && o.pen == s.pen && o.brush == s.brush && o.font == s.font &&
                o.text_colour == s.text_colour)
                return static_cast<int>(i);
        }
        seen.emplace_back(s, text);
        styles.push_back({index_of(pens, text ? QPen(to_qcolor(s.text_colour)) : to_qpen(s.pen, true)),
                          index_of(brushes, to_qbrush(s.brush)), index_of(fonts, qfont_for(s.font))});
        return static_cast<int>(styles.size()) - 1;
    }

    // Pen, brush and font are each set only when they change.
    void paint(QImage& image) const
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        FloorStyle current{-1, -1, -1};
        for (const FloorOp& op : ops) {
            const FloorStyle& wanted = styles[op.style];
            if (wanted.pen != current.pen)
                p.setPen(pens[wanted.pen]);
            if (wanted.brush != current.brush)
                p.setBrush(brushes[wanted.brush]);
            if (wanted.font != current.font)
                p.setFont(fonts[wanted.font]);
            current = wanted;
            switch (op.kind) {
            case FloorOp::Line: p.drawLine(op.line); break;
            case FloorOp::Ellipse: p.drawEllipse(op.box); break;
            case FloorOp::Rect: p.drawRect(op.box); break;
            case FloorOp::Arc: p.drawArc(op.box, op.start16, op.sweep16); break;
            case FloorOp::Polygon: p.drawPolygon(op.points, Qt::OddEvenFill); break;
            case FloorOp::Polyline: p.drawPolyline(op.points); break;
            case FloorOp::Text: p.drawText(op.at, op.text); break;
            }
        }
    }
};

// The same primitives as one drag step paints, by one painter on a bare image.
Cost time_floor(Diagram& d, int steps)
{
    RecordingDC recorder({kWidth, kHeight});
    paint_diagram(d, recorder, 1);
    const FloorScene scene(recorder.drawing_calls());
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const Stopwatch watch;
    for (int s = 0; s < steps; ++s) {
        image.fill(Qt::white);
        scene.paint(image);
    }
    return watch.per_step(steps);
}

// move_point into an off-screen image, as the mouse handler calls it.
Cost time_move_point(int steps, int cells, int& objects, const std::string& png, Cost& floor)
{
    Diagram d;
    const int p = build_web(d, cells);
    ObjectTable& t = d.table;
    objects = t.count() - rec::kFirstObject;
    Surface off(kWidth, kHeight);
    ImageDC dc(off);
    t.picked_index() = p;
    t.placing() = 0;
    t.recompute() = 1;
    t.dragged_index() = p;
    const Stopwatch watch;
    for (int s = 0; s < steps; ++s) {
        const DevPoint m = path_point(s, steps);
        off.fill(kWhite);
        t.mouse_x() = m.x;
        t.mouse_y() = m.y;
        move_point(d, dc, 1);
    }
    const Cost per_step = watch.per_step(steps);
    if (!png.empty() && !off.save_png(png))
        std::fprintf(stderr, "drag_bench: cannot write %s\n", png.c_str());
    floor = time_floor(d, steps);
    return per_step;
}

// A drag's press and release in a drawing window, the point let go where it
// was picked: what the window adds to the moves (it notes the drawing as its
// point file would store it, to tell whether the drag changed it). Timed on a
// drawing not yet marked changed and on one marked already.
struct ClickCosts {
    Cost unmarked;
    Cost marked;
};

// The whole road of a drag through a drawing window: press, moves with the
// off-screen image copied to the window, release; then clicks as above.
Cost time_window_drag(int steps, int cells, ClickCosts& clicks)
{
    ScriptedUi ui;
    const UiServices services = ui.services();
    Dchild win("Diagram 1", std::nullopt, no_drawing_services(), services);
    win.resize(kWidth, kHeight);
    win.flush();
    const int p = build_web(win.diagram, cells);
    win.command(175);
    const Dpoint& start_point = win.objects()[p];
    win.EvLButtonDown({static_cast<int>(start_point.x), static_cast<int>(start_point.y)});
    const Stopwatch watch;
    for (int s = 0; s < steps; ++s)
        win.EvMouseMove(path_point(s, steps));
    const Cost per_step = watch.per_step(steps);
    win.EvLButtonUp(path_point(steps - 1, steps));

    const DevPoint at = path_point(steps - 1, steps);
    const auto time_clicks = [&](int marked) {
        const Stopwatch click_watch;
        for (int s = 0; s < steps; ++s) {
            win.modified = marked;
            win.EvLButtonDown(at);
            win.EvLButtonUp(at);
        }
        return click_watch.per_step(steps);
    };
    clicks.unmarked = time_clicks(0);
    clicks.marked = time_clicks(1);
    return per_step;
}

// The drawing Open is timed on: the web's centre point drives along a
// segment through a long cycle while three of its points and one segment are
// traced.
constexpr int kOpenCells = 22;
constexpr int kOpenSteps = 100000;

// Index of the n-th object (from 0) of a type.
int nth_of_type(const ObjectTable& t, int type, int n)
{
    for (int i = rec::kFirstObject; i < t.count(); ++i)
        if (t.get(i).type == type && n-- == 0)
            return i;
    return 0;
}

void build_loci_drawing(Diagram& d)
{
    ObjectTable& t = d.table;
    const int p = build_web(d, kOpenCells);
    const int a = add(t, 101, 1, 0, 0, 0, 0, kWidth / 2.0 - 80.0, kHeight / 2.0 + 40.0);
    const int b = add(t, 101, 1, 0, 0, 0, 0, kWidth / 2.0 + 80.0, kHeight / 2.0 - 40.0);
    t.last_driver() = 0;
    t.current_driver() = 0;
    t.driver_point(0) = p;
    t.driver_path(0) = add(t, 135, 2, a, b);
    t.driver_speed(0) = 2;
    const std::pair<int, int> traced[] = {{kLocusPoint, nth_of_type(t, 103, 7)},
                                          {kLocusPoint, nth_of_type(t, 102, 12)},
                                          {kLocusPoint, nth_of_type(t, 116, 18)},
                                          {kLocusLine, nth_of_type(t, 135, 11)}};
    t.last_locus() = -1;
    for (const auto& [kind, object] : traced) {
        const int k = ++t.last_locus();
        t.locus_kind(k) = kind;
        t.locus_object(k) = object;
        t.locus_second(k) = 0;
    }
    t.anim_steps() = kOpenSteps;
}

struct OpenFigures {
    Cost cost;
    int objects = 0;
    std::size_t samples = 0;
    double checksum = 0.0;  // of every sample: equal figures, equal loci
};

// Open as the drawing window's file command runs it: the file read into a
// window with the program's animation, and the loci replayed.
OpenFigures time_open()
{
    Diagram drawing;
    build_loci_drawing(drawing);
    const std::string name = "drag_bench_" + std::to_string(QCoreApplication::applicationPid()) + ".fig";
    const std::filesystem::path file = std::filesystem::temp_directory_path() / name;
    {
        std::ofstream out(file, std::ios::binary);
        fig_write(drawing, out);
    }

    ScriptedUi ui;
    const UiServices services = ui.services();
    AnimationProvider animation(CalculatorFactory{});
    WithAnimation<DrawingServices> drawing_services(animation);
    ScriptedPrintDialogs print_dialogs;
    FileServices files(print_dialogs, &animation);
    Dchild win("Diagram 1", std::nullopt, drawing_services, services);
    win.resize(kWidth, kHeight);
    win.flush();

    OpenFigures figures;
    const Stopwatch watch;
    const bool read = files.fig_read(win, file.string());
    figures.cost = watch.per_step(1);
    std::filesystem::remove(file);
    if (!read)
        std::fprintf(stderr, "drag_bench: cannot read %s\n", file.c_str());
    figures.objects = win.objects().count() - rec::kFirstObject;
    for (const auto& samples : win.diagram.locus_lists)
        for (const LocusNode& n : samples) {
            ++figures.samples;
            figures.checksum += n.x1 + 3.0 * n.y1 + 5.0 * n.x2 + 7.0 * n.y2;
        }
    return figures;
}

// A segment AB, a point on it and a chain of midpoints, each of the one
// before and B: `objects` objects in all, their names growing longer.
void build_midpoint_chain(ObjectTable& t, int objects)
{
    const int end = t.count() + objects;
    const int a = add(t, 101, 1, 0, 0, 0, 0, 100.0, 300.0);
    const int b = add(t, 101, 1, 0, 0, 0, 0, 800.0, 300.0);
    add(t, 135, 2, a, b);
    int last = add(t, 110, 1, a, b, 0, 0, 450.0, 300.0);
    while (t.count() < end)
        last = add(t, 103, 1, last, b);
}

// Sizes of the drawings the Script Manager is filled with.
constexpr int kScriptFillSizes[] = {500, 2000, 5000};

// The time of a Script Manager operation and the lines it leaves.
struct ListFigures {
    Cost cost;
    std::size_t lines = 0;
};

// A shown Script Manager refilled with a drawing, as opening its point file
// does; the events the fill leaves pending (layout, paint) are counted too.
ListFigures time_script_fill(int objects)
{
    ScriptedUi ui;
    const UiServices services = ui.services();
    Dchild win("Diagram 1", std::nullopt, no_drawing_services(), services);
    build_midpoint_chain(win.objects(), objects);
    DchildScriptDrawing drawing(win);
    ScriptedObjectDialogs dialogs;
    ListWindow list(nullptr, ui.boxes, dialogs);
    list.show();
    list.set_drawing(&drawing);
    QCoreApplication::processEvents();

    ListFigures figures;
    const Stopwatch watch;
    list.Refill();
    QCoreApplication::processEvents();
    figures.cost = watch.per_step(1);
    figures.lines = static_cast<std::size_t>(list.count());
    list.set_drawing(nullptr);
    return figures;
}

constexpr int kScriptDeleteSize = 4000;

// A free point that nothing uses, then the midpoint chain: `objects` objects
// in all, listed by the Script Manager of a drawing window; the free point
// deleted through the table operation, as the list's Delete command does.
ListFigures time_script_delete(int objects)
{
    ScriptedUi ui;
    const UiServices services = ui.services();
    ScriptedObjectDialogs dialogs;
    ScriptedColourChooser colours;
    ScriptedFontChooser fonts;
    ScriptManagerLink link(ui.boxes, dialogs, colours, fonts);
    WithScriptManager<DrawingServices> drawing_services(link);
    Dchild win("Diagram 1", std::nullopt, drawing_services, services);
    ObjectTable& t = win.objects();
    const int first = add(t, 101, 1, 0, 0, 0, 0, 50.0, 50.0);
    build_midpoint_chain(t, objects - 1);
    g_active_draw = &win;
    link.open_script_manager();
    QCoreApplication::processEvents();

    ListFigures figures;
    const Stopwatch watch;
    del_point(win.diagram, first, 0, 0);
    QCoreApplication::processEvents();
    figures.cost = watch.per_step(1);
    figures.lines = g_script_mgr ? static_cast<std::size_t>(g_script_mgr->count()) : 0;
    delete g_script_mgr;
    g_active_draw = nullptr;
    return figures;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    register_window_strings();

    std::string png;
    std::vector<const char*> numbers;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--png" && i + 1 < argc)
            png = argv[++i];
        else
            numbers.push_back(argv[i]);
    }
    const int steps = numbers.size() > 0 ? std::max(1, std::atoi(numbers[0])) : 200;
    const int cells = numbers.size() > 1 ? std::max(2, std::atoi(numbers[1])) : 40;

    int objects = 0;
    Cost floor;
    const Cost core = time_move_point(steps, cells, objects, png, floor);
    ClickCosts clicks;
    const Cost window = time_window_drag(steps, cells, clicks);
    std::printf("drag_bench: %d objects, %d steps, %dx%d picture\n", objects, steps, kWidth, kHeight);
    std::printf("  move_point + re-solve + paint off-screen: %.3f ms per step (cpu %.3f)\n", core.wall, core.cpu);
    std::printf("  window drag (mouse move, copy to window):  %.3f ms per step (cpu %.3f)\n", window.wall,
                window.cpu);
    std::printf("  window press + release, drawing unmarked:  %.3f ms per click (cpu %.3f)\n", clicks.unmarked.wall,
                clicks.unmarked.cpu);
    std::printf("  window press + release, drawing marked:    %.3f ms per click (cpu %.3f)\n", clicks.marked.wall,
                clicks.marked.cpu);
    std::printf("  floor: %.3f ms per step (cpu %.3f); off-screen step / floor %.2fx (cpu %.2fx)\n", floor.wall,
                floor.cpu, core.wall / floor.wall, core.cpu / floor.cpu);
    const OpenFigures open = time_open();
    std::printf("  open with loci (%d objects, %d steps): %.1f ms (cpu %.1f); %zu samples, checksum %.0f\n",
                open.objects, kOpenSteps, open.cost.wall, open.cost.cpu, open.samples, open.checksum);
    for (const int size : kScriptFillSizes) {
        const ListFigures fill = time_script_fill(size);
        std::printf("  Script Manager fill (%d objects): %.1f ms (cpu %.1f); %zu lines\n", size, fill.cost.wall,
                    fill.cost.cpu, fill.lines);
    }
    const ListFigures deleted = time_script_delete(kScriptDeleteSize);
    std::printf("  Script Manager, first of %d objects deleted: %.1f ms (cpu %.1f); %zu lines\n",
                kScriptDeleteSize, deleted.cost.wall, deleted.cost.cpu, deleted.lines);
    return 0;
}
