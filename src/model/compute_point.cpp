#include "model/compute_point.h"

#include "model/derived_points.h"
#include "model/device_mapping.h"
#include "model/diagram.h"
#include "model/intersections.h"
#include "model/numeric.h"
#include "model/object_types.h"
#include "model/primitives.h"
#include "model/ratio_points.h"
#include "model/rotations.h"
#include "model/semi_free.h"
#include "platform/device_context.h"

namespace {

constexpr int kScratch1 = rec::kSettings1;  // scratch points of the incenter and
constexpr int kScratch2 = rec::kSettings2;  // the equilateral vertex

using Args = std::array<std::int32_t, Dpoint::kArgCount>;

void fail(ObjectTable& t, int i) { store_point(t[i], 0.0, 0.0); }

void incenter(ObjectTable& t, int r, const Args& a) {
    // Records 1 and 2 become points of the bisectors at a0 and a1: the points of
    // the rays a0->a1 and a1->a0 at the distances |a0 a2| and |a1 a2|, each
    // halved towards a2.
    cal_inter_lc(t, kScratch1, a[0], a[0], a[1], a[0], a[0], a[2], a[1]);
    cal_midpoint(t, kScratch1, kScratch1, a[2]);
    cal_inter_lc(t, kScratch2, a[1], a[1], a[0], a[1], a[1], a[2], a[0]);
    cal_midpoint(t, kScratch2, kScratch2, a[2]);
    cal_inter_ll(t, r, a[0], a[0], kScratch1, a[1], a[1], kScratch2);
}

void equilateral_vertex(ObjectTable& t, int r, const Args& a) {
    // The vertex lies on the side of the base where its positive square lies.
    cal_square_pos(t, kScratch1, a[0], a[1]);
    cal_inter_cc(t, r, a[0], a[0], a[1], a[1], a[1], a[0], kScratch1);
    if (t.placing() != 0) t[r].aux1.set_double(kSideValueFactor * area3(t, r, a[0], a[1]));
}

// One intersection with a circle (types 122 to 128) through its kernel with ref.
int circle_kernel(ObjectTable& t, int type, int r, const Args& a, int ref) {
    switch (type) {
    case otype::kInterLineCircle: return cal_inter_lc(t, r, a[0], a[0], a[1], a[2], a[2], a[3], ref);
    case otype::kInterPlineCircle: return cal_inter_lc(t, r, a[0], a[1], a[2], a[3], a[3], a[4], ref);
    case otype::kInterTlineCircle: return cal_inter_tc(t, r, a[0], a[1], a[2], a[3], a[3], a[4], ref);
    case otype::kInterCircleCircle: return cal_inter_cc(t, r, a[0], a[0], a[1], a[2], a[2], a[3], ref);
    case otype::kInterLineRcircle: return cal_inter_lc(t, r, a[0], a[0], a[1], a[2], a[3], a[4], ref);
    case otype::kInterCircleRcircle: return cal_inter_cc(t, r, a[0], a[0], a[1], a[2], a[3], a[4], ref);
    default: return cal_inter_cc(t, r, a[0], a[1], a[2], a[3], a[4], a[5], ref);
    }
}

// Status of a circle intersection that found no solution on recompute.
int apart_status(int type) {
    switch (type) {
    case otype::kInterLineCircle:
    case otype::kInterPlineCircle:
    case otype::kInterLineRcircle: return kComputeFailed;
    case otype::kInterCircleRcircle:
    case otype::kInterRcircleRcircle: return kComputeCirclesApart;
    default: return kComputeDone;
    }
}

// The known common point by name: the circle passes through a point of the
// line (or both circles through one point), so the sought point is the other
// one and no choice is asked. Returns the status, or 0 when the test does not apply.
int by_common_name(ObjectTable& t, int type, int r, const Args& a) {
    switch (type) {
    case otype::kInterLineCircle:
        if (named_alike(t, a[3], a[0])) {
            cal_inter_lc(t, r, a[0], a[0], a[1], a[2], a[2], a[3], 0);
            return kComputeDone;
        }
        if (named_alike(t, a[3], a[1])) {
            cal_inter_lc(t, r, a[1], a[0], a[1], a[2], a[2], a[3], 0);
            return kComputeDone;
        }
        return 0;
    case otype::kInterPlineCircle:
        if (!named_alike(t, a[4], a[0])) return 0;
        return cal_inter_lc(t, r, a[0], a[1], a[2], a[3], a[3], a[4], 0) < 0 ? kComputeFailed
                                                                            : kComputeDone;
    case otype::kInterTlineCircle:
        if (!named_alike(t, a[4], a[0])) return 0;
        cal_inter_tc(t, r, a[0], a[1], a[2], a[3], a[3], a[4], 0);
        return kComputeDone;
    case otype::kInterCircleCircle:
        if (!named_alike(t, a[3], a[1])) return 0;
        cal_reflection(t, r, a[1], a[0], a[2]);
        return kComputeDone;
    default: return 0;
    }
}

int circle_intersection(ObjectTable& t, DeviceContext* dc, int type, int r, const Args& a) {
    if (const int status = by_common_name(t, type, r, a); status != 0) return status;
    if (t.placing() != 0) {
        // Provisional root nearer the mouse; the command lets the user choose.
        if (circle_kernel(t, type, r, a, 0) > 0 && dc != nullptr) {
            const Colour colour = type == otype::kInterTlineCircle ? kBlue : kRed;
            mark_candidate(t, *dc, rec::kCandidate0, colour);
            mark_candidate(t, *dc, rec::kCandidate1, colour);
        }
        return kComputeCandidatesShown;
    }
    return circle_kernel(t, type, r, a, r) < 0 ? apart_status(type) : kComputeDone;
}

int constructed_point(ObjectTable& t, DeviceContext* dc, int r) {
    const Args a = t.get(r).arg;
    const int type = t.get(r).type;
    switch (type) {
    case otype::kFoot: cal_inter_lt(t, r, a[1], a[1], a[2], a[0], a[1], a[2]); break;
    case otype::kMidpoint: cal_midpoint(t, r, a[0], a[1]); break;
    case otype::kCentroid: cal_centroid(t, r, a[0], a[1], a[2]); break;
    case otype::kCircumcenter: cal_circumcenter(t, r, a[0], a[1], a[0], a[2]); break;
    case otype::kOrthocenter: cal_inter_tt(t, r, a[0], a[1], a[2], a[1], a[0], a[2]); break;
    case otype::kIncenterVertex: cal_incenter_vertex(t, r, a[0], a[1], a[2]); break;
    case otype::kIncenter: incenter(t, r, a); break;
    case otype::kEquilateralVertex: equilateral_vertex(t, r, a); break;
    case otype::kInterLineLine: cal_inter_ll(t, r, a[0], a[0], a[1], a[2], a[2], a[3]); break;
    case otype::kInterLinePline: cal_inter_ll(t, r, a[0], a[0], a[1], a[2], a[3], a[4]); break;
    case otype::kInterLineTline: cal_inter_lt(t, r, a[0], a[0], a[1], a[2], a[3], a[4]); break;
    case otype::kInterPlinePline: cal_inter_ll(t, r, a[0], a[1], a[2], a[3], a[4], a[5]); break;
    case otype::kInterPlineTline: cal_inter_lt(t, r, a[0], a[1], a[2], a[3], a[4], a[5]); break;
    case otype::kInterTlineTline: cal_inter_tt(t, r, a[0], a[1], a[2], a[3], a[4], a[5]); break;
    case otype::kInterLineCircle:
    case otype::kInterPlineCircle:
    case otype::kInterTlineCircle:
    case otype::kInterCircleCircle:
    case otype::kInterLineRcircle:
    case otype::kInterCircleRcircle:
    case otype::kInterRcircleRcircle: return circle_intersection(t, dc, type, r, a);
    case otype::kSymmetricPoint: {
        const Dpoint& c = t.get(a[0]);
        const Dpoint& p = t.get(a[1]);
        store_point(t[r], 2.0f * c.x - p.x, 2.0f * c.y - p.y);
        break;
    }
    case otype::kReflection: cal_reflection(t, r, a[0], a[1], a[2]); break;
    case otype::kInversion: cal_inversion(t, r, a[0], a[1], a[2]); break;
    case otype::kPositiveSquare: cal_square_pos(t, r, a[0], a[1]); break;
    case otype::kNegativeSquare: cal_square_neg(t, r, a[0], a[1]); break;
    case otype::kLratio: cal_lratio(t, r, a[0], a[1]); break;
    case otype::kMratio: cal_mratio(t, r, a[0], a[1]); break;
    case otype::kPratio: cal_pratio(t, r, a[0], a[1], a[2]); break;
    case otype::kNrotate: cal_nrotate(t, r, a[0], a[1]); break;
    case otype::kProtate: cal_protate(t, r, a[0], a[1], a[2], a[3], a[4]); break;
    default: break;  // no computation of its own
    }
    return kComputeDone;
}

int semi_free_point(ObjectTable& t, int i) {
    if (t.action_state() == astate::kResizing) return kComputeLeftAlone;
    if (t.placing() != 0) {
        semi_free_init(t, i, rec::kState);
    } else if (t.recompute() != 0 && i > t.dragged_index()) {
        semi_free_cal(t, i, i);
    }
    return kComputeDone;
}

}  // namespace

bool reads_earlier_points(int type) {
    // The types whose kernel is cal_inter_lc, which looks for a known common
    // point by position.
    return type == otype::kInterLineCircle || type == otype::kInterPlineCircle ||
           type == otype::kInterLineRcircle;
}

bool parent_failed(const ObjectTable& t, int i, int j) {
    if (j < 0 || j >= i || !t.contains(j)) return true;
    const Dpoint& p = t.get(j);
    return p_to_dev(t, p.x, kLengthMode) == 0 && p_to_dev(t, p.y, kLengthMode) == 0;
}

int compute_point(ObjectTable& t, DeviceContext* dc, int i) {
    if (!t.contains(i)) return kComputeFailed;
    if (t.get(i).cls != oclass::kPoint) return kComputeDone;  // a text's bytes are no parents
    const Args& a = t.get(i).arg;
    for (int k = 0; k < kParentArgs; ++k) {
        if (a[k] != 0 && parent_failed(t, i, a[k])) {
            fail(t, i);
            return kComputeFailed;
        }
    }
    const int type = t.get(i).type;
    if (type == otype::kFreePoint) {
        if (t.placing() != 0) store_point(t[i], t.mouse_x(), t.mouse_y());
        return kComputeDone;
    }
    if (is_semi_free_type(type)) return semi_free_point(t, i);
    if (t.recompute() == 0) return kComputeDone;
    return constructed_point(t, dc, i);
}

int compute_point(Diagram& d, DeviceContext* dc, int i) { return compute_point(d.table, dc, i); }

void mark_candidate(const ObjectTable& t, DeviceContext& dc, int k, Colour colour) {
    const int x = p_to_dev(t, t.get(k).x);
    const int y = p_to_dev(t, t.get(k).y);
    if (x == 0 && y == 0) return;
    const Pen old_pen = dc.select_pen(Pen{colour, 1, PenStyle::Solid});
    const Brush old_brush = dc.select_brush(kWhiteBrush);
    dc.ellipse(x - 2, y - 2, x + 2, y + 2);
    dc.select_pen(old_pen);
    dc.select_brush(old_brush);
}
