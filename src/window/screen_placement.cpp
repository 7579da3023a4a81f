#include "window/screen_placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

// A title bar and a border, as most window managers draw them, for a window
// whose frame cannot be seen yet.
constexpr QMargins kAssumedDecoration{5, 35, 5, 5};

bool placed_here(const QWidget& window)
{
    if (!window.isWindow())
        return false;
    switch (window.windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Desktop:
        return false;
    default:
        return true;
    }
}

// The window a top-level window belongs to, if any.
const QWidget* owner_of(const QWidget& window)
{
    return window.parentWidget() ? window.parentWidget()->window() : nullptr;
}

// Centres a window that has no position of its own on its owner, or on the area.
void centre(QWidget& window, const QRect& area)
{
    const QWidget* owner = owner_of(window);
    const QRect reference = owner && owner->isVisible() ? owner->frameGeometry() : area;
    QRect frame(QPoint(), window.size().grownBy(decoration_of(window)));
    frame.moveCenter(reference.center());
    window.move(frame.topLeft());
}

// Runs a function once, at the first exposure of the window it watches.
class ExposureWatch : public QObject {
public:
    ExposureWatch(QWindow& window, std::function<void()> placed) : QObject(&window), placed_(std::move(placed))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            const std::function<void()> placed = std::move(placed_);
            deleteLater();
            placed();
        }
        return false;
    }

private:
    std::function<void()> placed_;
};

}  // namespace

ScreenPlacement::ScreenPlacement(AreaOf area_of, QObject* parent) : QObject(parent), area_of_(std::move(area_of))
{
    if (!area_of_)
        area_of_ = [](const QWidget& window) { return available_area(window); };
}

bool ScreenPlacement::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::ShowToParent) || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto& window = *static_cast<QWidget*>(watched);
    if (!placed_here(window))
        return false;
    // A dialog places itself while it is shown (QDialog's own show handling
    // runs after this filter): it is checked once that is done.
    const bool dialog = qobject_cast<QDialog*>(&window) != nullptr;
    if (dialog != (type == QEvent::ShowToParent))
        return false;
    const QRect area = area_of_(window);
    if (area.isEmpty())
        return false;
    if (!dialog && !window.testAttribute(Qt::WA_Moved))
        centre(window, area);
    keep_inside(window, area);
    return false;
}

QRect fit_inside(QRect frame, const QRect& area)
{
    if (area.isEmpty())
        return frame;
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame;
}

QMargins frame_of(const QWidget& window)
{
    if (!window.isVisible())
        return {};
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QMargins decoration_of(const QWidget& window)
{
    if (const QMargins own = frame_of(window); !own.isNull())
        return own;
    // The window manager frames the program's windows alike.
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && placed_here(*other))
            if (const QMargins seen = frame_of(*other); !seen.isNull())
                return seen;
    return kAssumedDecoration;
}

QRect available_area(const QWidget& window)
{
    const QWidget* owner = owner_of(window);
    QScreen* screen = (owner ? owner : &window)->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void keep_inside(QWidget& window, const QRect& area)
{
    if (area.isEmpty())
        return;
    const QMargins decoration = decoration_of(window);
    // A window's position is that of its frame.
    const QRect frame(window.pos(), window.size().grownBy(decoration));
    const QRect fitted = fit_inside(frame, area);
    if (fitted.size() != frame.size())
        window.resize(fitted.size().shrunkBy(decoration));
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft());
}

void when_placed(QWidget& window, std::function<void()> placed)
{
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed()) {
        placed();
        return;
    }
    new ExposureWatch(*handle, std::move(placed));
}
