#pragma once
// Where the program's windows open: wholly inside the available area of their
// screen (the screen without its panels), also on small screens. One filter on
// the application places every top-level window as it is shown, so that the
// frame, the prover, the help window, the Script Manager and every dialog are
// on screen however they were made.
//
//   ScreenPlacement placement;
//   qApp->installEventFilter(&placement);
//
// A window that has not been given a position opens centred on the window it
// belongs to (on the screen when it belongs to none); a dialog keeps the
// toolkit's placement. Either is then moved, and shrunk where it is too
// large, until its frame lies inside the area.

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

class ScreenPlacement : public QObject {
public:
    // The available area a window must lie in; the default is that of the
    // screen of the window (or of the window it belongs to).
    using AreaOf = std::function<QRect(const QWidget&)>;
    explicit ScreenPlacement(AreaOf area_of = {}, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AreaOf area_of_;
};

// The rectangle moved, and shrunk where it is larger, so that it lies wholly
// inside `area`; unchanged when it does already.
QRect fit_inside(QRect frame, const QRect& area);

// The frame the window manager drew around a top-level window that is shown
// and framed; none otherwise.
QMargins frame_of(const QWidget& window);

// The window manager's frame around a top-level window: what it is once the
// window is framed, else as found around another framed window, else a
// generous title bar and border.
QMargins decoration_of(const QWidget& window);

// The available area of the screen of `window` (or of the window it belongs
// to); empty when there is no screen.
QRect available_area(const QWidget& window);

// Moves `window`, and shrinks it where needed, so that its frame lies inside
// `area`. Nothing happens for an empty area.
void keep_inside(QWidget& window, const QRect& area);

// Runs `placed` once the window manager has placed `window`: at once when
// the window is exposed already (or has no native window), else when it is
// first exposed.
void when_placed(QWidget& window, std::function<void()> placed);
