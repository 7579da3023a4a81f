#include "window/dchild.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "export/fig_fingerprint.h"
#include "model/compute_point.h"
#include "model/object_types.h"
#include "platform/dialogs.h"
#include "platform/image_dc.h"
#include "platform/string_table.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/paint_link.h"
#include "window/rotate_diagram.h"
#include "window/ui_services.h"
#include "window/window_strings.h"

Dchild* g_active_draw = nullptr;
int g_ncolors = 256;

Dchild::Dchild(const std::string& title, const std::optional<FileData>& open_data,
               DrawingServices& services, const UiServices& ui, QWidget* parent)
    : QWidget(parent), diagram(this), services_(services), releasing_ui_(ui, [this] { let_mouse_go(); })
{
    setWindowTitle(QString::fromStdString(title));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    surface_ = Surface(std::max(1, width()), std::max(1, height()), kWhite);

    // The diagram made the table with its twenty reserved records and the
    // pending record; the colour commands change these three colours later.
    ObjectTable& t = objects();
    t.pen_colour() = kBlack;
    t.font_colour() = kBlack;
    t.brush_colour() = kGreen;

    brushes = {solid_brush(t.pen_colour()), solid_brush(kLightGrey)};
    pens = {Pen{t.pen_colour(), 1, PenStyle::Solid}, Pen{kRed, 1, PenStyle::Solid},
            Pen{kGreen, 1, PenStyle::Solid}};

    services_.upd_attr_buf(*this);
    draw_action(-10);

    if (open_data) {
        untitled = 0;
        file_data = *open_data;
        file_read_ = services_.fig_read(*this, file_data.path);
    } else {
        untitled = 1;
        file_data = FileData{{}, load_string(wsid::kPointFilesFilter), {}, FileData::kFlags};
    }
}

Dchild::~Dchild() { release(); }

void Dchild::release()
{
    // Nothing may keep pointing at a window that is gone.
    if (g_active_draw == this)
        g_active_draw = nullptr;
    if (services_.script_manager_open()) {
        services_.script_show_drawing(nullptr);
        services_.script_refresh();
    }
    if (g_block_owner == this)
        g_block_owner = nullptr;
    if (timer_)
        timer_->stop(1);
    services_.release_drawing(*this);
    mem_dc_.reset();
    mouse_dc_.reset();
    captured_ = false;
    // The toolbox follows the drawing that is active once this one is gone.
    if (g_app && g_app->frame())
        QMetaObject::invokeMethod(
            g_app->frame(),
            [] {
                if (g_app)
                    g_app->update_toolbox();
            },
            Qt::QueuedConnection);
}

DeviceContext* Dchild::mouse_dc() const { return mouse_dc_.get(); }
DeviceContext* Dchild::mem_dc() const { return mem_dc_.get(); }

std::string Dchild::title() const { return windowTitle().toStdString(); }

WindowTimer& Dchild::timer()
{
    if (!timer_)
        timer_ = ui_.timers->make([this](int id) {
            services_.ev_timer(*this, id);
            after_event();
        });
    return *timer_;
}

void Dchild::invalidate(bool erase)
{
    repaint_pending_ = true;
    erase_pending_ = erase_pending_ || erase;
    if (repaint_posted_)
        return;
    repaint_posted_ = true;
    // Runs once the events already queued are handled; dropped with the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaint_posted_ = false;
            flush();
        },
        Qt::QueuedConnection);
}

bool Dchild::flush()
{
    if (!repaint_pending_)
        return false;
    repaint_pending_ = false;
    if (erase_pending_) {
        erase_pending_ = false;
        surface_.fill(kWhite);
    }
    Paint(nullptr);
    update();
    return true;
}

void Dchild::Paint(DeviceContext* target)
{
    ObjectTable& t = objects();
    if (t.repaint_switch() == 0)
        return;
    auto settle = [&t] {
        t.placing() = 0;
        t.recompute() = 0;
        t.state_label_style() = 0;
        t.dragged_index() = 0;
    };
    if (t.pending_command() == cmd::kPrint) {
        settle();
        if (target)
            paint_whole_diagram(diagram, *target);
        return;
    }
    const int mode = t.action_state();
    if (mode == astate::kAnimation || mode == cmd::kStepByStep)
        return;
    // A running mouse operation owns the context: paint on it and leave it held.
    const bool held = mouse_dc_ != nullptr;
    if (!held)
        draw_action(3);
    // A drag that redraws off-screen keeps re-solving after this repaint.
    const bool dragging = held && mem_dc_ != nullptr;
    const Dpoint kept = t.get(rec::kState);
    settle();
    paint_whole_diagram(diagram, *mouse_dc_);
    if (dragging) {
        t.placing() = kept.shown;
        t.recompute() = kept.name_shown;
        t.state_label_style() = kept.label_style;
        t.dragged_index() = kept.arg[2];
    }
    if (!held)
        draw_action(4);
}

std::uint64_t Dchild::saved_form_fingerprint()
{
    FigExtras extras;
    extras.expressions = services_.saved_expressions(*this);
    // The file notes the window's size too, but resizing a window changes no drawing.
    extras.view.view_flag = view_flag;
    return fig_fingerprint(diagram, extras);
}

void Dchild::mark_if_changed(std::uint64_t before)
{
    // A drawing marked already needs no comparison: only saving clears the mark.
    if (modified)
        return;
    if (saved_form_fingerprint() != before)
        modified = 1;
}

void Dchild::let_mouse_go()
{
    if (objects().action_state() == astate::kAnimation || (!mouse_dc_ && !captured_))
        return;
    draw_action(2);
    draw_action(4);
    // No release will come to compare with; the press compares again once
    // the dialog is answered.
    mark_if_changed_since_press();
}

void Dchild::bring_to_front()
{
    // Among several changed drawings, the question must show which it means.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    if (QMdiArea* area = sub->mdiArea())
        area->setActiveSubWindow(sub);
    else
        sub->raise();
}

bool Dchild::CanClose()
{
    if (!modified)
        return true;
    bring_to_front();
    const MessageResult answer = ui_.message_boxes->yes_no_cancel(
        load_string(wsid::kDrawingChanged), load_string(wsid::kSaveQuestion), MessageIcon::Question);
    if (answer == MessageResult::Cancel)
        return false;
    // A drawing that could not be saved (failure, or Save As cancelled) stays open.
    if (answer == MessageResult::Yes && !services_.fig_save(*this))
        return false;
    return true;
}

template <typename Fn>
void Dchild::with_drawing_dc(Fn&& fn)
{
    // Outside a mouse operation the object is shown by the repaint, which
    // draws the whole diagram in its layers.
    if (!mouse_dc_) {
        invalidate(true);
        return;
    }
    fn(*mouse_dc_);
    update();
}

void Dchild::draw_one(int k)
{
    // Solved now, as the painter would have, so that the repaint shows it placed.
    if (!mouse_dc_ && objects().recompute())
        compute_point(diagram, nullptr, k);
    with_drawing_dc([&](DeviceContext& dc) { paint_one_object(diagram, dc, k); });
}

void Dchild::draw_point(int k)
{
    with_drawing_dc([&](DeviceContext& dc) { paint_point_object(diagram, dc, k); });
}

void Dchild::draw_line(int k)
{
    with_drawing_dc([&](DeviceContext& dc) { paint_line_object(diagram, dc, k); });
}

void Dchild::resample_conic(int k) { resample_conic_object(diagram, k); }

void Dchild::rotate_diagram(DeviceContext& dc, double angle) { ::rotate_diagram(diagram, dc, angle); }

bool Dchild::script_manager_open() const { return services_.script_manager_open(); }
void Dchild::script_append_line(int object_index) { services_.script_append_line(*this, object_index); }
void Dchild::script_update_line(int pos) { services_.script_update_line(*this, pos); }
void Dchild::script_update_lines(int from_pos, int end_pos)
{
    services_.script_update_lines(*this, from_pos, end_pos);
}
void Dchild::script_delete_line(int pos) { services_.script_delete_line(*this, pos); }
void Dchild::script_refill() { services_.script_refill(*this); }
bool Dchild::pt_in_quantity(int mode) { return services_.pt_in_quantity(*this, mode); }
void Dchild::measure_cmd(int code) { services_.measure_cmd(*this, code); }
void Dchild::release_expression_tokens() { services_.release_expression_tokens(*this); }
void Dchild::reset_computation_list() { services_.reset_computation_list(*this); }
void Dchild::reset_animation() { services_.reset_animation(*this); }
void Dchild::build_from_record(Dpoint& rec) { services_.cons_step(*this, -1, &rec, 0); }
MessageBoxes* Dchild::message_boxes() { return ui_.message_boxes; }

void Dchild::eval_qty(Diagram& d, DeviceContext& dc, int k, int mode)
{
    services_.animation().eval_qty(d, dc, k, mode);
}
void Dchild::draw_driving_points(Diagram& d, DeviceContext& dc)
{
    services_.animation().draw_driving_points(d, dc);
}
void Dchild::draw_loci(Diagram& d, DeviceContext& dc) { services_.animation().draw_loci(d, dc); }
void Dchild::animation_step(Diagram& d) { services_.animation().animation_step(d); }
void Dchild::begin_loci_replay(Diagram& d) { services_.animation().begin_loci_replay(d); }
void Dchild::end_loci_replay(Diagram& d) { services_.animation().end_loci_replay(d); }
void Dchild::start_animation(Diagram& d) { services_.animation().start_animation(d); }

void Dchild::paintEvent(QPaintEvent*)
{
    flush();
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}

void Dchild::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surface_.resize(std::max(1, width()), std::max(1, height()), kWhite);
    invalidate(true);
}

void Dchild::closeEvent(QCloseEvent* event)
{
    if (CanClose())
        event->accept();
    else
        event->ignore();
}

namespace {

DevPoint client_point(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

// The virtual-key codes of the arrow keys; other keys give a code that steps
// by nothing.
unsigned virtual_key(int qt_key)
{
    switch (qt_key) {
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    default: return 0;
    }
}

}  // namespace

void Dchild::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        EvRButtonDown();
        after_event();
    } else if (event->button() == Qt::LeftButton) {
        EvLButtonDown(client_point(event));
        after_event();
    }
}

void Dchild::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(event);
}

void Dchild::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        EvRButtonUp();
        after_event();
    } else if (event->button() == Qt::LeftButton) {
        EvLButtonUp(client_point(event));
        after_event();
    }
}

void Dchild::mouseMoveEvent(QMouseEvent* event)
{
    // Moves are many: no enabler pass, only the picture.
    EvMouseMove(client_point(event));
    update();
}

void Dchild::keyPressEvent(QKeyEvent* event)
{
    EvKeyDown(virtual_key(event->key()));
    after_event();
}
