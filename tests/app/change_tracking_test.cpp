// What counts as a change of a drawing: whatever its point file stores. A
// drawing is loaded from a file, one action is taken, and the drawing must be
// marked changed (and its close ask first) exactly when saving it again
// writes a file that differs from the one it was loaded from.

#include <gtest/gtest.h>

#include <QMdiSubWindow>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "animate/animator.h"
#include "animate/computation.h"
#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kCircle = 136;
constexpr int kLineColour = 137;
constexpr int kUpdatePoint = 134;
constexpr int kDragPoint = 175;
constexpr int kMovePointName = 176;
constexpr int kTranslate = 177;
constexpr int kStepThrough = 207;
constexpr int kViewFlag = 209;
constexpr int kLeaveTrace = 467;
constexpr int kSaveAs = 503;
constexpr int kLoad = 501;

// The rows of the window's lists: the measured length is row 0 of the
// computation list, below it the driving points C and D.
constexpr QPoint kQuantityRow{30, 31};
constexpr QPoint kFirstDriverRow{30, 49};
// A place on the unit ruler, above the lists.
constexpr QPoint kOnRuler{100, 10};

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The file without the window's size, which its last line notes after the
// view flag.
std::string without_window_size(const std::string& text)
{
    const auto last_line = text.rfind('\n', text.size() >= 2 ? text.size() - 2 : 0);
    const auto flag_end = text.find(' ', last_line == std::string::npos ? 0 : last_line + 1);
    return flag_end == std::string::npos ? text : text.substr(0, flag_end);
}

std::filesystem::path fresh_file(const std::string& name)
{
    const std::filesystem::path path = output_dir() / name;
    std::filesystem::remove(path);
    return path;
}

// Four points, a circle, a measured length and two driving points, saved and
// loaded into a window of its own, which is then the active one.
std::filesystem::path load_base_drawing(RunningApp& r)
{
    r.command(kPoint);
    r.click({100, 120});
    r.click({300, 120});
    r.click({150, 260});
    r.click({350, 260});
    r.right_click();
    r.command(kCircle);
    r.click_on(r.find("D"));
    r.click_on(r.find("C"));
    r.right_click();
    r.command(159);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();
    r.command(anim_id::kCreateDriver);
    r.click_on(r.find("C"));
    r.click_on(r.find("D"));
    r.right_click();

    const std::filesystem::path path = fresh_file("tracked_base.fig");
    r.ui.files.push_answer(path.string());
    r.command(kSaveAs);
    r.ui.files.push_answer(path.string());
    r.command(kLoad);
    return path;
}

void picks(RunningApp& r, int command, std::initializer_list<const char*> names)
{
    r.command(command);
    for (const char* name : names)
        r.click_on(r.find(name));
    r.right_click();
}

void press_move_release(RunningApp& r, QPoint from, QPoint to, const std::function<void()>& meanwhile = {})
{
    QTest::mousePress(&r.drawing(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&r.drawing(), (from + to) / 2);
    QTest::mouseMove(&r.drawing(), to);
    if (meanwhile)
        meanwhile();
    QTest::mouseRelease(&r.drawing(), Qt::LeftButton, Qt::NoModifier, to);
    settle();
}

void key(RunningApp& r, Qt::Key k)
{
    QTest::keyClick(&r.drawing(), k);
    settle();
}

struct TrackedAction {
    const char* what;
    std::function<void(RunningApp&)> act;
    bool changes;
};

const TrackedAction kActions[] = {
    // The measurements, each into the computation list.
    {"segment length", [](RunningApp& r) { picks(r, 159, {"B", "A"}); }, true},
    {"angle", [](RunningApp& r) { picks(r, 160, {"A", "B", "C"}); }, true},
    {"slope", [](RunningApp& r) { picks(r, 161, {"A", "C"}); }, true},
    {"triangle area", [](RunningApp& r) { picks(r, 162, {"A", "B", "C"}); }, true},
    {"polygon area", [](RunningApp& r) { picks(r, 163, {"A", "B", "D", "C"}); }, true},
    {"circle area", [](RunningApp& r) { picks(r, 164, {"D", "C"}); }, true},
    {"ratio of segments", [](RunningApp& r) { picks(r, 165, {"A", "B", "C", "D"}); }, true},
    {"ratio of triangles", [](RunningApp& r) { picks(r, 166, {"A", "B", "C", "B", "C", "D"}); }, true},
    {"circle measured", [](RunningApp& r) { picks(r, 224, {"D", "C"}); }, true},
    {"last quantity deleted", [](RunningApp& r) { r.command(measure_code::kDeleteLast); }, true},
    // The calculator: an operand picked in the list, then OK or Cancel.
    {"calculator expression",
     [](RunningApp& r) {
         r.command(measure_code::kCalculator);
         r.click(kQuantityRow);
         ASSERT_NE(r.dialogs.calculator.keys, nullptr);
         EXPECT_TRUE(r.dialogs.calculator.keys->finish());
         settle();
     },
     true},
    {"calculator cancelled",
     [](RunningApp& r) {
         r.command(measure_code::kCalculator);
         r.click(kQuantityRow);
         ASSERT_NE(r.dialogs.calculator.keys, nullptr);
         r.dialogs.calculator.keys->cancel();
         settle();
     },
     false},
    // The unit: its ruler dragged, or a segment made the unit.
    {"unit ruler dragged", [](RunningApp& r) { press_move_release(r, kOnRuler, kOnRuler + QPoint(40, 0)); }, true},
    {"unit ruler clicked", [](RunningApp& r) { r.click(kOnRuler); }, false},
    {"dynamic unit",
     [](RunningApp& r) {
         r.ui.input.push_answer(std::string("3"));
         picks(r, measure_code::kDynamicUnit, {"A", "B"});
     },
     true},
    // Points dragged by the mouse, by keys, or by keys during a mouse drag.
    {"point dragged",
     [](RunningApp& r) {
         r.command(kDragPoint);
         press_move_release(r, r.position_of(r.find("A")), {120, 150});
     },
     true},
    {"point pressed, not moved",
     [](RunningApp& r) {
         r.command(kDragPoint);
         r.click_on(r.find("A"));
     },
     false},
    {"key step during a drag",
     [](RunningApp& r) {
         r.command(kDragPoint);
         press_move_release(r, r.position_of(r.find("A")), {104, 122}, [&r] { key(r, Qt::Key_Right); });
     },
     true},
    {"arrow keys translate",
     [](RunningApp& r) {
         r.command(kTranslate);
         key(r, Qt::Key_Right);
     },
     true},
    {"name moved",
     [](RunningApp& r) {
         r.command(kMovePointName);
         press_move_release(r, r.position_of(r.find("B")), {330, 100});
     },
     true},
    // Animation settings, loci and traces.
    {"current driving point chosen in the list", [](RunningApp& r) { r.click(kFirstDriverRow); }, true},
    {"driving point added", [](RunningApp& r) { picks(r, anim_id::kCreateDriver, {"A"}); }, true},
    {"locus", [](RunningApp& r) { picks(r, anim_id::kLocusPoint, {"B"}); }, true},
    {"self-drawn trace",
     [](RunningApp& r) {
         r.command(anim_id::kTraceSelfDrawn);
         r.drag({200, 300}, {260, 330});
     },
     true},
    {"animation steps",
     [](RunningApp& r) {
         r.ui.input.push_answer(std::string("50"));
         r.command(anim_id::kSteps);
     },
     true},
    {"leave trace", [](RunningApp& r) { r.command(kLeaveTrace); }, true},
    {"line colour",
     [](RunningApp& r) {
         r.dialogs.colours.push_answer(rgb(0, 0, 200));
         r.command(kLineColour);
     },
     true},
    {"view flag", [](RunningApp& r) { r.command(kViewFlag); }, true},
    // Clicks that leave the drawing as it was.
    {"idle click", [](RunningApp& r) { r.click({250, 350}); }, false},
    {"construction cancelled", [](RunningApp& r) { picks(r, 160, {"A", "B"}); }, false},
    {"rename cancelled", [](RunningApp& r) { picks(r, kUpdatePoint, {"C"}); }, false},
    {"step-through drawing",
     [](RunningApp& r) {
         r.command(kStepThrough);
         for (int k = 0; k < 8; ++k)
             r.click({250, 350});
     },
     false},
};

void PrintTo(const TrackedAction& action, std::ostream* out) { *out << action.what; }

class ChangeTracking : public ::testing::TestWithParam<TrackedAction> {};

TEST_P(ChangeTracking, ChangedExactlyWhenTheFileWouldDiffer)
{
    const TrackedAction& c = GetParam();
    RunningApp r;
    const std::filesystem::path base = load_base_drawing(r);
    Dchild& win = r.drawing();
    ASSERT_EQ(r.client().children().size(), 2u);
    ASSERT_EQ(win.modified, 0);
    ASSERT_EQ(r.table().last_driver(), 1);

    c.act(r);
    ASSERT_EQ(&r.drawing(), &win);
    EXPECT_EQ(win.modified, c.changes ? 1 : 0);

    // The row's premise: what the file keeps did change, or did not.
    const int marked = win.modified;
    const std::filesystem::path again = fresh_file("tracked_again.fig");
    r.ui.files.push_answer(again.string());
    ASSERT_TRUE(r.command(kSaveAs));
    EXPECT_EQ(without_window_size(read_file(again)) != without_window_size(read_file(base)), c.changes);
    win.modified = marked;

    // Closing asks exactly when the drawing changed; Cancel keeps it open.
    r.ui.boxes.push_answer(MessageResult::Cancel);
    r.client().activeSubWindow()->close();
    settle();
    EXPECT_EQ(r.ui.boxes.asked().size(), c.changes ? 1u : 0u);
    EXPECT_EQ(r.client().children().size(), c.changes ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Actions, ChangeTracking, ::testing::ValuesIn(kActions), [](const auto& info) {
    std::string name = info.param.what;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

}  // namespace
