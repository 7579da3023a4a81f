#pragma once
// Golden files of the algebraic proofs under tests/data/algebra. Every text
// compared is also written under the test output directory for review; with
// PLEXATOR_UPDATE_GOLDEN set in the environment the golden file is rewritten.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace golden {

// Time figures differ from run to run.
inline std::string mask_times(const std::string& text)
{
    static const std::regex time_figure(R"(Time :[0-9]+\.[0-9]+)");
    return std::regex_replace(text, time_figure, "Time :#");
}

inline void expect_matches(const std::string& name, const std::string& produced)
{
    namespace fs = std::filesystem;
    const std::string text = mask_times(produced);
    const fs::path out_dir = fs::path(PLEXATOR_TEST_OUTPUT) / "algebra";
    fs::create_directories((out_dir / name).parent_path());
    std::ofstream(out_dir / name, std::ios::binary) << text;
    const fs::path golden_path = fs::path(PLEXATOR_TEST_DATA) / "algebra" / name;
    if (std::getenv("PLEXATOR_UPDATE_GOLDEN")) {
        fs::create_directories(golden_path.parent_path());
        std::ofstream(golden_path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(golden_path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << golden_path;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(text, expected.str()) << "differs from " << golden_path << "; see " << (out_dir / name);
}

}  // namespace golden
