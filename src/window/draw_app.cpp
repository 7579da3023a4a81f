#include "window/draw_app.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "model/object_types.h"
#include "platform/dialogs.h"
#include "platform/string_table.h"
#include "window/dchild.h"
#include "window/dclient.h"
#include "window/drawing_services.h"
#include "window/menu_layout.h"
#include "window/prover_link.h"
#include "window/toolbox_icons.h"
#include "window/window_strings.h"

TDrawApp* g_app = nullptr;

namespace {

constexpr int kIconSize = 24;

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::array<Font, 3> make_fonts()
{
    const std::string face = "Time New Roman";
    return {Font{18, face, 0, false}, Font{14, face, 0, false}, Font{64, face, 0, false}};
}

int display_colour_count(int bits_per_pixel)
{
    if (bits_per_pixel < 1 || bits_per_pixel > 8)
        return 256;
    return 1 << bits_per_pixel;
}

QIcon application_icon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        p.setPen(QPen(QColor(210, 30, 30), 1.6));
        p.drawEllipse(QPointF(12, 12.5), 10, 10);
        p.setPen(QPen(QColor(40, 40, 48), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF a(12, 2.5), b(3.4, 17.5), c(20.6, 17.5);
        p.drawPolygon(QPolygonF{a, b, c});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 60, 170));
        for (QPointF v : {a, b, c})
            p.drawEllipse(v, 2.0, 2.0);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void DrawFrame::closeEvent(QCloseEvent* event)
{
    if (!app_.CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (quit_on_close_)
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

TDrawApp::TDrawApp(const UiServices& ui, DrawingServices& services, std::string start_file)
    : ui_(ui), services_(services), start_file_(std::move(start_file))
{
    register_window_strings();
    g_app = this;
}

TDrawApp::~TDrawApp()
{
    // The pane widgets may go before the drawing windows, whose release can
    // still write status texts: keep the texts, forget the widgets.
    panes_.detach();
    frame_.reset();
    if (status_panes() == &panes_)
        set_status_panes(nullptr);
    if (g_app == this)
        g_app = nullptr;
}

void TDrawApp::InitMainWindow()
{
    fonts_ = make_fonts();
    frame_ = std::make_unique<DrawFrame>(*this);
    frame_->setWindowTitle(qs(load_string(wsid::kAppTitle)));
    client_ = new Dclient(services_, ui_, frame_.get());
    frame_->setCentralWidget(client_);
    build_menu();

    panes_.build(*frame_->statusBar());
    set_status_panes(&panes_);

    build_toolbox();
    frame_->setWindowIcon(application_icon());
    frame_->resize(900, 650);
}

void TDrawApp::build_menu()
{
    QMenuBar* bar = frame_->menuBar();
    // Items carry their command id; each popup runs its items' enablers just
    // before it opens, as the menu is initialised.
    std::function<void(QMenu&, const std::vector<MenuNode>&)> fill = [&](QMenu& menu,
                                                                         const std::vector<MenuNode>& nodes) {
        for (const MenuNode& node : nodes) {
            switch (node.kind) {
            case MenuNode::Kind::Separator:
                menu.addSeparator();
                break;
            case MenuNode::Kind::Popup: {
                QMenu* sub = menu.addMenu(qs(node.text));
                fill(*sub, node.children);
                break;
            }
            case MenuNode::Kind::Item: {
                QAction* action = menu.addAction(qs(node.text));
                const int id = node.id;
                action->setData(id);
                action->setStatusTip(qs(hint_of(id)));
                if (id == cmd::kScriptManager)
                    action->setCheckable(true);
                if (id == client_cmd::kHelpContents)
                    action->setShortcut(QKeySequence(Qt::Key_F1));
                QObject::connect(action, &QAction::triggered, [this, id] { route_command(id); });
                actions_[id] = action;
                break;
            }
            }
        }
        QObject::connect(&menu, &QMenu::aboutToShow, [this, &menu] { update_menu(menu); });
    };
    for (const MenuNode& popup : command_menu()) {
        QMenu* menu = bar->addMenu(qs(popup.text));
        fill(*menu, popup.children);
    }
    // F2 and F3 send the framework's open and save ids, which nothing handles.
    for (auto [key, id] : {std::pair{Qt::Key_F2, frame_cmd::kOpenAccel}, std::pair{Qt::Key_F3, frame_cmd::kSaveAccel}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), frame_.get());
        QObject::connect(shortcut, &QShortcut::activated, [this, id = id] { route_command(id); });
    }
}

void TDrawApp::build_toolbox()
{
    toolbox_ = new QToolBar(QStringLiteral("Toolbox"), frame_.get());
    toolbox_->setObjectName(QStringLiteral("toolbox"));
    toolbox_->setMovable(false);
    toolbox_->setFloatable(false);
    auto* grid_holder = new QWidget(toolbox_);
    auto* grid = new QGridLayout(grid_holder);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    int index = 0;
    for (const ToolboxButton& b : ::toolbox_buttons()) {
        auto* button = new QToolButton(grid_holder);
        const int id = b.id;
        button->setIcon(toolbox_icon(id));
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setAutoRaise(false);
        button->setAutoRepeat(false);
        button->setCheckable(false);
        button->setToolTip(qs(hint_of(id)));
        button->setStatusTip(qs(hint_of(id)));
        button->setProperty("command_id", id);
        button->setObjectName(QStringLiteral("tool%1").arg(id));
        // Not enabled until the enablers have run.
        button->setEnabled(false);
        QObject::connect(button, &QToolButton::clicked, [this, id] { route_command(id); });
        grid->addWidget(button, index / kToolboxColumns, index % kToolboxColumns);
        buttons_.push_back(button);
        ++index;
    }
    toolbox_->addWidget(grid_holder);
    frame_->addToolBar(Qt::LeftToolBarArea, toolbox_);
}

void TDrawApp::InitInstance()
{
    frame_->show();
    g_active_draw = nullptr;
    client_->CmFileNew();
    Dchild* first = client_->last_child();
    if (first && !start_file_.empty())
        services_.fig_read(*first, start_file_);
    services_.open_script_manager();
    update_toolbox();
}

bool TDrawApp::CanClose()
{
    if (!prover_flag_clear()) {
        ui_.message_boxes->ok(load_string(wsid::kAppTitle), load_string(wsid::kCloseProverFirst));
        // The window the message speaks of must be in sight.
        bring_prover_to_front();
        return false;
    }
    return client_ ? client_->CanClose() : true;
}

bool TDrawApp::route_command(int id)
{
    if (!command_enabled(id))
        return false;
    bool taken = false;
    if (g_active_draw && g_active_draw->handles_command(id))
        taken = g_active_draw->command(id);
    else if (client_ && client_->handles_command(id))
        taken = client_->command(id);
    else
        taken = frame_command(id);
    update_toolbox();
    return taken;
}

bool TDrawApp::command_enabled(int id)
{
    if (g_active_draw)
        if (std::optional<bool> answer = g_active_draw->command_enabled(id))
            return *answer;
    if (client_)
        if (std::optional<bool> answer = client_->command_enabled(id))
            return *answer;
    return frame_command_enabled(id).value_or(false);
}

bool TDrawApp::frame_command(int id)
{
    switch (id) {
    case frame_cmd::kExit:
        if (frame_)
            frame_->close();
        return true;
    case frame_cmd::kCascade:
        client_->cascadeSubWindows();
        return true;
    case frame_cmd::kTile:
        client_->tileSubWindows();
        return true;
    case frame_cmd::kCloseAll:
        client_->closeAllSubWindows();
        return true;
    default:
        return false;
    }
}

std::optional<bool> TDrawApp::frame_command_enabled(int id) const
{
    switch (id) {
    case frame_cmd::kExit:
        return true;
    case frame_cmd::kCascade:
    case frame_cmd::kTile:
    case frame_cmd::kCloseAll:
        return client_ && !client_->subWindowList().isEmpty();
    default:
        return std::nullopt;
    }
}

void TDrawApp::update_toolbox()
{
    for (QToolButton* button : buttons_)
        button->setEnabled(command_enabled(button->property("command_id").toInt()));
}

void TDrawApp::update_menu(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->menu() || action->isSeparator())
            continue;
        action->setEnabled(command_enabled(action->data().toInt()));
    }
    EvInitMenu();
}

void TDrawApp::EvInitMenu()
{
    if (QAction* action = menu_action(cmd::kScriptManager))
        action->setChecked(services_.script_manager_open());
}

QAction* TDrawApp::menu_action(int id) const
{
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* TDrawApp::toolbox_button(int id) const
{
    for (QToolButton* button : buttons_)
        if (button->property("command_id").toInt() == id)
            return button;
    return nullptr;
}

std::string TDrawApp::hint_of(int id) const { return load_string(id); }
