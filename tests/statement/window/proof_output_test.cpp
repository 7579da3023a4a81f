// The hand-over of the prover's printing from the proof thread to the text
// window: nothing lost, nothing out of order, a clearing dropping only what
// came before it, and the window served from its own event loop.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <atomic>
#include <string>
#include <thread>

#include "statement/window/proof_output.h"
#include "support/widgets_application.h"

namespace {

struct WindowLog {
    std::string text;
    int clearings = 0;
    ProofOutput::Window window()
    {
        return {[this](std::string_view t) { text.append(t); }, [this] {
                    text.clear();
                    ++clearings;
                }};
    }
};

TEST(ProofOutput, PrintsAndClearingsFromTheProofThreadArriveInOrder)
{
    ensure_widgets_application();
    WindowLog log;
    ProofOutput output(log.window());
    constexpr int kPrints = 3000;
    constexpr int kClearEvery = 700;
    std::atomic<bool> done{false};
    std::jthread proof([&] {
        for (int i = 0; i < kPrints; ++i) {
            if (i % kClearEvery == 0)
                output.clear();
            output.print(std::to_string(i) + ",");
        }
        done = true;
    });
    // The window takes what came while the proof still prints.
    while (!done)
        output.flush();
    proof.join();
    QCoreApplication::processEvents();

    std::string expected;
    for (int i = kPrints - 1 - (kPrints - 1) % kClearEvery; i < kPrints; ++i)
        expected += std::to_string(i) + ",";
    EXPECT_EQ(log.text, expected);
    EXPECT_GE(log.clearings, 1);
    EXPECT_LE(log.clearings, kPrints / kClearEvery + 1);
}

TEST(ProofOutput, TheWindowIsServedFromItsEventLoop)
{
    ensure_widgets_application();
    WindowLog log;
    ProofOutput output(log.window());
    std::jthread([&] {
        output.print("one ");
        output.clear();
        output.print("two ");
        output.print("three");
    }).join();
    EXPECT_EQ(log.text, "") << "nothing before the event loop runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(log.text, "two three");
    EXPECT_EQ(log.clearings, 1);

    // The next print asks again.
    std::jthread([&] { output.print(" four"); }).join();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.text, "two three four");
}

}  // namespace
