#pragma once
// The bench's corpus of statements (bench/algebra_corpus.txt), split at its
// EXAMPLE lines, for the tests that prove or read every statement of it.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

struct CorpusStatement {
    std::string name;  // what follows "EXAMPLE "
    std::string text;  // the whole statement, its EXAMPLE line first
};

inline std::vector<CorpusStatement> bench_corpus()
{
    std::ifstream in(std::filesystem::path(PLEXATOR_TEST_DATA) / ".." / ".." / "bench" / "algebra_corpus.txt");
    std::vector<CorpusStatement> statements;
    constexpr std::string_view kExample = "EXAMPLE ";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(kExample, 0) == 0)
            statements.push_back({line.substr(kExample.size()), ""});
        if (!statements.empty())
            statements.back().text += line + "\n";
    }
    return statements;
}
