// Point files through the program: Save As on the scripted file dialog, the
// window closed without a question, the file loaded again into a new window;
// and the close protocol of a drawing with changes.

#include <gtest/gtest.h>

#include <QMdiSubWindow>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "animate/animator.h"
#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kMidpoint = 103;
constexpr int kCircle = 136;
constexpr int kText = 180;
constexpr int kLineColour = 137;
constexpr int kSegment = 135;
constexpr int kCollinear = 148;
constexpr int kSegmentLength = 159;
constexpr int kSave = 502;
constexpr int kSaveAs = 503;
constexpr int kLoad = 501;
constexpr int kNewWindow = 500;

std::filesystem::path fresh_file(const std::string& name)
{
    const std::filesystem::path path = output_dir() / name;
    std::filesystem::remove(path);
    return path;
}

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A drawing with most kinds of what a point file keeps: points, a midpoint,
// a circle, a text, a segment in another colour, a conclusion, a measured
// length and a driving point on its segment.
void build_drawing(RunningApp& r)
{
    r.command(kPoint);
    r.click({100, 100});
    r.click({320, 110});
    r.click({200, 260});
    r.right_click();
    r.command(kMidpoint);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();
    r.command(kCircle);
    r.click_on(r.find("D"));
    r.click_on(r.find("C"));
    r.right_click();

    r.dialogs.colours.push_answer(rgb(200, 30, 40));
    r.command(kLineColour);
    r.command(kSegment);
    r.click_on(r.find("A"));
    r.click_on(r.find("C"));
    r.right_click();

    r.ui.input.push_answer(std::string("Circle \"on\" AB"));
    r.command(kText);
    r.click({380, 300});
    r.right_click();

    r.command(kCollinear);
    for (const char* name : {"A", "D", "B"})
        r.click_on(r.find(name));
    r.right_click();

    r.command(kSegmentLength);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();

    r.command(anim_id::kCreateDriver);
    r.click_on(r.find("C"));
    r.command(anim_id::kTraceLine);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();
}

TEST(FileFlow, SavedDrawingClosesWithoutAQuestionAndReadsBackTheSame)
{
    RunningApp r;
    build_drawing(r);
    Dchild& win = r.drawing();
    ASSERT_EQ(win.modified, 1);
    ASSERT_EQ(r.table().last_quantity(), 0) << "the length was measured";
    ASSERT_EQ(r.table().last_driver(), 0) << "the driving point was made";
    ASSERT_EQ(r.table().conclusion_type(), kCollinear);

    const std::filesystem::path path = fresh_file("round_trip.fig");
    r.ui.files.push_answer(path.string());
    ASSERT_TRUE(r.command(kSaveAs));
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(win.modified, 0);
    EXPECT_EQ(win.untitled, 0);
    EXPECT_EQ(win.title(), path.string());
    ASSERT_EQ(r.ui.files.asked().size(), 1u);
    EXPECT_TRUE(r.ui.files.asked()[0].save);
    EXPECT_EQ(r.ui.files.asked()[0].default_ext, "fig");
    EXPECT_NE(g_script_mgr->windowTitle().toStdString().find(path.filename().string()), std::string::npos)
        << "the Script Manager names the drawing by its file";

    // Save again under the same name: no dialog.
    ASSERT_TRUE(r.command(kSave));
    EXPECT_EQ(r.ui.files.asked().size(), 1u);
    const std::string text = read_file(path);

    // The window closed.
    const std::vector<std::string> kept_lines = g_script_mgr->lines();
    const std::vector<std::string> kept_quantities = r.services.animation().save_expressions(win.diagram);
    ASSERT_EQ(kept_quantities.size(), 1u);
    r.client().activeSubWindow()->close();
    settle();
    EXPECT_TRUE(r.ui.boxes.asked().empty()) << "a saved drawing closes without a question";
    EXPECT_TRUE(r.client().children().empty());
    EXPECT_EQ(g_active_draw, nullptr);

    r.ui.files.push_answer(path.string());
    ASSERT_TRUE(r.command(kLoad));
    ASSERT_EQ(r.client().children().size(), 1u);
    Dchild& again = r.drawing();
    EXPECT_EQ(again.title(), path.string());
    EXPECT_EQ(again.untitled, 0);
    EXPECT_EQ(again.modified, 0);
    EXPECT_TRUE(r.ui.boxes.asked().empty()) << "the file was read without complaint";
    EXPECT_EQ(r.services.animation().save_expressions(again.diagram), kept_quantities);
    EXPECT_EQ(g_script_mgr->lines(), kept_lines);

    // What is read is what was written: written again, every field the file
    // keeps comes out the same.
    const std::filesystem::path copy = fresh_file("round_trip_again.fig");
    r.ui.files.push_answer(copy.string());
    ASSERT_TRUE(r.command(kSaveAs));
    EXPECT_EQ(read_file(copy), text);

    // The driving point read back runs.
    ASSERT_TRUE(r.command(anim_id::kStart));
    ASSERT_FALSE(r.ui.timers.timers().empty());
    const int driver = again.objects().driver_point(0);
    const Dpoint before = again.objects()[driver];
    ASSERT_TRUE(r.ui.timers.timers().back()->fire(kAnimationTimer));
    ASSERT_TRUE(r.ui.timers.timers().back()->fire(kAnimationTimer));
    EXPECT_NE(again.objects()[driver].x, before.x);
    r.right_click();
}

TEST(FileFlow, AFileThatCannotBeReadLeavesNoWindowAndIsNeverOverwritten)
{
    RunningApp r;
    Dchild* first = &r.drawing();
    const std::filesystem::path path = fresh_file("not_a_drawing.fig");
    {
        std::ofstream out(path);
        out << "these are notes, not a drawing\n";
    }
    r.ui.files.push_answer(path.string());
    ASSERT_TRUE(r.command(kLoad));
    ASSERT_EQ(r.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(r.ui.boxes.asked()[0].caption, "File Error");
    EXPECT_EQ(r.client().children().size(), 1u) << "no empty window named after the file";
    ASSERT_EQ(&r.drawing(), first);

    r.command(kPoint);
    r.click({100, 100});
    r.right_click();
    r.ui.files.push_answer(std::nullopt);
    EXPECT_TRUE(r.command(kSave));
    ASSERT_EQ(r.ui.files.asked().size(), 2u) << "Save asks for a name";
    EXPECT_TRUE(r.ui.files.asked()[1].save);
    EXPECT_EQ(read_file(path), "these are notes, not a drawing\n");
    EXPECT_EQ(r.drawing().modified, 1);
}

TEST(FileFlow, CommandLineFileIsLoadedIntoTheFirstDrawing)
{
    const std::filesystem::path path = fresh_file("start.fig");
    {
        RunningApp r;
        build_drawing(r);
        r.ui.files.push_answer(path.string());
        ASSERT_TRUE(r.command(kSaveAs));
    }
    RunningApp r(path.string());
    ASSERT_EQ(r.client().children().size(), 1u);
    EXPECT_TRUE(r.ui.boxes.asked().empty());
    EXPECT_EQ(r.drawing().title(), "Diagram 1");
    EXPECT_EQ(r.drawing().untitled, 1) << "the window stays untitled";
    EXPECT_NE(r.find("D"), 0);
    EXPECT_EQ(r.table().conclusion_type(), kCollinear);
    EXPECT_EQ(r.services.animation().save_expressions(r.drawing().diagram).size(), 1u)
        << "the measured length came with the file";
    EXPECT_EQ(g_script_mgr->lines().size(), static_cast<std::size_t>(r.table().count() - 20));
    EXPECT_EQ(r.drawing().modified, 0);
}

struct CloseCase {
    const char* what;
    MessageResult answer;
    bool file_chosen;  // the save dialog answers with a name
    bool closes;
    bool saved;
};

class CloseProtocol : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseProtocol, ChangedDrawingAsksBeforeTheFrameCloses)
{
    const CloseCase& c = GetParam();
    RunningApp r;
    r.command(kPoint);
    r.click({150, 150});
    r.right_click();
    ASSERT_EQ(r.drawing().modified, 1);

    const std::filesystem::path path = fresh_file(std::string("close_") + c.what + ".fig");
    r.ui.boxes.push_answer(c.answer);
    r.ui.files.push_answer(c.file_chosen ? std::optional<std::string>(path.string()) : std::nullopt);
    const bool closed = r.app->frame()->close();
    settle();
    EXPECT_EQ(closed, c.closes);
    ASSERT_EQ(r.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(r.ui.boxes.asked()[0].caption, "Drawing has changed");
    EXPECT_EQ(r.ui.boxes.asked()[0].text, "Do you want to save?");
    EXPECT_EQ(r.ui.boxes.asked()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(r.ui.boxes.asked()[0].icon, MessageIcon::Question);
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
    EXPECT_EQ(r.ui.files.asked().size(), c.answer == MessageResult::Yes ? 1u : 0u);
    EXPECT_EQ(r.app->frame()->isVisible(), !c.closes);
    if (!c.closes) {
        ASSERT_EQ(r.client().children().size(), 1u);
        EXPECT_EQ(r.drawing().modified, 1) << "the drawing is kept as it was";
    }
    if (c.saved) {
        EXPECT_NE(read_file(path).find("\"A\""), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseProtocol,
                         ::testing::Values(CloseCase{"yes", MessageResult::Yes, true, true, true},
                                           CloseCase{"yes_save_cancelled", MessageResult::Yes, false, false, false},
                                           CloseCase{"no", MessageResult::No, true, true, false},
                                           CloseCase{"cancel", MessageResult::Cancel, true, false, false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(FileFlow, EachSaveQuestionAtExitShowsItsDrawingInFront)
{
    RunningApp r;
    for (const int n : {1, 2, 3}) {
        if (n > 1)
            r.command(kNewWindow);
        r.command(kPoint);
        r.click({100 + 40 * n, 150});
        r.right_click();
    }
    // Diagram 2 is left unchanged; Diagram 3 is in front.
    r.client().children().at(1)->modified = 0;
    ASSERT_EQ(r.drawing().title(), "Diagram 3");

    std::vector<std::string> in_front;
    r.ui.boxes.on_ask([&r, &in_front](const ScriptedMessageBoxes::Asked&) {
        QMdiSubWindow* active = r.client().activeSubWindow();
        in_front.push_back(active ? static_cast<Dchild*>(active->widget())->title() : std::string());
    });
    r.ui.boxes.push_answer(MessageResult::No);
    r.ui.boxes.push_answer(MessageResult::No);
    EXPECT_TRUE(r.app->frame()->close());
    settle();
    EXPECT_EQ(in_front, (std::vector<std::string>{"Diagram 1", "Diagram 3"}));
    r.ui.boxes.on_ask({});
}

}  // namespace
