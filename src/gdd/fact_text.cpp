// The text of one fact and the questions asked about it.

#include "gdd/fact_text.h"

#include <algorithm>
#include <array>

#include "facts/fact_lookup.h"
#include "facts/fact_tests.h"
#include "facts/gdd_lookup.h"
#include "gdd/gdd_display.h"
#include "gdd/gdd_words.h"
#include "prover/prover.h"

namespace {

using gdd_words::kAngleSign;

// The names of the non-zero points among p[first..last], joined by ",".
std::string joined_names(const Gdd_cond& f, int first, int last)
{
    std::string s;
    for (int i = first; i <= last; ++i) {
        if (fact_pt(f, i) == 0)
            continue;
        if (!s.empty())
            s += ",";
        s += gdd_pt_name(fact_pt(f, i));
    }
    return s;
}

std::string in_math(const std::string& s) { return g_latex ? "$" + s + "$" : s; }

void print_record(const Gdd_cond& f)
{
    switch (f.type) {
    case kCondColl: show_line(static_cast<const Gdd_line*>(f.obj), true); break;
    case kCondPara:
        if (f.obj)
            show_pline(static_cast<const Gdd_pline*>(f.obj));
        break;
    case kCondPerp:
        if (f.obj)
            show_tline(static_cast<const Gdd_tline*>(f.obj));
        break;
    case kCondMid:
        if (f.obj)
            show_mid(static_cast<const Gdd_mid*>(f.obj));
        break;
    case kCondCyclic:
        if (f.obj)
            show_cir(static_cast<const Gdd_cir*>(f.obj));
        break;
    case kCondCong:
        if (f.obj)
            show_cg(static_cast<const Gdd_cg*>(f.obj));
        break;
    case kCondEqAngle: show_ea_written(static_cast<const Gdd_ea*>(f.obj)); break;
    case kCondRatio:
        if (f.obj)
            show_ratio(static_cast<const Gdd_ra*>(f.obj));
        break;
    case kCondCongTri:
        if (f.obj)
            show_con(static_cast<const Gdd_tri*>(f.obj));
        break;
    case kCondSimTri:
        if (f.obj)
            show_sim(static_cast<const Gdd_tri*>(f.obj));
        break;
    default: break;
    }
}

// The centre a circle fact is cited with: its own, else that of the record
// that held it when a rule stated it without one (inscribed angles need no
// centre). The record's reasons give the centre too, and a fact resting on
// it, such as equal radii, cites the record: without the centre it would
// read as a non sequitur.
int cited_centre(const Gdd_cond& f)
{
    if (fact_pt(f, 0) != 0)
        return fact_pt(f, 0);
    const Gdd_cir* held_by = cond_obj<Gdd_cir>(&f);
    return held_by ? held_by->centre : 0;
}

std::string point_fact_text(const Gdd_cond& f)
{
    auto n = [&](int i) { return gdd_pt_name(fact_pt(f, i)); };
    switch (f.type) {
    case kCondColl:
        return in_math(joined_names(f, 0, 5)) + " " + std::string(gdd_words::kLines);
    case kCondPara:
        if (g_latex)
            return fmt("$%s%s \\parallel %s%s", n(0), n(1), n(2), n(3)) + "$";
        return fmt("%s%s%s%s%s", n(0), n(1), std::string(gdd_words::kParaSign).c_str(), n(2), n(3));
    case kCondPerp:
        if (g_latex)
            return fmt("$%s%s\\bot %s%s$", n(0), n(1), n(2), n(3));
        return fmt("%s%s %s %s%s", n(0), n(1), std::string(gdd_words::kPerpSign).c_str(), n(2), n(3));
    case kCondMid:
        return fmt(g_latex ? "%s[$%s,%s%s$]" : "%s[%s,%s%s]", std::string(gdd_words::kMidLabel).c_str(),
                   n(0), n(1), n(2));
    case kCondCyclic: {
        if (fact_pt(f, 0) != 0 && fact_pt(f, 3) == 0)
            return in_math(fmt("%s%s = %s%s", n(0), n(1), n(0), n(2)));
        std::string s(gdd_words::kCyclic);
        s += g_latex ? "[$" : "[";
        if (const int centre = cited_centre(f))
            s += fmt("(%s)", gdd_pt_name(centre));
        s += joined_names(f, 1, 5);
        s += g_latex ? "$]" : "]";
        return s;
    }
    case kCondCong: return in_math(fmt("%s%s = %s%s", n(0), n(1), n(2), n(3)));
    case kCondEqAngle:
        return in_math(angle_text(fact_pt(f, 0), fact_pt(f, 1), fact_pt(f, 2), fact_pt(f, 3)) + " = " +
                       angle_text(fact_pt(f, 4), fact_pt(f, 5), fact_pt(f, 6), fact_pt(f, 7)));
    case kCondRatio:
        return in_math(fmt("%s%s*%s%s = %s%s*%s%s", n(0), n(1), n(6), n(7), n(2), n(3), n(4), n(5)));
    case kCondCongTri:
    case kCondSimTri: {
        std::string s(f.type == kCondCongTri ? gdd_words::kConTriangle : gdd_words::kSimTriangle);
        return s + in_math(fmt("[%s%s%s,%s%s%s]", n(0), n(1), n(2), n(3), n(4), n(5)));
    }
    default: return {};
    }
}

// Line pairs {ab, cd} and {ef, gh}, each line an unordered pair of points.
bool same_lines(const Gdd_cond& x, const Gdd_cond& y)
{
    const int a = fact_pt(x, 0), b = fact_pt(x, 1), c = fact_pt(x, 2), d = fact_pt(x, 3);
    const int e = fact_pt(y, 0), f = fact_pt(y, 1), g = fact_pt(y, 2), h = fact_pt(y, 3);
    return (same_pair(a, b, e, f) && same_pair(c, d, g, h)) || (same_pair(a, b, g, h) && same_pair(c, d, e, f));
}

bool same_segments(const Gdd_cond& x, const Gdd_cond& y)
{
    const std::array<int, 4> q{fact_pt(y, 0), fact_pt(y, 1), fact_pt(y, 2), fact_pt(y, 3)};
    const std::array<std::array<int, 4>, 3> forms{{
        {fact_pt(x, 1), fact_pt(x, 0), fact_pt(x, 3), fact_pt(x, 2)},
        {fact_pt(x, 2), fact_pt(x, 3), fact_pt(x, 0), fact_pt(x, 1)},
        {fact_pt(x, 3), fact_pt(x, 2), fact_pt(x, 1), fact_pt(x, 0)},
    }};
    return std::find(forms.begin(), forms.end(), q) != forms.end();
}

bool cyclic_alike(const Gdd_cond& x, const Gdd_cond& y)
{
    if (x.p[0] != y.p[0])
        return false;
    for (int i = 1; i < 8; ++i)
        if (std::find(y.p.begin() + 1, y.p.end(), x.p[static_cast<std::size_t>(i)]) == y.p.end())
            return false;
    return true;
}

}  // namespace

std::string angle_text(int a, int b, int c, int d)
{
    auto n = [](int p) { return gdd_pt_name(p); };
    const char* sign = kAngleSign.data();
    if (d == a)
        return fmt("%s[%s%s,%s%s]", sign, n(a), n(b), n(a), n(c));
    if (b == c)
        return fmt("%s[%s%s,%s%s]", sign, n(b), n(a), n(b), n(d));
    if (d == b)
        return fmt("%s[%s%s,%s%s]", sign, n(b), n(a), n(b), n(c));
    return fmt("%s[%s%s,%s%s]", sign, n(a), n(b), n(c), n(d));
}

void print_fact(const Gdd_cond& f)
{
    switch (f.type) {
    case kCondTrivial: return;
    case kCondOrthocenter: {
        auto n = [&](int i) { return gdd_pt_name(fact_pt(f, i)); };
        gprint(fmt("%s[$%s,%s%s%s$](perp[$%s%s,%s%s$], perp[$%s%s,%s%s$]) ",
                   std::string(gdd_words::kOrthocenter).c_str(), n(0), n(1), n(2), n(3), n(0), n(1), n(2),
                   n(3), n(0), n(2), n(1), n(3)));
        return;
    }
    case kCondIncenter: {
        auto n = [&](int i) { return gdd_pt_name(fact_pt(f, i)); };
        gprint(fmt("%s[$%s,%s%s%s$]", std::string(gdd_words::kIncenter).c_str(), n(0), n(1), n(2), n(3)));
        return;
    }
    case kCondColl:
    case kCondPara:
    case kCondPerp:
    case kCondMid:
    case kCondCyclic:
    case kCondCong:
    case kCondEqAngle:
    case kCondRatio:
    case kCondCongTri:
    case kCondSimTri:
        if (is_record_fact(f))
            print_record(f);
        else
            gprint(point_fact_text(f));
        return;
    default: gprint(fmt("co-pred (%d) error", f.type)); return;
    }
}

bool fact_equal(const Gdd_cond& x, const Gdd_cond& y)
{
    if (x.type != y.type)
        return false;
    if (x.p == y.p) {
        // Two record facts are the same fact only when they name one record.
        const bool no_points = std::all_of(x.p.begin(), x.p.end(), [](std::uint32_t q) { return q == 0; });
        return !no_points || x.obj == y.obj;
    }
    // A whole record and a fact written with points are told apart: the
    // record's empty point slots would match any point list.
    if (is_record_fact(x) || is_record_fact(y))
        return false;
    switch (x.type) {
    case kCondPara:
    case kCondPerp: return same_lines(x, y);
    case kCondMid: return x.p[0] == y.p[0] && x.p[1] == y.p[2] && x.p[2] == y.p[1];
    case kCondCyclic: return cyclic_alike(x, y);
    case kCondCong: return same_segments(x, y);
    default: return false;
    }
}

bool fact_trivial(const Gdd_cond& f)
{
    if (f.p[0] == 0)
        return false;
    const auto& p = f.p;
    switch (f.type) {
    case kCondColl: return p[0] == p[1] || p[0] == p[2] || p[1] == p[2];
    case kCondPara:
    case kCondPerp: return p[0] == p[1] || p[2] == p[3];
    case kCondCong: return p[0] == p[1] && p[2] == p[3];
    default: return false;
    }
}

int show_fact(Gdd_cond* fact, const Gdd_cond* other, int mode)
{
    switch (mode) {
    case kFactPrint: print_fact(*fact); return 0;
    case kFactLookup: note_fact_record(fact); return 0;
    case kFactEqual: return other && fact_equal(*fact, *other) ? 1 : 0;
    case kFactTrivial: return fact_trivial(*fact) ? 1 : 0;
    default: return 0;
    }
}
