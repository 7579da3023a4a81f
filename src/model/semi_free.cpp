#include "model/semi_free.h"

#include "model/on_curve.h"

bool is_semi_free_type(int type) { return type == 99 || (type >= 110 && type <= 115); }

int semi_free_init(ObjectTable& t, int i, int ref) {
    const auto& a = t.get(i).arg;
    switch (t.get(i).type) {
    case 99: on_line_init(t, i, a[0], a[0], 0, ref); return 1;
    case 110: on_line_init(t, i, a[0], a[0], a[1], ref); return 1;
    case 111: on_line_init(t, i, a[0], a[1], a[2], ref); return 1;
    case 112: on_tline_init(t, i, a[0], a[1], a[2], ref); return 1;
    case 113: return on_circle_init(t, i, a[0], a[0], a[1], ref);
    case 114: on_aline_init(t, i, a[0], a[1], a[2], a[3], a[4], ref); return 1;
    case 115: return on_circle_init(t, i, a[0], a[1], a[2], ref);
    default: return 0;
    }
}

int semi_free_cal(ObjectTable& t, int i, int ref) {
    const auto& a = t.get(i).arg;
    switch (t.get(i).type) {
    case 99: on_line_cal(t, i, a[0], a[0], 0, ref); return 1;
    case 110: on_line_cal(t, i, a[0], a[0], a[1], ref); return 1;
    case 111: on_line_cal(t, i, a[0], a[1], a[2], ref); return 1;
    case 112: on_tline_cal(t, i, a[0], a[1], a[2], ref); return 1;
    case 113: return on_circle_cal(t, i, a[0], a[0], a[1], ref);
    case 114: on_aline_cal(t, i, a[0], a[1], a[2], a[3], a[4], ref); return 1;
    case 115: return on_circle_cal(t, i, a[0], a[1], a[2], ref);
    default: return 0;
    }
}
