#include "poly_test_util.h"

using namespace polytest;

namespace {

class PrintTest : public PolyTest {};

TEST_F(PrintTest, TextForms)
{
    struct Case {
        const char* poly;
        const char* text;
    } cases[] = {
        {"x3*(x2+1) + 3", "(x2+1)x3+3"},
        {"(x1-1)^2", "x1^{2}-2x1+1"},
        {"0", "0"},
        {"-12", "-12"},
        {"-x1", "-x1"},
        {"-x1 - 1", "-x1-1"},
        {"x1 + 1", "x1+1"},
        {"3x1^3 - x1^2 + x1 - 5", "3x1^{3}-x1^{2}+x1-5"},
        {"x2*x1 + 2x2", "(x1+2)x2"},
        {"x2^2 - x2*x1", "x2^{2}-x1x2"},             // one-leaf coefficient, negative
        {"x2^2 + 4x2*x1", "x2^{2}+4x1x2"},            // one-leaf coefficient, positive
        {"x3^2 + x3*x2*(x1+1)", "x3^{2}+(x1+1)x2x3"}, // one term in its variable
        {"x3^2 + x3*(x2+x1)", "x3^{2}+(x2+x1)x3"},    // several terms: parentheses
        {"x2 + x1 + 1", "x2+x1+1"},                   // degree 0, no parentheses
        {"x2 - x1 + 1", "x2-x1+1"},                   // degree 0 starting with a minus
        {"x2 - 2x1^2 + 1", "x2-2x1^{2}+1"},
        {"x3 - x2*x1 + 1", "x3-x1x2+1"},              // negative one-leaf initial
        {"x3 + x2*(x1+1) + 1", "x3+(x1+1)x2+1"},
        {"x2*(-x1 - 1)", "(-x1-1)x2"},
        {"u2*x1 + a", "u2x1+a"},
    };
    for (const auto& c : cases) {
        PolyPtr p(P(c.poly));
        EXPECT_EQ(poly_text(p.get(), 0), c.text) << c.poly;
    }
    EXPECT_EQ(poly_text(nullptr, 0), "NULL");
}

TEST_F(PrintTest, PrintGoesThroughGprint)
{
    PolyPtr p(P("x3*(x2+1) + 3"));
    pprint(p.get(), 0);
    pprint_ln(p.get());
    pprint_eq0(p.get());
    EXPECT_EQ(out_.text(), "(x2+1)x3+3(x2+1)x3+3\r\n(x2+1)x3+3=0\r\n");
}

TEST_F(PrintTest, LongSumsAreBrokenAtSixtyColumns)
{
    PolyPtr p(P("(x1+1)^30"));
    const std::string text = poly_text(p.get(), 0);
    ASSERT_NE(text.find("\r\n  "), std::string::npos);
    std::size_t start = 0;
    for (std::size_t br; (br = text.find("\r\n  ", start)) != std::string::npos; start = br + 4)
        EXPECT_LT(br - start, 80u) << text;
    // Taking the breaks out gives the unbroken form back.
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 4, "\r\n  ") == 0)
            i += 3;
        else
            joined += text[i];
    }
    EXPECT_EQ(joined.rfind("x1^{30}+30x1^{29}+435x1^{28}", 0), 0u);
    EXPECT_EQ(joined.substr(joined.size() - 6), "30x1+1");
    PolyPtr shortp(P("x1^2+x1+1"));
    EXPECT_EQ(poly_text(shortp.get(), 0).find('\r'), std::string::npos);
}

TEST_F(PrintTest, SizeLines)
{
    struct Case {
        const char* poly;  // nullptr: no polynomial
        const char* line;
    } cases[] = {
        {"(x1-1)^2", "Index: (x1, 2, 3) "},
        {"0", "Index: (0,0,0) "},
        {"7", "Index: (0,0,1) "},
        {"w^3 + w", "Index: (w, 3, 2) "},
        {"u3^2 + u1", "Index: (u3, 2, 2) "},
        {"x4*x2 + x3 + x1 + 1", "Index: (x4, 1, 4) "},
        {nullptr, "()"},
    };
    for (const auto& c : cases) {
        PolyPtr p(c.poly ? P(c.poly) : nullptr);
        EXPECT_EQ(index_text(p.get()), c.line) << (c.poly ? c.poly : "null");
    }
    PolyPtr named(P("w^2 - 3"));
    named->var = mk_cvar("w");  // same record: a parameter named like a variable
    EXPECT_EQ(index_text(named.get()), "Index: (w, 2, 2) ");
    PolyPtr p(P("x1^2-2x1+1"));
    pprint_index(p.get());
    EXPECT_EQ(out_.text(), "Index: (x1, 2, 3) ");
}

TEST_F(PrintTest, PolynomialLists)
{
    print_plist(nullptr);
    EXPECT_EQ(out_.text(), "NULL\r\n");
    out_.clear();
    dterm* list = get_dt(0, P("x1-1"), get_dt(1, P("(x2+x1+1)^4"), nullptr));
    print_plist(list);
    // The second polynomial has 15 leaves and is printed; a larger one is not.
    EXPECT_EQ(out_.text().rfind("\r\nIndex: (x1, 1, 2) \r\nx1-1\r\n\r\nIndex: (x2, 4, 15) \r\nx2^{4}", 0), 0u);
    put_dts(list);
    out_.clear();
    list = get_dt(0, P("(x2+x1+x3+1)^3"), nullptr);
    print_plist(list);
    EXPECT_EQ(out_.text(), "\r\nIndex: (x3, 3, 20) \r\n");
    put_dts(list);
}

TEST_F(PrintTest, LatexFormUsesTheVariablesLatexForm)
{
    prover_init();
    g_trace = 0;
    g_pro_points[1].name = "A";
    g_pro_points[2].name = "B";
    g_pro_points[3].name = "C";
    g_method = kMethodArea;
    PolyPtr p(ptimes(get_m(mk_var(kVarArea, 1, 2, 3, 3)), P("x1^2 + 1")));
    EXPECT_EQ(poly_text(p.get(), 0), "(x1^{2}+1)S(ABC)");
    EXPECT_EQ(poly_text(p.get(), 1), "(x1^{2}+1)\\t{ABC}");
    prover_init();
    g_trace = 0;
}

TEST_F(PrintTest, ConditionCopy)
{
    Gdd_cond src, dst, link;
    src.type = 150;
    src.number = 7;
    src.p = {1, 2, 3, 4, 0, 0, 0, 0};
    src.next = &link;
    dst.number = 3;
    cp_cond(src, dst);
    EXPECT_EQ(dst.type, 150);
    EXPECT_EQ(dst.p, src.p);
    EXPECT_EQ(dst.next, &link);
    EXPECT_EQ(dst.number, 3u);  // left alone
}

}  // namespace
