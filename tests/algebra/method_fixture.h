#pragma once
// Shared set-up of the tests that run a proving method through Prove: a
// fresh prover with its output captured, statements read as the window reads
// them, and a check that every polynomial node a proof took is back in its
// pool once the method's own lists are freed.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/prove.h"
#include "statement/tokenizer.h"

class MethodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture_ = std::make_unique<GprintCapture>();
        prover_reset();
        g_trace = 0;
        g_timelimit = 60000;
    }
    void TearDown() override
    {
        set_prover_clock(nullptr);
        g_timing = 0;
        capture_.reset();
    }

    void read(std::string_view text, int method)
    {
        g_method = method;
        capture_->clear();
        rd_stm(std::string(text) + ".~");
        ASSERT_EQ(g_abort, 0) << out();
    }
    void read_stm(std::string_view hyps, std::string_view show, int method)
    {
        read("EXAMPLE t\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + "\n", method);
    }
    void load(int example, int method)
    {
        g_method = method;
        ASSERT_TRUE(load_example(example));
    }

    // The Prove command; with check_pools, release frees what the method
    // kept and every node the proof took must then be back in its pool.
    ProveEnd run_prove(const std::function<void()>& release, bool check_pools)
    {
        const std::size_t x_before = pool_stats().xterm_in_use();
        const std::size_t d_before = pool_stats().dterm_in_use();
        capture_->clear();
        const ProveEnd end = cmd_prove();
        text_ = capture_->text();
        if (check_pools) {
            release();
            EXPECT_EQ(pool_stats().xterm_in_use(), x_before) << "xterm nodes kept after the proof";
            EXPECT_EQ(pool_stats().dterm_in_use(), d_before) << "dterm nodes kept after the proof";
        }
        return end;
    }

    const std::string& out() const { return capture_->text(); }
    void clear_output() { capture_->clear(); }
    // The window's text after the last Prove.
    const std::string& proof_text() const { return text_; }

    // Also finds the points a method adds past the statement's records.
    static int pt(std::string_view name)
    {
        for (int i = 1; i < kProPointCount; ++i)
            if (g_pro_points[static_cast<std::size_t>(i)].name == name)
                return i;
        return 0;
    }

private:
    std::unique_ptr<GprintCapture> capture_;
    std::string text_;
};
