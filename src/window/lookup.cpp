#include "window/lookup.h"

#include "model/object_types.h"

int find_same_object(ObjectTable& t, const Dpoint& record, int block)
{
    const int last = t.count() - 1;
    t.record_count() = last;
    for (int i = rec::kFirstObject; i <= last; ++i) {
        const Dpoint& p = t[i];
        if (p.block == block && p.type == record.type && p.name_view() == record.name_view() &&
            p.x == record.x && p.y == record.y)
            return i;
    }
    return 0;
}

int is_movable_point(ObjectTable& t, int i)
{
    if (i < rec::kFirstObject || !t.contains(i))
        return 0;
    const Dpoint& p = t[i];
    if (p.cls != oclass::kPoint)
        return 0;
    switch (p.type) {
    case otype::kFreePoint:
    case otype::kOnHline:
    case otype::kOnLine:
    case otype::kOnPline:
    case otype::kOnTline:
    case otype::kOnCircle:
    case otype::kOnAline:
    case otype::kOnRcircle:
        return 1;
    default:
        return 0;
    }
}
