#include "model/semi_free.h"

#include "model/object_types.h"
#include "model/on_curve.h"

bool is_semi_free_type(int type) {
    return type == otype::kOnHline || (type >= otype::kOnLine && type <= otype::kOnRcircle);
}

int semi_free_init(ObjectTable& t, int i, int ref) {
    const auto& a = t.get(i).arg;
    switch (t.get(i).type) {
    case otype::kOnHline: on_line_init(t, i, a[0], a[0], 0, ref); return 1;
    case otype::kOnLine: on_line_init(t, i, a[0], a[0], a[1], ref); return 1;
    case otype::kOnPline: on_line_init(t, i, a[0], a[1], a[2], ref); return 1;
    case otype::kOnTline: on_tline_init(t, i, a[0], a[1], a[2], ref); return 1;
    case otype::kOnCircle: return on_circle_init(t, i, a[0], a[0], a[1], ref);
    case otype::kOnAline: on_aline_init(t, i, a[0], a[1], a[2], a[3], a[4], ref); return 1;
    case otype::kOnRcircle: return on_circle_init(t, i, a[0], a[1], a[2], ref);
    default: return 0;
    }
}

int semi_free_cal(ObjectTable& t, int i, int ref) {
    const auto& a = t.get(i).arg;
    switch (t.get(i).type) {
    case otype::kOnHline: on_line_cal(t, i, a[0], a[0], 0, ref); return 1;
    case otype::kOnLine: on_line_cal(t, i, a[0], a[0], a[1], ref); return 1;
    case otype::kOnPline: on_line_cal(t, i, a[0], a[1], a[2], ref); return 1;
    case otype::kOnTline: on_tline_cal(t, i, a[0], a[1], a[2], ref); return 1;
    case otype::kOnCircle: return on_circle_cal(t, i, a[0], a[0], a[1], ref);
    case otype::kOnAline: on_aline_cal(t, i, a[0], a[1], a[2], a[3], a[4], ref); return 1;
    case otype::kOnRcircle: return on_circle_cal(t, i, a[0], a[1], a[2], ref);
    default: return 0;
    }
}
