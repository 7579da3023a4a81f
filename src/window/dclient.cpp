#include "window/dclient.h"

#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

#include "model/object_types.h"
#include "platform/string_table.h"
#include "window/draw_app.h"
#include "window/drawing_services.h"
#include "window/help_pages.h"
#include "window/menu_layout.h"
#include "window/toolbox_icons.h"
#include "window/ui_services.h"
#include "window/window_strings.h"

namespace {

constexpr const char* kPointFileFilter = "Point Files (*.fig)|*.fig|";
constexpr const char* kPointFileExt = "fig";

std::string numbered_title(const std::string& base, unsigned n)
{
    return base + " " + std::to_string(n);
}

}  // namespace

Dclient::Dclient(DrawingServices& services, const UiServices& ui, QWidget* parent)
    : QMdiArea(parent), services_(services), ui_(ui)
{
    setObjectName(QStringLiteral("MDICLIENT"));
    connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // A null activation only means that the frame lost the focus; the
        // active drawing stays what it was until it closes.
        if (sub)
            if (auto* child = dynamic_cast<Dchild*>(sub->widget()))
                EvMDIActivate(child);
    });
}

Dchild* Dclient::InitChild()
{
    const std::string title = open_data_ ? open_data_->path
                                         : numbered_title(load_string(wsid::kDiagram), new_count_);
    auto* child = new Dchild(title, open_data_, services_, ui_);
    if (!child->file_read()) {
        // The message has been shown; an empty window named after the file
        // would pass for the file.
        delete child;
        return nullptr;
    }
    QMdiSubWindow* sub = addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(toolbox_icon(cmd::kToolFreePoint));
    sub->resize(std::max(320, width() * 3 / 4), std::max(240, height() * 3 / 4));
    sub->move(cascade_position(sub->size()));
    child->show();
    last_child_ = child;
    setActiveSubWindow(sub);
    EvMDIActivate(child);
    return child;
}

QPoint Dclient::cascade_position(QSize size) const
{
    // Each new window one title bar lower and to the right of the one
    // before, starting again at the corner before it would leave the area.
    const int step = std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize area = viewport()->size();
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int places = std::max(1, room / step + 1);
    const int n = static_cast<int>(subWindowList().size()) - 1;
    const int offset = (std::max(0, n) % places) * step;
    return {offset, offset};
}

void Dclient::EvMDIActivate(Dchild* child)
{
    g_active_draw = child;
    services_.script_show_drawing(child);
    if (g_app)
        g_app->update_toolbox();
}

void Dclient::CmFileNew()
{
    open_data_.reset();
    ++new_count_;
    CreateChild();
}

void Dclient::CmFileOpen()
{
    const std::optional<std::string> path = ui_.files->open_file(kPointFileFilter, kPointFileExt);
    if (path) {
        open_data_ = FileData{*path, kPointFileFilter, kPointFileExt, FileData::kFlags};
        CreateChild();
    }
    open_data_.reset();
}

void Dclient::CmHelp(int id)
{
    const std::optional<int> context = help_context_of_command(id);
    if (!context)
        return;
    if (*context == help_context::kContents)
        ui_.help->show_contents();
    else
        ui_.help->show_context(*context);
}

void Dclient::CmAbout() { ui_.help->show_about(); }

bool Dclient::CeFile()
{
    if (!g_active_draw)
        return true;
    return g_active_draw->enabler_rule(CommandEnabler::NotStepping);
}

bool Dclient::handles_command(int id) const
{
    return id == client_cmd::kNewWindow || id == client_cmd::kLoadDiagram || id == client_cmd::kAbout ||
           help_context_of_command(id).has_value();
}

bool Dclient::command(int id)
{
    if (id == client_cmd::kNewWindow)
        CmFileNew();
    else if (id == client_cmd::kLoadDiagram)
        CmFileOpen();
    else if (id == client_cmd::kAbout)
        CmAbout();
    else if (help_context_of_command(id))
        CmHelp(id);
    else
        return false;
    return true;
}

std::optional<bool> Dclient::command_enabled(int id)
{
    if (id == client_cmd::kNewWindow || id == client_cmd::kLoadDiagram)
        return CeFile();
    if (handles_command(id))
        return true;
    return std::nullopt;
}

bool Dclient::CanClose()
{
    for (Dchild* child : children())
        if (!child->CanClose())
            return false;
    return true;
}

std::vector<Dchild*> Dclient::children() const
{
    std::vector<Dchild*> out;
    for (QMdiSubWindow* sub : subWindowList(QMdiArea::CreationOrder))
        if (auto* child = dynamic_cast<Dchild*>(sub->widget()))
            out.push_back(child);
    return out;
}
