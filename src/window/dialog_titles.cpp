#include "window/dialog_titles.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QWindow>

#include <algorithm>

#include "window/screen_placement.h"

namespace {

QDialog* dialog_of(QWindow& window) { return qobject_cast<QDialog*>(QWidget::find(window.winId())); }

}  // namespace

bool DialogTitles::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The native window's show comes after the dialog has sized and
        // placed itself, and before the window manager sees the window.
        if (QDialog* dialog = watched->isWindowType() ? dialog_of(*static_cast<QWindow*>(watched)) : nullptr) {
            const int growth = widen_for_title(*dialog);
            // A dialog that centred itself stays centred.
            if (growth > 0 && !dialog->testAttribute(Qt::WA_Moved)) {
                dialog->move(dialog->pos() - QPoint(growth / 2, 0));
                dialog->setAttribute(Qt::WA_Moved, false);
            }
        }
        return false;
    case QEvent::LayoutRequest:
        // A message box sizes itself anew at each layout request: it is
        // widened again after its own handling.
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isVisible()) {
            static_cast<QObject*>(dialog)->event(event);
            widen_for_title(*dialog);
            return true;
        }
        return false;
    default:
        return false;
    }
}

int title_width_needed(const QString& title)
{
    // The font the toolkit measures message-box titles in.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarAllowance;
}

int widen_for_title(QWidget& dialog)
{
    int needed = title_width_needed(dialog.windowTitle());
    if (const QRect area = available_area(dialog); !area.isEmpty()) {
        const QMargins frame = decoration_of(dialog);
        needed = std::min(needed, area.width() - frame.left() - frame.right());
    }
    const int growth = needed - dialog.width();
    if (growth <= 0)
        return 0;
    // Also a dialog of fixed size, as a message box is.
    dialog.setMaximumWidth(std::max(dialog.maximumWidth(), needed));
    dialog.setMinimumWidth(needed);
    return growth;
}
