#pragma once
// What the Script Manager needs of the drawing window whose objects it lists:
// the drawing, its caption, an immediate repaint, the device context of a
// mouse operation for the highlight, and the clearing of the whole drawing.
// The window implements it; tests use a recording stand-in.

#include <string>

#include "model/diagram.h"

class DeviceContext;
class TextStatus;

class ScriptDrawing {
public:
    virtual ~ScriptDrawing() = default;

    virtual Diagram& diagram() = 0;
    virtual std::string caption() const = 0;
    // The whole client area invalidated with erasing and repainted now, so
    // that a highlight drawn next lies over a fresh picture.
    virtual void repaint_now() = 0;
    // Captures the mouse and opens the client device context (the start of a
    // mouse operation); null when the window cannot draw.
    virtual DeviceContext* begin_mouse_operation() = 0;
    // Releases the capture and the context.
    virtual void end_mouse_operation() = 0;
    // "Clear All": asks, then removes every object and refreshes the list.
    virtual void clear_all() = 0;
    // The status panes that the text of some objects also writes; may be null.
    virtual TextStatus* status() { return nullptr; }
    // The list added, modified or deleted an object of the drawing: a change
    // made without a click in the window, which the window must still save
    // and show.
    virtual void changed() {}
};
