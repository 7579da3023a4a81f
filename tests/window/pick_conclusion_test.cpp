// Conclusion picking step by step and at once, and the object look-ups.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "window/lookup.h"
#include "window/pick_conclusion.h"
#include "window_test_support.h"

namespace {

class PickConclusion : public WindowTest {};

class Lookup : public WindowTest {};

using Pair = std::pair<int, int>;

// Eight points P1..P8 at indices 20..27, none of them collinear by accident.
void add_eight_points(Dchild& win)
{
    const int xs[] = {40, 140, 90, 200, 260, 230, 320, 300};
    const int ys[] = {50, 60, 150, 40, 120, 200, 60, 170};
    for (int i = 0; i < 8; ++i)
        add_free_point(win, xs[i], ys[i], ("P" + std::to_string(i + 1)).c_str());
}

std::set<Pair> objects_of_type(ObjectTable& t, int type)
{
    std::set<Pair> out;
    for (int i = 20; i < t.count(); ++i)
        if (t[i].type == type)
            out.insert({t[i].arg[0], t[i].arg[1]});
    return out;
}

Pair seg(int p, int q)
{
    // Picks p and q (from 1) are objects 19 + p; segments keep the smaller index first.
    const int a = 19 + p;
    const int b = 19 + q;
    return a < b ? Pair{a, b} : Pair{b, a};
}

Pair circ(int centre, int through) { return {19 + centre, 19 + through}; }

struct Form {
    int id;
    std::string command_line;              // name/nargs
    std::map<int, std::string> prompts;    // by step
    std::map<int, std::set<Pair>> drawn;   // segments added at each step
    std::map<int, std::set<Pair>> circles; // circles added at each step
    int final_step;
};

const std::vector<Form>& forms()
{
    const std::string seg1 = "Select two points to determine the first segment";
    const std::string seg2 = "Select two points to determine the second segment";
    const std::string tri1 = "Select three points to determine a triangle";
    const std::string tri2 = "Select three points to determine the second triangle";
    static const std::vector<Form> table = {
        {148, "Collinear/3", {{0, "Select three points"}}, {{3, {seg(1, 2), seg(2, 3)}}}, {}, 3},
        {149, "Parallel/4", {{0, seg1}, {2, seg2}}, {{2, {seg(1, 2)}}, {4, {seg(3, 4)}}}, {}, 4},
        {150, "Perpendicular/4", {{0, seg1}, {2, seg2}}, {{2, {seg(1, 2)}}, {4, {seg(3, 4)}}}, {}, 4},
        {151, "Midpoint/3", {{0, "Select the midpoint"}, {1, "Select two points"}}, {{3, {seg(2, 3)}}}, {}, 3},
        {153, "Congruent/4", {{0, seg1}, {2, seg2}}, {{2, {seg(1, 2)}}, {4, {seg(3, 4)}}}, {}, 4},
        {154,
         "Equal Angle/6",
         {{0, "Select three points to determine the first angle"},
          {3, "Select three points to determine the second angle"}},
         {{3, {seg(1, 2), seg(2, 3)}}, {6, {seg(4, 5), seg(5, 6)}}},
         {},
         6},
        {155,
         "Eq-Product/8",
         {{0, "Select two points to determine the FIRST segmnet"},
          {2, "Select two points to determine the SECOND segment"},
          {4, "Select two points to determine the THIRD segmnet"},
          {6, "Select two points to determine the FORTH segment"}},
         {{2, {seg(1, 2)}}, {4, {seg(3, 4)}}, {6, {seg(5, 6)}}, {8, {seg(7, 8)}}},
         {},
         8},
        {156,
         "cc-tangent/4",
         {{0, "Select a point as the center of the FIRST circle"},
          {1, "Select a point on the FIRST circle"},
          {2, "Select a point as the center of the SECOND circle"},
          {3, "Select a point on the SECOND circle"}},
         {},
         {{2, {circ(1, 2)}}, {4, {circ(3, 4)}}},
         4},
        {157, "harmonic/4", {{0, seg1}, {2, seg2}}, {{2, {seg(1, 2)}}, {4, {seg(3, 4)}}}, {}, 4},
        {158, "Positive triangle/3", {}, {{3, {seg(1, 2), seg(1, 3), seg(2, 3)}}}, {}, 3},
        {236, "Congruent/6", {{0, tri1}, {3, tri2}},
         {{3, {seg(1, 2), seg(1, 3), seg(2, 3)}}, {6, {seg(4, 5), seg(4, 6), seg(5, 6)}}}, {}, 6},
        {237, "Similar/6", {{0, tri1}, {3, tri2}},
         {{3, {seg(1, 2), seg(1, 3), seg(2, 3)}}, {6, {seg(4, 5), seg(4, 6), seg(5, 6)}}}, {}, 6},
    };
    return table;
}

void start(WindowFixture& f, int id)
{
    add_eight_points(*f.win);
    ObjectTable& t = f.win->objects();
    t.pending_command() = id;
    t.action_state() = 11;
    f.win->scratch() = Dpoint::of_type(id, 1);
    f.win->scratch().arg = {20, 21, 22, 23, 24, 25, 26, 27};
}

TEST(PickConclusionForms, StepByStep)
{
    for (const Form& form : forms()) {
        WindowFixture f;
        start(f, form.id);
        ObjectTable& t = f.win->objects();
        std::set<Pair> segments;
        std::set<Pair> circles;
        for (int step = 0; step <= form.final_step; ++step) {
            set_status1("(unchanged)");
            pick_conclusion(*f.win, step, f.win->scratch());
            const auto prompt = form.prompts.find(step);
            if (prompt != form.prompts.end()) {
                EXPECT_EQ(f.pane(1), prompt->second) << form.id << " step " << step;
            } else if (step > 0) {
                EXPECT_EQ(f.pane(1), "(unchanged)") << form.id << " step " << step;
            }
            if (auto d = form.drawn.find(step); d != form.drawn.end())
                segments.insert(d->second.begin(), d->second.end());
            if (auto c = form.circles.find(step); c != form.circles.end())
                circles.insert(c->second.begin(), c->second.end());
            EXPECT_EQ(objects_of_type(t, 135), segments) << form.id << " step " << step;
            EXPECT_EQ(objects_of_type(t, 136), circles) << form.id << " step " << step;
            EXPECT_EQ(t.action_state(), step == form.final_step ? 0 : 11) << form.id << " step " << step;
        }
        ASSERT_EQ(f.services.begun.size(), 1u) << form.id;
        EXPECT_EQ(f.services.begun[0], form.command_line) << form.id;
        EXPECT_EQ(t.conclusion_type(), form.id);
        EXPECT_EQ(t.pending_command(), form.id) << "the command goes on";
        for (int i = 28; i < t.count(); ++i)
            EXPECT_EQ(t[i].colour, kRed) << form.id << ": the conclusion is marked in red";
    }
}

TEST(PickConclusionForms, AtOnceDrawsOnlyTheFinalStepsParts)
{
    for (const Form& form : forms()) {
        WindowFixture f;
        start(f, form.id);
        ObjectTable& t = f.win->objects();
        pick_conclusion(*f.win, -1, f.win->scratch());
        const auto segs = form.drawn.find(form.final_step);
        const auto circs = form.circles.find(form.final_step);
        EXPECT_EQ(objects_of_type(t, 135), segs == form.drawn.end() ? std::set<Pair>{} : segs->second) << form.id;
        EXPECT_EQ(objects_of_type(t, 136), circs == form.circles.end() ? std::set<Pair>{} : circs->second)
            << form.id;
        EXPECT_EQ(t.conclusion_type(), form.id);
        EXPECT_EQ(t.action_state(), 0);
        EXPECT_TRUE(f.services.begun.empty()) << "no command line when built at once";
        if (form.id != 154) {
            for (int k = 0; k < form.final_step; ++k)
                EXPECT_EQ(t.conclusion_args()[k], 20 + k) << form.id << ": the stored conclusion is complete";
        }
    }
}

TEST_F(PickConclusion, EqualAngleStoresEachAngleAsTwoLinesThroughItsVertex)
{
    start(f, 154);
    pick_conclusion(win, -1, win.scratch());
    const std::array<std::int32_t, 8> expected{20, 21, 21, 22, 23, 24, 24, 25};
    EXPECT_EQ(win.objects().conclusion_args(), expected);
}

TEST_F(PickConclusion, CyclicAddsTheCircleThroughTheFirstThreePoints)
{
    start(f, 152);
    for (int step = 0; step <= 3; ++step)
        pick_conclusion(win, step, win.scratch());
    EXPECT_EQ(t.count(), 28) << "nothing is drawn before the fourth point";
    pick_conclusion(win, 4, win.scratch());
    ASSERT_EQ(t.count(), 29);
    const Dpoint& circle = t[28];
    EXPECT_EQ(circle.type, 222);
    EXPECT_EQ(circle.cls, 2);
    EXPECT_EQ(circle.name_view(), "x");
    EXPECT_EQ(circle.arg[0], 20);
    EXPECT_EQ(circle.arg[1], 21);
    EXPECT_EQ(circle.arg[2], 22);
    EXPECT_EQ(circle.arg[3], 0) << "the fourth point is no parent of the circle";
    EXPECT_EQ(t.conclusion_type(), 152);
    EXPECT_EQ(t.conclusion_args()[3], 23);
}

TEST_F(PickConclusion, ExistingSegmentsAreNotAddedTwice)
{
    start(f, 148);
    Dpoint existing = Dpoint::of_type(135, 1);
    existing.cls = 2;
    existing.arg[0] = 20;
    existing.arg[1] = 21;
    t.append(existing);
    pick_conclusion(win, -1, win.scratch());
    EXPECT_EQ(objects_of_type(t, 135), (std::set<Pair>{{20, 21}, {21, 22}}));
    EXPECT_EQ(t.count(), 30);
}

TEST_F(PickConclusion, OtherCommandsAndStepsDoNothing)
{
    start(f, 103);
    pick_conclusion(win, -1, win.scratch());
    EXPECT_EQ(t.conclusion_type(), 1111);
    EXPECT_EQ(t.count(), 28);

    t.pending_command() = 148;
    pick_conclusion(win, 1, win.scratch());
    pick_conclusion(win, 7, win.scratch());
    EXPECT_EQ(t.count(), 28);
    EXPECT_EQ(t.conclusion_type(), 1111);
}

TEST_F(Lookup, FindSameObjectComparesBlockTypeNameAndExactPosition)
{
    add_free_point(win, 10, 20, "A");
    const int b = add_free_point(win, 30, 40, "B");
    t[b].block = 2;
    Dpoint probe = t[b];
    EXPECT_EQ(find_same_object(t, probe, 2), b);
    EXPECT_EQ(find_same_object(t, probe, 1), 0) << "another block";
    EXPECT_EQ(find_same_object(t, probe, 0), 0) << "block 0 is compared too";
    EXPECT_EQ(t.record_count(), t.count() - 1) << "the last index is left in the record count";
    probe.x += 1e-9;
    EXPECT_EQ(find_same_object(t, probe, 2), 0) << "positions are compared exactly";
    probe = t[b];
    probe.set_name("b");
    EXPECT_EQ(find_same_object(t, probe, 2), 0);
}

TEST_F(Lookup, MovablePointsAreFreeAndSemiFreePointsOnly)
{
    const std::pair<int, int> cases[] = {{101, 1}, {99, 1},  {110, 1}, {111, 1}, {112, 1}, {113, 1}, {114, 1},
                                         {115, 1}, {103, 0}, {116, 0}, {102, 0}, {122, 0}, {197, 0}};
    for (auto [type, movable] : cases) {
        Dpoint p = Dpoint::at_position(type, "Q", 10, 10);
        p.cls = 1;
        const int k = t.append(p);
        EXPECT_EQ(is_movable_point(t, k), movable) << type;
    }
    Dpoint segment = Dpoint::of_type(135, 1);
    segment.cls = 2;
    EXPECT_EQ(is_movable_point(t, t.append(segment)), 0);
    Dpoint odd = Dpoint::of_type(101, 1);
    odd.cls = 2;
    EXPECT_EQ(is_movable_point(t, t.append(odd)), 0) << "a free-point type that is no point";
    EXPECT_EQ(is_movable_point(t, 0), 0);
    EXPECT_EQ(is_movable_point(t, t.count()), 0);
}

TEST_F(Lookup, ModelLookupsAsTheWindowUsesThem)
{
    const int a = add_free_point(win, 0 + 100, 100, "A");
    const int b = add_free_point(win, 100 + 30, 100, "B");
    const int c = add_free_point(win, 100 + 31, 100, "C");
    Dpoint segment = Dpoint::of_type(135, 1);
    segment.arg[0] = a;
    segment.arg[1] = b;
    const int s = t.append(segment);
    EXPECT_EQ(find_object(t, 135, a, b, 0), s);
    EXPECT_EQ(find_object(t, 135, b, a, 0), 0) << "ends are compared in order";
    EXPECT_EQ(find_object(t, 135, a, b, 2), 0) << "another block";

    Dpoint circle = Dpoint::of_type(136, 1);
    circle.arg[0] = a;
    circle.arg[1] = b;
    const int k = t.append(circle);
    EXPECT_EQ(find_circle(t, a, c), k) << "radius within 2.0";
    EXPECT_EQ(find_object(t, 136, a, c, 5), k) << "the block is ignored for circles";

    const int a2 = add_free_point(win, 200, 200, "A");
    EXPECT_EQ(find_object_by_name(t, "A", 0, 0), a);
    EXPECT_EQ(find_object_by_name(t, "A", a, 0), a2) << "skipping the first finds the other";
    EXPECT_EQ(find_object_by_name(t, "Z", 0, 0), 0);
}

TEST_F(Lookup, EveryLookupLeavesTheLastIndexInTheRecordCount)
{
    const int a = add_free_point(win, 100, 100, "A");
    const int b = add_free_point(win, 130, 100, "B");
    Dpoint circle = Dpoint::of_type(136, 1);
    circle.arg[0] = a;
    circle.arg[1] = b;
    t.append(circle);
    add_free_point(win, 200, 200, "C");
    const std::pair<const char*, std::function<int()>> lookups[] = {
        {"find_object, found first", [&] { return find_object(t, 101, 0, 0, 0); }},
        {"find_object, none", [&] { return find_object(t, 135, a, b, 0); }},
        {"find_object for a circle", [&] { return find_object(t, 136, a, b, 0); }},
        {"find_circle", [&] { return find_circle(t, a, b); }},
        {"find_object_by_name, found first", [&] { return find_object_by_name(t, "A", 0, 0); }},
        {"find_object_by_name, none", [&] { return find_object_by_name(t, "Z", 0, 0); }},
        {"find_same_object", [&] { return find_same_object(t, t[b], 1); }},
    };
    for (const auto& [what, lookup] : lookups) {
        t.record_count() = -7;
        lookup();
        EXPECT_EQ(t.record_count(), t.count() - 1) << what;
    }
    ObjectTable empty;
    find_object(empty, 135, 20, 21, 0);
    EXPECT_EQ(empty.record_count(), rec::kFirstObject - 1) << "an empty drawing";
}

}  // namespace
