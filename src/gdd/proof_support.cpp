// What makes a premise hold that no record held when the rule pushed it.
//
// A rule may rely on a fact the database knows only by combining records:
// an angle whose arms are the same lines, or parallel or perpendicular pairs;
// a perpendicular whose lines sit in the classes of a recorded pair. Such a
// premise is obvious only when the lines as the hypotheses state them make it
// hold (a segment with itself, a line with itself, two segments of one
// hypothesis line); otherwise the proof cites the records that make it hold,
// all born before the step that uses it, so that citations only step back.

#include <algorithm>
#include <array>
#include <optional>

#include "gdd/fact_text.h"
#include "facts/gdd_lookup.h"
#include "gdd/proof_internal.h"

namespace {

using Seg = std::array<int, 2>;

Seg seg(const Gdd_cond& f, int k) { return {fact_pt(f, 2 * k), fact_pt(f, 2 * k + 1)}; }

bool same_seg(const Seg& s, const Seg& t)
{
    return (s[0] == t[0] && s[1] == t[1]) || (s[0] == t[1] && s[1] == t[0]);
}

bool holds_seg(const Gdd_line* l, const Seg& s) { return on_ln(s[0], l) && on_ln(s[1], l); }

Seg first_two(const Gdd_line* l) { return {l->pts[0], l->last >= 1 ? l->pts[1] : 0}; }

// A fact with its points (a collinearity's each once, zeros dropped) and the
// record that holds it, or none.
Gdd_cond make_fact(std::int32_t kind, const std::array<int, 8>& pts, void* obj)
{
    Gdd_cond f = point_fact(kind, pts);
    f.obj = obj;
    return f;
}

// Both segments lie on one line as the hypotheses state it: they are the same
// segment, or a line record no rule made holds their points.
bool written_same_line(const Seg& s, const Seg& t)
{
    if (same_seg(s, t))
        return true;
    for (const Gdd_line* l : g_ln_list)
        if (!l->reasons && holds_seg(l, s) && holds_seg(l, t))
            return true;
    return false;
}

// The facts a relation rests on, all held by records born before the step
// that cites them (or held by facts that are, for a perpendicular cited in
// an angle), and the birth of the youngest record among them.
struct Facts {
    std::vector<Gdd_cond> facts;
    std::uint64_t newest = 0;

    void add(const Gdd_cond& f, std::uint64_t born)
    {
        facts.push_back(f);
        newest = std::max(newest, born);
    }
    void add(const Facts& o)
    {
        facts.insert(facts.end(), o.facts.begin(), o.facts.end());
        newest = std::max(newest, o.newest);
    }
};

// Segments s and t on one line or parallel lines, as records born before
// `before` know it: nothing when the hypotheses' lines make it so, else the
// collinearity or the parallel class.
std::optional<Facts> para_facts(const Seg& s, const Seg& t, std::uint64_t before)
{
    if (written_same_line(s, t))
        return Facts{};
    for (Gdd_line* l : g_ln_list) {
        if (l->born >= before)
            break;
        if (holds_seg(l, s) && holds_seg(l, t)) {
            Facts f;
            f.add(make_fact(kCondColl, {s[0], s[1], t[0], t[1], 0, 0, 0, 0}, l), l->born);
            return f;
        }
    }
    for (Gdd_pline* P : g_pn_list) {
        if (P->born >= before)
            break;
        bool on_s = false, on_t = false;
        for (int i = 0; i <= P->last; ++i) {
            const Gdd_line* M = P->lines[static_cast<std::size_t>(i)];
            const bool ms = holds_seg(M, s), mt = holds_seg(M, t);
            // A line holding both makes the class no witness of two lines.
            if (ms && mt)
                continue;
            on_s = on_s || ms;
            on_t = on_t || mt;
        }
        if (on_s && on_t) {
            Facts f;
            f.add(make_fact(kCondPara, {s[0], s[1], t[0], t[1], 0, 0, 0, 0}, P), P->born);
            return f;
        }
    }
    return std::nullopt;
}

// Segment s carried onto line X of a perpendicular pair: the segment the pair
// is written with on that side, and what carries it.
struct Side {
    Seg written;
    Facts carried;
};

std::optional<Side> onto_line(const Seg& s, const Gdd_line* X, std::uint64_t before)
{
    if (holds_seg(X, s))
        return Side{s, {}};
    const Seg x = first_two(X);
    if (!x[1])
        return std::nullopt;
    const std::optional<Facts> carried = para_facts(s, x, before);
    if (!carried)
        return std::nullopt;
    return Side{x, *carried};
}

// s perpendicular to t by a pair born before `before`: the pair's fact
// (written with s and t where its lines hold them) and the facts that carry
// s and t onto its lines; the one that needs the fewest facts.
std::optional<Facts> perp_facts(const Seg& s, const Seg& t, std::uint64_t before)
{
    std::optional<Facts> best;
    for (Gdd_tline* T : g_tn_list) {
        if (T->born >= before)
            break;
        for (const auto& [X, Y] : {std::pair{T->l1, T->l2}, std::pair{T->l2, T->l1}}) {
            const std::optional<Side> a = onto_line(s, X, before);
            const std::optional<Side> b = a ? onto_line(t, Y, before) : std::nullopt;
            if (!a || !b)
                continue;
            Facts f;
            f.add(a->carried);
            f.add(make_fact(kCondPerp, {a->written[0], a->written[1], b->written[0], b->written[1], 0, 0, 0, 0}, T),
                  T->born);
            f.add(b->carried);
            if (!best || f.facts.size() < best->facts.size())
                best = f;
        }
        if (best && best->facts.size() == 1)
            break;
    }
    return best;
}

// s perpendicular to t as one fact: the pair's record when it holds it as
// written, else the fact with no record, explained in a step of its own.
std::optional<Facts> perp_as_one(const Seg& s, const Seg& t, std::uint64_t before)
{
    const std::optional<Facts> f = perp_facts(s, t, before);
    if (!f)
        return std::nullopt;
    if (f->facts.size() == 1)
        return f;
    Facts one;
    one.add(make_fact(kCondPerp, {s[0], s[1], t[0], t[1], 0, 0, 0, 0}, nullptr), f->newest);
    return one;
}

// [s0, s1] = [s2, s3]: its arms pairwise on parallel lines, or each angle's
// arms parallel, or perpendicular; the reading that needs the fewest facts.
std::optional<Facts> angle_facts(const Gdd_cond& f, std::uint64_t before)
{
    const Seg s0 = seg(f, 0), s1 = seg(f, 1), s2 = seg(f, 2), s3 = seg(f, 3);
    const auto both = [](std::optional<Facts> a, std::optional<Facts> b) -> std::optional<Facts> {
        if (!a || !b)
            return std::nullopt;
        a->add(*b);
        return a;
    };
    const std::optional<Facts> readings[] = {
        both(para_facts(s0, s2, before), para_facts(s1, s3, before)),
        both(para_facts(s0, s1, before), para_facts(s2, s3, before)),
        both(perp_as_one(s0, s1, before), perp_as_one(s2, s3, before)),
        both(perp_as_one(s0, s2, before), perp_as_one(s1, s3, before)),
    };
    std::optional<Facts> best;
    for (const auto& r : readings)
        if (r && (!best || r->facts.size() < best->facts.size()))
            best = r;
    return best;
}

// An older record of the fact's kind that holds it.
void* older_record(const Gdd_cond& f, std::uint64_t before)
{
    switch (f.type) {
    case kCondColl:
        for (Gdd_line* l : g_ln_list) {
            if (l->born >= before)
                break;
            bool all = true;
            for (int i = 0; i < 6 && all; ++i)
                all = fact_pt(f, i) == 0 || on_ln(fact_pt(f, i), l);
            if (all)
                return l;
        }
        return nullptr;
    case kCondCong:
        for (Gdd_cg* G : g_cg_list) {
            if (G->born >= before)
                break;
            if (in_cg(fact_pt(f, 0), fact_pt(f, 1), G) && in_cg(fact_pt(f, 2), fact_pt(f, 3), G))
                return G;
        }
        return nullptr;
    default: return nullptr;
    }
}

}  // namespace

Fact_support fact_support(const Gdd_cond& f, std::uint64_t before)
{
    Fact_support why;
    if (f.type == kCondTrivial || fact_trivial(f)) {
        why.kind = Fact_support::Kind::Obvious;
        return why;
    }
    std::optional<Facts> facts;
    switch (f.type) {
    case kCondPara: facts = para_facts(seg(f, 0), seg(f, 1), before); break;
    case kCondPerp: facts = perp_facts(seg(f, 0), seg(f, 1), before); break;
    case kCondEqAngle: facts = angle_facts(f, before); break;
    case kCondCong:
        if (same_seg(seg(f, 0), seg(f, 1))) {
            why.kind = Fact_support::Kind::Obvious;
            return why;
        }
        [[fallthrough]];
    case kCondColl:
        if (void* rec = older_record(f, before)) {
            Gdd_cond held = f;
            held.obj = rec;
            facts = Facts{};
            facts->add(held, cond_fact(&held)->born);
        }
        break;
    default: break;
    }
    if (!facts)
        return why;
    why.newest = facts->newest;
    why.facts = std::move(facts->facts);
    if (why.facts.empty())
        why.kind = Fact_support::Kind::Obvious;
    else if (why.facts.size() == 1 && why.facts.front().type == f.type && why.facts.front().obj &&
             fact_equal(why.facts.front(), f))
        why.kind = Fact_support::Kind::Record;
    else
        why.kind = Fact_support::Kind::Derived;
    return why;
}
