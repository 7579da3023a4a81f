#pragma once
// Set-up of the area and vector method tests: a fresh prover with its
// output captured, the two methods entered in the dispatcher, statements
// read as the window reads them, and a check that every polynomial node a
// proof took is back in its pool once the proof chain is emptied.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "algebra/area.h"
#include "algebra/poly.h"
#include "algebra/proof_chain.h"
#include "statement/examples.h"
#include "statement/prove.h"
#include "statement/prover.h"
#include "statement/tokenizer.h"

class AreaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture_ = std::make_unique<GprintCapture>();
        prover_reset();
        set_method_entry(kMethodArea, {prove_area, area_proof_output});
        set_method_entry(kMethodVector, {prove_vector, area_proof_output});
        g_trace = 0;
        g_save_latex = 0;
        g_timelimit = 60000;
    }
    void TearDown() override
    {
        set_prover_clock(nullptr);
        g_timing = 0;
        clear_proof_chain();
        capture_.reset();
    }

    void read(std::string_view text, int method)
    {
        g_method = method;
        capture_->clear();
        rd_stm(std::string(text) + ".~");
        ASSERT_EQ(g_abort, 0) << out();
    }
    void read_stm(std::string_view hyps, std::string_view show, int method = kMethodArea)
    {
        read("EXAMPLE t\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + "\n", method);
    }
    void load(int example, int method = kMethodArea)
    {
        g_method = method;
        ASSERT_TRUE(load_example(example));
    }

    // The Prove command; afterwards the proof chain is emptied and every node
    // the proof took must be back in its pool.
    ProveEnd prove(bool check_pools = true)
    {
        clear_proof_chain();
        const std::size_t x_before = pool_stats().xterm_in_use();
        const std::size_t d_before = pool_stats().dterm_in_use();
        capture_->clear();
        const ProveEnd end = cmd_prove();
        text_ = capture_->text();
        if (check_pools) {
            clear_proof_chain();
            EXPECT_EQ(pool_stats().xterm_in_use(), x_before) << "xterm nodes kept after the proof";
            EXPECT_EQ(pool_stats().dterm_in_use(), d_before) << "dterm nodes kept after the proof";
        }
        return end;
    }

    const std::string& out() const { return capture_->text(); }
    const std::string& proof_text() const { return text_; }

    static int pt(std::string_view name)
    {
        for (int i = 1; i < kProPointCount; ++i)
            if (g_pro_points[static_cast<std::size_t>(i)].name == name)
                return i;
        return 0;
    }

    std::unique_ptr<GprintCapture> capture_;
    std::string text_;
};
