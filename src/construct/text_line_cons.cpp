// Texts of points on lines and circles, intersections, ratio points and
// rotations. A capital before a line or circle word gives its kind: H
// horizontal, P parallel (or, for circles, centre and point), T
// perpendicular, A angle line, R centre and radius.

#include <cstring>

#include "construct/script_strings.h"
#include "construct/text_format.h"
#include "construct/text_line.h"
#include "platform/string_table.h"

namespace {

struct Words {
    const ObjectTable& t;
    const Dpoint& p;

    std::string name() const { return std::string(p.name_view()); }
    // Name of the parent in argument position i.
    std::string a(int i) const { return std::string(t.get(p.arg[i]).name_view()); }
    static std::string w(int id) { return load_string(id); }
};

std::string points_on(const Words& x, int style)
{
    using namespace ssid;
    const std::string n = x.name();
    const bool formula = style == kFormulaStyle;
    switch (x.p.type) {
    case 99:
        return formula ? fill_template("%s:%sH%s(%s)", {n, x.w(kPointOnWord), x.w(kLineWord), x.a(0)})
                       : fill_template("%s%s%sH%s(%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                         x.w(kLineWord2), x.a(0)});
    case 110:
        return formula ? fill_template("%s:%s%s(%s%s)",
                                       {n, x.w(kPointOnWord), x.w(kLineWord), x.a(0), x.a(1)})
                       : fill_template("%s%s%s%s(%s%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                          x.w(kLineWord2), x.a(0), x.a(1)});
    case 111:
        return formula ? fill_template("%s:%sP%s(%s,%s%s)", {n, x.w(kPointOnWord), x.w(kLineWord),
                                                             x.a(0), x.a(1), x.a(2)})
                       : fill_template("%s%s%sP%s(%s%s%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                             x.w(kLineWord2), x.a(0), x.a(1), x.a(2)});
    case 112:
        return formula ? fill_template("%s:%sT%s(%s,%s%s)", {n, x.w(kPointOnWord), x.w(kLineWord),
                                                             x.a(0), x.a(1), x.a(2)})
                       : fill_template("%s%s%sT%s(%s%s%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                             x.w(kLineWord2), x.a(0), x.a(1), x.a(2)});
    case 113:
        return formula ? fill_template("%s:%s%s(%s%s)",
                                       {n, x.w(kPointOnWord), x.w(kCircleWord1), x.a(0), x.a(1)})
                       : fill_template("%s%s%s%s(%s%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                          x.w(kCircleWord), x.a(0), x.a(1)});
    case 114:
        return formula ? fill_template("%s:%sA%s(%s%s%s%s%s)",
                                       {n, x.w(kPointOnWord), x.w(kLineWord), x.a(0), x.a(1), x.a(2),
                                        x.a(3), x.a(4)})
                       : fill_template("%s%s%sA%s(%s%s%s%s%s)",
                                       {n, x.w(kIsWord), x.w(kPointOnWord), x.w(kLineWord2), x.a(0),
                                        x.a(1), x.a(2), x.a(3), x.a(4)});
    case 115:
        return formula ? fill_template("%s:%sR%s(%s,%s%s)", {n, x.w(kPointOnWord), x.w(kCircleWord1),
                                                             x.a(0), x.a(1), x.a(2)})
                       : fill_template("%s%s%sR%s(%s%s%s)", {n, x.w(kIsWord), x.w(kPointOnWord),
                                                             x.w(kCircleWord), x.a(0), x.a(1), x.a(2)});
    default:
        return {};
    }
}

std::string intersection(const Words& x)
{
    using namespace ssid;
    const std::string n = x.name();
    const std::string cap = x.w(kIntersectionSign);
    const std::string line = x.w(kLineWord2);
    const std::string circle = x.w(kCircleWord);
    switch (x.p.type) {
    case 116:
        return fill_template("%s=%s%s%s%s%s", {n, x.a(0), x.a(1), cap, x.a(2), x.a(3)});
    case 117:
        return fill_template("%s=%s%s%sP%s(%s%s%s)",
                             {n, x.a(0), x.a(1), cap, line, x.a(2), x.a(3), x.a(4)});
    case 118:
        return fill_template("%s=%s%s%sT%s(%s%s%s)",
                             {n, x.a(0), x.a(1), cap, line, x.a(2), x.a(3), x.a(4)});
    case 119:
        return fill_template("%s=P%s(%s%s%s)%sP%s(%s%s%s)",
                             {n, line, x.a(0), x.a(1), x.a(2), cap, line, x.a(3), x.a(4), x.a(5)});
    case 120:
        return fill_template("%s=P%s(%s%s%s)%sT%s(%s%s%s)",
                             {n, line, x.a(0), x.a(1), x.a(2), cap, line, x.a(3), x.a(4), x.a(5)});
    case 121:
        return fill_template("%s=T%s(%s%s%s)%sT%s(%s%s%s)",
                             {n, line, x.a(0), x.a(1), x.a(2), cap, line, x.a(3), x.a(4), x.a(5)});
    case 122:
        return fill_template("%s=%s%s%sP%s(%s%s)", {n, x.a(0), x.a(1), cap, circle, x.a(2), x.a(3)});
    case 123:
        return fill_template("%s=P%s(%s%s%s)%sP%s(%s%s)",
                             {n, line, x.a(0), x.a(1), x.a(2), cap, circle, x.a(3), x.a(4)});
    case 124:
        return fill_template("%s=T%s(%s%s%s)%sP%s(%s%s)",
                             {n, line, x.a(0), x.a(1), x.a(2), cap, circle, x.a(3), x.a(4)});
    case 125:
        return fill_template("%s=P%s(%s%s)%sP%s(%s%s)",
                             {n, circle, x.a(0), x.a(1), cap, circle, x.a(2), x.a(3)});
    case 126:
        return fill_template("%s=%s(%s%s)%sR%s(%s%s%s)", {n, x.w(kLineWord), x.a(0), x.a(1), cap,
                                                          circle, x.a(2), x.a(3), x.a(4)});
    case 127:
        return fill_template("%s=P%s(%s%s)%sR%s(%s%s%s)",
                             {n, circle, x.a(0), x.a(1), cap, circle, x.a(2), x.a(3), x.a(4)});
    case 128:
        return fill_template("%s=R%s(%s%s%s)%sR%s(%s%s%s)",
                             {n, circle, x.a(0), x.a(1), x.a(2), cap, circle, x.a(3), x.a(4), x.a(5)});
    default:
        return {};
    }
}

std::string ratio_or_rotation(const Words& x, TextStatus* status)
{
    using namespace ssid;
    const std::string n = x.name();
    const std::string r1 = aux_run_text(x.p);
    const std::string r2(x.p.aux2.as_text());
    switch (x.p.type) {
    case 197:
        // The ratio words of the point also go to the status bar.
        if (status) {
            status->set_status1(r1);
            status->set_status3(r2);
        }
        return fill_template("%s=L%s(%s%s,%s,%s)", {n, x.w(kRatioPointWord), x.a(0), x.a(1), r1, r2});
    case 198:
        return fill_template("%s=M%s(%s%s,%s,%s)", {n, x.w(kRatioPointWord), x.a(0), x.a(1), r1, r2});
    case 199:
        return fill_template("%s=P%s(%s%s%s,%s,%s)",
                             {n, x.w(kRatioPointWord), x.a(0), x.a(1), x.a(2), r1, r2});
    case 470:
        if (status)
            status->set_status1(r1);
        return fill_template("%s=NROTATE(%s%s,%s)", {n, x.a(0), x.a(1), r1});
    case 471:
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
    const Words x{t, p};
    if (style != kFormulaStyle && style != kSentenceStyle)
        return {};
    const int type = p.type;
    if (type == 99 || (type >= 110 && type <= 115))
        return points_on(x, style);
    if (type >= 116 && type <= 128)
        return intersection(x);
    return ratio_or_rotation(x, status);
}
