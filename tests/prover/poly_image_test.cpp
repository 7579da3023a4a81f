// A polynomial carried over a reset of the pools and the variable table comes
// back equal, with coefficients of any size and its variables interned anew.

#include "poly_test_util.h"
#include "prover/poly_image.h"

using namespace polytest;

namespace {

class PolyImageTest : public PolyTest {};

TEST_F(PolyImageTest, PolynomialsOutliveAResetOfThePools)
{
    const char* const cases[] = {
        "0",
        "-7",
        "x3^2*(x1-5) + u1*w - 9223372036854775807",
        "(2*x1 + 3)^70",                       // coefficients past 64 bits
        "-(3*x2 - x1*u2)^45 + 1000000000000000000",
        "(x1 + x2 + x3 + 1)^12",
    };
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        xterm* p = P(c);
        const std::string before = poly_text(p, 0);
        const PolyImage image(p);
        put_p(p);
        init_pools();
        EXPECT_EQ(var_count(), 0u);
        xterm* q = image.build();
        EXPECT_EQ(poly_text(q, 0), before);
        xterm* fresh = P(c);  // its variables are the new table's records
        EXPECT_TRUE(peq(q, fresh));
        put_p(fresh);
        put_p(q);
    }
    EXPECT_EQ(PolyImage(nullptr).build(), nullptr);
}

}  // namespace
