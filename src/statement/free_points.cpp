// Free points first: the order the area and vector methods eliminate in.

#include <algorithm>
#include <utility>
#include <vector>

#include "prover/parse_facts.h"
#include "prover/prover.h"
#include "statement/prove.h"

void free_points_first()
{
    const int n = g_npoints;
    // Record 1 stays; then the free points, then the others, each in order.
    std::vector<int> order{0, 1};
    for (int i = 2; i <= n; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].kind == cons_kind::kFreePoint)
            order.push_back(i);
    for (int i = 2; i <= n; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].kind != cons_kind::kFreePoint)
            order.push_back(i);
    std::vector<std::uint32_t> new_index(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k)
        new_index[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = static_cast<std::uint32_t>(k);
    auto renumber = [&](std::uint32_t p) {
        return p >= 1 && p <= static_cast<std::uint32_t>(n) ? new_index[p] : p;
    };

    std::vector<Pro_point> moved;
    moved.reserve(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k)
        moved.push_back(std::move(g_pro_points[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])]));
    for (int k = 1; k <= n; ++k) {
        auto& r = g_pro_points[static_cast<std::size_t>(k)];
        r = std::move(moved[static_cast<std::size_t>(k - 1)]);
        for (auto& p : r.pots)
            p = renumber(p);
    }
    for (auto& p : g_concl.p)
        p = renumber(p);
    // The reader's facts are entered again before every proof: they must
    // name the same points.
    for (auto& f : g_parse_facts) {
        for (auto& p : f.p)
            p = static_cast<int>(renumber(static_cast<std::uint32_t>(p)));
        for (auto& p : f.pts)
            p = static_cast<int>(renumber(static_cast<std::uint32_t>(p)));
        std::sort(f.pts.begin(), f.pts.end());
    }
}
