#include "window/drawing_services.h"

#include "paint/animation_services.h"
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

AnimationServices& DrawingServices::animation()
{
    static AnimationServices none;
    return none;
}

DrawingServices& no_drawing_services()
{
    static DrawingServices none;
    return none;
}
