#include "model/place_picked.h"

#include "model/object_types.h"
#include "model/semi_free.h"

bool is_draggable_type(int type)
{
    return type == otype::kFreePoint || type == otype::kText || type == otype::kAnimationButton ||
           type == otype::kHideButton || is_semi_free_type(type);
}

void place_picked_object(ObjectTable& t)
{
    const int k = t.picked_index();
    if (k < rec::kFirstObject || !t.contains(k))
        return;
    Dpoint& o = t[k];
    if (is_semi_free_type(o.type)) {
        semi_free_init(t, k, rec::kState);
    } else if (is_draggable_type(o.type)) {
        o.x = t.mouse_x();
        o.y = t.mouse_y();
    }
}
