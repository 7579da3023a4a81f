// The reader's arithmetic at its bounds; expression_test reads the values it refuses.

#include <string>

#include "prover/poly.h"
#include "statement/value_bounds.h"
#include "stm_fixture.h"

namespace {

using BoundedArithmeticTest = StatementTest;

// At bounds of one word every comparison meets its boundary: a term with an
// inline coefficient or a number of 19 digits is within them, a second term
// or a 20th digit past them. Degrees of one variable add up to the kernel's
// limit. Refused operands go back to the pools.
TEST_F(BoundedArithmeticTest, ProductsSumsNumbersAndDegreesMeetTheirBounds)
{
    BoundedArithmetic arithmetic({1, 1});
    const auto reads = [](xterm* p) { return PolyPtr(p) != nullptr; };
    const auto x = [] { return get_m_name("x"); };
    const auto to = [](const char* name, int d) { return get_md(mk_var_name(name), d, get_n(1)); };
    EXPECT_TRUE(reads(arithmetic.times(x(), get_n(-7))));
    EXPECT_FALSE(reads(arithmetic.times(pplus(x(), get_n(1)), x())));
    EXPECT_FALSE(reads(arithmetic.plus(x(), get_n(1))) || reads(arithmetic.minus(x(), get_n(1))));
    EXPECT_FALSE(reads(arithmetic.power(pplus(x(), get_n(1)), 9)));
    EXPECT_TRUE(reads(arithmetic.number(std::string(19, '9'))) && !reads(arithmetic.number(std::string(20, '9'))));
    EXPECT_TRUE(reads(arithmetic.times(to("k", 30000), to("k", 35535))));
    EXPECT_FALSE(reads(arithmetic.times(to("k", 30000), to("k", 35536))));
    EXPECT_TRUE(reads(arithmetic.times(to("k", 40000), to("j", 40000))));
    EXPECT_EQ(pool_stats().xterm_in_use() + pool_stats().dterm_in_use(), 0u);
}

}  // namespace
