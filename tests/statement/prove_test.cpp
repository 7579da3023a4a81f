// The Prove dispatcher: refusals, order of steps, time-out and abort
// handling, and the four status texts.

#include <string>
#include <sstream>
#include <vector>

#include "facts/gdd.h"
#include "prover/parse_facts.h"
#include "prover/point_names.h"
#include "sem_fixture.h"
#include "statement/examples.h"
#include "statement/kept_statement.h"
#include "statement/statement_forms.h"
#include "statement/table_dump.h"

namespace {

class ProveTest : public SemanticsTest {
protected:
    // A stand-in for a proving method: records what it saw and answers.
    void install(int method, std::function<void()> run, std::function<void()> after = {})
    {
        set_method_entry(method, {std::move(run), std::move(after)});
    }
    void install_answer(int method, int result)
    {
        install(method, [this, result] {
            ran_ = true;
            g_result = result;
        });
    }
    bool ran_ = false;
};

constexpr std::string_view kRefusedNoConclusion = "\r\nNothing to prove\r\n\r\nPlease add a conclusion";
constexpr std::string_view kRefusedIncenter =
    "construction INCENTER is not allowed in the prover.\r\n"
    "Please use construction:\r\n construct a vertex from the incenter and two other vertex.\r\n";

TEST_F(ProveTest, StatusTexts)
{
    const std::pair<int, std::string_view> methods[] = {
        {325, "Area method"}, {326, "GDD method"},     {327, "Wu's method"},
        {328, "G-basis method"}, {329, "Angle method"}, {330, "Vector method"}, {331, ""},
    };
    for (const auto& [m, name] : methods) {
        g_method = m;
        EXPECT_EQ(prove_status().method, name);
    }
    const std::pair<int, std::string_view> results[] = {
        {0, ""}, {1, "Problem Is True"}, {-1, "Problem Is False"}, {2, "Not Solved"}, {-7, "Not Solved"}};
    for (const auto& [r, text] : results) {
        g_result = r;
        EXPECT_EQ(prove_status().result, text);
    }
    g_time = 250;
    EXPECT_EQ(prove_status().time, "Time :0.250000");
    g_time = 0;
    EXPECT_EQ(prove_status().time, "Time :0.000000");
    g_time = -1;
    EXPECT_EQ(prove_status().time, "");
    g_maxterm = 12;
    EXPECT_EQ(prove_status().maxterm, "maxterm: 12");
    g_maxterm = 0;
    EXPECT_EQ(prove_status().maxterm, "");
}

TEST_F(ProveTest, ChoosingAMethodEmptiesTheOtherPanes)
{
    g_result = 1;
    g_time = 1500;
    g_maxterm = 40;
    g_method = kMethodWu;
    select_method();
    EXPECT_EQ(status_count_, 1);
    EXPECT_EQ(shown_.method, "Wu's method");
    EXPECT_EQ(shown_.result, "");
    EXPECT_EQ(shown_.time, "");
    EXPECT_EQ(shown_.maxterm, "");
}

TEST_F(ProveTest, NoConclusionIsRefusedExceptByTheDatabase)
{
    for (int m = kMethodArea; m <= kMethodVector; ++m)
        install_answer(m, 1);
    for (int m = kMethodArea; m <= kMethodVector; ++m) {
        SCOPED_TRACE(m);
        read_stm("POINT A B;\nMIDPOINT M A B;", "NO.", m);
        ran_ = false;
        g_result = 1;
        EXPECT_EQ(cmd_prove(), m == kMethodDatabase ? ProveEnd::Ran : ProveEnd::Refused);
        EXPECT_EQ(ran_, m == kMethodDatabase);
        if (m != kMethodDatabase) {
            EXPECT_EQ(out(), kRefusedNoConclusion);
            EXPECT_EQ(g_abort, 0);
            // Nothing ran: the result pane is empty, not the earlier "true".
            EXPECT_EQ(shown_.result, "");
        }
    }
}

TEST_F(ProveTest, IncenterIsRefusedByEveryMethod)
{
    for (int m = kMethodArea; m <= kMethodVector; ++m)
        install_answer(m, 1);
    for (int m = kMethodArea; m <= kMethodVector; ++m) {
        SCOPED_TRACE(m);
        read_stm("POINT A B C;", "COLLINEAR A B C.", m);
        g_pro_points[4].clear();
        g_pro_points[4].kind = 108;
        g_pro_points[4].name = "I";
        g_pro_points[4].pots = {1, 2, 3, 0, 0, 0, 0, 0};
        g_npoints = 4;
        keep_loaded_statement();  // as a drawing would load it
        ran_ = false;
        EXPECT_EQ(cmd_prove(), ProveEnd::Refused);
        EXPECT_FALSE(ran_);
        EXPECT_EQ(out(), kRefusedIncenter);
        EXPECT_EQ(shown_.method, method_name(m));
    }
}

TEST_F(ProveTest, MethodsNotBuiltAnswerWithAMessage)
{
    set_method_entry(kMethodArea, {});
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    EXPECT_FALSE(method_built(kMethodArea));
    EXPECT_EQ(cmd_prove(), ProveEnd::Refused);
    EXPECT_EQ(out(), "\r\nArea method is not built yet.\r\n");
    EXPECT_EQ(shown_.result, "");
}

TEST_F(ProveTest, TheDatabaseRefusesNoHypothesisAndNoConclusion)
{
    install_answer(kMethodDatabase, 1);
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"POINT A B C;\nCENTROID G A B C;", "COLLINEAR A B C."},
        {"POINT A B C;\nINVERSION G A B C;", "COLLINEAR A B C."},
        {"POINT A B C;\nLRATIO G A B 1 2;", "COLLINEAR A B C."},
        {"POINT A B C;\nON_BLINE G A B;", "COLLINEAR A B C."},
        {"POINT A B C;\nHARMONIC G A B C;", "COLLINEAR A B C."},
        {"POINT A B C;\nCONSTANT (AREA A B C) - 1;", "COLLINEAR A B C."},
        // Conclusions the database cannot hold end not proved in the method.
        {"POINT A B C D;", "TANGENT A B C D."},
        {"POINT A B C D;", "x = 2."},
    };
    for (const auto& [hyps, show] : cases) {
        SCOPED_TRACE(std::string(hyps) + " " + std::string(show));
        read_stm(hyps, show);
        ASSERT_EQ(g_abort, 0) << out();
        EXPECT_EQ(method_refusal(kMethodDatabase), "");
        ran_ = false;
        EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
        EXPECT_TRUE(ran_);
    }
}

TEST_F(ProveTest, TheDatabaseTakesItsOwnKinds)
{
    install_answer(kMethodDatabase, 1);
    read_stm("POINT A B C D E;\nCIRCLE P Q R S;\nINTERSECTION_LS X A B P Q R;\nINTERSECTION_SS Y A B C D E P;\n"
             "REFLECTION Z A B C;\nCOLLINEAR A B D;\nEQ_TRIANGLE T A B;",
             "COLLINEAR A B C.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_EQ(method_refusal(kMethodDatabase), "");
    EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
    EXPECT_TRUE(ran_);
}

TEST_F(ProveTest, ReaderFactsComeBackBeforeTheHypothesisFacts)
{
    // The reader entered the circle through P, Q, R, S and the facts of
    // INTERSECTION_LS; Prove empties the database and must enter them again.
    read_stm("POINT A B;\nCIRCLE P Q R S;\nINTERSECTION_LS X A B P Q R;\nMIDPOINT M A B;", "COLLINEAR A B X.");
    ASSERT_EQ(g_abort, 0) << out();
    const int X = pt("X"), M = pt("M"), P = pt("P"), Q = pt("Q"), R = pt("R"), S = pt("S");
    bool circle = false, line = false, mid = false;
    std::vector<std::int32_t> queued;
    install(kMethodDatabase, [&] {
        circle = xcir_4p(0, P, Q, R, S) && xcir_4p(0, X, P, Q, R);
        line = xcoll(X, 1, 2);
        mid = xmid(M, 1, 2);
        for (Gdd_cond* c = g_cond_queue.first; c; c = c->next)
            queued.push_back(c->type);
        g_result = 1;
    });
    EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
    EXPECT_TRUE(circle);
    EXPECT_TRUE(line);
    EXPECT_TRUE(mid);
    // The reader's circle is announced first, the midpoint last.
    ASSERT_FALSE(queued.empty());
    EXPECT_EQ(queued.front(), kCondCyclic);
    EXPECT_EQ(queued.back(), kCondColl);
    // A second Prove finds the same database, not a doubled one.
    const auto circles = g_cir_list.size();
    EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
    EXPECT_EQ(g_cir_list.size(), circles);
}

TEST_F(ProveTest, TheMethodRunsTimedAndItsProofFollows)
{
    std::vector<std::string> steps;
    std::uint32_t now = 5000;
    set_prover_clock([&] { return now; });
    install(
        kMethodDatabase,
        [&] {
            steps.push_back(fmt("run timing=%u tstart=%u maxterm_on=%u", g_timing, g_tstart, g_maxterm_on));
            now += 250;
            g_time += 250;
            g_result = 1;
        },
        [&] { steps.push_back("after"); });
    ASSERT_TRUE(load_example(315));
    g_result = -1;
    EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], "run timing=1 tstart=5000 maxterm_on=0");
    EXPECT_EQ(steps[1], "after");
    EXPECT_EQ(g_timing, 0u);
    EXPECT_EQ(shown_.method, "GDD method");
    EXPECT_EQ(shown_.result, "Problem Is True");
    EXPECT_EQ(shown_.time, "Time :0.250000");
    EXPECT_EQ(shown_.maxterm, "");
}

TEST_F(ProveTest, TimeOut)
{
    std::uint32_t now = 0;
    set_prover_clock([&] { return now; });
    g_timelimit = 1000;
    bool after = false;
    install(
        kMethodDatabase,
        [&] {
            gprint("partial proof");
            for (;;) {
                now += 300;
                check_time();
            }
        },
        [&] { after = true; });
    ASSERT_TRUE(load_example(315));
    g_result = 1;  // an earlier proof
    EXPECT_EQ(cmd_prove(), ProveEnd::TimedOut);
    EXPECT_FALSE(after);
    EXPECT_EQ(out(),
              "\r\n\r\nThe program is terminated after running 1().\r\n"
              "You may reset a maximal proof time for the prover\r\n"
              "with the Prove menu\r\n");
    EXPECT_EQ(g_timing, 0u);
    EXPECT_EQ(shown_.result, "Not Solved");
    // The statement stays for the next Prove.
    EXPECT_EQ(g_npoints, 5);
    // The limit is told in whole seconds.
    g_timelimit = 2999;
    now = 0;
    install(kMethodDatabase, [&] {
        now = 3000;
        check_time();
    });
    EXPECT_EQ(cmd_prove(), ProveEnd::TimedOut);
    EXPECT_EQ(out().substr(0, 47), "\r\n\r\nThe program is terminated after running 2()");
    g_timelimit = 60000;
}

TEST_F(ProveTest, AnErrorOfTheMethodLeavesNoStaleResult)
{
    bool after = false;
    install(
        kMethodDatabase, [] { gerror("forward: wrong type of predicates"); }, [&] { after = true; });
    ASSERT_TRUE(load_example(315));
    g_result = 1;
    EXPECT_EQ(cmd_prove(), ProveEnd::Aborted);
    EXPECT_FALSE(after);
    EXPECT_EQ(out(), error_text("forward: wrong type of predicates"));
    EXPECT_EQ(shown_.result, "Not Solved");
    EXPECT_EQ(status_count_, 1);
}

TEST_F(ProveTest, AnOverflowEndsTheProofNotTheProgram)
{
    std::ostringstream latex;
    install(kMethodDatabase, [&] {
        g_outfile = &latex;
        prover_fatal("MAX_GEO of ln overflow");
    });
    ASSERT_TRUE(load_example(315));
    g_result = 1;
    EXPECT_EQ(cmd_prove(), ProveEnd::Aborted);
    EXPECT_EQ(g_outfile, nullptr);  // later output goes to the window
    EXPECT_EQ(g_timing, 0u);
    EXPECT_EQ(shown_.result, "Not Solved");
    gprint("after");
    EXPECT_EQ(out().substr(out().size() - 5), "after");
}

TEST_F(ProveTest, TooShortAStatementShowsTheInputHelp)
{
    install_answer(kMethodDatabase, 1);
    read_stm("POINT A;", "NO.");
    gprint("old text");
    g_result = 1;
    EXPECT_EQ(cmd_prove(), ProveEnd::Refused);
    EXPECT_FALSE(ran_);
    EXPECT_EQ(out(),
              "\r\n There is nothing to prove\r\n\r\n"
              "You may input a problem with three ways:\r\n"
              " 1. Use the graphic editor.\r\n"
              " 2. Use the this editor window to enter or load\r\n"
              "    a problem, and then use the Prove-Select-Input\r\n"
              "    menu item to select the problem.\r\n"
              " 3. Use the Example menu to select a built-in example.\r\n");
    EXPECT_EQ(shown_.result, "");
}

TEST_F(ProveTest, ProveStartsFromAClearedWindow)
{
    install(kMethodDatabase, [] { gprint("proof"); });
    ASSERT_TRUE(load_example(316));
    gprint("the statement text");
    EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
    EXPECT_EQ(out(), "proof");
}

TEST_F(ProveTest, FreePointsFirst)
{
    read_stm("POINT A B;\nMIDPOINT C A B;\nMIDPOINT D B C;\nPOINT E;\nMIDPOINT F D E;", "COLLINEAR C D F.");
    // The reader numbers free points first; put them back in statement order.
    ASSERT_EQ(dump_statement(), "1 A 101\n2 B 101\n3 E 101\n4 C 103 A B\n5 D 103 B C\n6 F 103 D E\n"
                                "concl 148 C D F\n");
    std::swap(g_pro_points[3], g_pro_points[4]);
    std::swap(g_pro_points[4], g_pro_points[5]);
    // Now A B C D E F; references by number.
    g_pro_points[3].pots = {1, 2, 0, 0, 0, 0, 0, 0};
    g_pro_points[4].pots = {2, 3, 0, 0, 0, 0, 0, 0};
    g_pro_points[6].pots = {4, 5, 0, 0, 0, 0, 0, 0};
    g_concl.p = {3, 4, 6, 0, 0, 0, 0, 0};
    ASSERT_EQ(dump_statement(), "1 A 101\n2 B 101\n3 C 103 A B\n4 D 103 B C\n5 E 101\n6 F 103 D E\n"
                                "concl 148 C D F\n");
    free_points_first();
    EXPECT_EQ(dump_statement(), "1 A 101\n2 B 101\n3 E 101\n4 C 103 A B\n5 D 103 B C\n6 F 103 D E\n"
                                "concl 148 C D F\n");
}

TEST_F(ProveTest, FreePointsFirstRenumbersTheReadersFacts)
{
    read_stm("POINT A;\nCIRCLE P Q R;\nPOINT B;", "NO.", kMethodArea);
    ASSERT_EQ(g_abort, 0) << out();
    // A and B are free (1, 2); the circle's points follow.
    g_pro_points[1].kind = 110;  // record 1 stays where it is in any case
    std::swap(g_pro_points[2], g_pro_points[5]);
    // Now: 1 A, 2 R, 3 P, 4 Q, 5 B; the circle names 3 4 2.
    g_parse_facts.back().pts = {2, 3, 4};
    free_points_first();
    EXPECT_EQ(pt_name(2), "B");
    EXPECT_EQ(pt_name(3), "R");
    EXPECT_EQ(g_parse_facts.back().pts, (std::vector<int>{3, 4, 5}));
}

}  // namespace

namespace {

TEST_F(ProveTest, WuAndGroebnerRefuseRecordsWithoutEquations)
{
    for (int m : {kMethodWu, kMethodGroebner}) {
        SCOPED_TRACE(m);
        install_answer(m, 1);
        const std::string name(method_name(m));
        // A CIRCLE line of more than three points: its centre record and the
        // further points speak like a circumcentre and points on a circle.
        read_stm("CIRCLE A B C D;", "COLLINEAR A B C.", m);
        ASSERT_EQ(g_abort, 0) << out();
        ran_ = false;
        EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
        EXPECT_TRUE(ran_);
        read_stm("POINT A B C;\nHARMONIC X A B C;", "COLLINEAR A B X.", m);
        EXPECT_EQ(cmd_prove(), ProveEnd::Refused);
        EXPECT_EQ(out(), "\r\n" + name + " cannot use the hypothesis\r\nHARMONIC X A B C;\r\n");
        // Three circle points are free; hypothesis predicates have equations.
        read_stm("CIRCLE A B C;\nPOINT D;\nCOLLINEAR A B D;", "COLLINEAR A B D.", m);
        ran_ = false;
        EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
        EXPECT_TRUE(ran_);
    }
}

TEST_F(ProveTest, CircleLinesOfWuReadBack)
{
    read_stm("POINT P;\nCIRCLE A B C D E;", "COCIRCLE A B C D.", kMethodWu);
    ASSERT_EQ(g_abort, 0) << out();
    const std::string table = dump_statement();
    clear_output();
    show_statement();
    const std::string text = out();
    EXPECT_EQ(text.substr(text.find("POINT P;")),
              "POINT P;\r\nCIRCLE A B C D E;\r\nSHOW:  COCIRCLE A B C D.\r\n");
    read(text, kMethodWu);
    EXPECT_EQ(dump_statement(), table);
}

}  // namespace
