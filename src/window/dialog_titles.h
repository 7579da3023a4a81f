#pragma once
// Every dialog is wide enough to show its whole title: the window manager cuts
// a title that does not fit between the title bar's icon and buttons. One
// filter on the application widens every dialog as it is shown, the
// toolkit's message boxes, input and file dialogs as well as the program's
// own:
//
//   DialogTitles titles;
//   qApp->installEventFilter(&titles);

#include <QObject>

class QString;
class QWidget;

class DialogTitles : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Room in a title bar besides the title's text: the window's icon and its
// three buttons, about 24 pixels each, with their gaps and the frame's
// borders. The common window managers' default title bars need less.
inline constexpr int kTitleBarAllowance = 128;

// The width a window needs to show `title` whole: the text in the toolkit's
// title-bar font, as bold as window managers draw it, and the allowance.
int title_width_needed(const QString& title);

// Widens a dialog that is narrower than its title needs, but never beyond
// its screen; returns by how much (0 when it was wide enough).
int widen_for_title(QWidget& dialog);
