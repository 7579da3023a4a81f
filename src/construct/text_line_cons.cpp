// Texts of points on lines and circles, intersections, ratio points and
// rotations. A capital before a line or circle word gives its kind: H
// horizontal, P parallel (or, for circles, centre and point), T
// perpendicular, A angle line, R centre and radius.

#include <algorithm>
#include <cstring>
#include <iterator>

#include "construct/script_strings.h"
#include "construct/text_format.h"
#include "construct/text_line.h"
#include "construct/text_words.h"
#include "model/object_types.h"

namespace {

// "X: a point on Pline(A,BC)" in the formula style, "X is a point on
// Pline(ABC)" in the sentence style: a capital for the kind of line or
// circle, and in the formula style a comma after the first of three parents.
std::string points_on(const TextWords& x, int style)
{
    using namespace ssid;
    struct Form {
        int type;
        const char* kind;
        bool circle;
        int parents;
    };
    static constexpr Form kForms[] = {
        {otype::kOnHline, "H", false, 1},  {otype::kOnLine, "", false, 2},   {otype::kOnPline, "P", false, 3},
        {otype::kOnTline, "T", false, 3},  {otype::kOnCircle, "", true, 2},  {otype::kOnAline, "A", false, 5},
        {otype::kOnRcircle, "R", true, 3},
    };
    const auto* f = std::find_if(std::begin(kForms), std::end(kForms),
                                 [&](const Form& form) { return form.type == x.p.type; });
    if (f == std::end(kForms))
        return {};
    if (style != kFormulaStyle)
        return x.name() + x.w(kIsWord) + x.w(kPointOnWord) + f->kind +
               x.w(f->circle ? kCircleWord : kLineWord2) + "(" + x.names(0, f->parents) + ")";
    const std::string parents =
        f->parents == 3 ? x.a(0) + "," + x.names(1, 2) : x.names(0, f->parents);
    return x.name() + ":" + x.w(kPointOnWord) + f->kind + x.w(f->circle ? kCircleWord1 : kLineWord) +
           "(" + parents + ")";
}

// One of the two lines or circles an intersection lies on.
enum class Side {
    Through,   // "AB": the line through two points
    Line,      // "line(AB)": the same, worded
    PLine,     // "Pline(ABC)": through A parallel to BC
    TLine,     // "Tline(ABC)": through A perpendicular to BC
    PCircle,   // "Pcircle(AB)": centre A through B
    RCircle,   // "Rcircle(ABC)": centre A, radius BC
};

// The side's text from the parents at argument position `first`; advances
// `first` past them.
std::string side_text(const TextWords& x, Side side, int& first)
{
    using namespace ssid;
    const int count = side == Side::Through || side == Side::Line || side == Side::PCircle ? 2 : 3;
    const std::string names = x.names(first, count);
    first += count;
    switch (side) {
    case Side::Through: return names;
    case Side::Line: return x.w(kLineWord) + "(" + names + ")";
    case Side::PLine: return "P" + x.w(kLineWord2) + "(" + names + ")";
    case Side::TLine: return "T" + x.w(kLineWord2) + "(" + names + ")";
    case Side::PCircle: return "P" + x.w(kCircleWord) + "(" + names + ")";
    case Side::RCircle: return "R" + x.w(kCircleWord) + "(" + names + ")";
    }
    return names;
}

// "X=Pline(ABC)∩Pcircle(DE)", the same in both styles.
std::string intersection(const TextWords& x)
{
    struct Form {
        int type;
        Side first, second;
    };
    static constexpr Form kForms[] = {
        {otype::kInterLineLine, Side::Through, Side::Through},
        {otype::kInterLinePline, Side::Through, Side::PLine},
        {otype::kInterLineTline, Side::Through, Side::TLine},
        {otype::kInterPlinePline, Side::PLine, Side::PLine},
        {otype::kInterPlineTline, Side::PLine, Side::TLine},
        {otype::kInterTlineTline, Side::TLine, Side::TLine},
        {otype::kInterLineCircle, Side::Through, Side::PCircle},
        {otype::kInterPlineCircle, Side::PLine, Side::PCircle},
        {otype::kInterTlineCircle, Side::TLine, Side::PCircle},
        {otype::kInterCircleCircle, Side::PCircle, Side::PCircle},
        {otype::kInterLineRcircle, Side::Line, Side::RCircle},
        {otype::kInterCircleRcircle, Side::PCircle, Side::RCircle},
        {otype::kInterRcircleRcircle, Side::RCircle, Side::RCircle},
    };
    const auto* f = std::find_if(std::begin(kForms), std::end(kForms),
                                 [&](const Form& form) { return form.type == x.p.type; });
    if (f == std::end(kForms))
        return {};
    int at = 0;
    const std::string first = side_text(x, f->first, at);
    return x.name() + "=" + first + x.w(ssid::kIntersectionSign) + side_text(x, f->second, at);
}

std::string ratio_or_rotation(const TextWords& x, TextStatus* status)
{
    using namespace ssid;
    const std::string n = x.name();
    const std::string r1 = aux_run_text(x.p);
    const std::string r2(x.p.aux2.as_text());
    switch (x.p.type) {
    case otype::kLratio:
        // The ratio words of the point also go to the status bar.
        if (status) {
            status->set_status1(r1);
            status->set_status3(r2);
        }
        return fill_template("%s=L%s(%s%s,%s,%s)", {n, x.w(kRatioPointWord), x.a(0), x.a(1), r1, r2});
    case otype::kMratio:
        return fill_template("%s=M%s(%s%s,%s,%s)", {n, x.w(kRatioPointWord), x.a(0), x.a(1), r1, r2});
    case otype::kPratio:
        return fill_template("%s=P%s(%s%s%s,%s,%s)",
                             {n, x.w(kRatioPointWord), x.a(0), x.a(1), x.a(2), r1, r2});
    case otype::kNrotate:
        if (status)
            status->set_status1(r1);
        return fill_template("%s=NROTATE(%s%s,%s)", {n, x.a(0), x.a(1), r1});
    case otype::kProtate:
        return fill_template("%s=PROTATE(%s%s,%s%s%s)", {n, x.a(0), x.a(1), x.a(2), x.a(3), x.a(4)});
    default:
        return {};
    }
}

}  // namespace

std::string aux_run_text(const Dpoint& p)
{
    char bytes[2 * sizeof(Aux)];
    std::memcpy(bytes, &p.aux1, sizeof(Aux));
    std::memcpy(bytes + sizeof(Aux), &p.aux2, sizeof(Aux));
    return std::string(bytes, ::strnlen(bytes, sizeof bytes));
}

std::string cons_text(const ObjectTable& t, int style, int k, TextStatus* status)
{
    ensure_script_strings();
    const Dpoint& p = t.get(k);
    const TextWords x{t, p};
    if (style != kFormulaStyle && style != kSentenceStyle)
        return {};
    const int type = p.type;
    if (type == otype::kOnHline || (type >= otype::kOnLine && type <= otype::kOnRcircle))
        return points_on(x, style);
    if (type >= otype::kInterLineLine && type <= otype::kInterRcircleRcircle)
        return intersection(x);
    return ratio_or_rotation(x, status);
}
