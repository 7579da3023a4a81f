#pragma once
// Helpers for the polynomial tests: a small reader that builds polynomials
// from text such as "(x2+1)x3+3", an independent evaluator, a checker of the
// canonical form, and a fixture that insists every node goes back to its pool.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "prover/poly.h"
#include "prover/prover.h"

namespace polytest {

// Reads +, -, *, ^, parentheses, integers and implicit products. "x<n>" is the
// coordinate x_n, "u<n>" the parameter u_n, any other word a named variable.
class PolyReader {
public:
    explicit PolyReader(std::string text) : s_(std::move(text)) {}

    xterm* read()
    {
        xterm* p = sum();
        skip();
        EXPECT_EQ(pos_, s_.size()) << "unread text in " << s_;
        return p;
    }

private:
    void skip()
    {
        while (pos_ < s_.size() && s_[pos_] == ' ')
            ++pos_;
    }
    char peek()
    {
        skip();
        return pos_ < s_.size() ? s_[pos_] : '\0';
    }

    xterm* sum()
    {
        xterm* p = product();
        for (char c = peek(); c == '+' || c == '-'; c = peek()) {
            ++pos_;
            xterm* q = product();
            p = c == '+' ? pplus(p, q) : pminus(p, q);
        }
        return p;
    }

    xterm* product()
    {
        xterm* p = power();
        for (char c = peek(); c == '*' || c == '(' || std::isalnum(static_cast<unsigned char>(c));
             c = peek()) {
            if (c == '*')
                ++pos_;
            p = ptimes(p, power());
        }
        return p;
    }

    xterm* power()
    {
        xterm* p = atom();
        if (peek() == '^') {
            ++pos_;
            p = ppower(p, static_cast<int>(number()));
        }
        return p;
    }

    xterm* atom()
    {
        const char c = peek();
        if (c == '-') {
            ++pos_;
            return neg_poly(power());
        }
        if (c == '(') {
            ++pos_;
            xterm* p = sum();
            EXPECT_EQ(peek(), ')');
            ++pos_;
            return p;
        }
        if (std::isdigit(static_cast<unsigned char>(c)))
            return get_n(number());
        std::string word;
        while (pos_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[pos_])))
            word += s_[pos_++];
        EXPECT_FALSE(word.empty()) << "bad text " << s_;
        std::string digits;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
            digits += s_[pos_++];
        if (word == "x" && !digits.empty())
            return get_m(mk_ivar(std::stoi(digits)));
        if (word == "u" && !digits.empty())
            return get_m(mk_ivar(-std::stoi(digits)));
        return get_m(mk_var_name(word + digits));
    }

    std::int64_t number()
    {
        skip();
        std::int64_t v = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
            v = v * 10 + (s_[pos_++] - '0');
        return v;
    }

    std::string s_;
    std::size_t pos_ = 0;
};

inline xterm* P(const std::string& text) { return PolyReader(text).read(); }

// Evaluation modulo the prime 2^61 - 1, written without the package's arithmetic.
constexpr std::uint64_t kMod = (std::uint64_t{1} << 61) - 1;

inline std::uint64_t mod_of(std::int64_t v)
{
    const std::int64_t r = v % static_cast<std::int64_t>(kMod);
    return static_cast<std::uint64_t>(r < 0 ? r + static_cast<std::int64_t>(kMod) : r);
}

inline std::uint64_t mulmod(std::uint64_t a, std::uint64_t b)
{
    return static_cast<std::uint64_t>(static_cast<unsigned __int128>(a) * b % kMod);
}

// A constant of any size, read from its decimal text.
inline std::uint64_t mod_of_constant(const xterm* c)
{
    if (!pbigp(c))
        return mod_of(c->value);
    const std::string text = poly_text(c, 0);
    std::uint64_t r = 0;
    for (char ch : text)
        if (ch != '-')
            r = (mulmod(r, 10) + static_cast<std::uint64_t>(ch - '0')) % kMod;
    return text[0] == '-' && r != 0 ? kMod - r : r;
}

using Point = std::map<const var_rec*, std::uint64_t>;

inline std::uint64_t eval(const xterm* p, const Point& at)
{
    if (!p->var)
        return mod_of_constant(p);
    const std::uint64_t x = at.at(p->var);
    std::uint64_t sum = 0;
    for (const dterm* t = p->terms; t; t = t->next) {
        std::uint64_t term = eval(t->coef, at);
        for (int i = 0; i < t->deg; ++i)
            term = mulmod(term, x);
        sum = (sum + term) % kMod;
    }
    return sum;
}

// Empty string when p is canonical, else what is wrong.
inline std::string canonical_fault(const xterm* p, const var_rec* above = nullptr)
{
    if (!p)
        return "null polynomial";
    if (!p->var)
        return "";
    if (above && !vless(p->var, above))
        return "coefficient variable not below its main variable";
    const dterm* t = p->terms;
    if (!t)
        return "empty term list";
    if (t->deg == 0)
        return "first term of degree 0";
    for (; t; t = t->next) {
        if (t->next && t->next->deg >= t->deg)
            return "degrees not decreasing";
        if (!t->coef->var && t->coef->value == 0)
            return "zero coefficient";
        if (auto fault = canonical_fault(t->coef, p->var); !fault.empty())
            return fault;
    }
    return "";
}

// Every test starts with empty pools and must give every node back.
class PolyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        init_pools();
        g_trace = 0;
        g_timing = 0;
        g_maxterm_on = 1;
        g_method = kMethodWu;
        start_ = pool_stats();
    }

    void TearDown() override
    {
        const PoolStats now = pool_stats();
        EXPECT_EQ(now.xterm_in_use(), start_.xterm_in_use()) << "xterm nodes not returned";
        EXPECT_EQ(now.dterm_in_use(), start_.dterm_in_use()) << "dterm nodes not returned";
        set_prover_clock(nullptr);
        g_timing = 0;
    }

    PoolStats start_;
    GprintCapture out_;
};

// Random polynomial in the given variables (highest first), a few terms each.
inline xterm* random_poly(std::mt19937& rng, const std::vector<var_rec*>& vars, std::size_t level,
                          int max_deg = 3)
{
    std::uniform_int_distribution<int> coef(-9, 9);
    if (level == vars.size())
        return get_n(coef(rng));
    std::uniform_int_distribution<int> deg(0, max_deg);
    xterm* p = get_num();
    const int n = std::uniform_int_distribution<int>(1, 3)(rng);
    for (int i = 0; i < n; ++i)
        p = pplus(p, get_md(vars[level], deg(rng), random_poly(rng, vars, level + 1, max_deg)));
    return p;
}

}  // namespace polytest
