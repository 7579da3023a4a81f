#include "statement/parser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "prover/keywords.h"
#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/constant_roles.h"
#include "statement/parser_internal.h"
#include "statement/quantity_expr.h"
#include "statement/statement_records.h"
#include "statement/tokenizer.h"

bool g_rd_expr_mode = false;

namespace stm_parse {

bool kw(int i, int string_id) { return tok_is(i, stm_string(string_id)); }

namespace {

std::string tok_str(int i) { return std::string(tok(i)); }

int g_centre_count = 0;  // running number of the "o%d" centre records

bool method_in(std::initializer_list<int> methods)
{
    return std::find(methods.begin(), methods.end(), g_method) != methods.end();
}

}  // namespace

bool area_or_vector() { return method_in({kMethodArea, kMethodVector}); }
bool rewrites_circles()
{
    return method_in({kMethodArea, kMethodVector, kMethodWu, kMethodGroebner});
}

Pro_point& rec(int i) { return g_pro_points[static_cast<std::size_t>(i)]; }

void set_pots(int i, std::initializer_list<int> pots)
{
    auto& r = rec(i);
    r.pots.fill(0);
    std::size_t k = 0;
    for (int p : pots)
        r.pots[k++] = static_cast<std::uint32_t>(p);
}

std::string centre_name() { return fmt("o%d", g_centre_count++); }
void reset_centre_names() { g_centre_count = 0; }

bool resolve_pots(int r, int first, int count)
{
    for (int k = 0; k < count; ++k) {
        const int p = fd_pt(first + k);
        if (g_abort)
            return false;
        rec(r).pots[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(p);
    }
    return true;
}

// ---- construction lines ------------------------------------------------------

bool line_ends_right(int ntok, bool predicate)
{
    if (tok_is(g_tok + ntok - 1, ";"))
        return true;
    if (predicate)
        gerror(fmt("construction: %s %s...;\n", tok_str(g_tok + 1).c_str(), tok_str(g_tok + 2).c_str()));
    else
        gerror(fmt("construction: %s %s ...;\n", tok_str(g_tok + 1).c_str(), tok_str(g_tok + 2).c_str()));
    return false;
}

int rd_cons(int kind, int ntok)
{
    const int r = add_user_point(kind, tok(g_tok + 1));
    if (g_abort || !line_ends_right(ntok, false))
        return 0;
    if (!resolve_pots(r, g_tok + 2, ntok - 3))
        return 0;
    g_tok += ntok;
    return r;
}

}  // namespace stm_parse

namespace {

using namespace stm_parse;

// ---- the lines ---------------------------------------------------------------

// The construction keyword or hypothesis predicate at token i, in the order
// pass 2 tries them; nullptr when it is neither.
const ConsKeyword* cons_keyword_at(int i)
{
    for (const auto& k : cons_keywords())
        if (kw(i, k.string_id))
            return &k;
    return nullptr;
}

const PredKeyword* predicate_at(int i)
{
    for (const auto& k : hyp_predicates())
        if (kw(i, k.string_id))
            return &k;
    return nullptr;
}

bool is_ratio_kind(int kind)
{
    return kind == cons_kind::kLratio || kind == cons_kind::kMratio || kind == cons_kind::kPratio;
}

// The token after the first ";" from token i on.
int past_semicolon(int i)
{
    while (i <= g_last_tok && !tok_is(i, ";"))
        ++i;
    return i + 1;
}

// The token after a line of ntok tokens at i, which pass 2 reads only when
// its last token is ";" (it refuses the statement otherwise, wherever this
// says the line ends).
int fixed_line_end(int i, int ntok) { return tok_is(i + ntok - 1, ";") ? i + ntok : past_semicolon(i); }

// The token after the hypothesis line at token i, as pass 2 reads it: a ratio
// line ends after its two values (and the ";" that may follow them), and its
// first value ";" stands for 1 rather than ending it; a construction or
// hypothesis predicate takes its fixed number of tokens, whatever they say;
// a CONSTANT line ends after its expression's ";". Other lines end at their
// first ";".
int line_end(int i)
{
    if (kw(i, sid::kPoint) || kw(i, sid::kCircle))
        return past_semicolon(i);
    if (kw(i, sid::kConstant)) {
        const int end = value_end(i + 1, true);
        return tok_is(end, ";") ? end + 1 : past_semicolon(i);
    }
    if (const ConsKeyword* k = cons_keyword_at(i)) {
        if (!is_ratio_kind(k->kind))
            return fixed_line_end(i, k->parents + 3);
        const int values = i + 2 + k->parents;
        const int end = value_end(value_end(values, false), false);
        return tok_is(end, ";") ? end + 1 : end;
    }
    if (const PredKeyword* k = predicate_at(i))
        return fixed_line_end(i, k->points + 2);
    return past_semicolon(i);
}

// ---- pass 1 ---------------------------------------------------------------

// Numbers the free points of every POINT line, before any construction.
// Returns the first token of every line it passed, which pass 2 must meet.
std::vector<int> number_free_points()
{
    std::vector<int> lines;
    int i = 3;
    while (!g_abort && i <= g_last_tok && !kw(i, sid::kShow)) {
        lines.push_back(i);
        if (kw(i, sid::kPoint)) {
            ++i;
            while (i < g_last_tok && !tok_is(i, ";")) {
                add_user_point(cons_kind::kFreePoint, tok(i));
                if (g_abort)
                    break;
                ++i;
            }
            if (tok_is(i, ";"))
                ++i;
        } else {
            i = line_end(i);
        }
    }
    return lines;
}

// ---- hypothesis predicates, ratio and CONSTANT lines ------------------------

void rd_pred(int kind, int ntok)
{
    const int r = add_pro_point(kind, "x");
    if (g_abort)
        return;
    rec(r).hyp_predicate = true;
    if (!line_ends_right(ntok, true))
        return;
    if (!resolve_pots(r, g_tok + 1, ntok - 2))
        return;
    g_tok += ntok;
}

void rd_ratio_pt(int kind, int parents)
{
    const int line = g_tok;
    const int r = add_user_point(kind, tok(g_tok + 1));
    if (g_abort || !resolve_pots(r, g_tok + 2, parents))
        return;
    std::string written = tokens_text(g_tok, g_tok + 2 + parents);
    g_tok += 2 + parents;
    bool ended = false;  // by a second value written ";"
    for (std::size_t k = 0; k < 2; ++k) {
        const int first = g_tok;
        xterm* value = rd_pol(line);
        if (g_abort) {
            put_p(value);
            return;
        }
        rec(r).ps[k] = value;
        // The values as written, so that the line is shown in no more tokens
        // than it was read from; but a first value ";" is shown as the 1 it
        // stands for, which a person would take for the line's end. A second
        // value ";" also ended the line, and the ";" the line is shown with
        // stands for it again.
        if (!tok_is(first, ";"))
            written += ' ' + tokens_text(first, g_tok);
        else if (k == 0)
            written += " 1";
        else
            ended = true;
    }
    // A line may end without ";" (its next line follows the values): it is
    // shown so too, with its ";" kept only where it had one.
    rec(r).written = std::move(written) + (ended || tok_is(g_tok, ";") ? ";" : "");
    if (tok_is(g_tok, ";"))
        ++g_tok;
}

void rd_constant()
{
    const int r = add_pro_point(cons_kind::kConstant, "x");
    if (g_abort)
        return;
    const int first = g_tok;
    ++g_tok;
    g_rd_expr_mode = true;
    xterm* value = rd_pol(first);
    g_rd_expr_mode = false;
    if (g_abort) {
        put_p(value);
        return;
    }
    rec(r).ps[0] = value;
    rec(r).written = tokens_text(first, g_tok);
    if (!tok_is(g_tok, ";")) {
        gerror("conatant");
        return;
    }
    ++g_tok;
}

// ---- pass 2 -------------------------------------------------------------------

bool try_construction()
{
    const ConsKeyword* k = cons_keyword_at(g_tok);
    if (!k)
        return false;
    const int ntok = k->parents + 3;
    switch (k->kind) {
    case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio:
        rd_ratio_pt(k->kind, k->parents);
        break;
    case cons_kind::kOnBline:
        rd_on_bline(ntok);
        break;
    case cons_kind::kInterTlineCircle:
        rd_inter_tc(ntok);
        break;
    case cons_kind::kInterLineCircle3:
        rd_inter_ls(ntok);
        break;
    case cons_kind::kInterCircle3Circle3:
        rd_inter_ss(ntok);
        break;
    default:
        rd_cons(k->kind, ntok);
        break;
    }
    return true;
}

bool try_predicate()
{
    const PredKeyword* k = predicate_at(g_tok);
    if (k)
        rd_pred(k->kind, k->points + 2);
    return k != nullptr;
}

// Reads every line, at the lines pass 1 passed: a line pass 1 did not see
// begin would have had its free points numbered wrongly, and ends the
// reading.
void read_constructions(const std::vector<int>& lines)
{
    g_tok = 3;
    std::size_t next = 0;
    while (!g_abort && g_tok <= g_last_tok && !kw(g_tok, sid::kShow)) {
        if (next >= lines.size() || lines[next] != g_tok) {
            gerror(fmt("The statement's lines part at %s\n", std::string(tok(g_tok)).c_str()));
            return;
        }
        ++next;
        if (kw(g_tok, sid::kPoint)) {
            while (g_tok <= g_last_tok && !tok_is(g_tok, ";"))
                ++g_tok;
            ++g_tok;
        } else if (kw(g_tok, sid::kCircle)) {
            rd_circle();
        } else if (kw(g_tok, sid::kConstant)) {
            rd_constant();
        } else if (!try_construction() && !try_predicate()) {
            std::string what;
            for (int k = 0; k < 3; ++k) {
                what += ' ';
                what += tok(g_tok + k);
            }
            what += ' ';
            what += stm_string(sid::kNotProper);
            what += '\n';
            gerror(what);
        }
    }
}

}  // namespace
// ---- public ---------------------------------------------------------------------

int fd_pt(int i)
{
    const std::string_view name = tok(i);
    for (int k = 1; k <= g_npoints; ++k)
        if (rec(k).name == name)
            return k;
    gerror(fmt("Cannot find point %s", std::string(name).c_str()));
    return 0;
}

int add_pro_point(int kind, std::string_view name)
{
    if (g_npoints + 1 > kMaxParsedPoints) {
        gerror("Too many points in the statements\n");
        return 0;
    }
    ++g_npoints;
    auto& r = rec(g_npoints);
    put_p(r.ps[0]);
    put_p(r.ps[1]);
    r.clear();
    r.ps = {nullptr, nullptr};
    r.rot.clear();
    r.kind = static_cast<std::uint32_t>(kind);
    r.name.assign(name);
    return g_npoints;
}

int add_user_point(int kind, std::string_view name)
{
    if (name.size() > kMaxUserNameLength) {
        gerror(fmt("Point name %s is too long: at most 9 characters\n", std::string(name).c_str()));
        return 0;
    }
    return add_pro_point(kind, name);
}

int add_pro_aux(int kind, std::string_view name, int p1, int p2, int p3, int p4, int p5, int p6)
{
    const int r = add_pro_point(kind, name);
    if (r != 0) {
        set_pots(r, {p1, p2, p3, p4, p5, p6});
        rec(r).generated = true;
    }
    return r;
}

void free_statement_polys()
{
    for (auto& r : g_pro_points) {
        put_p(r.ps[0]);
        put_p(r.ps[1]);
        r.ps = {nullptr, nullptr};
    }
    put_p(g_concl_lhs);
    put_p(g_concl_rhs);
    g_concl_lhs = nullptr;
    g_concl_rhs = nullptr;
    g_concl_written.reset();
}

namespace {

void read_statement()
{
    g_rd_expr_mode = false;
    reset_centre_names();
    // Facts of an earlier statement speak of other points: the new
    // statement's circle lookups must not find them. Records above the new
    // statement's count may be taken by auxiliary points later: none may keep
    // the marks of an earlier statement.
    forget_read_statement();
    // A statement whose SHOW: names nothing has no conclusion, as one that
    // says "NO" (which is how it is shown); it must not keep the one of the
    // statement read before.
    g_concl = Gdd_cond{};
    g_concl.type = concl_kind::kNone;
    if (!kw(0, sid::kExample)) {
        gerror(stm_string(sid::kNoExample));
        return;
    }
    if (!kw(2, sid::kHypotheses)) {
        gerror(stm_string(sid::kNoHypotheses));
        return;
    }
    g_npoints = 0;
    const std::vector<int> lines = number_free_points();
    if (g_abort)
        return;
    read_constructions(lines);
    if (g_abort)
        return;
    if (!kw(g_tok, sid::kShow)) {
        gerror(stm_string(sid::kNoConclusion));
        return;
    }
    ++g_tok;
    g_rd_expr_mode = true;
    parse_concl();
    g_rd_expr_mode = false;
    if (!tok_is(g_tok, "."))
        gerror(stm_string(sid::kNoEnd));
}

}  // namespace

void parse_stm()
{
    read_statement();
    // Which named variables the CONSTANT lines make parameters is decided
    // once the whole statement is read, as the Prove command decides it for
    // the method it proves by: the same statement, whichever way it came.
    set_constant_roles(g_method);
}
