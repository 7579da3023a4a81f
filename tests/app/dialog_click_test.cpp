// A click that opens a modal dialog or message box: the dialog takes the
// button's release, so the drawing window never sees it. The window must let
// the mouse go all the same, and the click after the dialog must act.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "animate/computation.h"
#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kSegment = 135;
constexpr int kCircle = 136;

// A-B carry a circle about A, C-D a segment; E is used by nothing.
void build_drawing(RunningApp& r)
{
    r.command(kPoint);
    for (const QPoint at : {QPoint(100, 120), QPoint(300, 120), QPoint(150, 260), QPoint(350, 260),
                            QPoint(220, 380)})
        r.click(at);
    r.right_click();
    r.command(kSegment);
    r.click_on(r.find("C"));
    r.click_on(r.find("D"));
    r.right_click();
    r.command(kCircle);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.right_click();
}

struct DialogCommand {
    const char* what;
    int command;
    // The points clicked; the press on the last one opens the dialog. With
    // none, the press is at `place`.
    std::vector<const char*> picks;
    QPoint place;
    // The command ends with its dialog: the click after begins it again.
    bool ends = false;
};

void PrintTo(const DialogCommand& c, std::ostream* out) { *out << c.what; }

const DialogCommand kCommands[] = {
    {"update a point", 134, {"B"}, {}},
    {"update a line", 194, {"C", "D"}, {}},
    {"update a circle", 189, {"A", "B"}, {}},
    {"delete a point in use", 140, {"C"}, {}},
    {"delete a point", 140, {"E"}, {}},
    {"text", 180, {}, {250, 330}},
    {"rotate by a typed angle", 243, {"A"}, {}, true},
    {"point at a typed ratio", 197, {"A", "B"}, {}},
    {"point at a typed ratio of three", 199, {"A", "B", "C"}, {}},
    {"point at a typed angle", 470, {"A", "B"}, {}},
    {"dynamic unit", measure_code::kDynamicUnit, {"A", "B"}, {}},
};

class DialogClick : public ::testing::TestWithParam<DialogCommand> {};

TEST_P(DialogClick, TheClickAfterTheDialogActs)
{
    const DialogCommand& c = GetParam();
    RunningApp r;
    build_drawing(r);
    Dchild& win = r.drawing();
    // Every dialog is answered with Cancel, No or OK: nothing is changed.
    const auto dialogs = [&r] {
        return r.ui.boxes.asked().size() + r.ui.input.asked().size() + r.dialogs.objects.edited().size();
    };
    const auto clicks_up_to_the_dialog = [&] {
        std::vector<QPoint> at;
        for (const char* name : c.picks)
            at.push_back(r.position_of(r.find(name)));
        if (at.empty())
            at.push_back(c.place);
        for (std::size_t k = 0; k + 1 < at.size(); ++k)
            r.click(at[k]);
        // The dialog takes the release of this press.
        QTest::mousePress(&win, Qt::LeftButton, Qt::NoModifier, at.back());
        settle();
    };
    ASSERT_EQ(dialogs(), 0u);

    r.command(c.command);
    clicks_up_to_the_dialog();
    ASSERT_EQ(dialogs(), 1u) << "the press opened the dialog";
    EXPECT_FALSE(win.mouse_captured());
    EXPECT_EQ(win.mouse_dc(), nullptr);

    if (c.ends)
        r.command(c.command);
    clicks_up_to_the_dialog();
    EXPECT_EQ(dialogs(), 2u) << "the click after the dialog acted at once";
}

INSTANTIATE_TEST_SUITE_P(Commands, DialogClick, ::testing::ValuesIn(kCommands), [](const auto& info) {
    std::string name = info.param.what;
    for (char& ch : name)
        if (ch == ' ')
            ch = '_';
    return name;
});

}  // namespace
