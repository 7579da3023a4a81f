#pragma once
// Set-up of the tests of Wu's and the Groebner method: a fresh prover with
// its output captured, the two methods entered in the dispatcher, and a
// check that every polynomial node of a proof goes back to its pool.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "algebra/algebraic_prove.h"
#include "algebra/equations.h"
#include "algebra/poly.h"
#include "statement/examples.h"
#include "statement/prove.h"
#include "statement/prover.h"
#include "statement/tokenizer.h"

class AlgebraProveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture_ = std::make_unique<GprintCapture>();
        prover_reset();
        set_method_entry(kMethodWu, {prove_wu, {}});
        set_method_entry(kMethodGroebner, {prove_groebner, {}});
        g_trace = 0;
        g_timelimit = 60000;
    }
    void TearDown() override
    {
        set_prover_clock(nullptr);
        g_timing = 0;
        free_eqs();
        capture_.reset();
    }

    // Reads a statement as the window does, for the given method.
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

    // The Prove command; afterwards the equation lists are freed again and
    // every node the proof took must be back in its pool.
    ProveEnd prove()
    {
        const std::size_t x_before = pool_stats().xterm_in_use();
        const std::size_t d_before = pool_stats().dterm_in_use();
        capture_->clear();
        const ProveEnd end = cmd_prove();
        text_ = capture_->text();
        free_eqs();
        EXPECT_EQ(pool_stats().xterm_in_use(), x_before) << "xterm nodes kept after the proof";
        EXPECT_EQ(pool_stats().dterm_in_use(), d_before) << "dterm nodes kept after the proof";
        return end;
    }

    const std::string& out() const { return capture_->text(); }
    void clear_output() { capture_->clear(); }
    // The window's text after the last prove().
    const std::string& proof_text() const { return text_; }

    static int pt(std::string_view name)
    {
        for (int i = 1; i <= g_npoints; ++i)
            if (g_pro_points[static_cast<std::size_t>(i)].name == name)
                return i;
        return 0;
    }

    std::unique_ptr<GprintCapture> capture_;
    std::string text_;
};
