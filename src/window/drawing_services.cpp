#include "window/drawing_services.h"

#include "window/dchild.h"

bool DrawingServices::provides(CommandHandler /*handler*/) const { return false; }

void DrawingServices::upd_attr_buf(Dchild& win)
{
    ObjectTable& t = win.objects();
    Dpoint& scratch = win.scratch();
    scratch.size = t.pen_size_setting();
    scratch.colour = t.pen_colour();
    scratch.pen_style = t.pen_style_setting();
}

DrawingServices& no_drawing_services()
{
    static DrawingServices none;
    return none;
}
