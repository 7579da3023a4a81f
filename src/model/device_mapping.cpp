#include "model/device_mapping.h"

#include <cmath>

#include "model/numeric.h"
#include "model/object_types.h"

bool is_print_mode(const ObjectTable& t) { return t.get(rec::kState).type == cmd::kPrint; }

int p_to_dev(const ObjectTable& t, double v, unsigned char mode) {
    if (!(std::fabs(v) >= 0.5)) return 0;  // NaN too
    double w = v;
    if (is_print_mode(t)) {
        const double scale = t.get(rec::kSettings1).aux1.as_double();
        w = mode == kLengthMode ? v * scale : (v + kPrintOffset) * scale;
    }
    int n = trunc_to_int(w, kDeviceLimit);
    if (n < kDeviceLimit && n > -kDeviceLimit && w - n > 0.5) ++n;
    return n;
}
