// The replay of the loci out of sight: its steps re-solve only what the
// samples depend on and paint nothing, and it takes the very loci, and leaves
// the very drawing, that a replay re-solving every point at every step does.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "anim_fixture.h"
#include "animate/quantity.h"
#include "model/semi_free.h"
#include "paint/loci.h"

using namespace anim_test;

namespace {

// A random construction over a few free points: one to three driving points
// (free, on a line or on a circle) travelling along segments, circles or the
// self-drawn trace, points of most constructions on them, loci of the four
// kinds, measurements and at times a unit segment. An intersection of a line
// with a circle is at times built twice, so that the second, which is traced,
// takes the root away from the first, which nothing reads.
struct RandomLoci : Drawing {
    std::mt19937 rng;
    std::vector<int> points, segments, circles;
    int names = 0;

    RandomLoci(unsigned seed, bool by_parts) : rng(seed)
    {
        host.hooks.replay_by_parts = by_parts;
        for (int i = 0; i < 5; ++i)
            points.push_back(point(coordinate(), coordinate(), name().c_str()));
        curve(135);
        curve(136);
        std::vector<int> driven;
        for (int k = 1 + below(3); k > 0; --k)  // the last made, which may stand on the others, drives first
            driven.insert(driven.begin(), coin() ? points[k] : add(coin() ? 110 : 113, distinct(2)));
        for (int c = 10 + below(20); c > 0; --c)
            construct();
        for (std::size_t k = 0; k < driven.size(); ++k) {
            const std::vector<int>& paths = coin() ? segments : circles;
            const bool self_drawn = k == 0 && below(4) == 0;
            drive(driven[k], self_drawn ? rec::kSelfTraceMarker : paths[below(paths.size())], 1 + below(4));
        }
        for (int n = 3 + below(12); n > 0; --n)
            host.d.self_trace.push_back({coordinate(), coordinate()});
        for (int q = below(3); q > 0; --q) {
            const std::vector<int> a = distinct(3);
            coin() ? measure(159, {a[0], a[1]}) : measure(coin() ? 160 : 162, {a[0], a[1], a[2]});
        }
        if (t.last_quantity() >= 0 && coin()) {
            t.unit_segment_a() = any_point();
            t.unit_segment_b() = any_point();
            t.unit_segment_length() = 1.5;
        }
        for (int n = 1 + below(4); n > 0 && t.last_locus() < kMaxLoci - 1; --n) {
            const int kind = below(5);
            if (kind == 0)
                locus(kLocusPoint, points[points.size() - 1 - below(6)]);  // one of the last
            else if (kind == 1 || kind == 2)
                locus(kind == 1 ? kLocusLine : kLocusCircle, kind == 1 ? pick(segments) : pick(circles));
            else if (t.last_quantity() >= 0) {
                locus(kLocusFunction, pick(segments));
                t.locus_second(t.last_locus()) = below(t.last_quantity() + 1);
            }
        }
        t.anim_steps() = 5 + below(36);
        t.picked_index() = any_point();
        t.dragged_index() = any_point();
        t.mouse_x() = coordinate();
    }

    int below(std::size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng); }
    bool coin() { return below(2) == 0; }
    double coordinate() { return std::uniform_real_distribution<double>(60.0, 540.0)(rng); }
    std::string name() { return "P" + std::to_string(++names); }
    int pick(const std::vector<int>& v) { return v[below(v.size())]; }
    int any_point() { return pick(points); }
    std::vector<int> distinct(std::size_t n)
    {
        std::vector<int> chosen = points;
        std::shuffle(chosen.begin(), chosen.end(), rng);
        chosen.resize(n);
        return chosen;
    }
    // A point on its parents; one on a line or circle is put there from a random spot.
    int add(int type, const std::vector<int>& args)
    {
        Dpoint p(type, name());
        p.cls = 1;
        p.x = coordinate();
        p.y = coordinate();
        std::copy(args.begin(), args.end(), p.arg.begin());
        const int k = t.append(p);
        if (is_semi_free_type(type))
            semi_free_init(t, k, k);
        else
            compute();
        points.push_back(k);
        return k;
    }
    void curve(int type)
    {
        const std::vector<int> ends = distinct(2);
        (type == 135 ? segments : circles).push_back(object(type, 2, {ends[0], ends[1]}));
    }
    void construct()
    {
        // Type and number of parents: foot, midpoint, the three centres, two
        // lines, a line and a perpendicular, circles with lines and circles,
        // point and line reflections, a square's vertex.
        static constexpr std::pair<int, int> kKinds[] = {{102, 3}, {103, 2}, {104, 3}, {105, 3}, {106, 3},
                                                         {116, 4}, {118, 5}, {124, 5}, {125, 4}, {126, 5},
                                                         {129, 2}, {130, 3}, {132, 2}};
        constexpr int kinds = static_cast<int>(std::size(kKinds));
        const int choice = below(kinds + 3);
        if (choice < kinds) {
            add(kKinds[choice].first, distinct(kKinds[choice].second));
        } else if (choice == kinds && t.last_locus() < kMaxLoci - 1) {
            // A line, a parallel or a line with a radius, and a circle.
            const int type = std::array{122, 123, 126}[below(3)];
            const std::vector<int> args = distinct(type == 122 ? 4 : 5);
            add(type, args);
            points.pop_back();  // nothing is built on the first
            if (coin())
                add(103, distinct(2));
            locus(kLocusPoint, add(type, args));
        } else {
            curve(choice == kinds + 1 ? 135 : 136);
        }
    }
};

// The objects' positions and parameters, bit for bit.
std::vector<std::uint64_t> objects_state(ObjectTable& t)
{
    std::vector<std::uint64_t> v;
    for (int i = rec::kFirstObject; i < t.count(); ++i)
        for (std::uint64_t bits : {std::bit_cast<std::uint64_t>(t[i].x), std::bit_cast<std::uint64_t>(t[i].y),
                                   std::bit_cast<std::uint64_t>(t[i].aux1), std::bit_cast<std::uint64_t>(t[i].aux2)})
            v.push_back(bits);
    return v;
}

// Everything a replay makes or leaves, bit for bit: the samples, the objects,
// the state it gives back or leaves, the unit and the quantity values.
std::vector<std::uint64_t> outcome(RandomLoci& f)
{
    ObjectTable& t = f.t;
    std::vector<std::uint64_t> v = objects_state(t);
    const auto put = [&v](double d) { v.push_back(std::bit_cast<std::uint64_t>(d)); };
    for (const auto& list : f.host.d.locus_lists) {
        v.push_back(list.size());
        for (const LocusNode& n : list)
            for (double d : {n.x1, n.y1, n.x2, n.y2})
                put(d);
    }
    for (int value : {t.picked_index(), t.dragged_index(), t.anim_step(), t.anim_recording(), t.anim_direction(),
                      t.record_count(), static_cast<int>(f.host.d.trace_cursor)})
        v.push_back(static_cast<std::uint64_t>(value));
    for (double d : {t.mouse_x(), t.mouse_y(), t.unit_length()})
        put(d);
    for (int k = 0; k <= last_entry(t); ++k) {
        v.push_back(static_cast<std::uint64_t>(f.animation.computation.value(k).error));
        put(f.animation.computation.value(k).value);
    }
    return v;
}

TEST(LociReplay, TakesTheLociAndLeavesTheDrawingAsReSolvingEverythingDoes)
{
    constexpr unsigned kDrawings = 400;
    std::size_t samples = 0;
    for (unsigned seed = 1; seed <= kDrawings && !::testing::Test::HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomLoci by_parts(seed, true);
        RandomLoci whole(seed, false);
        const std::vector<std::uint64_t> before = objects_state(by_parts.t);
        recompute_loci(by_parts.host.d);
        recompute_loci(whole.host.d);
        EXPECT_EQ(outcome(by_parts), outcome(whole));
        EXPECT_EQ(objects_state(by_parts.t), before);
        for (const auto& list : by_parts.host.d.locus_lists)
            samples += list.size();
    }
    EXPECT_GT(samples, kDrawings * 10u);
}

TEST(LociReplay, AFunctionGraphReadsItsDrivingPointWhereTheOtherDrivingPointsPutIt)
{
    // Driving point 0 stands on the line through driving point 1, which
    // moves after it in every step; the graph plots a length that reads neither.
    std::vector<std::vector<LocusNode>> graphs;
    for (const bool by_parts : {true, false}) {
        Drawing f;
        f.host.hooks.replay_by_parts = by_parts;
        const int a = f.point(100, 100, "A");
        const int b = f.point(300, 140, "B");
        const int c = f.point(120, 300, "C");
        const int e = f.point(200, 200, "E");
        const int path = f.object(135, 2, {a, b});
        Dpoint on(110, "D", e, c);
        on.cls = 1;
        on.x = 150;
        on.y = 260;
        const int d = f.t.append(on);
        semi_free_init(f.t, d, d);
        f.drive(d, f.object(136, 2, {c, a}), 1);
        f.drive(e, path, 3);
        f.measure(159, {a, c});
        f.locus(kLocusFunction, path);
        f.t.locus_second(0) = 0;
        f.t.anim_steps() = 12;
        recompute_loci(f.host.d);
        graphs.emplace_back(f.host.d.locus_lists[0].begin(), f.host.d.locus_lists[0].end());
    }
    ASSERT_EQ(graphs[0].size(), 12u);
    for (std::size_t i = 0; i < graphs[0].size(); ++i)
        EXPECT_TRUE(graphs[0][i].x1 == graphs[1][i].x1 && graphs[0][i].y1 == graphs[1][i].y1) << i;
}

// SegmentDrive with M traced and N, the midpoint of D and S1, which follows D
// but no locus reads.
struct TracedAndUntraced : SegmentDrive {
    int N = object(103, 1, {D, S1}, "N");

    TracedAndUntraced() { locus(kLocusPoint, M); }
};

TEST(LociReplay, AStepReSolvesOnlyWhatTheLociRead)
{
    TracedAndUntraced f;
    const Dpoint n_before = f.t[f.N];
    f.animation.animator.begin_replay();
    f.step(1);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 200.0);
    EXPECT_DOUBLE_EQ(f.t[f.M].x, 150.0);
    EXPECT_EQ(f.t[f.N].x, n_before.x);
    EXPECT_EQ(f.t[f.N].y, n_before.y);
    f.animation.animator.end_replay();
    // The timer's steps re-solve everything again.
    f.step(2);
    EXPECT_DOUBLE_EQ(f.t[f.N].x, 200.0);
}

TEST(LociReplay, PaintsNothingUntilItEnds)
{
    TracedAndUntraced f;
    f.host.draw_action(1);  // an off-screen picture the animation could paint on
    recompute_loci(f.host.d);
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 4u);
    EXPECT_EQ(f.host.moves, 0);
    EXPECT_EQ(f.host.shown, 0);
    EXPECT_EQ(f.host.invalidations, 0);
}

}  // namespace
