#pragma once
// Golden files of the algebraic proofs under tests/data/algebra, compared
// with their time figures masked.

#include <regex>
#include <string>

#include "support/golden_file.h"

namespace golden {

// Time figures differ from run to run.
inline std::string mask_times(const std::string& text)
{
    static const std::regex time_figure(R"(Time :[0-9]+\.[0-9]+)");
    return std::regex_replace(text, time_figure, "Time :#");
}

inline void expect_matches(const std::string& name, const std::string& produced)
{
    expect_golden_file("algebra", name, mask_times(produced));
}

}  // namespace golden
