#include "window/lookup.h"

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
    if (p.cls != 1)
        return 0;
    switch (p.type) {
    case 101:
    case 99:
    case 110:
    case 111:
    case 112:
    case 113:
    case 114:
    case 115:
        return 1;
    default:
        return 0;
    }
}
