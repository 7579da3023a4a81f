#pragma once
// Set-up of the semantics and Prove tests: a fresh prover with its output
// captured, and the proving methods' entry points restored afterwards.

#include <map>
#include <string>
#include <string_view>

#include "statement/prove.h"
#include "statement/semantics.h"
#include "stm_fixture.h"

class SemanticsTest : public StatementTest {
protected:
    void SetUp() override
    {
        StatementTest::SetUp();
        for (int m = kMethodArea; m <= kMethodVector; ++m)
            saved_entries_[m] = get_method_entry(m);
        set_status_sink([this](const ProveStatus& s) { shown_ = s; ++status_count_; });
    }
    void TearDown() override
    {
        for (auto& [m, e] : saved_entries_)
            set_method_entry(m, e);
        set_status_sink(nullptr);
        StatementTest::TearDown();
    }

    // What do_cons prints for record no in mode key.
    std::string cons_out(int key, int no)
    {
        clear_output();
        do_cons(key, no);
        return out();
    }
    std::string concl_out(int key)
    {
        clear_output();
        do_concl(key);
        return out();
    }

    ProveStatus shown_;
    int status_count_ = 0;

private:
    std::map<int, MethodEntry> saved_entries_;
};
