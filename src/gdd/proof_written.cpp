// An equal-angle fact read on the lines its record was made with. The record
// follows line merges in place, so a fact found through it may name a larger
// line than the one its reasons are about; the proof then cites the record's
// fact as written and the merges that carry it over.

#include <algorithm>
#include <array>

#include "facts/fact_tests.h"
#include "facts/gdd_lookup.h"
#include "gdd/fact_text.h"
#include "gdd/proof_internal.h"

std::optional<Gdd_cond> line_merge_fact(int a, int b, const Gdd_line* l, std::uint64_t before)
{
    if (!l || (on_ln(a, l) && on_ln(b, l)))
        return Gdd_cond{};
    // The first line record holding all four points is the oldest one: the
    // collinearity held from its birth on.
    Gdd_cond merge = pred_fact(kCondColl, {a, b, l->pts[0], l->pts[1], 0, 0, 0, 0});
    const Gdd_fact* rec = cond_fact(&merge);
    if (merge.type != kCondColl || !rec || rec->born >= before)
        return std::nullopt;
    return merge;
}

namespace {

Ea_reading ea_reading(const Gdd_cond& S, const Gdd_ea* E, std::uint64_t before)
{
    Ea_reading best;
    for (const auto& order : kEaReadings) {
        Ea_reading at;
        at.found = true;
        at.newest = E->born;
        at.written = S;
        at.written.obj = const_cast<Gdd_ea*>(E);
        for (int k = 0; k < 4 && at.found; ++k) {
            const int a = fact_pt(S, 2 * k), b = fact_pt(S, 2 * k + 1);
            const Gdd_line* l = E->written_line(order[static_cast<std::size_t>(k)]);
            const std::optional<Gdd_cond> merge = line_merge_fact(a, b, l, before);
            if (!merge) {
                at.found = false;
                break;
            }
            if (merge->type == kCondTrivial)
                continue;
            // The segment is named by the written line's own points.
            at.written.p[static_cast<std::size_t>(2 * k)] = static_cast<std::uint32_t>(l->pts[0]);
            at.written.p[static_cast<std::size_t>(2 * k + 1)] = static_cast<std::uint32_t>(l->pts[1]);
            at.newest = std::max(at.newest, cond_fact(&*merge)->born);
            at.merges.push_back(*merge);
        }
        if (at.found && (!best.found || at.merges.size() < best.merges.size()))
            best = at;
        if (best.found && best.merges.empty())
            break;
    }
    return best;
}

}  // namespace

std::optional<Ea_reading> written_reading(const Gdd_cond& S, std::uint64_t before)
{
    if (S.type != kCondEqAngle || is_record_fact(S) || !cond_fact(&S))
        return std::nullopt;
    return ea_reading(S, static_cast<const Gdd_ea*>(S.obj), before);
}

std::uint64_t fact_newest(const Gdd_cond& f, std::uint64_t before)
{
    const Gdd_fact* rec = cond_fact(&f);
    if (!rec)
        return 0;
    if (const std::optional<Ea_reading> r = written_reading(f, before); r && r->found)
        return r->newest;
    return rec->born;
}

bool read_through_merges(const Gdd_cond& f, std::uint64_t before)
{
    const std::optional<Ea_reading> r = written_reading(f, before);
    return r && r->found && !r->merges.empty();
}
