#include "paint/buttons.h"

#include <string>

#include "paint/animation_services.h"
#include "paint/paint_support.h"

namespace {

void toggle(std::int32_t& flag) { flag = flag == 0 ? 1 : 0; }

void fire_hide_button(Diagram& d, int i)
{
    ObjectTable& t = d.table;
    // A copy: toggling writes into the table while the list is read.
    const Dpoint button = t.get(i);
    const std::size_t entries = button.hide_entries();
    for (std::size_t e = 0; e < entries; ++e) {
        const int k = button.hide_list[e];
        if (k < rec::kFirstObject || !t.contains(k))
            continue;
        toggle(t[k].shown);
        toggle(t[k].name_shown);
    }
    d.hooks().invalidate();
}

}  // namespace

int draw_button(Diagram& d, DeviceContext& dc, int i, int state)
{
    ObjectTable& t = d.table;
    const Dpoint& button = t.get(i);
    if (button.shown == 0)
        return 0;
    dc.set_rop2(Rop2::Copy);

    const bool sunken = t.action_state() == astate::kAnimation || state == kButtonPressed;
    const Colour face = sunken ? kGrey : kLightGrey;
    std::string label;
    if (button.type == otype::kAnimationButton)
        label = sunken ? "Stop:R-key" : "Animation";
    else
        label = std::string(button.name_view());

    const DevPoint corner = paint_support::dev_pos(t, i);
    {
        paint_support::BrushSelection brush(dc, solid_brush(face));
        paint_support::PenSelection pen(dc, kBlackPen);
        dc.rectangle(corner.x, corner.y, corner.x + kButtonWidth, corner.y + kButtonHeight);
    }
    dc.text_out(corner.x + 4, corner.y + 2, label);
    return 1;
}

int button_hit(Diagram& d, int op, int i)
{
    ObjectTable& t = d.table;
    if (op == 0) {
        t.record_count() = t.count();
        const double mx = t.mouse_x();
        const double my = t.mouse_y();
        for (int k = rec::kFirstObject; k < t.count(); ++k) {
            const Dpoint& o = t.get(k);
            if (o.cls == oclass::kButton && o.x < mx && o.y < my && mx < o.x + kButtonHitWidth &&
                my < o.y + kButtonHitHeight)
                return k;
        }
        return 0;
    }
    if (op == 1 && t.contains(i) && i >= rec::kFirstObject) {
        const int type = t.get(i).type;
        if (type == otype::kAnimationButton) {
            if (t.last_driver() >= 0)
                animation_services(d).start_animation(d);
        } else if (type == otype::kHideButton) {
            fire_hide_button(d, i);
        }
    }
    return 0;
}
