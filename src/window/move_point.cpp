#include "window/move_point.h"

#include "model/object_types.h"
#include "model/semi_free.h"
#include "paint/paint_diagram.h"

bool is_draggable_type(int type)
{
    return type == otype::kFreePoint || type == otype::kText || type == otype::kAnimationButton ||
           type == otype::kHideButton || is_semi_free_type(type);
}

void move_point(Diagram& d, DeviceContext& dc, int full)
{
    ObjectTable& t = d.table;
    const int k = t.picked_index();
    // A pick that no longer names an object moves nothing.
    if (k >= rec::kFirstObject && t.contains(k)) {
        Dpoint& o = t[k];
        if (o.type == otype::kFreePoint || o.type == otype::kText || o.type == otype::kAnimationButton ||
            o.type == otype::kHideButton) {
            o.x = t.mouse_x();
            o.y = t.mouse_y();
        } else if (is_semi_free_type(o.type)) {
            semi_free_init(t, k, rec::kState);
        }
    }
    paint_diagram(d, dc, full);
}
