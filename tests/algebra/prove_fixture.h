#pragma once
// Set-up of the tests of Wu's and the Groebner method: both methods entered
// in the dispatcher, the equation lists freed after each proof.

#include "algebra/equations.h"
#include "method_fixture.h"
#include "statement/algebraic_prove.h"

class AlgebraProveTest : public MethodTest {
protected:
    void SetUp() override
    {
        MethodTest::SetUp();
        set_method_entry(kMethodWu, {prove_wu, {}});
        set_method_entry(kMethodGroebner, {prove_groebner, {}});
    }
    void TearDown() override
    {
        free_eqs();
        MethodTest::TearDown();
    }

    ProveEnd prove() { return run_prove(free_eqs, true); }
};
