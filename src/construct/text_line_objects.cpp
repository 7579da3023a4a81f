// Texts of the objects that word themselves: the named point constructions,
// lines, curves, arrows, conics, fills, marks, texts and buttons. Every other
// type is a constructed point worded by cons_text.

#include <algorithm>

#include "construct/script_strings.h"
#include "construct/text_format.h"
#include "construct/text_line.h"
#include "construct/text_words.h"

namespace {

// A record of this class reaches a table only from a point file.
constexpr int kDrivingPointClass = 8;

std::string point_construction(const TextWords& x, int style)
{
    using namespace ssid;
    const std::string n = x.name();
    const bool formula = style == kFormulaStyle;
    const std::string is = x.w(kIsWord);
    switch (x.p.type) {
    case 102:
        return formula ? fill_template("%s=%s(%s,%s%s)", {n, x.w(kFootWord), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(kFootWord), x.a(0),
                                                            x.w(kToWord), x.a(1), x.a(2)});
    case 103:
        return formula ? fill_template("%s=%s(%s%s)", {n, x.w(kMidpointWord), x.a(0), x.a(1)})
                       : fill_template("'%s'%s%s%s%s", {n, is, x.w(kMidpointWord), x.a(0), x.a(1)});
    case 104:
    case 105:
    case 106:
    case 107:
    case 108: {
        const int word = x.p.type == 104   ? kCentroidWord
                         : x.p.type == 105 ? kCircumcenterWord
                         : x.p.type == 106 ? kOrthocenterWord
                         : x.p.type == 107 ? kAntiCenterWord
                                           : kIncenterWord;
        return formula ? fill_template("%s=%s(%s%s%s)", {n, x.w(word), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(word), x.w(kTriangleWord),
                                                            x.a(0), x.a(1), x.a(2)});
    }
    case 129:
        return formula ? fill_template("%s=%s(%s%s)", {n, x.w(kSymmetricWord), x.a(0), x.a(1)})
                       : fill_template("'%s'%s%s%s%s%s", {n, is, x.w(kSymmetricWord), x.a(0),
                                                          x.w(kWithWord), x.a(1)});
    case 130:
        return formula ? fill_template("%s=%s(%s,%s%s)",
                                       {n, x.w(kReflectionWord), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(kReflectionWord), x.a(0),
                                                            x.w(kWithWord), x.a(1), x.a(2)});
    case 131:
        return formula ? fill_template("%s=%s(%s,%s%s)",
                                       {n, x.w(kInversionWord), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s%s",
                                       {n, is, x.w(kInversionWord), x.a(0), x.w(kWithWord),
                                        x.w(kCircleWordBlank), x.a(1), x.a(2)});
    default:
        return {};
    }
}

// Forms without a separate sentence style (222 and 458 excepted); false
// when the type has none here.
bool one_form(const TextWords& x, int style, std::string& out)
{
    using namespace ssid;
    const std::string n = x.name();
    auto named3 = [&](int word) { return fill_template("%s: %s%s%s", {x.w(word), x.a(0), x.a(1), x.a(2)}); };
    auto named2 = [&](int word) { return fill_template("%s: %s%s", {x.w(word), x.a(0), x.a(1)}); };
    switch (x.p.type) {
    case 101: out = fill_template("%s:%s", {n, x.w(kFreePointWord)}); return true;
    case 109:
    case 132:
    case 133: {
        // The point's own name is also the first vertex of the triangle.
        const int word = x.p.type == 109 ? kEquilateralWord
                         : x.p.type == 132 ? kPositiveSquareWord
                                           : kNegativeSquareWord;
        out = fill_template("%s: %s%s%s%s%s", {n, n, x.a(0), x.a(1), x.w(kIsWord), x.w(word)});
        return true;
    }
    case 135: out = named2(kLineWord); return true;
    case 460: out = named2(kMarkedLineWord); return true;
    case 136: out = named2(kCircleWord); return true;
    case 192: out = fill_template("%s: (%s)%s%s", {x.w(kArcWord), x.a(0), x.a(1), x.a(2)}); return true;
    case 186: out = fill_template("%s:%s%s", {x.w(kArrowWord), x.a(0), x.a(1)}); return true;
    case 187: out = named2(kArrowWord); return true;
    case 455: out = named3(kEllipseWord); return true;
    case 456: out = named3(kHyperbolaWord); return true;
    case 457: out = named3(kParabolaWord); return true;
    case 222:
    case 458: {
        const int word = x.p.type == 222 ? kCircleWord : kArcWord;
        out = style == kFormulaStyle
                  ? fill_template("C%s: %s%s%s", {x.w(word), x.a(0), x.a(1), x.a(2)})
                  : fill_template("%s%s%s%s%s%s", {x.w(word), x.w(kPassingWord),
                                                   x.w(kThreePointsWord), x.a(0), x.a(1), x.a(2)});
        return true;
    }
    case 143: out = named3(kFillTriangleWord); return true;
    case 144: {
        // The count field holds the vertices plus the closing one.
        out = x.w(kFillPolygonWord);
        const int vertices = std::min<int>(x.p.name_dx - 1, Dpoint::kArgCount);
        for (int i = 0; i < vertices; ++i)
            out += fill_template(" %s", {x.a(i)});
        return true;
    }
    case 145: out = named2(kFillCircleWord); return true;
    case 146: out = named3(kFillChordWord); return true;
    case 147: out = named3(kFillPieWord); return true;
    case 181: out = named2(kMarkLineWord); return true;
    case 182: out = named3(kMarkAngleWord); return true;
    case 183: out = named3(kFillAngleWord); return true;
    case 180: out = fill_template("%s: %s", {x.w(kTextWord), x.p.text_view()}); return true;
    case 465: out = x.w(kAnimationWord); return true;
    case 466: out = fill_template("%s:%s", {x.w(kButtonWord), n}); return true;
    default: return false;
    }
}

}  // namespace

std::string obj_text(const ObjectTable& t, int style, int k, TextStatus* status)
{
    ensure_script_strings();
    if (style != kFormulaStyle && style != kSentenceStyle)
        return {};
    const Dpoint& p = t.get(k);
    const TextWords x{t, p};
    if (p.cls == kDrivingPointClass)
        return fill_template("%s:%s", {x.w(ssid::kDrivingPoint), x.a(0)});
    if ((p.type >= 102 && p.type <= 108) || (p.type >= 129 && p.type <= 131))
        return point_construction(x, style);
    std::string out;
    if (one_form(x, style, out))
        return out;
    return cons_text(t, style, k, status);
}
