#include "window/qt_ui_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <map>

#include "window/help_pages.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A modal dialog blocks every window but its own. Help asked for while one is
// open (the object dialogs' Help button) becomes the dialog's transient
// window: the window manager keeps it above the dialog, and its links work
// while the dialog stays open. Asked for with no dialog open, it stands alone.
void stay_above_modal_dialog(QWidget& help)
{
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != &help ? modal->windowHandle() : nullptr;
    help.winId();  // makes the window handle
    QWindow* handle = help.windowHandle();
    if (!handle || handle->transientParent() == owner)
        return;
    // The window manager reads the owner when the window is mapped.
    if (help.isVisible())
        help.hide();
    handle->setTransientParent(owner);
}

}  // namespace

std::string toolkit_filter(std::string_view filter)
{
    // "A (*.x)|*.x|B|*.y|" -> "A (*.x);;B (*.y)": each description keeps its
    // pattern in brackets, as the toolkit reads patterns from there.
    std::string out;
    std::size_t pos = 0;
    while (pos < filter.size()) {
        const std::size_t bar1 = filter.find('|', pos);
        if (bar1 == std::string_view::npos)
            break;
        std::size_t bar2 = filter.find('|', bar1 + 1);
        if (bar2 == std::string_view::npos)
            bar2 = filter.size();
        const std::string_view text = filter.substr(pos, bar1 - pos);
        const std::string_view pattern = filter.substr(bar1 + 1, bar2 - bar1 - 1);
        std::string entry(text);
        if (entry.find('(') == std::string::npos)
            entry += " (" + std::string(pattern) + ")";
        if (!out.empty())
            out += ";;";
        out += entry;
        pos = bar2 + 1;
    }
    return out;
}

MessageResult QtMessageBoxes::show(std::string_view caption, std::string_view text,
                                   MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(parent_);
    box.setWindowTitle(qs(caption));
    box.setText(qs(text));
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    case QMessageBox::Cancel: return MessageResult::Cancel;
    case QMessageBox::Ok: return MessageResult::Ok;
    default:
        // Closed by the window's close box: the cautious answer.
        return buttons == MessageButtons::Ok      ? MessageResult::Ok
               : buttons == MessageButtons::YesNo ? MessageResult::No
                                                  : MessageResult::Cancel;
    }
}

std::optional<std::string> QtInputDialog::ask(std::string_view title, std::string_view prompt,
                                              std::string_view initial, std::size_t max_length)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(qs(title));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(initial));
    if (max_length > 0)
        if (QLineEdit* edit = dialog.findChild<QLineEdit*>())
            edit->setMaxLength(static_cast<int>(max_length));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::string text = dialog.textValue().toStdString();
    if (max_length > 0 && text.size() > max_length)
        text.resize(max_length);
    return text;
}

std::optional<std::string> QtFileDialogs::open_file(std::string_view filter, std::string_view default_ext)
{
    QFileDialog dialog(parent_, {}, {}, qs(toolkit_filter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!default_ext.empty())
        dialog.setDefaultSuffix(qs(default_ext));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtFileDialogs::save_file(std::string_view filter, std::string_view default_ext,
                                                    std::string_view initial_name)
{
    QFileDialog dialog(parent_, {}, {}, qs(toolkit_filter(filter)));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!default_ext.empty())
        dialog.setDefaultSuffix(qs(default_ext));
    if (!initial_name.empty())
        dialog.selectFile(qs(initial_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void QtClipboard::put_image(const QImage& image)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
}

void QtBusyCursor::show() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void QtBusyCursor::restore() { QGuiApplication::restoreOverrideCursor(); }

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Plexator Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    resize(560, 460);
}

bool HelpWindow::show_page(int context)
{
    const std::string dir = help_directory();
    const QString path = QString::fromStdString(dir + "/" + help_page_file(context));
    if (dir.empty() || !QFileInfo::exists(path)) {
        browser_->setHtml(QStringLiteral("<h1>Plexator Help</h1><p>The help pages were not found. "
                                         "Set PLEXATOR_RESOURCES to the resources folder.</p>"));
        return false;
    }
    browser_->setSearchPaths({QString::fromStdString(dir)});
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::show_contents() { show_context(help_context::kContents); }

void QtHelpViewer::show_context(int context)
{
    if (!window_)
        window_ = std::make_unique<HelpWindow>();
    window_->show_page(context);
    stay_above_modal_dialog(*window_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtHelpViewer::show_about()
{
    QMessageBox::about(about_parent_, QStringLiteral("About Plexator"),
                       QStringLiteral("<h3>Plexator</h3>"
                                      "<p>An interactive plane-geometry workbench with an "
                                      "automated theorem prover.</p>"
                                      "<p>Build figures from constructions, drag their points, "
                                      "measure, animate, and prove theorems about them.</p>"));
}

namespace {

class QtWindowTimer : public WindowTimer {
public:
    explicit QtWindowTimer(std::function<void(int)> on_tick) : on_tick_(std::move(on_tick)) {}

    void start(int id, int interval_ms) override
    {
        auto& timer = timers_[id];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            QObject::connect(timer.get(), &QTimer::timeout, [this, id] {
                if (on_tick_)
                    on_tick_(id);
            });
        }
        timer->start(interval_ms);
    }
    void stop(int id) override
    {
        auto it = timers_.find(id);
        if (it != timers_.end())
            it->second->stop();
    }
    bool running(int id) const override
    {
        auto it = timers_.find(id);
        return it != timers_.end() && it->second->isActive();
    }

private:
    std::function<void(int)> on_tick_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace

std::unique_ptr<WindowTimer> QtTimerFactory::make(std::function<void(int id)> on_tick)
{
    return std::make_unique<QtWindowTimer>(std::move(on_tick));
}
