// The database method takes every statement the dispatcher accepts: a
// construction that states no facts leaves its point unknown to the
// database, which derives what the other hypotheses give; a conclusion the
// database cannot hold ends not proved. Either is named after "The theorem
// is not in the database.", and Show GDD and the fact search see the
// database the run reached.

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>

#include "facts/gdd.h"
#include "gdd/gdd_output.h"
#include "prover/numeric_figure.h"
#include "prover/proof_tex_file.h"
#include "sem_fixture.h"
#include "statement/kept_statement.h"
#include "statement/prove_run.h"
#include "support/test_dirs.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNotInDatabase = "\r\nThe theorem is not in the database.\r\n\r\n";
constexpr std::string_view kNoFactsOf = "The database has no facts of\r\n";
constexpr std::string_view kCannotTest = "The database cannot test the conclusion\r\n";
// The facts of the two midpoints: enough for the midline theorem.
constexpr std::string_view kMidpoints = "POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;\n";
constexpr std::string_view kMidline = "PARALLEL M N B C.";

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class DatabaseIntakeTest : public SemanticsTest {
protected:
    void SetUp() override
    {
        SemanticsTest::SetUp();
        ASSERT_TRUE(method_built(kMethodDatabase));
        dir_ = per_test_dir(fs::path(PLEXATOR_TEST_OUTPUT) / "database_intake");
        saved_dir_ = g_tex_dir;
        g_tex_dir = dir_.string();
    }
    void TearDown() override
    {
        g_tex_dir = saved_dir_;
        SemanticsTest::TearDown();
    }

    // Reads the statement, lets edit change the records (for kinds only a
    // drawing makes: the edited tables are the statement loaded), proves it
    // with the database and keeps the window text.
    ProveEnd prove(std::string_view hyps, std::string_view show, const std::function<void()>& edit = {})
    {
        read_stm(hyps, show);
        EXPECT_EQ(g_abort, 0) << out();
        if (edit) {
            edit();
            keep_loaded_statement();
        }
        clear_output();
        const ProveEnd end = cmd_prove();
        window_ = out();
        return end;
    }

    // What Show GDD lists of the database the last run reached.
    std::string listing()
    {
        clear_output();
        show_gib(0);
        return out();
    }

    // The conclusion holds in every generic figure of the statement.
    static void expect_holds_in_figures()
    {
        const auto figures = generic_figures(g_npoints).figures;
        ASSERT_FALSE(figures.empty());
        for (const Num_figure& f : figures)
            EXPECT_EQ(numeric_fact_holds(g_concl, f), 1);
    }

    static bool ends_with(const std::string& text, const std::string& tail)
    {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    std::string window_;
    fs::path dir_;
    std::string saved_dir_;
};

// Kinds only a drawing makes: the reader's ON_LINE X A B record turned into them.
void make_hline()
{
    Pro_point& x = g_pro_points[static_cast<std::size_t>(g_npoints)];
    x.kind = 99;
    x.pots = {1, 0, 0, 0, 0, 0, 0, 0};
}

void make_nrotate()
{
    Pro_point& x = g_pro_points[static_cast<std::size_t>(g_npoints)];
    x.kind = 470;
    x.rot = "90";
}

TEST_F(DatabaseIntakeTest, EveryConstructionIsTakenWithTheFactsItStates)
{
    const struct {
        std::string_view line;   // the construction of X, after the midpoints
        std::function<void()> edit;
        std::string_view about;  // a conclusion on X the database cannot reach
        std::string_view shown;  // the line the note names
    } cases[] = {
        {"ON_BLINE X A B;", {}, "EQDISTANCE X A X B.", "ON_BLINE X A B;\r\n"},
        {"CENTROID X A B C;", {}, "COLLINEAR C X M.", "CENTROID  X A B C;\r\n"},
        {"INVERSION X A B C;", {}, "COLLINEAR X A B.", "INVERSION X A B C;\r\n"},
        {"HARMONIC X A B C;", {}, "COLLINEAR X A B.", "HARMONIC X A B C;\r\n"},
        {"SIM_TRIANGLE X A B C M N;", {}, "COLLINEAR X A B.", "SIM_TRIANGLE X A B C M N;\r\n"},
        {"LRATIO X A B 1 3;", {}, "COLLINEAR X A B.", "LRATIO X A B 1 3;\r\n"},
        {"MRATIO X A B 1 2;", {}, "COLLINEAR X A B.", "MRATIO X A B 1 2;\r\n"},
        {"PRATIO X A B C 1 2;", {}, "PARALLEL A X B C.", "PRATIO X A B C 1 2;\r\n"},
        {"CONSTANT (AREA A B C) - 1;", {}, "PERPENDICULAR A B A C.", "CONSTANT (AREA A B C) - 1;\r\n"},
        {"ON_LINE X A B;", make_hline, "COLLINEAR X A B.", "ON_HLINE X A;\r\n"},
        {"ON_LINE X A B;", make_nrotate, "PERPENDICULAR A X A B.", "NROTATE X A B 90 ;\r\n"},
    };
    // What the midpoints alone give.
    ASSERT_EQ(prove(kMidpoints, kMidline), ProveEnd::Ran);
    const std::string facts = listing();
    ASSERT_NE(facts.find("[M,AB]"), std::string::npos) << facts;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string hyps = std::string(kMidpoints) + std::string(c.line);
        // What the other hypotheses give is derived, and judged true.
        EXPECT_EQ(prove(hyps, kMidline, c.edit), ProveEnd::Ran);
        EXPECT_EQ(g_result, 1) << window_;
        EXPECT_NE(window_.find("1. MN\u2225BC,"), std::string::npos) << window_;
        expect_holds_in_figures();
        // The construction states nothing: Show GDD lists the midpoints' facts.
        EXPECT_EQ(listing(), facts);
        // A conclusion on its point ends not proved, naming the construction.
        EXPECT_EQ(prove(hyps, c.about, c.edit), ProveEnd::Ran);
        EXPECT_EQ(g_result, kResultNotSolved);
        EXPECT_EQ(shown_.result, "Not Solved");
        EXPECT_TRUE(ends_with(window_, std::string(kNotInDatabase) + std::string(kNoFactsOf) + std::string(c.shown)))
            << window_;
        // The fact search answers from that database.
        Gdd_cond mid{};
        mid.type = 151;
        mid.p = {static_cast<std::uint32_t>(pt("M")), 1, 2, 0, 0, 0, 0, 0};
        EXPECT_EQ(do_concl_of(mid), 1);
    }
}

TEST_F(DatabaseIntakeTest, AConclusionTheDatabaseCannotHoldEndsNotProved)
{
    const auto set_conclusion = [](std::int32_t kind, std::array<std::uint32_t, 8> points) {
        return [kind, points] {
            g_concl.type = kind;
            g_concl.p = points;
        };
    };
    const struct {
        std::string_view hyps;
        std::string_view show;
        std::function<void()> edit;  // kinds only a drawing makes
        std::string_view shown;
    } cases[] = {
        {"POINT A B C D;\nMIDPOINT M A B;", "TANGENT A B C D.", {}, "SHOW: TANGENT A B C D.\r\n"},
        {"POINT A B C;\nMIDPOINT M A B;", "COLLINEAR A B C.", set_conclusion(157, {1, 2, 3, 4, 0, 0, 0, 0}),
         "SHOW: HARMONIC_PAIR A B C M.\r\n"},
        {"POINT A B;\nEQ_TRIANGLE C A B;\nMIDPOINT M A B;", "COLLINEAR A B C.",
         set_conclusion(158, {1, 2, 3, 0, 0, 0, 0, 0}), "SHOW:  Positive triangle A B C.\r\n"},
        {"POINT A B C;\nMIDPOINT M A B;", "(AREA A M C) = (AREA M B C).", {}, "SHOW: S(MCA) = -S(MCB).\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(prove(c.hyps, c.show, c.edit), ProveEnd::Ran);
        EXPECT_EQ(g_result, kResultNotSolved);
        EXPECT_TRUE(ends_with(window_, std::string(kNotInDatabase) + std::string(kCannotTest) + std::string(c.shown)))
            << window_;
        // Forward chaining ran on the hypotheses: the midpoint's congruence
        // was derived.
        EXPECT_NE(listing().find("[M,AB]"), std::string::npos);
        EXPECT_TRUE(xcong(pt("M"), 1, pt("M"), 2));
    }
}

TEST_F(DatabaseIntakeTest, FreePointsAndTheReadersOwnPointsAreNotNamed)
{
    // CIRCLE and INTERSECTION_LS state their facts through the reader.
    EXPECT_EQ(prove("CIRCLE A B C D;\nPOINT E F;\nINTERSECTION_LS X E F A B C;", "PERPENDICULAR E F A B."),
              ProveEnd::Ran);
    EXPECT_EQ(g_result, kResultNotSolved);
    EXPECT_TRUE(ends_with(window_, std::string(kNotInDatabase))) << window_;
    EXPECT_NE(listing().find("[ABCDX]"), std::string::npos);
}

TEST_F(DatabaseIntakeTest, TheFactSearchTestsWhatTheDatabaseCanHold)
{
    ASSERT_EQ(prove("POINT A B C;\nON_PLINE D A B C;\nPSQUARE E D B;\nPSQUARE F E B;\nON_CIRCLE G E F;\n"
                    "MIDPOINT H F B;",
                    "EQDISTANCE F H D B."),
              ProveEnd::Ran);
    ASSERT_EQ(g_result, 1) << window_;
    const auto fact = [](std::int32_t kind, std::string_view names) {
        Gdd_cond f{};
        f.type = kind;
        for (std::size_t k = 0; k < names.size(); ++k)
            f.p[k] = static_cast<std::uint32_t>(pt(names.substr(k, 1)));
        return f;
    };
    // The proof's congruent triangles are in the database; tangency and the
    // equilateral triangle have no test there.
    EXPECT_EQ(do_concl_of(fact(236, "EDBDBH")), 1);
    EXPECT_EQ(do_concl_of(fact(153, "FHDB")), 1);
    EXPECT_EQ(do_concl_of(fact(156, "FHDB")), 0);
    EXPECT_EQ(do_concl_of(fact(158, "DBE")), 0);
}

// The two statements that once ended in a refusal: the window text and the
// database Show GDD lists, against tests/data/proofs/<name>.txt.
TEST_F(DatabaseIntakeTest, GoldenRunsOfStatementsOnceRefused)
{
    const std::pair<std::string_view, std::string> statements[] = {
        {"EXAMPLE bline\nHYPOTHESES:\nPOINT A B C;\nON_BLINE K A B;\nSHOW: EQDISTANCE K A K B.\n", "gdd_on_bline"},
        {"EXAMPLE centroid\nHYPOTHESES:\nPOINT A B C;\nCENTROID G A B C;\nMIDPOINT M A B;\n"
         "SHOW: COLLINEAR C G M.\n",
         "gdd_centroid"},
    };
    static const std::regex time(R"(Time :[0-9.]+)");
    for (const auto& [statement, name] : statements) {
        SCOPED_TRACE(name);
        const ProveRun run = prove_statement_text(statement, kMethodDatabase, 60);
        const std::string text = "result: " + run.result + "\n" + std::regex_replace(run.window_text, time, "Time :#") +
                                 "\n---- Show GDD ----\n" + listing();
        std::ofstream(dir_ / (name + ".txt"), std::ios::binary) << text;
        EXPECT_EQ(text, read_file(fs::path(PLEXATOR_TEST_DATA) / "proofs" / (name + ".txt")));
    }
}

}  // namespace
