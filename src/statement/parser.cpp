#include "statement/parser.h"

#include <algorithm>
#include <string>

#include "algebra/poly.h"
#include "gdd/gdd_records.h"
#include "statement/keywords.h"
#include "statement/parse_facts.h"
#include "statement/prover.h"
#include "statement/quantity_expr.h"
#include "statement/tokenizer.h"

bool g_rd_expr_mode = false;

namespace {

int g_centre_count = 0;  // running number of the "o%d" centre records

bool kw(int i, int string_id) { return tok_is(i, stm_string(string_id)); }

std::string tok_str(int i) { return std::string(tok(i)); }

bool method_in(std::initializer_list<int> methods)
{
    return std::find(methods.begin(), methods.end(), g_method) != methods.end();
}

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

// Resolves count point tokens starting at token first into pots[0..] of
// record r; stops at the first unknown name.
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

// ---- pass 1 ---------------------------------------------------------------

void number_free_points()
{
    int i = 3;
    while (!g_abort && i <= g_last_tok && !kw(i, sid::kShow)) {
        if (kw(i, sid::kPoint)) {
            ++i;
            while (i < g_last_tok && !tok_is(i, ";")) {
                add_user_point(101, tok(i));
                if (g_abort)
                    return;
                ++i;
            }
            if (tok_is(i, ";"))
                ++i;
        } else {
            while (i <= g_last_tok && !tok_is(i, ";"))
                ++i;
            ++i;
        }
    }
}

// ---- construction lines ------------------------------------------------------

// Checks that the line of ntok tokens starting at g_tok ends with ";".
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

// A construction line: keyword, name, parents, ";". Returns the new record.
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

void rd_pred(int kind, int ntok)
{
    const int r = add_pro_point(kind, "x");
    if (g_abort || !line_ends_right(ntok, true))
        return;
    if (!resolve_pots(r, g_tok + 1, ntok - 2))
        return;
    g_tok += ntok;
}

void rd_ratio_pt(int kind, int parents)
{
    const int r = add_user_point(kind, tok(g_tok + 1));
    if (g_abort || !resolve_pots(r, g_tok + 2, parents))
        return;
    auto& pots = rec(r).pots;
    if (kind == 199 && pots[0] == pots[2])
        std::swap(pots[1], pots[2]);
    g_tok += 2 + parents;
    for (int k = 0; k < 2; ++k) {
        xterm* value = rd_pol();
        if (g_abort) {
            put_p(value);
            return;
        }
        rec(r).ps[static_cast<std::size_t>(k)] = value;
    }
    if (tok_is(g_tok, ";"))
        ++g_tok;
}

void rd_constant()
{
    const int r = add_pro_point(357, "x");
    if (g_abort)
        return;
    ++g_tok;
    g_rd_expr_mode = true;
    xterm* value = rd_pol();
    g_rd_expr_mode = false;
    if (g_abort) {
        put_p(value);
        return;
    }
    rec(r).ps[0] = value;
    if (g_method == kMethodGroebner && value && value->var && value->var->type == kVarNamed)
        value->var->type = kVarParam;
    if (!tok_is(g_tok, ";")) {
        gerror("conatant");
        return;
    }
    ++g_tok;
}

// ---- CIRCLE lines ------------------------------------------------------------

void add_circle_point(std::vector<int>& pts, int p)
{
    const auto at = std::lower_bound(pts.begin(), pts.end(), p);
    if (at == pts.end() || *at != p)
        pts.insert(at, p);
}

bool circle_full(const std::vector<int>& pts)
{
    if (static_cast<int>(pts.size()) < kMaxGeo)
        return false;
    gerror("CIRCLE: a circle holds at most 29 points\n");
    return true;
}

// Area, database, full-angle and vector methods: every name becomes a point
// on one circle of unknown centre.
void rd_circle_points()
{
    ParseFact circle;
    circle.kind = ParseFact::Kind::Circle;
    ++g_tok;
    while (g_tok <= g_last_tok && !tok_is(g_tok, ";")) {
        if (circle_full(circle.pts))
            return;
        add_user_point(1, tok(g_tok));
        if (g_abort)
            return;
        const int p = fd_pt(g_tok);
        if (g_abort)
            return;
        add_circle_point(circle.pts, p);
        ++g_tok;
    }
    if (tok_is(g_tok, ";"))
        ++g_tok;
    enter_parse_fact(circle);
}

// Wu and Groebner: three points define the circle; further points get a
// centre record and lie on the circle through it.
void rd_circle_wu()
{
    ParseFact circle;
    circle.kind = ParseFact::Kind::Circle;
    std::vector<int> defining;
    ++g_tok;
    while (defining.size() < 3 && g_tok <= g_last_tok && !tok_is(g_tok, ";")) {
        defining.push_back(add_user_point(0, tok(g_tok)));
        if (g_abort)
            return;
        add_circle_point(circle.pts, defining.back());
        ++g_tok;
    }
    int centre = 0;
    while (defining.size() == 3 && g_tok <= g_last_tok && !tok_is(g_tok, ";")) {
        if (circle_full(circle.pts))
            return;
        if (centre == 0) {
            centre = add_pro_aux(62, centre_name(), defining[0], defining[1], defining[2]);
            if (g_abort)
                return;
            circle.p[0] = centre;
        }
        const int p = add_user_point(14, tok(g_tok));
        if (g_abort)
            return;
        set_pots(p, {centre, defining[0]});
        add_circle_point(circle.pts, p);
        ++g_tok;
    }
    if (tok_is(g_tok, ";"))
        ++g_tok;
    enter_parse_fact(circle);
}

void rd_circle()
{
    if (g_method == kMethodWu || g_method == kMethodGroebner)
        rd_circle_wu();
    else
        rd_circle_points();
}

// ---- rewritten constructions -----------------------------------------------

void fact(ParseFact::Kind kind, std::initializer_list<int> pts)
{
    ParseFact f;
    f.kind = kind;
    std::size_t k = 0;
    for (int p : pts)
        f.p[k++] = p;
    enter_parse_fact(f);
}

// ON_BLINE X A B for the area and vector methods: X on the perpendicular
// bisector through the midpoint M_{..} of AB.
void rd_on_bline(int ntok)
{
    if (!area_or_vector() || g_npoints == 3) {
        rd_cons(11, ntok);
        return;
    }
    if (!line_ends_right(ntok, false))
        return;
    const int a = fd_pt(g_tok + 2);
    if (g_abort)
        return;
    const int b = fd_pt(g_tok + 3);
    if (g_abort)
        return;
    const int m = add_pro_aux(2, "M_{" + pt_name(g_npoints) + "}", a, b, 0);
    if (g_abort)
        return;
    const int x = add_user_point(12, tok(g_tok + 1));
    if (g_abort)
        return;
    set_pots(x, {m, a, b});
    g_tok += ntok;
}

// INTERSECTION_TC X A B C D E for the area and vector methods: the foot T_{X}
// of the perpendicular from A to BC, then X on line AT and on circle (D, E).
void rd_inter_tc(int ntok)
{
    if (!area_or_vector()) {
        rd_cons(124, ntok);
        return;
    }
    if (!line_ends_right(ntok, false))
        return;
    int p[5];
    for (int k = 0; k < 5; ++k) {
        p[k] = fd_pt(g_tok + 2 + k);
        if (g_abort)
            return;
    }
    const int a = p[0], b = p[1], c = p[2], d = p[3], e = p[4];
    const std::string xname = tok_str(g_tok + 1);
    const int t = add_pro_aux(12, "T_{" + xname + "}", a, b, c);
    if (g_abort)
        return;
    fact(ParseFact::Kind::Tline, {t, a, b, c});
    const int x = add_user_point(40, xname);
    if (g_abort)
        return;
    set_pots(x, {a, t, d, e});
    fact(ParseFact::Kind::Line, {x, a, t});
    fact(ParseFact::Kind::Cir2, {d, x, e});
    g_tok += ntok;
}

// Centre of the circle through c, d, e: known to the database, or the
// record r turned into a new centre record "o%d". Returns the centre.
int find_or_make_centre(int r, int c, int d, int e, bool* made)
{
    int o = parse_fd_cir3(c, d, e);
    *made = (o == 0);
    if (o == 0) {
        auto& centre = rec(r);
        centre.name = centre_name();
        centre.kind = 62;
        set_pots(r, {c, d, e});
        fact(ParseFact::Kind::Cir3, {r, c, d, e});
        o = r;
    }
    return o;
}

// INTERSECTION_LS X A B C D E: X on line AB and on the circle through C, D, E.
void rd_inter_ls(int ntok)
{
    int x = rd_cons(44, ntok);
    if (g_abort)
        return;
    const auto pots = rec(x).pots;
    const int a = static_cast<int>(pots[0]), b = static_cast<int>(pots[1]);
    const int c = static_cast<int>(pots[2]), d = static_cast<int>(pots[3]);
    const int e = static_cast<int>(pots[4]);
    if (!rewrites_circles()) {
        fact(ParseFact::Kind::Line, {x, a, b});
        fact(ParseFact::Kind::Cir4, {0, x, c, d, e});
        return;
    }
    const std::string xname = rec(x).name;
    bool made = false;
    const int o = find_or_make_centre(x, c, d, e, &made);
    if (made) {
        x = add_pro_point(40, xname);
        if (g_abort)
            return;
    }
    const auto defines = [&](int p) { return p == c || p == d || p == e; };
    const int k = defines(a) ? a : defines(b) ? b : c;
    rec(x).kind = 40;
    set_pots(x, {a, b, o, k});
    fact(ParseFact::Kind::Line, {x, a, b});
    fact(ParseFact::Kind::Cir2, {o, x, c});
}

// A point among both circles' defining points p[0..2] and p[3..5]; 0 if none.
int common_point(const int (&p)[6])
{
    for (int i = 0; i < 3; ++i)
        for (int j = 3; j < 6; ++j)
            if (p[i] == p[j])
                return p[i];
    return 0;
}

// INTERSECTION_SS X A B C D E F: X on the circles through A, B, C and D, E, F.
void rd_inter_ss(int ntok)
{
    int x = rd_cons(52, ntok);
    if (g_abort)
        return;
    int p[6];
    for (int k = 0; k < 6; ++k)
        p[k] = static_cast<int>(rec(x).pots[static_cast<std::size_t>(k)]);
    if (rewrites_circles()) {
        const std::string xname = rec(x).name;
        bool made = false;
        const int o1 = find_or_make_centre(x, p[0], p[1], p[2], &made);
        if (!made) {
            // The record stands for nothing now; without its name it cannot
            // catch the references meant for X's real record below.
            rec(x).kind = static_cast<std::uint32_t>(-100);
            rec(x).name.clear();
        }
        int o2 = parse_fd_cir3(p[3], p[4], p[5]);
        if (o2 == 0) {
            o2 = add_pro_aux(62, centre_name(), p[3], p[4], p[5]);
            if (g_abort)
                return;
            fact(ParseFact::Kind::Cir3, {o2, p[3], p[4], p[5]});
        }
        int k1 = p[0], k2 = p[3];
        const int common = common_point(p);
        if (common != 0)
            k1 = k2 = common;
        x = add_pro_point(50, xname);
        if (g_abort)
            return;
        set_pots(x, {o1, k1, o2, k2});
    }
    // Entered with X's final record, so that they name the point itself.
    fact(ParseFact::Kind::Cir4, {0, x, p[0], p[1], p[2]});
    fact(ParseFact::Kind::Cir4, {0, x, p[3], p[4], p[5]});
}

// ---- pass 2 -------------------------------------------------------------------

bool try_construction()
{
    for (const auto& k : cons_keywords()) {
        if (!kw(g_tok, k.string_id))
            continue;
        const int ntok = k.parents + 3;
        switch (k.kind) {
        case 197: case 198: case 199:
            rd_ratio_pt(k.kind, k.parents);
            break;
        case 11:
            rd_on_bline(ntok);
            break;
        case 124:
            rd_inter_tc(ntok);
            break;
        case 44:
            rd_inter_ls(ntok);
            break;
        case 52:
            rd_inter_ss(ntok);
            break;
        default:
            rd_cons(k.kind, ntok);
            break;
        }
        return true;
    }
    return false;
}

bool try_predicate()
{
    for (const auto& k : hyp_predicates()) {
        if (kw(g_tok, k.string_id)) {
            rd_pred(k.kind, k.points + 2);
            return true;
        }
    }
    return false;
}

void read_constructions()
{
    g_tok = 3;
    while (!g_abort && g_tok <= g_last_tok && !kw(g_tok, sid::kShow)) {
        if (kw(g_tok, sid::kPoint)) {
            while (g_tok <= g_last_tok && !tok_is(g_tok, ";"))
                ++g_tok;
            ++g_tok;
        } else if (kw(g_tok, sid::kCircle)) {
            rd_circle();
        } else if (kw(g_tok, sid::kConstant)) {
            rd_constant();
        } else if (!try_construction() && !try_predicate()) {
            gerror(" " + tok_str(g_tok) + " " + tok_str(g_tok + 1) + " " + tok_str(g_tok + 2) + " " +
                   std::string(stm_string(sid::kNotProper)) + "\n");
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
    if (r != 0)
        set_pots(r, {p1, p2, p3, p4, p5, p6});
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
}

void parse_stm()
{
    g_rd_expr_mode = false;
    g_centre_count = 0;
    // Facts of an earlier statement speak of other points: the new
    // statement's circle lookups must not find them.
    run_prover_reset_stage(ResetStage::FactDatabase);
    g_parse_facts.clear();
    free_statement_polys();
    if (!kw(0, sid::kExample)) {
        gerror(stm_string(sid::kNoExample));
        return;
    }
    if (!kw(2, sid::kHypotheses)) {
        gerror(stm_string(sid::kNoHypotheses));
        return;
    }
    g_npoints = 0;
    number_free_points();
    if (g_abort)
        return;
    read_constructions();
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
