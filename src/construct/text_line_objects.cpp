// Texts of the objects that word themselves: the named point constructions,
// lines, curves, arrows, conics, fills, marks, texts and buttons. Every other
// type is a constructed point worded by cons_text.

#include <algorithm>

#include "construct/script_strings.h"
#include "construct/text_format.h"
#include "construct/text_line.h"
#include "construct/text_words.h"
#include "model/object_types.h"

namespace {

std::string point_construction(const TextWords& x, int style)
{
    using namespace ssid;
    const std::string n = x.name();
    const bool formula = style == kFormulaStyle;
    const std::string is = x.w(kIsWord);
    switch (x.p.type) {
    case otype::kFoot:
        return formula ? fill_template("%s=%s(%s,%s%s)", {n, x.w(kFootWord), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(kFootWord), x.a(0),
                                                            x.w(kToWord), x.a(1), x.a(2)});
    case otype::kMidpoint:
        return formula ? fill_template("%s=%s(%s%s)", {n, x.w(kMidpointWord), x.a(0), x.a(1)})
                       : fill_template("'%s'%s%s%s%s", {n, is, x.w(kMidpointWord), x.a(0), x.a(1)});
    case otype::kCentroid:
    case otype::kCircumcenter:
    case otype::kOrthocenter:
    case otype::kIncenterVertex:
    case otype::kIncenter: {
        const int word = x.p.type == otype::kCentroid         ? kCentroidWord
                         : x.p.type == otype::kCircumcenter   ? kCircumcenterWord
                         : x.p.type == otype::kOrthocenter    ? kOrthocenterWord
                         : x.p.type == otype::kIncenterVertex ? kAntiCenterWord
                                           : kIncenterWord;
        return formula ? fill_template("%s=%s(%s%s%s)", {n, x.w(word), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(word), x.w(kTriangleWord),
                                                            x.a(0), x.a(1), x.a(2)});
    }
    case otype::kSymmetricPoint:
        return formula ? fill_template("%s=%s(%s%s)", {n, x.w(kSymmetricWord), x.a(0), x.a(1)})
                       : fill_template("'%s'%s%s%s%s%s", {n, is, x.w(kSymmetricWord), x.a(0),
                                                          x.w(kWithWord), x.a(1)});
    case otype::kReflection:
        return formula ? fill_template("%s=%s(%s,%s%s)",
                                       {n, x.w(kReflectionWord), x.a(0), x.a(1), x.a(2)})
                       : fill_template("'%s'%s%s%s%s%s%s", {n, is, x.w(kReflectionWord), x.a(0),
                                                            x.w(kWithWord), x.a(1), x.a(2)});
    case otype::kInversion:
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
    case otype::kFreePoint: out = fill_template("%s:%s", {n, x.w(kFreePointWord)}); return true;
    case otype::kEquilateralVertex:
    case otype::kPositiveSquare:
    case otype::kNegativeSquare: {
        // The point's own name is also the first vertex of the triangle.
        const int word = x.p.type == otype::kEquilateralVertex ? kEquilateralWord
                         : x.p.type == otype::kPositiveSquare   ? kPositiveSquareWord
                                           : kNegativeSquareWord;
        out = fill_template("%s: %s%s%s%s%s", {n, n, x.a(0), x.a(1), x.w(kIsWord), x.w(word)});
        return true;
    }
    case otype::kSegment: out = named2(kLineWord); return true;
    case otype::kMarkedSegment: out = named2(kMarkedLineWord); return true;
    case otype::kCircle: out = named2(kCircleWord); return true;
    case otype::kArc:
        out = fill_template("%s: (%s)%s%s", {x.w(kArcWord), x.a(0), x.a(1), x.a(2)});
        return true;
    case otype::kOneWayArrow: out = fill_template("%s:%s%s", {x.w(kArrowWord), x.a(0), x.a(1)}); return true;
    case otype::kTwoWayArrow: out = named2(kArrowWord); return true;
    case otype::kEllipse: out = named3(kEllipseWord); return true;
    case otype::kHyperbola: out = named3(kHyperbolaWord); return true;
    case otype::kParabola: out = named3(kParabolaWord); return true;
    case otype::kThreePointCircle:
    case otype::kThreePointArc: {
        const int word = x.p.type == otype::kThreePointCircle ? kCircleWord : kArcWord;
        out = style == kFormulaStyle
                  ? fill_template("C%s: %s%s%s", {x.w(word), x.a(0), x.a(1), x.a(2)})
                  : fill_template("%s%s%s%s%s%s", {x.w(word), x.w(kPassingWord),
                                                   x.w(kThreePointsWord), x.a(0), x.a(1), x.a(2)});
        return true;
    }
    case otype::kFillTriangle: out = named3(kFillTriangleWord); return true;
    case otype::kFillPolygon: {
        // The count field holds the vertices plus the closing one.
        out = x.w(kFillPolygonWord);
        const int vertices = std::min<int>(x.p.name_dx - 1, Dpoint::kArgCount);
        for (int i = 0; i < vertices; ++i)
            out += fill_template(" %s", {x.a(i)});
        return true;
    }
    case otype::kFillCircle: out = named2(kFillCircleWord); return true;
    case otype::kFillChord: out = named3(kFillChordWord); return true;
    case otype::kFillPie: out = named3(kFillPieWord); return true;
    case otype::kSegmentMark: out = named2(kMarkLineWord); return true;
    case otype::kAngleMark: out = named3(kMarkAngleWord); return true;
    case otype::kFilledAngleMark: out = named3(kFillAngleWord); return true;
    case otype::kText: out = fill_template("%s: %s", {x.w(kTextWord), x.p.text_view()}); return true;
    case otype::kAnimationButton: out = x.w(kAnimationWord); return true;
    case otype::kHideButton: out = fill_template("%s:%s", {x.w(kButtonWord), n}); return true;
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
    if (p.cls == oclass::kDrivingPoint)
        return fill_template("%s:%s", {x.w(ssid::kDrivingPoint), x.a(0)});
    if ((p.type >= otype::kFoot && p.type <= otype::kIncenter) ||
        (p.type >= otype::kSymmetricPoint && p.type <= otype::kInversion))
        return point_construction(x, style);
    std::string out;
    if (one_form(x, style, out))
        return out;
    return cons_text(t, style, k, status);
}
