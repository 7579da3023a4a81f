// Predicates written among the hypotheses, read as constructions of the
// area method: the predicate's last point, when it is a free point, is put
// on the line the predicate gives it (COLLINEAR: on the line of the other
// two; PARALLEL: on the parallel through its partner; PERPENDICULAR: on the
// perpendicular through its partner). A predicate that cannot be read so,
// or whose point has free points after it, refuses the statement: dropping
// it would judge a different statement.

#include "algebra/area_hypotheses.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "algebra/area_internal.h"
#include "prover/prover.h"
#include "prover/statement_lines.h"

namespace {

struct Reading {
    int point = 0;
    int kind = 0;
    std::array<int, 3> parents{};
};

Pro_point& record(int i) { return g_pro_points[static_cast<std::size_t>(i)]; }

bool free_point(int i) { return point_kind(i) == cons_kind::kFreePoint && !record(i).hyp_predicate; }

// X on the line of a and b (a, b different points other than X).
Reading on_line(int x, int a, int b)
{
    if (a == b || a == x || b == x)
        return {};
    return {x, cons_kind::kOnLine, {a, b, 0}};
}

// The predicate's points pairs (a, b) and (c, d), x among them: x on the
// line through its partner parallel (or perpendicular) to the other pair,
// read as the construction of the predicate's kind (ON_PLINE, ON_TLINE).
Reading on_pair_line(int x, int kind, int a, int b, int c, int d)
{
    const bool in_first = a == x || b == x;
    const bool in_second = c == x || d == x;
    if (in_first && in_second) {
        // Two lines through x that are parallel are one line.
        if (kind != cons_kind::kHypParallel)
            return {};
        return on_line(x, a == x ? b : a, c == x ? d : c);
    }
    if (in_first) {
        std::swap(a, c);
        std::swap(b, d);
    }
    const int partner = c == x ? d : c;
    if (partner == x || a == b || a == x || b == x)
        return {};
    return {x, kind, {partner, a, b}};
}

Reading read_predicate(int i)
{
    const auto& p = record(i).pots;
    const int a = static_cast<int>(p[0]), b = static_cast<int>(p[1]);
    const int c = static_cast<int>(p[2]), d = static_cast<int>(p[3]);
    const int kind = point_kind(i);
    const int x = kind == cons_kind::kHypCollinear ? std::max({a, b, c}) : std::max({a, b, c, d});
    if (x <= 0 || !free_point(x))
        return {};
    switch (kind) {
    case cons_kind::kHypCollinear: {
        int others[2]{}, n = 0;
        for (const int q : {a, b, c})
            if (q != x && n < 2)
                others[n++] = q;
        return n == 2 ? on_line(x, others[0], others[1]) : Reading{};
    }
    case cons_kind::kHypParallel:
    case cons_kind::kHypPerpendicular:
        return on_pair_line(x, kind, a, b, c, d);
    default:
        return {};
    }
}

void refuse(int i)
{
    std::string line = statement_record_line(i);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    gerror(line + " The area method cannot use this hypothesis.\r\n");
}

}  // namespace

HypothesisReadings::~HypothesisReadings()
{
    for (const Saved& s : saved_) {
        Pro_point& r = record(s.point);
        r.kind = s.kind;
        r.pots = s.pots;
    }
}

bool HypothesisReadings::read()
{
    std::vector<std::pair<int, Reading>> readings;
    for (int i = 1; i <= g_npoints; ++i) {
        if (!record(i).hyp_predicate)
            continue;
        const Reading reading = read_predicate(i);
        const bool taken = std::any_of(readings.begin(), readings.end(),
                                       [&](const auto& r) { return r.second.point == reading.point; });
        if (reading.point == 0 || taken) {
            refuse(i);
            return false;
        }
        readings.emplace_back(i, reading);
    }
    // The free points are not eliminated: a free point after a constrained
    // one would still be in the quantities when that one is.
    for (const auto& [i, reading] : readings) {
        for (int j = reading.point + 1; j <= g_npoints; ++j) {
            const bool constrained = std::any_of(readings.begin(), readings.end(),
                                                 [j](const auto& r) { return r.second.point == j; });
            if (free_point(j) && !constrained) {
                refuse(i);
                return false;
            }
        }
    }
    for (const auto& [i, reading] : readings) {
        Pro_point& r = record(reading.point);
        saved_.push_back({reading.point, r.kind, r.pots});
        r.kind = static_cast<std::uint32_t>(reading.kind);
        r.pots = {};
        for (std::size_t k = 0; k < reading.parents.size(); ++k)
            r.pots[k] = static_cast<std::uint32_t>(reading.parents[k]);
    }
    return true;
}
