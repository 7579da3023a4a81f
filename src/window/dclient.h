#pragma once
// The MDI client of the main frame: makes the drawing windows, numbers new
// drawings, opens point files, and serves the commands that need no drawing
// window (new window, load, help, about).

#include <QMdiArea>
#include <QPointer>

#include <optional>
#include <string>

#include "window/dchild.h"

class DrawingServices;
struct UiServices;
class QMdiSubWindow;

class Dclient : public QMdiArea {
public:
    Dclient(DrawingServices& services, const UiServices& ui, QWidget* parent = nullptr);

    // Makes one drawing window, titled "Diagram <n>" or with the open file's
    // name; none when the file cannot be read.
    Dchild* InitChild();
    Dchild* CreateChild() { return InitChild(); }

    void CmFileNew();
    void CmFileOpen();
    void CmHelp(int id);
    void CmAbout();
    // New Window and Load A Diagram: disabled while the active drawing steps
    // through its objects or has its commands disabled.
    bool CeFile();

    bool handles_command(int id) const;
    bool command(int id);
    std::optional<bool> command_enabled(int id);

    // Asks every drawing window, in order; false as soon as one refuses.
    bool CanClose();

    Dchild* last_child() const { return last_child_.data(); }
    unsigned new_count() const { return new_count_; }
    // The drawing windows, oldest first.
    std::vector<Dchild*> children() const;

    // A drawing window became the active one.
    void EvMDIActivate(Dchild* child);

private:
    // Where a new window of the size goes: cascaded inside the client area.
    QPoint cascade_position(QSize size) const;

    DrawingServices& services_;
    const UiServices& ui_;
    QPointer<Dchild> last_child_;  // cleared by itself when the window goes
    std::uint16_t new_count_ = 0;
    std::optional<FileData> open_data_;
};
