// Quotient records: factor splitting, cancellation of common factors and the
// small list operations of the area method.

#include <string>

#include "algebra/area_quot.h"
#include "algebra/plist.h"
#include "area_fixture.h"
#include "prover/prover.h"

namespace {

class AreaQuotTest : public AreaTest {
protected:
    static xterm* x() { return get_m(mk_var_name("x")); }
    static xterm* y() { return get_m(mk_var_name("y")); }
    static xterm* n(coef_t v) { return get_n(v); }

    // "e:poly" for each cell.
    static std::string list_text(const dterm* list)
    {
        std::string s;
        for (; list; list = list->next)
            s += (s.empty() ? "" : " ") + std::to_string(list->deg) + ":" + poly_text(list->coef, 0);
        return s;
    }
    static std::string rec_text(const quot_rec* r)
    {
        return poly_text(r->nc, 0) + "[" + list_text(r->np) + "] = " + poly_text(r->dc, 0) + "[" +
               list_text(r->dp) + "] type " + std::to_string(r->type);
    }
};

}  // namespace

TEST_F(AreaQuotTest, QuotSimpCancelsCommonFactors)
{
    // 2 (x)^2 = 4 (x) becomes 1 (x) = 2, with 2 and x cancelled.
    quot_rec* r = new_ratio_rec(n(2), get_dt(2, x(), nullptr), n(4), get_dt(1, x(), nullptr), 5);
    const quot_rec* s = quot_simp(r);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rec_text(s), "1[1:x] = 2[] type -1");
    EXPECT_EQ(list_text(s->cancelled), "1:2 1:x");
    // The record itself is left as it was.
    EXPECT_EQ(rec_text(r), "2[2:x] = 4[1:x] type 5");
}

TEST_F(AreaQuotTest, QuotSimpKeepsTheSignAsAFactor)
{
    // -(x + y) = (y) keeps -1 as a factor of its own, nothing cancels.
    quot_rec* r = new_ratio_rec(n(1), get_dt(1, neg_poly(pplus(x(), y())), nullptr), n(1), get_dt(1, y(), nullptr), 4);
    EXPECT_EQ(quot_simp(r), nullptr);
    dterm* f = plist_factor(cp_dterms(r->np));
    EXPECT_EQ(list_text(f), "1:-1 1:y+x");
    put_dts(f);
}

TEST_F(AreaQuotTest, QuotSimpOfZeroSides)
{
    // Both sides zero: the record 0 = 0.
    quot_rec* both = new_ratio_rec(n(1), get_dt(1, n(0), nullptr), n(0), nullptr, 4);
    const quot_rec* s = quot_simp(both);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rec_text(s), "0[] = 0[] type -2");

    // A zero numerator against a single irreducible factor: unchanged.
    quot_rec* one = new_ratio_rec(n(1), get_dt(1, n(0), nullptr), n(1), get_dt(1, pplus(x(), y()), nullptr), 4);
    EXPECT_EQ(quot_simp(one), nullptr);

    // Against a factor that splits further: the split denominator alone.
    quot_rec* split = new_ratio_rec(n(0), nullptr, n(1), get_dt(1, ptimes(x(), pplus(x(), y())), nullptr), 4);
    s = quot_simp(split);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(rec_text(s), "0[] = 1[1:x 1:y+x] type -2");

    // Coefficients both zero: nothing to do.
    EXPECT_EQ(quot_simp(new_ratio_rec(n(0), nullptr, n(0), nullptr, 4)), nullptr);
}

TEST_F(AreaQuotTest, FreePlistGivesEverythingBack)
{
    const std::size_t before = pool_stats().xterm_in_use();
    quot_rec* r = new_ratio_rec(n(1), get_dt(1, pplus(x(), y()), nullptr), n(2), get_dt(1, x(), nullptr), 3);
    r->steps = new_elim_step(mk_var_name("z"), x(), y());
    r->cancelled = get_dt(1, y(), nullptr);
    free_plist(r);
    EXPECT_EQ(pool_stats().xterm_in_use(), before);
    EXPECT_EQ(r->np, nullptr);
    EXPECT_EQ(r->steps, nullptr);
    clear_proof_chain();  // nothing is freed twice
    EXPECT_EQ(pool_stats().xterm_in_use(), before);
}

TEST_F(AreaQuotTest, ARecordLinkedTwiceWouldMakeTheChainCiteItself)
{
    quot_rec* first = new_ratio_rec(n(1), nullptr, n(1), nullptr, 0);
    append_quot(first);
    append_quot(new_ratio_rec(n(2), nullptr, n(2), nullptr, 0));
    EXPECT_THROW(append_quot(first), ProverAbort);
    clear_proof_chain();
}
