#include "model/find_object.h"

#include <cmath>

#include "model/object_types.h"
#include "model/primitives.h"

namespace {
bool in_block(const Dpoint& p, int block) { return block == 0 || p.block == block; }

// Every search runs up to the table's last index and leaves it in the record count.
int last_index(ObjectTable& t) {
    t.record_count() = t.count() - 1;
    return t.record_count();
}
}  // namespace

int find_object(ObjectTable& t, int type, int a, int b, int block) {
    if (type == otype::kCircle) return find_circle(t, a, b);
    const int last = last_index(t);
    for (int i = rec::kFirstObject; i <= last; ++i) {
        const Dpoint& p = t[i];
        if (p.type == type && p.arg[0] == a && p.arg[1] == b && in_block(p, block)) return i;
    }
    return 0;
}

int find_circle(ObjectTable& t, int c, int p) {
    const int last = last_index(t);
    const double radius = p_dist(t, c, p);
    for (int i = rec::kFirstObject; i <= last; ++i) {
        const Dpoint& o = t[i];
        if (o.type == otype::kCircle && o.arg[0] == c && std::fabs(p_dist(t, c, o.arg[1]) - radius) < 2.0)
            return i;
    }
    return 0;
}

int find_object_by_name(ObjectTable& t, std::string_view name, int exclude, int block) {
    const int last = last_index(t);
    for (int i = rec::kFirstObject; i <= last; ++i) {
        const Dpoint& p = t[i];
        if (i != exclude && p.name_view() == name && in_block(p, block)) return i;
    }
    return 0;
}
