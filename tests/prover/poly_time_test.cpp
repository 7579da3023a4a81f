#include "poly_test_util.h"

using namespace polytest;

namespace {

// The proof-time check inside the arithmetic, with a clock the test controls.
class TimeLimitTest : public PolyTest {
protected:
    void SetUp() override
    {
        PolyTest::SetUp();
        set_prover_clock([this] {
            ++calls_;
            return now_;
        });
        g_timelimit = 1000;
        g_tstart = 5000;
        g_timing = 1;
    }
    void TearDown() override
    {
        g_timelimit = 60000;
        PolyTest::TearDown();
    }

    std::uint32_t now_ = 5000;
    int calls_ = 0;
};

// Where the limit lies (not timing, a wrapped clock) is check_time's own
// test; here the arithmetic must ask it.
TEST_F(TimeLimitTest, SumsAndProductsAskTheClock)
{
    now_ = 6000;  // exactly at the limit: 1000 ms elapsed
    xterm* r = ptimes(P("(x1+x2+1)^3"), P("x2 - x1"));
    EXPECT_GT(calls_, 0);
    r = pplus(r, get_n(1));
    put_p(r);
    xterm* p = P("x1 + 1");
    now_ = 6001;
    try {
        put_p(pplus(p, get_n(2)));
        ADD_FAILURE() << "no TTIME";
    } catch (const TTIME& t) {
        EXPECT_EQ(t.timing, 1u);
        EXPECT_EQ(t.tstart, 5000u);
    }
    init_pools();
}

TEST_F(TimeLimitTest, ThrownFromDeepInsideAProduct)
{
    xterm* p = P("(x1+x2+x3+1)^2");
    xterm* q = P("(x1-x2+x3-1)^2");
    // The clock passes the limit in the middle of the product.
    int ticks = 0;
    set_prover_clock([&] { return ++ticks > 20 ? 6001u : 5000u; });
    EXPECT_THROW(put_p(ptimes(p, q)), TTIME);
    EXPECT_GT(ticks, 20);
    init_pools();  // the half-built product is reclaimed
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
}

TEST_F(TimeLimitTest, ThrownFromAPseudoDivision)
{
    xterm* q = P("x2^2 + x1*x2 + 1");
    xterm* p = P("(x2 + x1)^6");
    int ticks = 0;
    set_prover_clock([&] { return ++ticks > 10 ? 7000u : 5500u; });
    EXPECT_THROW(put_p(prem(p, q)), TTIME);
    EXPECT_GT(ticks, 10);
    init_pools();  // q and the abandoned remainder go back together
}

// Walks that make no sum or product look at the clock themselves: on a
// polynomial of hundreds of thousands of terms one walk takes seconds.
TEST_F(TimeLimitTest, WalksOverTermsAskTheClock)
{
    struct Walk {
        const char* name;
        void (*run)(xterm* p, const xterm* copy, const var_rec* lowest);  // p may be consumed
    };
    const Walk walks[] = {
        {"lowdeg_in", [](xterm* p, const xterm*, const var_rec* v) { (void)lowdeg_in(p, v); }},
        {"deg_in", [](xterm* p, const xterm*, const var_rec* v) { (void)deg_in(p, v); }},
        {"peq", [](xterm* p, const xterm* copy, const var_rec*) { (void)peq(p, copy); }},
        {"vars2", [](xterm* p, const xterm*, const var_rec*) { (void)vars2(p); }},
        {"neg_poly", [](xterm* p, const xterm*, const var_rec*) { (void)neg_poly(p); }},
        {"ptop_in", [](xterm* p, const xterm*, const var_rec* v) { (void)ptop_in(p, v, 1); }},
    };
    for (const Walk& w : walks) {
        SCOPED_TRACE(w.name);
        g_timing = 0;
        // Over a thousand terms above x1, the lowest variable.
        xterm* p = P("(x1+x2+x3+x4+x5+1)^8");
        const xterm* copy = cp_poly(p);
        const var_rec* lowest = P("x1")->var;
        g_timing = 1;
        g_terms_walked = 0;  // as a run starts: the walk alone reaches a look
        now_ = 6001;
        EXPECT_THROW(w.run(p, copy, lowest), TTIME);
        now_ = 5000;
        init_pools();  // the polynomials, consumed or not
    }
}

// Giving back may happen in a destructor, where nothing may be thrown: past
// the limit it stops and leaves the rest to the reset that ends the run.
TEST_F(TimeLimitTest, GivingBackPastTheLimitStopsWithoutThrowing)
{
    g_timing = 0;
    xterm* p = P("(x1+x2+x3+x4+x5+1)^8");
    const std::size_t terms = pool_stats().dterm_in_use();
    g_timing = 1;
    now_ = 6001;
    EXPECT_NO_THROW(put_p(p));
    // At most one look's worth of terms, at every depth together.
    EXPECT_LE(terms - pool_stats().dterm_in_use(), 256u);
    init_pools();
}

}  // namespace
