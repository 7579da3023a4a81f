#pragma once
// A folder of its own for the running test: CTest runs the test cases of one
// program as parallel processes, so files a test writes and reads back (the
// prover's "example.tex", saved drawings) must not share a folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

inline std::filesystem::path per_test_dir(const std::filesystem::path& base)
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = info ? std::string(info->test_suite_name()) + "." + info->name() : "outside-a-test";
    for (char& c : leaf)
        if (c == '/') c = '_';
    const std::filesystem::path dir = base / leaf;
    std::filesystem::create_directories(dir);
    return dir;
}
