// CIRCLE lines, and the constructions that the algebraic methods need
// rewritten into auxiliary records; both enter their facts into the database.

#include <algorithm>
#include <string>
#include <vector>

#include "facts/gdd_records.h"
#include "prover/point_names.h"
#include "prover/prover.h"
#include "statement/parse_fact_entry.h"
#include "statement/parser.h"
#include "statement/parser_internal.h"
#include "statement/tokenizer.h"

namespace stm_parse {

namespace {

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

// The record of the point a CIRCLE line names at g_tok; the line's records
// begin at record first. A line that names a point twice (CIRCLE A A;) is
// refused: it adds nothing but records that stand for no point.
int add_circle_record(int kind, int first)
{
    const std::string_view name = tok(g_tok);
    for (int k = first; k <= g_npoints; ++k) {
        if (!rec(k).generated && rec(k).name == name) {
            gerror(fmt("CIRCLE: point %s is named twice\n", std::string(name).c_str()));
            return 0;
        }
    }
    return add_user_point(kind, name);
}

// A CIRCLE line that names no point states nothing, and has no record to be
// shown by: no circle is entered for it.
void enter_circle(const ParseFact& circle)
{
    if (!circle.pts.empty())
        enter_parse_fact(circle);
}

// Area, database, full-angle and vector methods: every name becomes a point
// on one circle of unknown centre.
void rd_circle_points()
{
    ParseFact circle;
    circle.kind = ParseFact::Kind::Circle;
    const int first = g_npoints + 1;
    ++g_tok;
    while (g_tok <= g_last_tok && !tok_is(g_tok, ";")) {
        if (circle_full(circle.pts))
            return;
        add_circle_record(cons_kind::kCirclePoint, first);
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
    enter_circle(circle);
}

// Wu and Groebner: three points define the circle; further points get a
// centre record and lie on the circle through it.
void rd_circle_wu()
{
    ParseFact circle;
    circle.kind = ParseFact::Kind::Circle;
    std::vector<int> defining;
    const int first = g_npoints + 1;
    ++g_tok;
    while (defining.size() < 3 && g_tok <= g_last_tok && !tok_is(g_tok, ";")) {
        defining.push_back(add_circle_record(cons_kind::kCircleDefining, first));
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
            centre = add_pro_aux(cons_kind::kReaderCentre, centre_name(), defining[0], defining[1], defining[2]);
            if (g_abort)
                return;
            circle.p[0] = centre;
        }
        const int p = add_circle_record(cons_kind::kCircleFurther, first);
        if (g_abort)
            return;
        set_pots(p, {centre, defining[0]});
        add_circle_point(circle.pts, p);
        ++g_tok;
    }
    if (tok_is(g_tok, ";"))
        ++g_tok;
    enter_circle(circle);
}

}  // namespace

void rd_circle()
{
    const int line = g_tok;
    const int first = g_npoints + 1;
    if (g_method == kMethodWu || g_method == kMethodGroebner)
        rd_circle_wu();
    else
        rd_circle_points();
    // The line's first record shows it as written: the circle's points may
    // be points named before, which its records do not give back.
    if (!g_abort && g_npoints >= first)
        rec(first).written = tokens_text(line, tok_is(g_tok - 1, ";") ? g_tok - 1 : g_tok);
}

// ---- rewritten constructions -----------------------------------------------

namespace {

// The rewritten line of ntok tokens at token first, without its ";", on the
// record that stands for the line's point: its records do not give it back.
void keep_written_line(int x, int first, int ntok) { rec(x).written = tokens_text(first, first + ntok - 1); }

void fact(ParseFact::Kind kind, std::initializer_list<int> pts)
{
    ParseFact f;
    f.kind = kind;
    std::size_t k = 0;
    for (int p : pts)
        f.p[k++] = p;
    enter_parse_fact(f);
}

}  // namespace

// ON_BLINE X A B for the area and vector methods: X on the perpendicular
// bisector through the midpoint M_{..} of AB.
void rd_on_bline(int ntok)
{
    if (!area_or_vector() || g_npoints == 3) {
        rd_cons(cons_kind::kOnBline, ntok);
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
    const int m = add_pro_aux(cons_kind::kReaderMidpoint, "M_{" + pt_name(g_npoints) + "}", a, b, 0);
    if (g_abort)
        return;
    const int x = add_user_point(cons_kind::kReaderOnTline, tok(g_tok + 1));
    if (g_abort)
        return;
    set_pots(x, {m, a, b});
    keep_written_line(x, g_tok, ntok);
    g_tok += ntok;
}

// INTERSECTION_TC X A B C D E for the area and vector methods: the foot T_{X}
// of the perpendicular from A to BC, then X on line AT and on circle (D, E).
void rd_inter_tc(int ntok)
{
    if (!area_or_vector()) {
        rd_cons(cons_kind::kInterTlineCircle, ntok);
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
    const std::string xname(tok(g_tok + 1));
    const int t = add_pro_aux(cons_kind::kReaderOnTline, "T_{" + xname + "}", a, b, c);
    if (g_abort)
        return;
    fact(ParseFact::Kind::Tline, {t, a, b, c});
    const int x = add_user_point(cons_kind::kReaderLineCircle, xname);
    if (g_abort)
        return;
    set_pots(x, {a, t, d, e});
    fact(ParseFact::Kind::Line, {x, a, t});
    fact(ParseFact::Kind::Cir2, {d, x, e});
    keep_written_line(x, g_tok, ntok);
    g_tok += ntok;
}

namespace {

// Centre of the circle through c, d, e: known to the database, or the
// record r turned into a new centre record "o%d". Returns the centre.
int find_or_make_centre(int r, int c, int d, int e, bool* made)
{
    int o = parse_fd_cir3(c, d, e);
    *made = (o == 0);
    if (o == 0) {
        auto& centre = rec(r);
        centre.name = centre_name();
        centre.kind = cons_kind::kReaderCentre;
        centre.generated = true;
        set_pots(r, {c, d, e});
        fact(ParseFact::Kind::Cir3, {r, c, d, e});
        o = r;
    }
    return o;
}

}  // namespace

// INTERSECTION_LS X A B C D E: X on line AB and on the circle through C, D, E.
void rd_inter_ls(int ntok)
{
    const int line = g_tok;
    int x = rd_cons(cons_kind::kInterLineCircle3, ntok);
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
        x = add_pro_point(cons_kind::kReaderLineCircle, xname);
        if (g_abort)
            return;
    }
    const auto defines = [&](int p) { return p == c || p == d || p == e; };
    const int k = defines(a) ? a : defines(b) ? b : c;
    rec(x).kind = cons_kind::kReaderLineCircle;
    set_pots(x, {a, b, o, k});
    keep_written_line(x, line, ntok);
    fact(ParseFact::Kind::Line, {x, a, b});
    fact(ParseFact::Kind::Cir2, {o, x, c});
}

namespace {

// A point among both circles' defining points p[0..2] and p[3..5]; 0 if none.
int common_point(const int (&p)[6])
{
    for (int i = 0; i < 3; ++i)
        for (int j = 3; j < 6; ++j)
            if (p[i] == p[j])
                return p[i];
    return 0;
}

}  // namespace

// INTERSECTION_SS X A B C D E F: X on the circles through A, B, C and D, E, F.
void rd_inter_ss(int ntok)
{
    const int line = g_tok;
    int x = rd_cons(cons_kind::kInterCircle3Circle3, ntok);
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
            rec(x).kind = static_cast<std::uint32_t>(cons_kind::kPlaceholder);
            rec(x).name.clear();
        }
        int o2 = parse_fd_cir3(p[3], p[4], p[5]);
        if (o2 == 0) {
            o2 = add_pro_aux(cons_kind::kReaderCentre, centre_name(), p[3], p[4], p[5]);
            if (g_abort)
                return;
            fact(ParseFact::Kind::Cir3, {o2, p[3], p[4], p[5]});
        }
        int k1 = p[0], k2 = p[3];
        const int common = common_point(p);
        if (common != 0)
            k1 = k2 = common;
        x = add_pro_point(cons_kind::kReaderCircleCircle, xname);
        if (g_abort)
            return;
        set_pots(x, {o1, k1, o2, k2});
        keep_written_line(x, line, ntok);
    }
    // Entered with X's final record, so that they name the point itself.
    fact(ParseFact::Kind::Cir4, {0, x, p[0], p[1], p[2]});
    fact(ParseFact::Kind::Cir4, {0, x, p[3], p[4], p[5]});
}

}  // namespace stm_parse
