// The conclusion after "SHOW:": a predicate with its points, "NO", or an
// equation between two quantity expressions.

#include <cstdio>
#include <string>

#include "prover/keywords.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/parser.h"
#include "statement/quantity_expr.h"
#include "statement/tokenizer.h"

namespace {

bool occurs_from(int from, std::string_view a, std::string_view b = {})
{
    for (int i = from; i <= g_last_tok; ++i)
        if (tok(i) == a || (!b.empty() && tok(i) == b))
            return true;
    return false;
}

// Stores the points of a predicate in the slot order the conclusion uses.
void arrange_points(int kind)
{
    auto& p = g_concl.p;
    if (kind == concl_kind::kEqualAngle) {  // angle ABC = angle DEF: lines AB, BC and DE, EF
        const auto a = p[0], b = p[1], c = p[2], d = p[3], e = p[4], f = p[5];
        p = {a, b, b, c, d, e, e, f};
    } else if (kind == concl_kind::kEqualProduct) {  // ab.cd = ef.gh is kept as ab/ef = gh/cd
        const auto a = p[0], b = p[1], c = p[2], d = p[3], e = p[4], f = p[5], g = p[6], h = p[7];
        p = {a, b, e, f, g, h, c, d};
    } else if (kind == concl_kind::kCyclic) {  // centre unknown
        p = {0, p[0], p[1], p[2], p[3], 0, 0, 0};
    }
}

// line: the token "SHOW:", with which messages name the conclusion.
void rd_equation(int line)
{
    if (!occurs_from(g_tok, ";", ".")) {
        gerror(stm_string(sid::kExprNoEnd));
        return;
    }
    if (!occurs_from(g_tok, "=")) {
        gerror(stm_string(sid::kNotEquation));
        return;
    }
    if (g_trace)
        std::printf("%s %s %s \n", std::string(tok(g_tok)).c_str(), std::string(tok(g_tok + 1)).c_str(),
                    std::string(tok(g_tok + 2)).c_str());
    g_concl.type = concl_kind::kEquation;
    g_concl.p.fill(0);
    put_p(g_concl_lhs);
    put_p(g_concl_rhs);
    g_concl_lhs = nullptr;
    g_concl_rhs = nullptr;
    g_concl_written.reset();
    const int first = g_tok;
    xterm* lhs = rd_pol(line);
    if (g_abort) {
        put_p(lhs);
        return;
    }
    g_concl_lhs = lhs;
    if (!tok_is(g_tok, "=")) {
        gerror(stm_string(sid::kConclusionWrong));
        return;
    }
    ++g_tok;
    xterm* rhs = rd_pol(line);
    if (g_abort) {
        put_p(rhs);
        return;
    }
    g_concl_rhs = rhs;
    g_concl_written = tokens_text(first, g_tok);
}

}  // namespace

void rd_concl_pts(int n)
{
    if (!tok_is(g_tok + n, ".")) {
        gerror("Conclusion wrong: ");
        std::string shown;
        for (int i = g_tok; i <= g_tok + n && i <= g_last_tok; ++i)
            shown += fmt("%s ", std::string(tok(i)).c_str());
        gprint(shown + "\n");
        return;
    }
    g_concl.p.fill(0);
    for (int k = 0; k < n - 1; ++k) {
        const int p = fd_pt(g_tok + 1 + k);
        if (g_abort)
            break;
        g_concl.p[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(p);
    }
    g_tok += n;
}

void parse_concl()
{
    const int line = g_tok - 1;  // "SHOW:"
    // Nothing written after "SHOW:" reads as "NO", and is shown so unless
    // the shown statement must keep to the tokens of the one read.
    if (tok_is(g_tok, "."))
        g_concl_written = std::string();
    while (!g_abort && g_tok <= g_last_tok && !tok_is(g_tok, ".")) {
        bool matched = false;
        for (const auto& k : concl_predicates()) {
            if (!tok_is(g_tok, stm_string(k.string_id)))
                continue;
            g_concl.type = k.kind;
            rd_concl_pts(k.points + 1);
            if (!g_abort)
                arrange_points(k.kind);
            matched = true;
            break;
        }
        if (matched)
            continue;
        if (tok_is(g_tok, stm_string(sid::kNo))) {
            g_concl.type = concl_kind::kNone;
            g_concl.p.fill(0);
            ++g_tok;
            continue;
        }
        rd_equation(line);
    }
}
