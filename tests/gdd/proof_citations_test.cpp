// The printed proofs of the built-in examples and of a corpus of statements
// (some of whose proofs once cited themselves, the goal, or a step resting on
// the step that cited it): every database proof numbers its steps so that the
// citations form an acyclic graph over printed steps and never name the goal;
// every full-angle proof is a chain of rewritings ending in zero. The window
// text, and for the database method the whole database it reached, are also
// compared with tests/data/gdd/corpus/<method>_<case>.txt (time figures
// masked); each run's actual text is left in the test output folder under the
// same name, so an intended change is reviewed with diff and copied over.
// The prover runs on the counted clock, so every run ends at the same step on
// any machine and every text is compared.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "gdd/gdd_display.h"
#include "statement/examples.h"
#include "statement/prove_run.h"
#include "statement/prover.h"
#include "support/counted_prover_clock.h"
#include "support/test_dirs.h"

namespace {

// Step number -> the step numbers its reasons cite.
using Citations = std::map<int, std::vector<int>>;

Citations database_citations(const std::string& text)
{
    Citations cites;
    const std::size_t proof = text.find("The Machine Proof");
    if (proof == std::string::npos)
        return cites;
    static const std::regex step_head(R"(\r\n([0-9]+)\. )");
    static const std::regex reference(R"(\(([0-9]+)\))");
    std::vector<std::pair<int, std::size_t>> heads;  // number, start of its text
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(), step_head);
         it != std::sregex_iterator(); ++it)
        heads.emplace_back(std::stoi((*it)[1]), proof + static_cast<std::size_t>(it->position() + it->length()));
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const std::size_t end = i + 1 < heads.size() ? heads[i + 1].second : text.size();
        const std::string body = text.substr(heads[i].second, end - heads[i].second);
        const std::size_t because = body.find("because");
        auto& refs = cites[heads[i].first];
        if (because == std::string::npos)
            continue;
        for (auto it = std::sregex_iterator(body.begin() + static_cast<std::ptrdiff_t>(because), body.end(), reference);
             it != std::sregex_iterator(); ++it)
            refs.push_back(std::stoi((*it)[1]));
    }
    return cites;
}

// Every cited step is printed, none cites the goal, and the steps can be
// ordered so that each comes after every step it cites.
void expect_acyclic(const Citations& cites)
{
    std::map<int, int> uncited_reasons;
    for (const auto& [step, refs] : cites) {
        uncited_reasons[step] += static_cast<int>(refs.size());
        for (int r : refs) {
            EXPECT_TRUE(cites.count(r)) << "step " << step << " cites (" << r << "), which is not printed";
            EXPECT_NE(r, 1) << "step " << step << " cites the goal";
        }
    }
    // Peel off steps whose cited steps are all peeled; a cycle stays behind.
    std::vector<int> ready;
    for (const auto& [step, refs] : cites)
        if (refs.empty())
            ready.push_back(step);
    std::map<int, std::vector<int>> cited_by;
    for (const auto& [step, refs] : cites)
        for (int r : refs)
            cited_by[r].push_back(step);
    std::size_t peeled = 0;
    while (!ready.empty()) {
        const int s = ready.back();
        ready.pop_back();
        ++peeled;
        for (int user : cited_by[s])
            if (--uncited_reasons[user] == 0)
                ready.push_back(user);
    }
    EXPECT_EQ(peeled, cites.size()) << "the citations of " << cites.size() - peeled << " steps form a cycle";
}

// After the conclusion: "because" lines each followed by the rewritten
// polynomial, the last one zero.
void expect_rewriting_chain(const std::string& text)
{
    const std::size_t proof = text.find("The Machine Proof");
    ASSERT_NE(proof, std::string::npos) << text;
    static const std::regex because_then_poly(R"(\r\nbecause [^\r]*\r\n\r\n = ([^\r]*)\r\n)");
    std::string last;
    int steps = 0;
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(),
                                        because_then_poly);
         it != std::sregex_iterator(); ++it, ++steps)
        last = (*it)[1];
    int becauses = 0;
    for (std::size_t at = text.find("\r\nbecause ", proof); at != std::string::npos;
         at = text.find("\r\nbecause ", at + 1))
        ++becauses;
    EXPECT_EQ(steps, becauses) << text;
    if (steps > 0) {
        EXPECT_EQ(last, "0") << text;
    }
}

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Limits in seconds of the counted clock, a thousand time checks each: the
// runs here need at most a few thousand checks.
constexpr int kCheckLimit = 100;

// The database saturates the Square only after two dozen auxiliary points, a
// quarter of a million time checks, and lists 77,000 lines of facts: far too
// long a run and a text for this test. The forward chaining tests check every
// fact it derives there.
constexpr int kSquare = 337;

// The window text, the database's listing after it for the database method.
void expect_golden(const ProveRun& run, int method, const std::string& name)
{
    static const std::regex time(R"(Time :[0-9.]+)");
    std::string text = "result: " + run.result + "\n" + std::regex_replace(run.window_text, time, "Time :#");
    if (method == kMethodDatabase) {
        GprintCapture gib;
        show_gib(0);
        text += gib.text();
    }
    const std::string file = (method == kMethodDatabase ? "database_" : "angle_") + name + ".txt";
    const auto dir = per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "gdd_corpus");
    std::ofstream(dir / file, std::ios::binary) << text;
    EXPECT_EQ(text, read_file(std::filesystem::path(PLEXATOR_TEST_DATA) / "gdd" / "corpus" / file)) << file;
}

void check_run(const ProveRun& run, int method, const std::string& name)
{
    EXPECT_NE(run.result, "timeout") << name << " needs more time checks than the limit allows";
    expect_golden(run, method, name);
    if (run.result != "true")
        return;
    if (method == kMethodDatabase) {
        const Citations cites = database_citations(run.window_text);
        ASSERT_FALSE(cites.empty()) << run.window_text;
        expect_acyclic(cites);
    } else {
        expect_rewriting_chain(run.window_text);
    }
}

class ProofCitationsTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override { prover_reset(); }

    CountedProverClock clock_;
};

TEST_P(ProofCitationsTest, BuiltInExamples)
{
    int proved = 0;
    for (const ExampleInfo& e : example_menu()) {
        if (GetParam() == kMethodDatabase && e.id == kSquare)
            continue;
        SCOPED_TRACE(std::string(e.menu_text));
        const ProveRun run = prove_example(e.id, GetParam(), kCheckLimit);
        proved += run.result == "true";
        check_run(run, GetParam(), "example" + std::to_string(e.id));
    }
    EXPECT_GE(proved, 4);
}

TEST_P(ProofCitationsTest, Corpus)
{
    static const char* const statements[] = {
        // congruent triangles from a group merged out of two
        "POINT A B C;\nON_PLINE D A B C;\nPSQUARE E D B;\nPSQUARE F E B;\nON_CIRCLE G E F;\nMIDPOINT H F B;\n"
        "SHOW: EQDISTANCE F H D B.",
        // the goal once cited itself
        "POINT A B C;\nON_TLINE D C A B;\nORTHOCENTER E D A B;\nCIRCUMCENTER F B A C;\nSHOW: PARALLEL C E D E.",
        "POINT A B C;\nORTHOCENTER D B C A;\nON_CIRCLE E A B;\nINTERSECTION_LL F B E A D;\nON_TLINE G D C A;\n"
        "SHOW: PARALLEL B G G D.",
        // a step once cited itself
        "POINT A B C;\nON_LINE D A C;\nON_PLINE E B C A;\nON_PLINE F E A C;\nON_PLINE G E D A;\n"
        "ON_TLINE H B E G;\nSHOW: PARALLEL G F F B.",
        // a step once cited the goal
        "POINT A B C;\nFOOT D C B A;\nCIRCUMCENTER E C D A;\nMIDPOINT F D E;\nORTHOCENTER G E C B;\n"
        "SHOW: COLLINEAR E A C.",
        "POINT A B C;\nFOOT D A B C;\nFOOT E B A C;\nFOOT F C A B;\nINTERSECTION_LL H A D B E;\n"
        "SHOW: EQANGEL E D H H D F.",
        "POINT A B C;\nCIRCUMCENTER O A B C;\nON_CIRCLE E O A;\nFOOT F E B C;\nFOOT G E A C;\nFOOT H E A B;\n"
        "SHOW: COLLINEAR F G H.",
        "POINT A B C;\nCIRCUMCENTER O A B C;\nFOOT E B A C;\nFOOT F C A B;\nSHOW: PERPENDICULAR A O E F.",
    };
    int proved = 0;
    int number = 0;
    for (const char* s : statements) {
        SCOPED_TRACE(s);
        const ProveRun run =
            prove_statement_text(std::string("EXAMPLE t\nHYPOTHESES:\n") + s + "\n", GetParam(), kCheckLimit);
        proved += run.result == "true";
        check_run(run, GetParam(), "corpus" + std::to_string(++number));
    }
    EXPECT_GE(proved, 4);
}

INSTANTIATE_TEST_SUITE_P(Methods, ProofCitationsTest, ::testing::Values(kMethodDatabase, kMethodFullAngle),
                         [](const auto& info) { return info.param == kMethodDatabase ? "Database" : "FullAngle"; });

}  // namespace
