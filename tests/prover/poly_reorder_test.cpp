// Polynomials built before some of their variables changed kind, brought
// back to canonical form: the same polynomial, canonical under the new order.

#include <random>
#include <vector>

#include "poly_test_util.h"

namespace {

using namespace polytest;

class PolyReorderTest : public PolyTest {};

TEST_F(PolyReorderTest, NamedVariablesMadeParametersKeepThePolynomial)
{
    std::mt19937 rng(17);
    const std::vector<var_rec*> named = {mk_var_name("z"), mk_var_name("m"), mk_var_name("k"), mk_var_name("a")};
    var_rec* const x = mk_ivar(2);  // a coordinate, above every parameter
    var_rec* const u = mk_ivar(-1);  // a coordinate parameter, between the two kinds
    int reordered = 0;
    for (int n = 0; n < 300; ++n) {
        for (var_rec* v : named)
            v->type = kVarNamed;
        std::vector<var_rec*> order = {x, u};
        order.insert(order.end(), named.begin(), named.end());
        xterm* p = random_poly(rng, order, 0, 2);
        ASSERT_EQ(canonical_fault(p), "");
        Point at;
        for (var_rec* v : order)
            at[v] = rng() % kMod;
        const std::uint64_t value = eval(p, at);
        for (var_rec* v : named)
            if (rng() % 3 == 0)
                v->type = kVarParam;
        const bool was_canonical = canonical_fault(p).empty();
        EXPECT_EQ(pcanonical(p), was_canonical) << poly_text(p, 0);
        xterm* const q = p_reorder(p);
        reordered += !was_canonical;
        EXPECT_EQ(canonical_fault(q), "") << poly_text(q, 0);
        EXPECT_EQ(eval(q, at), value);
        put_p(q);
    }
    EXPECT_GE(reordered, 100);
}

}  // namespace
