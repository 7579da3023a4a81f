// The prover's statement taken from a drawing: every point object becomes a
// construction record, the drawing's chosen conclusion the conclusion record.

#include <string>

#include "model/aux_text.h"
#include "model/object_types.h"
#include "prover/prover.h"
#include "statement/statement_forms.h"
#include "statement/statement_records.h"
#include "statement/window/tosk_app.h"
#include "window/dchild.h"
#include "window/prover_bridge.h"

namespace {

constexpr std::size_t kRotationTextLength = 15;

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

    if (window_open)
        show_statement();
}
