#include "construct/list_window.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <limits>

#include "construct/object_dialogs.h"
#include "construct/script_drawing.h"
#include "construct/script_strings.h"
#include "construct/show_sel_obj.h"
#include "construct/text_format.h"
#include "construct/text_line.h"
#include "model/adding.h"
#include "model/deleting.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"

ListWindow* g_script_mgr = nullptr;

namespace {

// Characters of a drawing's caption that the Script Manager's caption takes.
constexpr int kOpenCaptionLength = 29;
constexpr int kActivationCaptionLength = 39;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool moves_selection_with_highlight(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

// As in a single-column list box, Left and Right step the selection up and down.
int as_vertical_step(int key)
{
    switch (key) {
    case Qt::Key_Left: return Qt::Key_Up;
    case Qt::Key_Right: return Qt::Key_Down;
    default: return key;
    }
}

std::string caption_for(ScriptDrawing* drawing, int length)
{
    return fill_template("%s: %s", {load_string(ssid::kScriptManager),
                                    drawing ? first_characters(drawing->caption(), length) : std::string()});
}

}  // namespace

std::string first_characters(std::string_view text, int n)
{
    return qs(text).left(n).toStdString();
}

ListWindow::ListWindow(QWidget* frame, MessageBoxes& boxes, ObjectDialogs& dialogs)
    : QListWidget(frame), boxes_(boxes), dialogs_(dialogs)
{
    ensure_script_strings();
    // A tool window of the frame, kept above it, with caption, system menu,
    // sizing border, minimize and maximize boxes and both scroll bars.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines keep their whole text; the horizontal scroll range (MaxExtent)
    // brings the end of a long line into view.
    setUniformItemSizes(false);
    setTextElideMode(Qt::ElideNone);
    resize(kWidth, kHeight);
    if (frame)
        place_by(*frame);
    run_menu_ = [](QMenu& menu, QPoint global) { return menu.exec(global); };
}

QRect ListWindow::outer_rect_by(const QRect& frame_outer)
{
    return {frame_outer.x() + frame_outer.width() - (kWidth + 5),
            frame_outer.y() + frame_outer.height() - (kHeight + 25), kWidth, kHeight};
}

void ListWindow::place_by(const QWidget& frame, const QMargins& own_frame)
{
    // A window's position is that of its frame, its size that of what lies
    // inside the frame.
    const QRect outer = outer_rect_by(frame.frameGeometry());
    resize(outer.size().shrunkBy(own_frame));
    move(outer.topLeft());
    // The list was filled before the window manager framed it: shrunk by
    // the frame, it still shows its current line.
    if (QListWidgetItem* current = currentItem())
        scrollToItem(current);
}

ListWindow::~ListWindow()
{
    if (g_script_mgr == this)
        g_script_mgr = nullptr;
}

// --- Lines ---

std::string ListWindow::object_line(int pos)
{
    const int k = pos + rec::kFirstObject;
    const std::string text =
        Drawing ? obj_text(Drawing->diagram().table, kFormulaStyle, k, Drawing->status()) : std::string();
    return fill_template("%s: %s", {std::to_string(pos), text});
}

int ListWindow::line_extent(const std::string& s) const
{
    if (s.empty())
        return 0;
    // The width the list gives the line: its text and the margins around it.
    QStyleOptionViewItem line;
    initViewItemOption(&line);
    line.features |= QStyleOptionViewItem::HasDisplay;
    line.text = qs(s);
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), this).width();
}

void ListWindow::FitExtent(const std::string& s)
{
    const int width = line_extent(s);
    // Only grows: deleting lines never narrows it, a refill starts again.
    if (width > MaxExtent) {
        MaxExtent = width;
        updateGeometries();
    }
}

void ListWindow::updateGeometries()
{
    QListWidget::updateGeometries();
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(bar->maximum(), MaxExtent - viewport()->width()));
}

int ListWindow::InsertString(const std::string& s, int pos)
{
    FitExtent(s);
    if (pos < 0 || pos > count())
        return -1;
    insertItem(pos, qs(s));
    return pos;
}

int ListWindow::AddString(const std::string& s) { return InsertString(s, count()); }

void ListWindow::AddObjLine()
{
    const int p = count();
    AddString(object_line(p));
    setCurrentRow(p);
}

void ListWindow::InsertObjLine(int pos)
{
    InsertString(object_line(pos), pos);
    setCurrentRow(pos);
}

void ListWindow::put_object_lines(int from, int end)
{
    // What a line by line rewrite ends with, in one pass: the list lays out
    // every line again whenever a selected line is scrolled to, so lines put
    // in and selected one at a time would cost the square of their number.
    QStringList lines;
    int widest = MaxExtent;
    if (Drawing) {
        Diagram& d = Drawing->diagram();
        for (int p = from; p < end && get_obj(d, p + rec::kFirstObject); ++p) {
            const std::string line = object_line(p);
            widest = std::max(widest, line_extent(line));
            lines.append(qs(line));
        }
    }
    MaxExtent = widest;
    if (!lines.isEmpty()) {
        const int kept = std::min(from, count());
        model()->removeRows(kept, std::min(kept + static_cast<int>(lines.size()), count()) - kept);
        insertItems(kept, lines);
        setCurrentRow(kept + static_cast<int>(lines.size()) - 1);
    }
    updateGeometries();
}

void ListWindow::Refill()
{
    clear();
    MaxExtent = 0;
    put_object_lines(0, std::numeric_limits<int>::max());
}

int ListWindow::Refresh(int /*clear*/)
{
    Refill();
    return 1;
}

int ListWindow::AppendLine(const Dpoint* /*obj*/)
{
    // Always the object after the last listed one.
    AddObjLine();
    setCurrentRow(count() - 1);
    return 1;
}

int ListWindow::DeleteLine(int pos)
{
    if (pos >= 0 && pos < count())
        delete takeItem(pos);
    EvKeyDown(Qt::Key_Down);
    return 1;
}

int ListWindow::UpdateLine(int pos)
{
    if (!Drawing || pos < 0)
        return 1;
    get_obj(Drawing->diagram(), pos + rec::kFirstObject);
    DeleteLine(pos);
    InsertObjLine(std::min(pos, count()));
    return 1;
}

int ListWindow::UpdateLines(int from, int end)
{
    if (Drawing && from >= 0)
        put_object_lines(from, end);
    return 1;
}

void ListWindow::SetTitle(std::string_view title)
{
    setWindowTitle(qs(fill_template("%s : %s", {load_string(ssid::kScriptManager), title})));
}

void ListWindow::show_drawing(ScriptDrawing* drawing)
{
    if (drawing)
        setWindowTitle(qs(caption_for(drawing, kActivationCaptionLength)));
    Drawing = drawing;
    Refill();
}

std::vector<std::string> ListWindow::lines() const
{
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(item(i)->text().toStdString());
    return out;
}

// --- Highlight, keyboard and mouse ---

void ListWindow::highlight(int old_pos, int new_pos)
{
    // No line selected: there is no object to mark.
    if (Drawing && new_pos >= 0)
        show_sel_obj(*Drawing, old_pos, new_pos);
}

void ListWindow::EvKeyDown(int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    keyPressEvent(&event);
}

void ListWindow::keyPressEvent(QKeyEvent* event)
{
    const int old_pos = currentRow();
    const int step = as_vertical_step(event->key());
    if (step != event->key()) {
        QKeyEvent vertical(event->type(), step, event->modifiers(), event->text(), event->isAutoRepeat(),
                           static_cast<ushort>(event->count()));
        QListWidget::keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
    } else {
        QListWidget::keyPressEvent(event);
    }
    // The first key after an update comes from its own line rewrite.
    if (Updating == 1) {
        Updating = 0;
        return;
    }
    if (moves_selection_with_highlight(event->key()))
        highlight(old_pos, currentRow());
}

void ListWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        // The right button leaves the selection; its menu comes with the
        // context-menu event.
        event->accept();
        return;
    }
    const int old_pos = currentRow();
    QListWidget::mousePressEvent(event);
    // Also when the line was selected already: the highlight is drawn again.
    highlight(old_pos, currentRow());
}

void ListWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier)
        return;
    const int old_pos = currentRow();
    QListWidget::mouseMoveEvent(event);
    const int new_pos = currentRow();
    if (new_pos != old_pos)
        highlight(old_pos, new_pos);
}

void ListWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        CmUpdate();
}

void ListWindow::contextMenuEvent(QContextMenuEvent* event)
{
    EvRButtonDown(event->globalPos());
    event->accept();
}

void ListWindow::EvRButtonDown(QPoint global)
{
    std::unique_ptr<QMenu> menu = build_popup_menu();
    if (QAction* chosen = run_menu_ ? run_menu_(*menu, global) : nullptr)
        command(chosen->data().toInt());
}

std::unique_ptr<QMenu> ListWindow::build_popup_menu()
{
    auto menu = std::make_unique<QMenu>();
    const bool empty = count() == 0;
    auto item = [&menu](int text_id, int id, bool enabled) {
        QAction* action = menu->addAction(qs(load_string(text_id)));
        action->setData(id);
        action->setEnabled(enabled);
    };
    item(ssid::kPopupTitle, script_cmd::kTitle, false);
    menu->addSeparator();
    item(ssid::kUndo, script_cmd::kUndo, false);
    menu->addSeparator();
    item(ssid::kAddObject, script_cmd::kAdd, !empty || Drawing != nullptr);
    item(ssid::kUpdateObject, script_cmd::kUpdate, !empty);
    item(ssid::kDeleteObject, script_cmd::kDelete, !empty);
    menu->addSeparator();
    item(ssid::kClearAll, script_cmd::kClearAll, !empty);
    return menu;
}

// --- Commands ---

bool ListWindow::command(int id)
{
    switch (id) {
    case script_cmd::kUndo: CmUndo(); return true;
    case script_cmd::kClearAll: CmClearAll(); return true;
    case script_cmd::kDelete: CmDelete(); return true;
    case script_cmd::kAdd: CmAdd(); return true;
    case script_cmd::kUpdate: CmUpdate(); return true;
    default: return false;
    }
}

void ListWindow::CmAdd()
{
    if (!Drawing) {
        boxes_.ok(load_string(ssid::kError), load_string(ssid::kNoDocument), MessageIcon::Information);
        return;
    }
    Diagram& d = Drawing->diagram();
    Dpoint record = Dpoint::with_colour(kBlack, 1);
    if (dialogs_.run_add_dlg(parentWidget(), d, record)) {
        add_from_rec(d, record);
        if (Drawing)
            Drawing->changed();
    }
}

void ListWindow::CmUpdate()
{
    if (!Drawing) {
        boxes_.ok(load_string(ssid::kError), load_string(ssid::kNoDocument), MessageIcon::Information);
        return;
    }
    const int sel = currentRow();
    if (sel < 0 || sel >= count())
        return;
    Diagram& d = Drawing->diagram();
    const Dpoint* object = get_obj(d, sel + rec::kFirstObject);
    if (!object)
        return;
    Dpoint record = *object;
    if (modify_object(dialogs_, parentWidget(), record) == 1) {
        Updating = 1;
        upd_obj(d, sel + rec::kFirstObject, record);
        Updating = 0;
        if (Drawing)
            Drawing->changed();
    }
}

void ListWindow::CmDelete()
{
    const int sel = currentRow();
    if (!Drawing || sel < 0 || sel >= count())
        return;
    if (del_point(Drawing->diagram(), sel, 1, 1) && Drawing)
        Drawing->changed();
}

void ListWindow::CmClearAll()
{
    if (Drawing)
        Drawing->clear_all();
}

// --- Opening ---

ListWindow* open_script_manager(QWidget* frame, ScriptDrawing* active, MessageBoxes& boxes,
                                ObjectDialogs& dialogs)
{
    if (!g_script_mgr) {
        g_script_mgr = new ListWindow(frame, boxes, dialogs);
        g_script_mgr->show();
        if (active) {
            g_script_mgr->set_drawing(active);
            g_script_mgr->Refill();
        }
    } else {
        g_script_mgr->show();
        g_script_mgr->raise();
        g_script_mgr->activateWindow();
        g_script_mgr->setFocus();
    }
    ListWindow& list = *g_script_mgr;
    list.setWindowTitle(qs(active ? caption_for(list.drawing(), kOpenCaptionLength)
                                  : load_string(ssid::kScriptManager)));
    return g_script_mgr;
}
