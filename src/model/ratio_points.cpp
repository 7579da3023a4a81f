#include "model/ratio_points.h"

#include "model/aux_text.h"
#include "model/numeric.h"

namespace {

struct Ratio {
    double p;
    double q;
};

// The ratio texts, read as integers and taken through single precision.
Ratio ratio_texts(const Dpoint& r) {
    return {static_cast<double>(ratio_of(r.aux1)), static_cast<double>(ratio_of(r.aux2))};
}

}  // namespace

void cal_lratio(ObjectTable& t, int r, int a0, int a1) {
    const auto [p, q] = ratio_texts(t.get(r));
    if (q == 0.0) {
        store_point(t[r], 0.0, 0.0);
        return;
    }
    const Dpoint& u = t.get(a0);
    const Dpoint& v = t.get(a1);
    store_point(t[r], (u.x * (q - p) + v.x * p) / q, (u.y * (q - p) + v.y * p) / q);
}

void cal_mratio(ObjectTable& t, int r, int a0, int a1) {
    const auto [p, q] = ratio_texts(t.get(r));
    if (p + q == 0.0) {
        store_point(t[r], 0.0, 0.0);
        return;
    }
    const Dpoint& u = t.get(a0);
    const Dpoint& v = t.get(a1);
    store_point(t[r], (u.x * q + v.x * p) / (p + q), (u.y * q + v.y * p) / (p + q));
}

void cal_pratio(ObjectTable& t, int r, int a0, int a1, int a2) {
    const auto [p, q] = ratio_texts(t.get(r));
    if (q == 0.0 || p == 0.0) {
        store_point(t[r], 0.0, 0.0);
        return;
    }
    const Dpoint& u = t.get(a0);
    const Dpoint& v = t.get(a1);
    const Dpoint& w = t.get(a2);
    store_point(t[r], (u.x * q + (w.x - v.x) * p) / q, (u.y * q + (w.y - v.y) * p) / q);
}
