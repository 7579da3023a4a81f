// The bench's corpus of statements proved by the four algebraic methods: the
// verdict and the whole window text of each proof (hypothesis polynomials,
// eliminations, remainders) against golden files. The prover runs on the
// counted clock, so every run ends at the same step on any machine.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "golden.h"
#include "prover/prover.h"
#include "statement/prove_run.h"
#include "support/bench_corpus.h"
#include "support/counted_prover_clock.h"

namespace {

class CorpusGoldenTest : public ::testing::TestWithParam<std::pair<const char*, int>> {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override { prover_reset(); }

    CountedProverClock clock_;
};

// Limit in seconds of the counted clock, a thousand time checks each: the
// statements need at most a few thousand checks.
constexpr int kCheckLimit = 100;

TEST_P(CorpusGoldenTest, ProofTexts)
{
    const auto [prefix, method] = GetParam();
    const auto statements = bench_corpus();
    ASSERT_GE(statements.size(), 10u);
    int proved = 0;
    for (const auto& [name, text] : statements) {
        SCOPED_TRACE(name);
        const ProveRun run = prove_statement_text(text, method, kCheckLimit);
        proved += run.result == "true";
        EXPECT_NE(run.result, "timeout") << "more time checks than the limit allows";
        golden::expect_matches(std::string("corpus/") + prefix + "_" + name + ".txt",
                               "result: " + run.result + "\n" + run.window_text);
    }
    EXPECT_GE(proved, 8);
}

INSTANTIATE_TEST_SUITE_P(Methods, CorpusGoldenTest,
                         ::testing::Values(std::pair{"wu", kMethodWu}, std::pair{"groebner", kMethodGroebner},
                                           std::pair{"area", kMethodArea}, std::pair{"vector", kMethodVector}),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
