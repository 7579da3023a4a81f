#include "window/move_point.h"

#include "model/semi_free.h"
#include "paint/paint_diagram.h"

namespace {

constexpr int kFreePoint = 101;
constexpr int kTextType = 180;
constexpr int kAnimationButton = 465;
constexpr int kHideButton = 466;

}  // namespace

bool is_draggable_type(int type)
{
    return type == kFreePoint || type == kTextType || type == kAnimationButton ||
           type == kHideButton || is_semi_free_type(type);
}

void move_point(Diagram& d, DeviceContext& dc, int full)
{
    ObjectTable& t = d.table;
    const int k = t.picked_index();
    // A pick that no longer names an object moves nothing.
    if (k >= rec::kFirstObject && t.contains(k)) {
        Dpoint& o = t[k];
        if (o.type == kFreePoint || o.type == kTextType || o.type == kAnimationButton ||
            o.type == kHideButton) {
            o.x = t.mouse_x();
            o.y = t.mouse_y();
        } else if (is_semi_free_type(o.type)) {
            semi_free_init(t, k, rec::kState);
        }
    }
    paint_diagram(d, dc, full);
}
