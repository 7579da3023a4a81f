// do_concl: the meaning of the conclusion record in one mode.

#include <cstdio>
#include <string>

#include "facts/fact_tests.h"
#include "prover/keywords.h"
#include "prover/point_names.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "statement/cons_equations.h"
#include "statement/semantics.h"
#include "statement/text_fill.h"
#include "statement/tokenizer.h"

namespace {

int p(int k) { return static_cast<int>(g_concl.p[static_cast<std::size_t>(k - 1)]); }
std::string_view n(int k) { return pt_name(p(k)); }
std::string_view w(int id) { return stm_string(id); }

std::string side(const xterm* q) { return q ? poly_text(q, 0) : std::string(); }

// Keyword and the slots it prints, for the keyword and statement forms.
struct ConclForm {
    int kind;
    int keyword;            // keyword form (modes 3, 8)
    int statement_keyword;  // statement form (mode 4)
    std::initializer_list<int> slots;
};

const ConclForm* form_of(int kind)
{
    static const ConclForm forms[] = {
        {concl_kind::kCollinear, sid::kColl, sid::kCollinear, {1, 2, 3}},
        {concl_kind::kParallel, sid::kPara, sid::kParallel, {1, 2, 3, 4}},
        {concl_kind::kPerpendicular, sid::kPerp, sid::kPerpendicular, {1, 2, 3, 4}},
        {concl_kind::kMidpoint, sid::kMidpoint, sid::kMidpoint, {1, 2, 3}},
        {concl_kind::kCyclic, sid::kCocircle, sid::kCocircle, {2, 3, 4, 5}},
        {concl_kind::kEqualDistance, sid::kCong, sid::kEqdistance, {1, 2, 3, 4}},
        {concl_kind::kEqualAngle, sid::kAcong, sid::kEqangle, {1, 2, 4, 5, 6, 8}},
        {concl_kind::kEqualProduct, sid::kEqProduct, sid::kEqProduct, {1, 2, 7, 8, 3, 4, 5, 6}},
        {concl_kind::kTangentCircles, sid::kTangent, sid::kTangent, {1, 2, 3, 4}},
        {concl_kind::kHarmonic, sid::kHarmonicPair, sid::kHarmonicPair, {1, 2, 3, 4}},
        {concl_kind::kEquilateral, sid::kPositiveTriangle, sid::kPositiveTriangle, {1, 2, 3}},
        {concl_kind::kCongruent, sid::kConTriangle, sid::kConTriangle, {1, 2, 3, 4, 5, 6}},
        {concl_kind::kSimilar, sid::kSimTriangle, sid::kSimTriangle, {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& f : forms)
        if (f.kind == kind)
            return &f;
    return nullptr;
}

std::string names(const ConclForm& f)
{
    std::string out;
    for (int k : f.slots) {
        out += ' ';
        out += n(k);
    }
    return out;
}

bool no_conclusion(int kind) { return kind == concl_kind::kEmpty || kind == concl_kind::kNone; }

void report_unknown_kind()
{
    gerror(fmt("%d %s.", g_concl.type, std::string(w(sid::kNotProperPredicate)).c_str()));
}

int database_test()
{
    switch (g_concl.type) {
    case concl_kind::kCollinear: return xcoll(p(1), p(2), p(3));
    case concl_kind::kParallel: return xpara(p(1), p(2), p(3), p(4));
    case concl_kind::kPerpendicular: return xperp(p(1), p(2), p(3), p(4));
    case concl_kind::kMidpoint: return xmid(p(1), p(2), p(3));
    case concl_kind::kCyclic: return xcir_4p(0, p(2), p(3), p(4), p(5));
    case concl_kind::kEqualDistance: return xcong(p(1), p(2), p(3), p(4));
    case concl_kind::kEqualAngle: return xacong(p(1), p(2), p(4), p(5), p(6), p(8));
    case concl_kind::kEqualProduct: return xratio(p(1), p(2), p(3), p(4), p(5), p(6), p(7), p(8));
    case concl_kind::kCongruent: return xcon(p(1), p(2), p(3), p(4), p(5), p(6));
    case concl_kind::kSimilar: return xsim(p(1), p(2), p(3), p(4), p(5), p(6));
    default: return 0;  // no database test: not in the database
    }
}

}  // namespace

bool concl_has_database_test(int kind)
{
    return (kind >= concl_kind::kCollinear && kind <= concl_kind::kEqualProduct) || kind == concl_kind::kCongruent ||
           kind == concl_kind::kSimilar;
}

std::string concl_keyword_text()
{
    const int kind = g_concl.type;
    if (kind == concl_kind::kEquation)
        return side(g_concl_lhs) + " = " + side(g_concl_rhs);
    if (const ConclForm* f = form_of(kind))
        return std::string(w(f->keyword)) + names(*f);
    return "";
}

std::string concl_statement_text()
{
    const int kind = g_concl.type;
    const std::string_view show = w(sid::kShow);
    if (no_conclusion(kind))
        return fill("%s %s", {show, w(sid::kNo)}) + ".\r\n";
    if (kind == concl_kind::kEquation)
        return std::string(show) + " " + concl_keyword_text() + ".\r\n";
    const ConclForm* f = form_of(kind);
    if (!f)
        return "";
    // Collinear, midpoint, cocyclic and the positive triangle keep the
    // reader's two blanks after "SHOW:".
    const bool two_blanks = kind == concl_kind::kCollinear || kind == concl_kind::kMidpoint ||
                            kind == concl_kind::kCyclic || kind == concl_kind::kEquilateral;
    return std::string(show) + (two_blanks ? "  " : " ") + std::string(w(f->statement_keyword)) + names(*f) + ".\r\n";
}

std::string concl_sentence_text()
{
    const std::string_view show = w(sid::kSentenceShow);
    switch (g_concl.type) {
    case concl_kind::kCollinear: return fill("%s%s, %s, %s%s.", {show, n(1), n(2), n(3), w(sid::kColl)});
    case concl_kind::kParallel: return fill("%s%s%s%s%s%s.", {show, n(1), n(2), w(sid::kParallelTo), n(3), n(4)});
    case concl_kind::kPerpendicular:
        return fill("%s%s%s%s%s%s.", {show, n(1), n(2), w(sid::kPerpendicularTo), n(3), n(4)});
    case concl_kind::kMidpoint:
        return fill("%s%s%s%s%s%s.", {show, n(1), w(sid::kIs), n(2), n(3), w(sid::kMidpointWord)});
    case concl_kind::kCyclic: return fill("%s%s, %s, %s, %s%s.", {show, n(2), n(3), n(4), n(5), w(sid::kCocircle)});
    case concl_kind::kEqualDistance: return fill("%s%s%s = %s%s.", {show, n(1), n(2), n(3), n(4)});
    case concl_kind::kEqualAngle:
        return fill("%s%s%s%s%s = %s%s%s%s.",
                    {show, w(sid::kAngleSign), n(1), n(2), n(4), w(sid::kAngleSign), n(5), n(6), n(8)});
    case concl_kind::kEqualProduct:
        return fill("%s%s%s * %s%s = %s%s * %s%s.", {show, n(1), n(2), n(7), n(8), n(3), n(4), n(5), n(6)});
    case concl_kind::kTangentCircles:
        return fill("%s%s %s%s, %s%s%s.",
                    {show, w(sid::kTwoCircles), n(1), n(2), n(3), n(4), w(sid::kTangentWord)});
    default: return "";
    }
}

int do_concl(int key)
{
    const int kind = g_concl.type;
    if (g_trace)
        std::printf("conclusion: %d %d\n", kind, key);
    const bool known = no_conclusion(kind) || kind == concl_kind::kEquation || form_of(kind) != nullptr;
    switch (key) {
    case cgeo::kPolys:
        concl_coord_polys();
        return 0;
    case cgeo::kAlgebraic:
        if (!known) {
            report_unknown_kind();
            return 0;
        }
        print_concl_algebraic();
        return 0;
    case cgeo::kPredicate:
        if (!known) {
            report_unknown_kind();
            return 0;
        }
        gprint(concl_keyword_text() + ".\r\n");
        return 0;
    case cgeo::kNonDegenerate:
        if (!known) {
            report_unknown_kind();
            return 0;
        }
        gprint(concl_statement_text());
        return 0;
    case cgeo::kStatement:
        if (!known) {
            report_unknown_kind();
            return 0;
        }
        return database_test();
    case cgeo::kDrawing:
        if (!known) {
            report_unknown_kind();
            return 0;
        }
        gprint(concl_sentence_text());
        return 0;
    default:
        return 0;
    }
}

int do_concl_w() { return do_concl(cgeo::kStatement); }

int do_concl_of(const Gdd_cond& fact)
{
    const Gdd_cond saved = g_concl;
    g_concl.type = fact.type;
    g_concl.p = fact.p;
    const int found = do_concl(cgeo::kStatement);
    g_concl = saved;
    return found;
}
