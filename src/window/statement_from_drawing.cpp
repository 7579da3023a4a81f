// The prover's statement taken from a drawing: every point object becomes a
// construction record, the drawing's chosen conclusion the conclusion record.

#include <algorithm>
#include <string>
#include <utility>

#include "model/aux_text.h"
#include "model/object_types.h"
#include "prover/prover.h"
#include "statement/kept_statement.h"
#include "statement/statement_forms.h"
#include "statement/statement_records.h"
#include "statement/window/tosk_app.h"
#include "window/dchild.h"
#include "window/prover_bridge.h"

namespace {

constexpr std::size_t kRotationTextLength = 15;

// A record taken from a drawing keeps its object's type as its kind, so the
// drawing's point types and the prover's construction kinds must agree.
constexpr std::pair<int, int> kSameConstruction[] = {
    {otype::kOnHline, cons_kind::kOnHline},
    {otype::kFreePoint, cons_kind::kFreePoint},
    {otype::kFoot, cons_kind::kFoot},
    {otype::kMidpoint, cons_kind::kMidpoint},
    {otype::kCentroid, cons_kind::kCentroid},
    {otype::kCircumcenter, cons_kind::kCircumcenter},
    {otype::kOrthocenter, cons_kind::kOrthocenter},
    {otype::kIncenterVertex, cons_kind::kIncenterVertex},
    {otype::kIncenter, cons_kind::kIncenter},
    {otype::kEquilateralVertex, cons_kind::kEquilateralVertex},
    {otype::kOnLine, cons_kind::kOnLine},
    {otype::kOnPline, cons_kind::kOnPline},
    {otype::kOnTline, cons_kind::kOnTline},
    {otype::kOnCircle, cons_kind::kOnCircle},
    {otype::kOnAline, cons_kind::kOnAline},
    {otype::kOnRcircle, cons_kind::kOnRcircle},
    {otype::kInterLineLine, cons_kind::kInterLineLine},
    {otype::kInterLinePline, cons_kind::kInterLinePline},
    {otype::kInterLineTline, cons_kind::kInterLineTline},
    {otype::kInterPlinePline, cons_kind::kInterPlinePline},
    {otype::kInterPlineTline, cons_kind::kInterPlineTline},
    {otype::kInterTlineTline, cons_kind::kInterTlineTline},
    {otype::kInterLineCircle, cons_kind::kInterLineCircle},
    {otype::kInterPlineCircle, cons_kind::kInterPlineCircle},
    {otype::kInterTlineCircle, cons_kind::kInterTlineCircle},
    {otype::kInterCircleCircle, cons_kind::kInterCircleCircle},
    {otype::kInterLineRcircle, cons_kind::kInterLineRcircle},
    {otype::kInterCircleRcircle, cons_kind::kInterCircleRcircle},
    {otype::kInterRcircleRcircle, cons_kind::kInterRcircleRcircle},
    {otype::kSymmetricPoint, cons_kind::kSymmetricPoint},
    {otype::kReflection, cons_kind::kReflection},
    {otype::kInversion, cons_kind::kInversion},
    {otype::kPositiveSquare, cons_kind::kPositiveSquare},
    {otype::kNegativeSquare, cons_kind::kNegativeSquare},
    {otype::kLratio, cons_kind::kLratio},
    {otype::kMratio, cons_kind::kMratio},
    {otype::kPratio, cons_kind::kPratio},
    {otype::kNrotate, cons_kind::kNrotate},
    {otype::kProtate, cons_kind::kProtate},
};
static_assert(std::ranges::all_of(kSameConstruction, [](auto pair) { return pair.first == pair.second; }));

// Likewise the conclusion the drawing chose becomes the conclusion record.
constexpr std::pair<int, int> kSameConclusion[] = {
    {concl::kCollinear, concl_kind::kCollinear},
    {concl::kParallel, concl_kind::kParallel},
    {concl::kPerpendicular, concl_kind::kPerpendicular},
    {concl::kMidpoint, concl_kind::kMidpoint},
    {concl::kCyclic, concl_kind::kCyclic},
    {concl::kEqualDistance, concl_kind::kEqualDistance},
    {concl::kEqualAngle, concl_kind::kEqualAngle},
    {concl::kEqualProduct, concl_kind::kEqualProduct},
    {concl::kTangentCircles, concl_kind::kTangentCircles},
    {concl::kHarmonic, concl_kind::kHarmonic},
    {concl::kEquilateral, concl_kind::kEquilateral},
    {concl::kCongruent, concl_kind::kCongruent},
    {concl::kSimilar, concl_kind::kSimilar},
};
static_assert(std::ranges::all_of(kSameConclusion, [](auto pair) { return pair.first == pair.second; }));

// The prover's ratio kinds: the drawing's Lratio, Mratio and Pratio points
// and one more that no drawing command makes.
bool is_ratio_point(int type) { return type >= cons_kind::kLratio && type <= cons_kind::kRatioUnused; }

// First record among 1..last named like object k of the drawing; 0 (and a
// message) when none is.
int find_point_record(Dchild& win, int k, int last)
{
    if (k == 0)
        return 0;
    const std::string name(win.objects().get(k).name_view());
    for (int i = 1; i <= last && i < kProPointCount; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].name == name)
            return i;
    gprint(fmt("\r\nCheckinput: Cannot find point %s(%d)\r\n", name.c_str(), k));
    return 0;
}

// The rotation angle as the drawing keeps it: text beginning in the first
// parameter field and running on into the second when it fills the first.
std::string rotation_text(const Dpoint& obj)
{
    std::string text(obj.aux1.as_text());
    if (text.size() == sizeof obj.aux1)
        text += obj.aux2.as_text();
    if (text.size() > kRotationTextLength)
        text.resize(kRotationTextLength);
    return text;
}

}  // namespace

int check_point_name(Dchild& win, int k) { return find_point_record(win, k, g_npoints); }

void diagram_to_prover(Dchild& win)
{
    if (!prover_tables_built())
        return;
    const bool window_open = running_prover() != nullptr;
    if (window_open)
        clear_prover_window();
    forget_read_statement();

    ObjectTable& t = win.objects();
    const int count = t.count();
    g_npoints = 0;
    for (int i = rec::kFirstObject; i < count; ++i) {
        const Dpoint& obj = t.get(i);
        if (obj.cls != oclass::kPoint)
            continue;
        if (g_npoints >= kMaxProPoints) {
            gprint(fmt("\r\nOnly the first %d points of the drawing are taken.\r\n", kMaxProPoints));
            break;
        }
        // The parents are looked up among the records made so far only: the
        // record about to be filled still holds an earlier statement's point.
        std::array<std::uint32_t, 8> pots{};
        for (int s = 7; s >= 0; --s)
            pots[static_cast<std::size_t>(s)] =
                static_cast<std::uint32_t>(find_point_record(win, obj.arg[static_cast<std::size_t>(s)], g_npoints));

        const int n = ++g_npoints;
        Pro_point& r = g_pro_points[static_cast<std::size_t>(n)];
        r.kind = static_cast<std::uint32_t>(obj.type);
        r.aux = static_cast<std::uint32_t>(i);
        r.name = std::string(obj.name_view());
        r.pots = pots;
        if (is_ratio_point(obj.type))
            set_ratio_values(r, parse_decimal_integer(obj.aux1.as_text()), parse_decimal_integer(obj.aux2.as_text()));
        if (obj.type == otype::kNrotate)
            r.rot = rotation_text(obj);
    }

    g_concl.type = t.conclusion_type();
    const auto& args = t.conclusion_args();
    for (std::size_t k = 0; k < 8; ++k)
        g_concl.p[k] = args[k] == 0 ? 0 : static_cast<std::uint32_t>(check_point_name(win, args[k]));
    auto& p = g_concl.p;
    if (g_concl.type == concl_kind::kCyclic) {
        p[4] = p[3];
        p[3] = p[2];
        p[2] = p[1];
        p[1] = p[0];
        p[0] = 0;
    } else if (g_concl.type == concl_kind::kEqualProduct) {
        // Picked as first, second, third, fourth segment; the prover holds
        // first, fourth, third, second.
        std::swap(p[2], p[6]);
        std::swap(p[3], p[7]);
    }
    // Every Prove starts from the statement as taken from the drawing.
    keep_loaded_statement();

    if (window_open)
        show_statement();
}
