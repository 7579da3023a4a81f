// The fact printer: text and LaTeX forms, angles, lookups, equality,
// triviality and the database test of a predicate.

#include "proof_fixture.h"

#include "gdd/fact_text.h"
#include "gdd/gdd_display.h"

namespace gddproof {
namespace {

using FactTextTest = ProofTest;

struct FormCase {
    std::int32_t kind;
    std::initializer_list<int> pts;
    const char* text;
    const char* latex;
};

TEST_F(FactTextTest, PointFormsInTextAndLatex)
{
    const FormCase cases[] = {
        {148, {A, B, C}, "A,B,Clines\r\n", "$A,B,C$lines\r\n"},
        {148, {A, 0, C, 0, E}, "A,C,Elines\r\n", "$A,C,E$lines\r\n"},
        {149, {A, B, C, D}, "AB\u2225CD", "$AB \\parallel CD$"},
        {150, {A, B, C, D}, "AB \u22A5 CD", "$AB\\bot CD$"},
        {151, {A, B, C}, "midp:[A,BC]", "midp:[$A,BC$]"},
        {152, {O, A, B}, "OA = OB", "$OA = OB$"},
        {152, {0, A, B, C, D}, "cyclic:[A,B,C,D]", "cyclic:[$A,B,C,D$]"},
        {152, {O, A, B, C}, "cyclic:[(O)A,B,C]", "cyclic:[$(O)A,B,C$]"},
        {153, {A, B, C, D}, "AB = CD", "$AB = CD$"},
        {154, {A, B, C, D, E, F, G, H}, "\u2220[AB,CD] = \u2220[EF,GH]", "$\u2220[AB,CD] = \u2220[EF,GH]$"},
        {155, {A, B, C, D, E, F, G, H}, "AB*GH = CD*EF", "$AB*GH = CD*EF$"},
        {236, {A, B, C, D, E, F}, "CON_TRIANGLE\u00CE[ABC,DEF]", "CON_TRIANGLE\u00CE$[ABC,DEF]$"},
        {237, {A, B, C, D, E, F}, "SIM_TRIANGLE[ABC,DEF]", "SIM_TRIANGLE$[ABC,DEF]$"},
        {1905, {A, B, C, D}, "Orthocenter[$A,BCD$](perp[$AB,CD$], perp[$AC,BD$]) ",
         "Orthocenter[$A,BCD$](perp[$AB,CD$], perp[$AC,BD$]) "},
        {1906, {A, B, C, D}, "Incenter[$A,BCD$]", "Incenter[$A,BCD$]"},
        {0, {A, B}, "", ""},
        {999, {A, B}, "co-pred (999) error", "co-pred (999) error"},
    };
    for (const FormCase& c : cases) {
        Gdd_cond f = fact(c.kind, c.pts);
        g_latex = 0;
        out.clear();
        EXPECT_EQ(show_fact(&f, nullptr, kFactPrint), 0);
        EXPECT_EQ(out.text(), c.text) << "kind " << c.kind;
        g_latex = 1;
        out.clear();
        print_fact(f);
        EXPECT_EQ(out.text(), c.latex) << "kind " << c.kind;
    }
}

TEST_F(FactTextTest, AnglesWriteTheSharedPointFirst)
{
    EXPECT_EQ(angle_text(A, B, C, A), "\u2220[AB,AC]");
    EXPECT_EQ(angle_text(A, B, B, C), "\u2220[BA,BC]");
    EXPECT_EQ(angle_text(A, B, C, B), "\u2220[BA,BC]");
    EXPECT_EQ(angle_text(A, B, A, C), "\u2220[AB,AC]");
    EXPECT_EQ(angle_text(A, B, C, D), "\u2220[AB,CD]");
    out.clear();
    print_fact(fact(154, {A, B, B, C, D, E, E, F}));
    EXPECT_EQ(out.text(), "\u2220[BA,BC] = \u2220[ED,EF]");
}

TEST_F(FactTextTest, GeneratedNamesPrintWhole)
{
    name_points(3);
    g_npoints = 4;
    g_pro_points[4].name = "A_{12}";
    out.clear();
    print_fact(fact(150, {A, 4, B, C}));
    EXPECT_EQ(out.text(), "AA_{12} \u22A5 BC");
}

TEST_F(FactTextTest, RecordFactPrintsTheRecordForm)
{
    add_line(0, A, B, C);
    add_tline(0, D, E, F, G);
    Gdd_cond line = fact(148, {});
    line.obj = g_ln_list.first;
    Gdd_cond pair = fact(150, {});
    pair.obj = g_tn_list.first;
    out.clear();
    print_fact(line);
    EXPECT_EQ(out.text(), "A ,B ,C lines\r\n");
    out.clear();
    print_fact(pair);
    EXPECT_EQ(out.text(), "perp[D ,E ; F ,G ]");
    // A cyclic fact with points but no centre is a point fact.
    add_cir3(0, 0, A, B, C);
    Gdd_cond cyc = fact(152, {0, A, B, C});
    EXPECT_FALSE(is_record_fact(cyc));
    cyc = fact(152, {});
    cyc.obj = g_cir_list.first;
    EXPECT_TRUE(is_record_fact(cyc));
    out.clear();
    print_fact(cyc);
    EXPECT_EQ(out.text(), "circle[ABC]");
}

TEST_F(FactTextTest, LookupStoresTheRecordHoldingTheFact)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    add_pline(0, A, B, E, F);
    add_tline(0, A, B, G, H);
    add_mid(0, M, A, B);
    add_cir3(0, O, A, C, D);
    add_cong(0, 0, A, C, E, F);

    struct Case {
        Gdd_cond f;
        const void* rec;
    };
    const Case cases[] = {
        {fact(148, {D, C, A, B}), g_ln_list.first},
        {fact(148, {D, C, E}), nullptr},
        {fact(149, {F, E, B, A}), g_pn_list.first},
        {fact(150, {G, H, B, D}), g_tn_list.first},
        {fact(151, {M, B, A}), g_mid_list.first},
        {fact(152, {O, D, A}), g_cir_list.first},
        {fact(152, {0, A, C, D}), g_cir_list.first},
        {fact(152, {E, A, C, D}), nullptr},
        {fact(153, {F, E, C, A}), g_cg_list.first},
        {fact(153, {A, B, E, F}), nullptr},
    };
    for (const Case& c : cases) {
        Gdd_cond f = c.f;
        f.obj = &f;  // replaced by the lookup
        EXPECT_EQ(show_fact(&f, nullptr, kFactLookup), 0);
        EXPECT_EQ(f.obj, c.rec) << "kind " << f.type;
    }
    // A record fact keeps the record it names.
    Gdd_cond rec = fact(149, {});
    rec.obj = g_pn_list.first;
    show_fact(&rec, nullptr, kFactLookup);
    EXPECT_EQ(rec.obj, g_pn_list.first);
}

TEST_F(FactTextTest, EqualityAllowsTheSymmetriesOfEachKind)
{
    struct Case {
        Gdd_cond a, b;
        bool equal;
    };
    const Case cases[] = {
        {fact(149, {A, B, C, D}), fact(149, {D, C, B, A}), true},
        {fact(149, {A, B, C, D}), fact(149, {B, A, C, D}), true},
        {fact(149, {A, B, C, D}), fact(149, {A, C, B, D}), false},
        {fact(150, {A, B, C, D}), fact(150, {C, D, A, B}), true},
        {fact(150, {A, B, C, D}), fact(149, {A, B, C, D}), false},
        {fact(151, {A, B, C}), fact(151, {A, C, B}), true},
        {fact(151, {A, B, C}), fact(151, {B, A, C}), false},
        {fact(152, {O, A, B, C}), fact(152, {O, C, A, B}), true},
        {fact(152, {O, A, B, C}), fact(152, {0, A, B, C}), false},
        {fact(152, {}), fact(152, {0, A, B, C}), false},  // a whole circle is not any circle
        {fact(153, {A, B, C, D}), fact(153, {B, A, D, C}), true},
        {fact(153, {A, B, C, D}), fact(153, {C, D, A, B}), true},
        {fact(153, {A, B, C, D}), fact(153, {D, C, B, A}), true},
        {fact(153, {A, B, C, D}), fact(153, {A, B, D, C}), false},
        {fact(154, {A, B, C, D, E, F, G, H}), fact(154, {A, B, C, D, E, F, G, H}), true},
        {fact(154, {A, B, C, D, E, F, G, H}), fact(154, {E, F, G, H, A, B, C, D}), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(show_fact(const_cast<Gdd_cond*>(&c.a), &c.b, kFactEqual), c.equal ? 1 : 0)
            << "kind " << c.a.type;
}

TEST_F(FactTextTest, RecordFactsAreEqualOnlyForTheSameRecord)
{
    add_line(0, A, B, C);
    add_line(0, D, E, F);
    Gdd_cond x = fact(148, {});
    Gdd_cond y = fact(148, {});
    x.obj = g_ln_list.first;
    y.obj = g_ln_list.last;
    EXPECT_FALSE(fact_equal(x, y));
    y.obj = x.obj;
    EXPECT_TRUE(fact_equal(x, y));
}

TEST_F(FactTextTest, TrivialFacts)
{
    EXPECT_TRUE(fact_trivial(fact(148, {A, A, B})));
    EXPECT_TRUE(fact_trivial(fact(148, {A, B, B})));
    EXPECT_FALSE(fact_trivial(fact(148, {A, B, C})));
    EXPECT_TRUE(fact_trivial(fact(149, {A, A, C, D})));
    EXPECT_TRUE(fact_trivial(fact(150, {A, B, C, C})));
    EXPECT_TRUE(fact_trivial(fact(153, {A, A, B, B})));
    EXPECT_FALSE(fact_trivial(fact(153, {A, A, B, C})));
    EXPECT_FALSE(fact_trivial(fact(151, {A, A, A})));
    EXPECT_FALSE(fact_trivial(fact(148, {0, A, A})));
    Gdd_cond f = fact(149, {A, B, C, C});
    EXPECT_EQ(show_fact(&f, nullptr, kFactTrivial), 1);
}

TEST_F(FactTextTest, DatabaseTestOfEachPredicate)
{
    add_line(0, A, B, C);
    add_pline(0, A, B, D, E);
    add_tline(0, A, B, F, G);
    add_mid(0, M, D, E);
    add_cir4(0, 0, H, I, J, K);
    add_cong(0, 0, A, D, B, E);
    EXPECT_TRUE(gdd_fact_holds(fact(148, {C, A, B})));
    EXPECT_TRUE(gdd_fact_holds(fact(149, {D, E, A, C})));
    EXPECT_TRUE(gdd_fact_holds(fact(150, {G, F, B, C})));
    EXPECT_TRUE(gdd_fact_holds(fact(151, {M, E, D})));
    EXPECT_TRUE(gdd_fact_holds(fact(152, {0, K, J, I, H})));
    EXPECT_TRUE(gdd_fact_holds(fact(153, {E, B, D, A})));
    EXPECT_FALSE(gdd_fact_holds(fact(153, {E, B, D, C})));
    EXPECT_FALSE(gdd_fact_holds(fact(150, {D, E, F, G})));
    // [AB, BC] = [DE, ED]: both angles are zero (each pair of lines is one
    // line), which holds without an equal-angle record.
    EXPECT_TRUE(gdd_fact_holds(fact(154, {A, B, B, C, D, E, E, D})));
    EXPECT_FALSE(gdd_fact_holds(fact(154, {A, B, B, F, D, E, E, F})));
    for (std::int32_t kind : {156, 157, 158, 1111, 1112})
        EXPECT_FALSE(gdd_fact_holds(fact(kind, {A, B, C, D})));
}

}  // namespace
}  // namespace gddproof
