// One Prove is one step for Undo however it ends: a single Undo brings back
// the text the window held before the Prove command, while the user's edit
// before it and the typing after it stay steps of their own.

#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <ostream>
#include <string>

#include "prover_fixture.h"
#include "statement/window/prover_commands.h"
#include "support/gated_method.h"
#include "support/held_prover_clock.h"

namespace {

const std::string kTyped = "EXAMPLE para\nHYPOTHESES:\nPOINT A B C;\nINTERSECTION_PP D A B C C A B;\n"
                           "INTERSECTION_LL O A C B D;\nSHOW: MIDPOINT O A C.\n";
const std::string kConclusion = "MIDPOINT O A C.";
const std::string kOtherConclusion = "MIDPOINT O B D.";
constexpr std::int32_t kLimitMs = 1000;
constexpr std::uint32_t kPastTheLimitMs = 5000;

// How the proof under the gated method ends.
enum class Ending {
    Release,   // the method is let go and runs to its end
    TimeOut,   // the clock passes the limit while the method waits
    Stop,      // the window stops the proof
    ByItself,  // no method runs: the Prove refuses, or the text does not read
};

struct ProveEndCase {
    const char* name;
    // The user's edit types `to` over `from`.
    std::string from;
    std::string to;
    Ending ending;
    bool method_fails;  // the method reports an error after it is let go
    const char* shown;  // a part of what the window shows when the Prove has ended
};

const ProveEndCase kEndings[] = {
    {"Verdict", kConclusion, kOtherConclusion, Ending::Release, false, "first step\nlast step\n"},
    {"TimeOut", kConclusion, kOtherConclusion, Ending::TimeOut, false, "The program is terminated after running 1()."},
    {"MethodError", kConclusion, kOtherConclusion, Ending::Release, true, "the method fails"},
    {"Stop", kConclusion, kOtherConclusion, Ending::Stop, false, "The proof was stopped."},
    {"Refusal", "INTERSECTION_LL O A C B D;", "INTERSECTION_LL O A C B D; HARMONIC G A B C;", Ending::ByItself,
     false, "Wu's method cannot use the hypothesis"},
    {"TextDoesNotRead", kConclusion, "FOO D;", Ending::ByItself, false, "Sytax error"},
};

void PrintTo(const ProveEndCase& c, std::ostream* os) { *os << c.name; }

// The user selects `from` and types `to` over it.
void edit_by_hand(toskEditFile& edit, const std::string& from, const std::string& to)
{
    const QTextCursor found = edit.document()->find(QString::fromStdString(from));
    ASSERT_FALSE(found.isNull()) << from;
    edit.setTextCursor(found);
    edit.insertPlainText(QString::fromStdString(to));
}

class OneProveOneUndo : public ::testing::TestWithParam<ProveEndCase> {};

TEST_P(OneProveOneUndo, OneUndoBringsBackTheTextBeforeTheProve)
{
    const ProveEndCase& c = GetParam();
    ProverWindow w;
    HeldProverClock clock;
    g_timelimit = kLimitMs;
    GatedMethod gate(kMethodWu);
    if (c.method_fails) {
        const MethodEntry gated = get_method_entry(kMethodWu);
        set_method_entry(kMethodWu, {[gated] {
                                         gated.run();
                                         gerror("the method fails");
                                     },
                                     {}});
    }
    w.command(kMethodWu);
    w.type_text(kTyped);
    w.command(pcmd::kFromText);
    ASSERT_GE(g_npoints, 2);
    ASSERT_NO_FATAL_FAILURE(edit_by_hand(*w.app->edit(), c.from, c.to));
    const std::string edited = w.text();

    // A method that runs where none should does not wait for the test.
    if (c.ending == Ending::ByItself)
        gate.release();
    ASSERT_TRUE(w.app->command(pcmd::kProve));
    if (c.ending != Ending::ByItself) {
        // The clearing and the first output reach the window before the end.
        gate.wait_until_entered();
        QCoreApplication::processEvents();
        ASSERT_EQ(w.app->edit()->toPlainText().toStdString(), "first step\n");
    }
    switch (c.ending) {
    case Ending::Release: gate.release(); break;
    case Ending::TimeOut: clock.now = kPastTheLimitMs; break;
    case Ending::Stop: w.app->stop_proof(); break;
    case Ending::ByItself: break;
    }
    wait_for_proof(*w.app);
    const std::string proved = w.text();
    ASSERT_NE(proved.find(c.shown), std::string::npos) << proved;

    // What comes after is undone alone: a statement the drawing side shows
    // (outside the window's commands), then the user's typing.
    clear_prover_window();
    gprint("shown after\r\n");
    w.app->edit()->flush_output();
    w.app->edit()->insertPlainText("typed after");
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), "shown after\n");
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), proved);
    // One Undo for the whole Prove, then one for the user's edit before it.
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), edited);
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), kTyped);
}

INSTANTIATE_TEST_SUITE_P(Endings, OneProveOneUndo, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

// Each command is a step of its own, though the first only clears.
TEST(ProveUndo, ACommandAfterAClearingIsAStepOfItsOwn)
{
    ProverWindow w;
    w.command(315);
    const std::string example = w.text();
    w.command(pcmd::kClearAll);
    w.command(pcmd::kShowStatement);
    ASSERT_EQ(w.text(), example);
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), "");
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), example);
}

}  // namespace
