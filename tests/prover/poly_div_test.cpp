#include "poly_test_util.h"

using namespace polytest;

namespace {

class DivTest : public PolyTest {};

std::string text(const xterm* p) { return poly_text(p, 0); }

TEST_F(DivTest, ExactDivision)
{
    struct Case {
        const char* p;
        const char* q;
        const char* quotient;  // nullptr: not divisible
    } cases[] = {
        {"6", "4", nullptr},
        {"6", "-3", "-2"},
        {"0", "x1+1", "0"},
        {"5", "x1+1", nullptr},
        {"x1^2-1", "x1-1", "x1+1"},
        {"x1^2+1", "x1-1", nullptr},
        {"x1+1", "x1^2", nullptr},                     // degree below the divisor's
        {"6x2*x1+4x1", "2", "3x1x2+2x1"},             // constant divisor: every coefficient
        {"6x2*x1+3x1", "2", nullptr},
        {"x2^2*(x1+1)+x2*(x1^2-1)", "x1+1", "x2^{2}+(x1-1)x2"},  // divisor below the main variable
        {"x2^2+1", "x1+1", nullptr},
        {"x1+1", "x2", nullptr},                       // divisor above the main variable
        {"(x2+x1)*(x2-x1)^2", "x2-x1", "x2^{2}-x1^{2}"},
        {"(2x2*x1+3)*(x2^2-x1)", "2x2*x1+3", "x2^{2}-x1"},
        {"(2x2*x1+3)*(x2^2-x1)+1", "2x2*x1+3", nullptr},
        {"x1", "0", nullptr},
    };
    for (const auto& c : cases) {
        PolyPtr q(P(c.q));
        xterm* r = pdiv(P(c.p), q.get());
        if (!c.quotient) {
            EXPECT_EQ(r, nullptr) << c.p << " / " << c.q;
        } else {
            ASSERT_NE(r, nullptr) << c.p << " / " << c.q;
            EXPECT_EQ(text(r), c.quotient) << c.p << " / " << c.q;
            EXPECT_EQ(canonical_fault(r), "");
        }
        put_p(r);
    }
}

TEST_F(DivTest, DivisionUndoesRandomProducts)
{
    std::mt19937 rng(777);
    std::vector<var_rec*> vars = {mk_ivar(3), mk_ivar(2), mk_ivar(1)};
    for (int round = 0; round < 60; ++round) {
        PolyPtr a(random_poly(rng, vars, static_cast<std::size_t>(round % 2)));
        PolyPtr b(random_poly(rng, vars, static_cast<std::size_t>(round % 3)));
        if (pzerop(b.get()))
            continue;
        xterm* r = pdiv(ptimes(cp_poly(a.get()), cp_poly(b.get())), b.get());
        ASSERT_NE(r, nullptr) << text(a.get()) << " * " << text(b.get());
        EXPECT_TRUE(peq(r, a.get())) << text(r) << " vs " << text(a.get());
        put_p(r);
    }
}

TEST_F(DivTest, DivideOutRepeatedFactors)
{
    PolyPtr q(P("x1+1"));
    xterm* r = pdiv_out(P("x2*(x1+1)^3"), q.get());
    EXPECT_EQ(text(r), "x2");
    put_p(r);
    // Units and zero leave p alone instead of dividing forever.
    for (const char* unit : {"1", "-1", "0"}) {
        PolyPtr u(P(unit));
        r = pdiv_out(P("2x1+2"), u.get());
        EXPECT_EQ(text(r), "2x1+2") << unit;
        put_p(r);
    }
    r = pdiv_out(get_num(), q.get());
    EXPECT_TRUE(pzerop(r));
    put_p(r);
    PolyPtr two(get_n(2));
    r = pdiv_out(P("24x1+8"), two.get());
    EXPECT_EQ(text(r), "3x1+1");
    put_p(r);
}

// I^k p - r must be a multiple of q, and r must fall below q's degree.
void expect_pseudo_remainder(const xterm* p, const xterm* q, var_rec* v, const xterm* r, int k,
                             const xterm* init)
{
    EXPECT_LT(deg_in(r, v), deg_in(q, v)) << text(r);
    xterm* lhs = pminus(ptimes(ppower(cp_poly(init), k), cp_poly(p)), cp_poly(r));
    xterm* quotient = pdiv(lhs, q);
    EXPECT_NE(quotient, nullptr) << text(p) << " prem " << text(q) << " = " << text(r);
    put_p(quotient);
}

TEST_F(DivTest, PseudoRemainderPropertyInTheMainVariable)
{
    std::mt19937 rng(4242);
    std::vector<var_rec*> vars = {mk_ivar(3), mk_ivar(2), mk_ivar(1)};
    for (int round = 0; round < 80; ++round) {
        PolyPtr p(random_poly(rng, vars, 0, 4));
        PolyPtr q(random_poly(rng, vars, 0, 2));
        if (pconstp(q.get()) || pconstp(p.get()) || p->var != q->var)
            continue;
        xterm* r = prem(cp_poly(p.get()), q.get());
        EXPECT_EQ(canonical_fault(r), "");
        expect_pseudo_remainder(p.get(), q.get(), q->var, r, g_init_power, pinit(q.get()));
        put_p(r);
    }
}

TEST_F(DivTest, PseudoRemainderInALowerVariable)
{
    // p's main variable x3 is above q's x2: x2 is eliminated inside the coefficients.
    var_rec* x2 = mk_ivar(2);
    PolyPtr p(P("x3^2*x2^3 + x3*(x2^2 + x1) + x2"));
    PolyPtr q(P("(x1+1)x2^2 - x1"));
    xterm* r = prem(cp_poly(p.get()), q.get());
    EXPECT_LT(deg_in(r, x2), 2);
    EXPECT_EQ(canonical_fault(r), "");
    PolyPtr init(ptop_in(cp_poly(q.get()), x2, 2));
    expect_pseudo_remainder(p.get(), q.get(), x2, r, g_init_power, init.get());
    put_p(r);

    std::mt19937 rng(99);
    std::vector<var_rec*> vars = {mk_ivar(4), mk_ivar(3), mk_ivar(2), mk_ivar(1)};
    for (int round = 0; round < 60; ++round) {
        PolyPtr a(random_poly(rng, vars, 0, 3));
        PolyPtr b(random_poly(rng, vars, 1 + round % 2, 2));
        var_rec* v = vars[1 + round % 2];
        if (deg_in(b.get(), v) == 0 || pconstp(a.get()))
            continue;
        xterm* rem = prem_var(cp_poly(a.get()), b.get(), v);
        PolyPtr lead(ptop_in(cp_poly(b.get()), v, deg_in(b.get(), v)));
        expect_pseudo_remainder(a.get(), b.get(), v, rem, g_init_power, lead.get());
        put_p(rem);
    }
}

TEST_F(DivTest, PseudoRemainderByADivisorWithoutTheVariable)
{
    PolyPtr q(P("x1+1"));
    xterm* r = prem_var(P("x3*x2+1"), q.get(), mk_ivar(2));
    EXPECT_EQ(g_abort, 1);
    EXPECT_NE(out_.text().find("prem_var"), std::string::npos);
    EXPECT_EQ(text(r), "x2x3+1");  // returned unchanged
    put_p(r);
    g_abort = 0;
}

TEST_F(DivTest, PseudoRemainderRefusesAHigherDividendInTheSameVariableForm)
{
    PolyPtr q(P("x1+1"));
    EXPECT_THROW(prem_ev(P("x2+1"), q.get()), ProverAbort);
    EXPECT_NE(out_.text().find("prem_ev: not exact"), std::string::npos);
}

}  // namespace
