// Line walks the rule searches share.

#include "facts/gdd_lookup.h"
#include "gdd/rules_internal.h"

int first_common_pt(const Gdd_line* U, const Gdd_line* V)
{
    for (int i = 0; i <= U->last; ++i) {
        const int p = U->pts[static_cast<std::size_t>(i)];
        if (on_ln(p, V))
            return p;
    }
    return 0;
}

std::vector<Gdd_line*> lines_meeting_either(const Gdd_line* U, const Gdd_line* V)
{
    std::vector<Gdd_line*> found;
    for (Gdd_line* L : g_ln_list)
        if (is_active(L) && L != U && L != V && (inter_lln(L, U) || inter_lln(L, V)))
            found.push_back(L);
    return found;
}

std::vector<Transversal> transversals(const Gdd_line* X, const Gdd_line* Y, int p)
{
    std::vector<Transversal> found;
    for (Gdd_line* L : g_ln_list) {
        if (!is_active(L) || L == X || L == Y)
            continue;
        const int a = inter_lln(L, X);
        if (a == 0 || a == p)
            continue;
        const int b = inter_lln(L, Y);
        if (b == 0 || b == p)
            continue;
        found.push_back({L, a, b});
    }
    return found;
}
