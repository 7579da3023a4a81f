#include "poly_test_util.h"

using namespace polytest;

namespace {

class PrintTest : public PolyTest {};

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

}  // namespace
