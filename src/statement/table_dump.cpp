#include "statement/table_dump.h"

#include "prover/point_names.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/tokenizer.h"

namespace {

// Point names of slots, trailing empty slots left out, an empty slot inside as "0".
std::string point_list(const std::array<std::uint32_t, 8>& slots)
{
    int last = -1;
    for (int k = 0; k < 8; ++k)
        if (slots[static_cast<std::size_t>(k)] != 0)
            last = k;
    std::string out;
    for (int k = 0; k <= last; ++k) {
        const auto p = static_cast<int>(slots[static_cast<std::size_t>(k)]);
        out += " ";
        out += p == 0 ? std::string("0") : pt_name(p);
    }
    return out;
}

}  // namespace

std::string dump_record(int i)
{
    const auto& r = g_pro_points[static_cast<std::size_t>(i)];
    std::string out = fmt("%d %s %d", i, r.name.c_str(), static_cast<std::int32_t>(r.kind));
    out += point_list(r.pots);
    if (r.ps[0] || r.ps[1]) {
        out += " :";
        for (const xterm* p : r.ps)
            if (p)
                out += " [" + poly_text(p, 0) + "]";
    }
    return out;
}

std::string dump_conclusion()
{
    std::string out = fmt("concl %d", g_concl.type);
    if (g_concl.type == concl_kind::kEquation) {
        out += ' ';
        out += g_concl_lhs ? poly_text(g_concl_lhs, 0) : std::string("?");
        out += " = ";
        out += g_concl_rhs ? poly_text(g_concl_rhs, 0) : std::string("?");
    } else {
        out += point_list(g_concl.p);
    }
    return out;
}

std::string dump_statement()
{
    std::string out;
    for (int i = 1; i <= g_npoints; ++i)
        out += dump_record(i) + "\n";
    out += dump_conclusion() + "\n";
    return out;
}
