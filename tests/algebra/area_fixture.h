#pragma once
// Set-up of the area and vector method tests: both methods entered in the
// dispatcher, the proof chain emptied after each proof.

#include "algebra/area.h"
#include "algebra/proof_chain.h"
#include "method_fixture.h"

class AreaTest : public MethodTest {
protected:
    void SetUp() override
    {
        MethodTest::SetUp();
        enter_methods();
        g_save_latex = 0;
    }
    void TearDown() override
    {
        clear_proof_chain();
        // A test may have entered a method of its own: the tests of other
        // fixtures after it prove with the real ones.
        enter_methods();
        MethodTest::TearDown();
    }

    static void enter_methods()
    {
        set_method_entry(kMethodArea, {prove_area, area_proof_output});
        set_method_entry(kMethodVector, {prove_vector, area_proof_output});
    }

    void read_stm(std::string_view hyps, std::string_view show, int method = kMethodArea)
    {
        MethodTest::read_stm(hyps, show, method);
    }
    void load(int example, int method = kMethodArea) { MethodTest::load(example, method); }

    ProveEnd prove(bool check_pools = true)
    {
        clear_proof_chain();
        return run_prove(clear_proof_chain, check_pools);
    }
};
