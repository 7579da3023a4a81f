// The replay of the loci out of sight: one animation cycle whose steps
// re-solve only the points the samples depend on.

#include "animate/animator.h"

#include <algorithm>

#include "model/compute_point.h"
#include "model/place_picked.h"
#include "model/point_dependencies.h"
#include "paint/loci.h"

void Animator::begin_replay() { replay_points_ = points_depended_on(host_.table(), replay_roots()); }

void Animator::end_replay() { replay_points_.reset(); }

std::vector<int> Animator::replay_roots()
{
    ObjectTable& t = host_.table();
    std::vector<int> roots;
    for (int k = 0; k <= std::min(t.last_driver(), kMaxDrivers - 1); ++k) {
        roots.push_back(t.driver_point(k));
        roots.push_back(t.driver_path(k));
    }
    for (int k = 0; k <= std::min(t.last_locus(), kMaxLoci - 1); ++k)
        roots.push_back(t.locus_object(k));
    // Every step re-evaluates the computation list, as the painter's pass
    // did: the function graphs read its values, and its first entry follows
    // the unit segment, whose length the unit is.
    const ComputationList& list = computation_.list();
    const int last = last_entry(t);
    for (int k = 0; k <= last; ++k)
        for (int j = 0; j < operand_count(list[k].type); ++j)
            roots.push_back(list[k].args[j]);
    if (last >= 0 && t.unit_segment_a() != 0) {
        roots.push_back(t.unit_segment_a());
        roots.push_back(t.unit_segment_b());
    }
    return roots;
}

void Animator::replay_move(DeviceContext& nothing)
{
    ObjectTable& t = host_.table();
    place_picked_object(t);
    // The painter's re-solving pass (paint_diagram with full 0), for the
    // replayed points alone.
    t.record_count() = t.count();
    for (int i : *replay_points_)
        compute_point(t, nullptr, i);
    for (int k = 0; k <= last_entry(t); ++k)
        computation_.eval_qty(nothing, k, 0);
}
