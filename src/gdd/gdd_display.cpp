// Record printers, listings, the size count and the database menu commands.

#include "gdd/gdd_display.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "facts/gdd_lookup.h"
#include "gdd/fact_text.h"
#include "gdd/gdd_words.h"
#include "prover/prover.h"

int g_show_count = 0;
std::uint8_t g_show_state = 0;

namespace {

using namespace gdd_words;

const char* nm(int p) { return gdd_pt_name(p); }

std::string str(std::string_view s) { return std::string(s); }

void dollar()
{
    if (g_latex)
        gprint("$");
}

void state_prefix(const Gdd_fact* rec, const char* format)
{
    if (g_show_state)
        gprint(fmt(format, rec->state));
}

void show_tri(const Gdd_tri* t, std::string_view word)
{
    gprint(word);
    dollar();
    state_prefix(t, "[%d]:");
    for (int k = 0; k <= t->last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        gprint(fmt("[%d,%s%s%s] ", t->num[i], nm(t->va[i]), nm(t->vb[i]), nm(t->vc[i])));
    }
    dollar();
}

// Prints every record of the list that passes `keep`, each on a line of its
// own (and its reasons with with_reasons), under the heading and above the
// count line. The heading appears whenever the list holds a record.
template <class T, class Keep, class Print, class CountLine>
void listing(const Gdd_list<T>& list, std::string_view heading, Keep keep, Print print, int with_reasons,
             CountLine count_line)
{
    if (!list.empty())
        gprint(heading);
    g_show_count = 0;
    for (const T* rec : list) {
        if (!keep(rec))
            continue;
        print(rec);
        gprint("\r\n");
        ++g_show_count;
        if (with_reasons)
            show_reasons(rec->reasons);
    }
    if (g_show_count > 0)
        gprint(count_line(g_show_count));
}

constexpr std::string_view kLinesHeading = "\r\n\r\nThe configuration contains the following lines\r\n\r\n";

bool not_dead(const Gdd_fact* rec) { return rec->state != kDead; }

}  // namespace

// ---- record printers ---------------------------------------------------------------

void show_mid(const Gdd_mid* m)
{
    gprint(fmt("%s[%s,%s%s]", str(kMidpointsWord).c_str(), nm(m->m), nm(m->a), nm(m->b)));
}

void show_line(const Gdd_line* l, bool with_word)
{
    if (!l) {
        gprint(kCirclesInDb);
        return;
    }
    state_prefix(l, "[%d]");
    std::string s = g_latex ? "$" : "";
    for (int i = 0; i <= l->last; ++i) {
        if (i > 0)
            s += ",";
        s += nm(l->pts[static_cast<std::size_t>(i)]);
        s += " ";
    }
    if (g_latex)
        s += "$";
    if (with_word) {
        if (g_latex)
            s += " ";
        s += kLines;
    }
    gprint(s);
}

void show_pline(const Gdd_pline* p)
{
    gprint("plines");
    state_prefix(p, "[%d]: ");
    gprint("[");
    for (int i = 0; i <= p->last; ++i) {
        if (i > 0)
            gprint("; ");
        show_line(p->lines[static_cast<std::size_t>(i)], false);
    }
    gprint("]");
}

void show_tline(const Gdd_tline* t)
{
    state_prefix(t, "[%d]");
    gprint(g_latex ? "perp$[" : "perp[");
    show_line(t->l1, false);
    gprint("; ");
    show_line(t->l2, false);
    gprint("]");
    dollar();
}

void show_cir(const Gdd_cir* c)
{
    state_prefix(c, "[%d]");
    std::string s = "circle";
    if (c->centre != 0)
        s += fmt(g_latex ? "[$(%s)" : "[(%s)", nm(c->centre));
    else
        s += g_latex ? "$[" : "[";
    for (int i = 0; i <= c->last; ++i)
        s += nm(c->pts[static_cast<std::size_t>(i)]);
    s += "]";
    if (g_latex)
        s += "$";
    gprint(s);
}

void show_ea_pair(const Gdd_line* l1, const Gdd_line* l2)
{
    gprint(fmt("%s[%s%s,%s%s]", str(kAngleSign).c_str(), nm(l1->pts[0]), nm(l1->pts[1]), nm(l2->pts[0]),
               nm(l2->pts[1])));
}

namespace {

// Record e stated with the lines given for its four.
void show_ea_lines(const Gdd_ea* e, const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3,
                   const Gdd_line* l4)
{
    state_prefix(e, "[%d]");
    dollar();
    show_ea_pair(l1, l2);
    gprint(" = ");
    show_ea_pair(l3, l4);
    dollar();
}

}  // namespace

void show_ea(const Gdd_ea* e)
{
    if (e)
        show_ea_lines(e, e->l1, e->l2, e->l3, e->l4);
}

void show_ea_written(const Gdd_ea* e)
{
    if (e)
        show_ea_lines(e, e->written_line(0), e->written_line(1), e->written_line(2), e->written_line(3));
}

void show_sim(const Gdd_tri* t) { show_tri(t, kSimilarTriangles); }

void show_con(const Gdd_tri* t) { show_tri(t, kCongruentTriangles); }

void show_cg(const Gdd_cg* g)
{
    if (g_show_state)
        gprint(fmt("%s[%d]:", str(kCongruentSegments).c_str(), g->state));
    dollar();
    for (int k = 0; k <= g->last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        gprint(fmt(k == 0 ? "%s%s " : "= %s%s ", nm(g->end1[i]), nm(g->end2[i])));
    }
    dollar();
}

void show_ratio(const Gdd_ra* r)
{
    state_prefix(r, "[%d]:");
    dollar();
    const auto& p = r->pts;
    gprint(fmt("%s%s*%s%s = %s%s*%s%s", nm(p[0]), nm(p[1]), nm(p[6]), nm(p[7]), nm(p[2]), nm(p[3]), nm(p[4]),
               nm(p[5])));
    dollar();
}

// ---- listings ---------------------------------------------------------------------

void show_mids(int with_reasons)
{
    listing(
        g_mid_list, "\r\n\r\nThe configuration contains the following midpoints\r\n\r\n",
        [](const Gdd_mid*) { return true; }, show_mid, with_reasons,
        [](int n) { return fmt("%s %d %s", str(kThereAre).c_str(), n, "midpoints\r\n"); });
}

void show_lines(int with_reasons)
{
    listing(
        g_ln_list, kLinesHeading, [](const Gdd_line* l) { return l->last >= 2; },
        [](const Gdd_line* l) { show_line(l, false); }, with_reasons,
        [](int n) { return fmt("%s %d %s%s", str(kThereAre).c_str(), n, str(kGroups).c_str(), "lines\r\n"); });
}

void show_plines(int with_reasons)
{
    listing(
        g_pn_list, kLinesHeading, [](const Gdd_pline* p) { return p->last >= 1; }, show_pline, with_reasons,
        [](int n) { return fmt("%s %d %s", str(kThereAre).c_str(), n, "sets of parallel lines\r\n"); });
}

void show_tlines(int with_reasons)
{
    listing(
        g_tn_list, "\r\n\r\nThe configuration contains the following perp lines\r\n\r\n", not_dead, show_tline,
        with_reasons,
        [](int n) { return fmt("%s %d %s", str(kThereAre).c_str(), n, "pair of perpendicular lines\r\n"); });
}

void show_cirs(int with_reasons)
{
    listing(
        g_cir_list, "\r\n\r\nThe configuration contains the following circles\r\n\r\n", not_dead, show_cir,
        with_reasons,
        [](int n) { return fmt("%s %d %s", str(kThereAre).c_str(), n, str(kCirclesInDb).c_str()); });
}

void show_eqangles(int with_reasons)
{
    listing(
        g_ea_list, "\r\n\r\nThe configuration contains the following eqangles\r\n\r\n", not_dead, show_ea,
        with_reasons,
        [](int n) { return fmt("%s %d %s%s\r\n", str(kThereAre).c_str(), n, str(kGroups).c_str(), "eqangles"); });
}

void show_sims(int with_reasons)
{
    listing(
        g_st_list, "\r\nThe configuration contains the following similar triangles\r\n\r\n", not_dead, show_sim,
        with_reasons, [](int n) {
            return fmt("%s %d %s %s\r\n", str(kThereAre).c_str(), n, str(kGroups).c_str(),
                       str(kSimilarTriangles).c_str());
        });
}

void show_cons(int with_reasons)
{
    listing(
        g_ct_list, "\r\nThe configuration contains the following congruent triangles\r\n\r\n", not_dead, show_con,
        with_reasons,
        [](int n) { return fmt("%s %d %s\r\n", str(kThereAre).c_str(), n, str(kCongruentTriangles).c_str()); });
}

void show_congs(int with_reasons)
{
    listing(
        g_cg_list, "\r\nThe configuration contains the following congruent segments\r\n\r\n", not_dead, show_cg,
        with_reasons,
        [](int n) { return fmt("%s %d %s\r\n", str(kThereAre).c_str(), n, str(kCongruentSegments).c_str()); });
}

void show_ratios(int with_reasons)
{
    listing(
        g_ra_list, "\r\nThe configuration contains the following equal ratios\r\n\r\n", not_dead, show_ratio,
        with_reasons,
        [](int n) { return fmt("%s %d %s%s\r\n", str(kThereAre).c_str(), n, str(kGroups).c_str(), "ratios"); });
}

void show_gib(int with_reasons)
{
    gprint("\r\n***************************************\r\n");
    gprint("***  The Geometry Information  Base ***");
    gprint("\r\n***************************************\r\n");
    g_show_state = 0;
    show_mids(with_reasons);
    show_lines(with_reasons);
    show_plines(with_reasons);
    show_tlines(with_reasons);
    show_cirs(with_reasons);
    show_eqangles(with_reasons);
    show_congs(with_reasons);
    show_sims(with_reasons);
    show_cons(with_reasons);
    show_ratios(with_reasons);
}

void show_reasons(const Gdd_cond* chain)
{
    if (!chain)
        return;
    g_show_state = 0;
    // A trivial premise (a collinearity of fewer than three points, such as
    // the parallel of a line with itself) has no text and is left out.
    std::vector<const Gdd_cond*> printed;
    for (const Gdd_cond* r = chain; r; r = r->next)
        if (r->type != kCondTrivial)
            printed.push_back(r);
    gprint("       because ");
    if (printed.empty()) {
        gprint(kTrivially);
        return;
    }
    for (std::size_t i = 0; i < printed.size(); ++i) {
        if (i > 0)
            gprint(printed.size() == 2 ? " and " : ", ");
        print_fact(*printed[i]);
    }
    gprint(".\r\n");
}

// ---- the size of the database --------------------------------------------------------

namespace {

using Count = long long;

Count pair_weight(Count a, Count b) { return 2 * a * (a + 1) * b * (b + 1); }

Count line_factor(const Gdd_line* l) { return static_cast<Count>(l->last) * (l->last + 1); }

// Members of the congruence group holding segment ab, or 1.
Count cg_members(int a, int b)
{
    const Gdd_cg* g = fd_cg(a, b);
    return g ? g->count() : 1;
}

struct Tally {
    Count count = 0;
    Count weight = 0;
};

void report(const char* label, const Tally& t, int with_details)
{
    if (with_details && t.count != 0)
        gprint(fmt("%s %lld\r\n", label, t.count));
}

Tally tally_tri(const Gdd_list<Gdd_tri>& list)
{
    Tally t;
    for (const Gdd_tri* r : list)
        if (r->live()) {
            ++t.count;
            t.weight += 6 * static_cast<Count>(r->last) * (r->last + 1);
        }
    return t;
}

}  // namespace

void show_gdd_size(int with_details)
{
    Count total = 0;
    Count weighted = 0;
    auto add = [&](const char* label, const Tally& t) {
        report(label, t, with_details);
        total += t.count;
        weighted += t.weight;
    };

    Tally mids;
    for (const Gdd_mid* m : g_mid_list) {
        (void)m;
        ++mids.count;
        mids.weight += 2;
    }
    add("midp:", mids);

    Tally lines;
    for (const Gdd_line* l : g_ln_list)
        if (l->live() && l->last >= 2) {
            const Count n = l->last;
            ++lines.count;
            lines.weight += (n - 1) * n * (n + 1);
        }
    add("coll:", lines);

    Tally paras;
    for (const Gdd_pline* p : g_pn_list)
        if (p->live()) {
            ++paras.count;
            for (int i = 0; i <= p->last; ++i)
                for (int j = i + 1; j <= p->last; ++j)
                    paras.weight += pair_weight(p->lines[static_cast<std::size_t>(i)]->last,
                                                p->lines[static_cast<std::size_t>(j)]->last);
        }
    add("para:", paras);

    Tally perps;
    for (const Gdd_tline* t : g_tn_list)
        if (t->live()) {
            ++perps.count;
            perps.weight += pair_weight(t->l1->last, t->l2->last);
        }
    add("perp:", perps);

    Tally cirs;
    for (const Gdd_cir* c : g_cir_list)
        if (c->live()) {
            const Count n = c->last;
            ++cirs.count;
            cirs.weight += (n - 2) * (n - 1) * n * (n + 1);
        }
    add("cyclic:", cirs);

    Tally eas;
    for (const Gdd_ea* e : g_ea_list)
        if (e->live()) {
            ++eas.count;
            eas.weight += 4 * line_factor(e->l1) * line_factor(e->l2) * line_factor(e->l3) * line_factor(e->l4);
        }
    add("eqangle:", eas);

    add("similar triangles", tally_tri(g_st_list));
    add("congruent triangles", tally_tri(g_ct_list));

    Tally cgs;
    for (const Gdd_cg* g : g_cg_list)
        if (g->live()) {
            ++cgs.count;
            cgs.weight += 4 * static_cast<Count>(g->last) * (g->last + 1);
        }
    add("congruent segments", cgs);

    Tally ras;
    for (const Gdd_ra* r : g_ra_list)
        if (r->live()) {
            const auto& p = r->pts;
            ++ras.count;
            ras.weight += 256 * cg_members(p[0], p[1]) * cg_members(p[2], p[3]) * cg_members(p[4], p[5]) *
                          cg_members(p[6], p[7]);
        }
    add("eqratio:", ras);

    g_show_count = static_cast<int>(total);
    if (total == 0)
        gprint("The database is empty\r\n");
    else
        gprint(fmt("\r\n\r\n%s %lld(%lld) %s\r\n\r\n", "The database contains", total, weighted,
                   "geometric relations"));
}

// ---- the database menu ------------------------------------------------------------------

void empty_cmd() {}

bool gdd_show_command(int id)
{
    g_latex = 0;
    g_show_state = 0;
    struct Entry {
        int id;
        bool (*empty)();
        const char* none;
        void (*list)(int);
    };
    static const Entry entries[] = {
        {302, [] { return g_ln_list.empty(); }, "\r\nThere is no collinear relation in the GDB.\r\n", show_lines},
        {303, [] { return g_pn_list.empty(); }, "\r\nThere is no paralell relation in the GDB.\r\n", show_plines},
        {304, [] { return g_tn_list.empty(); }, "\r\nThere is no perpendicular relation in the GDB.\r\n",
         show_tlines},
        {309, [] { return g_cir_list.empty(); }, "\r\nThere is no circle in the GDB.\r\n", show_cirs},
        {310, [] { return g_cg_list.empty(); }, "\r\nThere is no equal segments in the GDB.\r\n", show_congs},
        {311, [] { return g_ea_list.empty(); }, "\r\nThere is no equal angle in the GDB.\r\n", show_eqangles},
        {312, [] { return g_mid_list.empty(); }, "\r\nThere is no midpoint relation in the GDB.\r\n", show_mids},
        {313, [] { return g_st_list.empty(); }, "\r\nThere is no similar triangle in the GDB.\r\n", show_sims},
        {314, [] { return g_ct_list.empty(); }, "\r\nThere is no contruent triangle in the GDB.\r\n", show_cons},
        {331, [] { return g_ra_list.empty(); }, "\r\nThere is no equal ratio in the GDB.\r\n", show_ratios},
    };
    for (const Entry& e : entries) {
        if (e.id != id)
            continue;
        if (e.empty())
            gprint(e.none);
        else
            e.list(0);
        return true;
    }
    switch (id) {
    case 341:
        gprint("\r\nSize of the GDD\r\n");
        show_gdd_size(1);
        return true;
    case 342: show_gib(0); return true;
    case 346: empty_cmd(); return true;
    default: return false;
    }
}
