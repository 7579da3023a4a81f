#include "model/point_dependencies.h"

#include <algorithm>

#include "model/compute_point.h"
#include "model/object_types.h"

std::vector<int> points_depended_on(const ObjectTable& t, const std::vector<int>& objects)
{
    const int n = t.count();
    std::vector<char> needed(static_cast<std::size_t>(std::max(n, 0)), 0);
    for (int i : objects)
        if (i >= rec::kFirstObject && i < n)
            needed[i] = 1;

    // Objects come after what they are built from, so one sweep down the
    // table closes the set.
    std::vector<int> points;
    int every_point_below = rec::kFirstObject;
    for (int i = n - 1; i >= rec::kFirstObject; --i) {
        const Dpoint& o = t.get(i);
        const bool point = o.cls == oclass::kPoint;
        if (!needed[i] && !(point && i < every_point_below))
            continue;
        if (point) {
            points.push_back(i);
            if (reads_earlier_points(o.type))
                every_point_below = std::max(every_point_below, i);
        }
        for (int k = 0; k < kParentArgs; ++k) {
            const int j = o.arg[k];
            if (j >= rec::kFirstObject && j < i)
                needed[j] = 1;
        }
    }
    std::reverse(points.begin(), points.end());
    return points;
}
