#pragma once
// Golden files under tests/data/<area>. Every text compared is also written
// under the test output directory for review; with PLEXATOR_UPDATE_GOLDEN set
// in the environment the golden file is rewritten instead.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline void expect_golden_file(const std::string& area, const std::string& name, const std::string& text)
{
    namespace fs = std::filesystem;
    const fs::path out_dir = fs::path(PLEXATOR_TEST_OUTPUT) / area;
    fs::create_directories((out_dir / name).parent_path());
    std::ofstream(out_dir / name, std::ios::binary) << text;
    const fs::path golden_path = fs::path(PLEXATOR_TEST_DATA) / area / name;
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
