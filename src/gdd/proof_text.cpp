// The database proof: auxiliary points, heading and numbered steps.

#include "gdd/proof_text.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <vector>

#include "facts/fact_tests.h"
#include "facts/gdd_lookup.h"
#include "gdd/aux_points.h"
#include "gdd/fact_text.h"
#include "gdd/gdd_display.h"
#include "gdd/gdd_words.h"
#include "gdd/proof_internal.h"
#include "prover/prover.h"

namespace {

using namespace gdd_words;

constexpr std::uint64_t kAnyBirth = std::numeric_limits<std::uint64_t>::max();

std::deque<Gdd_cond> g_steps;
// Beside each step: the birth below which the record that cited it was
// made (its explanation may cite only records older than that), and the
// birth of the youngest record that explanation cites for the fact itself.
// A step whose fact no record holds carries the facts it follows from.
struct Step_marks {
    std::uint64_t used_before = kAnyBirth;
    std::uint64_t newest = 0;
    std::vector<Gdd_cond> support;
};
std::deque<Step_marks> g_step_marks;
int g_step_counter = 0;
// Birth of the record whose step is being explained: every record its
// reasons name is older, so the citations only ever step back in time.
// Outside an explanation (the goal, the facts a full-angle proof uses) any
// record may be cited.
std::uint64_t g_cite_before = kAnyBirth;

void clear_steps()
{
    g_steps.clear();
    g_step_marks.clear();
    g_step_counter = 0;
}

// Step k has number k + 1.
const Step_marks& marks_of(const Gdd_cond& step) { return g_step_marks[step.number - 1]; }

ConsTextPrinter& cons_printer()
{
    static ConsTextPrinter printer;
    return printer;
}

int lemma_of(const Gdd_cond* fact)
{
    const Gdd_fact* rec = cond_fact(fact);
    return rec ? rec->lemma : 0;
}

// The names of the points kept (each once, at its last occurrence, zeros
// dropped), printed as a collinearity hypothesis when at least three remain.
void show_coll_points(const std::vector<int>& pts)
{
    std::vector<int> kept;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (pts[i] == 0)
            continue;
        if (std::find(pts.begin() + static_cast<std::ptrdiff_t>(i) + 1, pts.end(), pts[i]) != pts.end())
            continue;
        kept.push_back(pts[i]);
    }
    if (kept.size() < 3)
        return;
    std::string s(kLines);
    s += g_latex ? "$[" : "[";
    for (int p : kept)
        s += gdd_pt_name(p);
    s += g_latex ? "]$" : "]";
    s += kHyp;
    s += ", ";
    gprint(s);
}

// The live lines through p1p2, p3p4, p5p6, p7p8 of an equal-angle fact.
struct Angle_lines {
    const Gdd_line* l[4];
    bool all() const { return l[0] && l[1] && l[2] && l[3]; }
};

Angle_lines angle_lines(const Gdd_cond& S)
{
    Angle_lines a{};
    for (int i = 0; i < 4; ++i)
        a.l[i] = fd_ln(fact_pt(S, 2 * i), fact_pt(S, 2 * i + 1));
    return a;
}

bool among(int p, std::initializer_list<int> set) { return std::find(set.begin(), set.end(), p) != set.end(); }

// Lemma 41 (inscribed angles): the angle is shown at the circle's points.
// Returns false when the plain wording is to be used instead.
bool detailed_lemma41(const Gdd_cond& S, bool last)
{
    const Angle_lines a = angle_lines(S);
    if (!a.all())
        return false;
    const int U = inter_lln(a.l[0], a.l[1]);
    const int V = inter_lln(a.l[2], a.l[3]);
    const int X = inter_lln(a.l[0], a.l[2]);
    const int Y = inter_lln(a.l[1], a.l[3]);
    if (!U || !V || !X || !Y)
        return false;
    bool all_among = true;
    for (int i = 0; i < 8; ++i)
        all_among = all_among && among(fact_pt(S, i), {U, V, X, Y});
    if (all_among)
        return false;
    Gdd_cond angles = pred_fact(kCondEqAngle, {U, X, U, Y, V, X, V, Y});
    if (!pred_citable(angles))
        return false;
    show_coll4(fact_pt(S, 0), fact_pt(S, 1), U, X);
    show_coll4(fact_pt(S, 2), fact_pt(S, 3), U, Y);
    show_coll4(fact_pt(S, 4), fact_pt(S, 5), V, X);
    show_coll4(fact_pt(S, 6), fact_pt(S, 7), V, Y);
    show_pred(angles, last);
    return true;
}

// Lemma 22 (base angles of an isosceles triangle).
bool detailed_lemma22(const Gdd_cond& S, const Gdd_cond& r, bool last)
{
    bool outside = false;
    for (int i = 0; i < 8; ++i)
        outside = outside || !among(fact_pt(S, i), {fact_pt(r, 0), fact_pt(r, 1), fact_pt(r, 2)});
    if (!outside)
        return false;
    const Angle_lines a = angle_lines(S);
    if (!a.all())
        return false;
    if (a.l[0] == a.l[3]) {
        const int W = inter_lln(a.l[1], a.l[2]);
        const int U = inter_lln(a.l[0], a.l[1]);
        const int V = inter_lln(a.l[0], a.l[2]);
        if (!W || !U || !V)
            return false;
        Gdd_cond angles = pred_fact(kCondEqAngle, {U, V, U, W, V, W, V, U});
        if (!pred_citable(angles))
            return false;
        show_coll6(fact_pt(S, 0), fact_pt(S, 1), U, V, fact_pt(S, 6), fact_pt(S, 7));
        show_coll4(fact_pt(S, 2), fact_pt(S, 3), W, U);
        show_coll4(fact_pt(S, 4), fact_pt(S, 5), W, V);
        show_pred(angles, last);
    } else {
        const int W = inter_lln(a.l[0], a.l[3]);
        const int U = inter_lln(a.l[1], a.l[0]);
        const int V = inter_lln(a.l[1], a.l[3]);
        if (!W || !U || !V)
            return false;
        Gdd_cond angles = pred_fact(kCondEqAngle, {W, U, U, V, U, V, V, W});
        if (!pred_citable(angles))
            return false;
        show_coll6(fact_pt(S, 2), fact_pt(S, 3), U, V, fact_pt(S, 4), fact_pt(S, 5));
        show_coll4(fact_pt(S, 0), fact_pt(S, 1), W, U);
        show_coll4(fact_pt(S, 6), fact_pt(S, 7), W, V);
        show_pred(angles, last);
    }
    return true;
}

// One reason r of step S (not a merge list, not trivial). Prints its
// separator too.
void show_reason(const Gdd_cond& S, Gdd_cond* r, bool last)
{
    const char* separator = last ? ".\r\n" : ", ";
    // r's record was looked up when the rule pushed it (add_codb).
    if (const Gdd_cond* step = find_step(r)) {
        show_step_ref(step);
        gprint(separator);
        return;
    }
    if (g_detailed) {
        const int lemma = lemma_of(&S);
        if (lemma == 11 && S.type == kCondPerp && r->type == kCondEqAngle) {
            if (xcoll4(fact_pt(S, 0), fact_pt(S, 1), fact_pt(*r, 4), fact_pt(*r, 5))) {
                show_coll4(fact_pt(S, 0), fact_pt(S, 1), fact_pt(*r, 4), fact_pt(*r, 5));
                show_coll4(fact_pt(S, 2), fact_pt(S, 3), fact_pt(*r, 6), fact_pt(*r, 7));
            } else {
                show_coll4(fact_pt(S, 0), fact_pt(S, 1), fact_pt(*r, 6), fact_pt(*r, 7));
                show_coll4(fact_pt(S, 2), fact_pt(S, 3), fact_pt(*r, 4), fact_pt(*r, 5));
            }
        } else if (lemma == 41 && S.type == kCondEqAngle && r->type == kCondCyclic) {
            if (detailed_lemma41(S, last))
                return;
        } else if (lemma == 22 && S.type == kCondEqAngle && r->type == kCondCyclic) {
            if (detailed_lemma22(S, *r, last))
                return;
        }
    }
    show_plain_reason(r);
    gprint(separator);
}

}  // namespace

// ---- shared with the merge wording ---------------------------------------------------

Gdd_cond* fact_reasons(const Gdd_cond* fact)
{
    const Gdd_fact* rec = cond_fact(fact);
    return rec ? rec->reasons : nullptr;
}

void show_plain_reason(Gdd_cond* r)
{
    if (!r->obj || !cond_fact(r)) {
        // No record held the premise when the rule pushed it: it is obvious
        // only when the hypotheses' lines make it hold; otherwise an older
        // record holds it, or it becomes a step citing what it follows from.
        Fact_support why = fact_support(*r, g_cite_before);
        switch (why.kind) {
        case Fact_support::Kind::Record: show_reason_fact(&why.facts.front()); break;
        case Fact_support::Kind::Derived: show_step_ref(new_supported_step(r, std::move(why))); break;
        case Fact_support::Kind::Obvious:
        case Fact_support::Kind::Unknown:
            print_fact(*r);
            gprint(kObvious);
            break;
        }
    } else if (!fact_reasons(r) && !read_through_merges(*r, g_cite_before)) {
        print_fact(*r);
        gprint(kHyp);
    } else {
        show_step_ref(new_step(r));
    }
}

void show_reason_fact(Gdd_cond* r)
{
    if (const Gdd_cond* step = find_step(r)) {
        show_step_ref(step);
        return;
    }
    show_plain_reason(r);
}

Gdd_cond point_fact(int kind, const std::array<int, 8>& pts)
{
    Gdd_cond f;
    f.type = kind;
    for (std::size_t i = 0; i < 8; ++i)
        f.p[i] = static_cast<std::uint32_t>(pts[i]);
    if (kind == kCondColl) {
        // Each point once, at its first occurrence, zeros skipped.
        std::array<std::uint32_t, 8> kept{};
        std::size_t n = 0;
        for (std::uint32_t q : f.p)
            if (q != 0 && std::find(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(n), q) ==
                              kept.begin() + static_cast<std::ptrdiff_t>(n))
                kept[n++] = q;
        f.p = kept;
    }
    return f;
}

Gdd_cond pred_fact(int kind, const std::array<int, 8>& pts)
{
    Gdd_cond f = point_fact(kind, pts);
    show_fact(&f, nullptr, kFactLookup);
    return f;
}

bool pred_citable(const Gdd_cond& f)
{
    // An equal-angle fact must read on its record's lines as made, with
    // merges older than the step's record.
    if (const std::optional<Ea_reading> r = written_reading(f, g_cite_before))
        return r->found && r->newest < g_cite_before;
    return fact_newest(f, g_cite_before) < g_cite_before;
}

std::uint64_t cite_before() { return g_cite_before; }

void show_pred(Gdd_cond& f, bool last)
{
    show_reason_fact(&f);
    gprint(last ? ".\r\n" : ", ");
}

void proof_inconsistent(int code) { prover_fatal(fmt("exit: %d", code)); }

// ---- steps ---------------------------------------------------------------------------

const std::deque<Gdd_cond>& proof_steps() { return g_steps; }

Gdd_cond* new_step(const Gdd_cond* fact)
{
    charge_gdd_memory(sizeof(Gdd_cond) + sizeof(Step_marks));
    g_step_marks.push_back({g_cite_before, fact_newest(*fact, g_cite_before), {}});
    Gdd_cond& s = g_steps.emplace_back();
    s.type = fact->type;
    s.number = static_cast<std::uint32_t>(++g_step_counter);
    s.p = fact->p;
    s.obj = fact->obj;
    if (g_steps.size() > 1)
        g_steps[g_steps.size() - 2].next = &s;
    return &s;
}

Gdd_cond* new_supported_step(const Gdd_cond* fact, Fact_support why)
{
    Gdd_cond* s = new_step(fact);
    s->obj = nullptr;
    Step_marks& marks = g_step_marks.back();
    marks.newest = why.newest;
    marks.support = std::move(why.facts);
    return s;
}

Gdd_cond* find_step(const Gdd_cond* fact)
{
    // A step stands for the fact only when what it cites for it is no
    // younger than what the fact's own record would be cited with where it
    // was used; a younger record may rest on the step being explained. A
    // step without a record stands for it where the records its facts cite
    // may be cited.
    const Gdd_fact* held_by = cond_fact(fact);
    const std::uint64_t limit = held_by ? fact_newest(*fact, g_cite_before) : 0;
    for (Gdd_cond& s : g_steps) {
        if (!fact_equal(s, *fact))
            continue;
        if (!cond_fact(&s) ? marks_of(s).newest < g_cite_before : held_by && marks_of(s).newest <= limit)
            return &s;
    }
    return nullptr;
}

Gdd_cond* find_step_obj(const Gdd_cond* fact)
{
    if (!fact->obj)
        return nullptr;
    for (Gdd_cond& s : g_steps)
        if (s.obj == fact->obj)
            return &s;
    return nullptr;
}

void show_step_ref(const Gdd_cond* step)
{
    gprint(fmt("(%d)", step->number));
    g_show_state = 0;
    print_fact(*step);
}

void add_pred(int last, int kind, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    Gdd_cond f = pred_fact(kind, {p1, p2, p3, p4, p5, p6, p7, p8});
    show_pred(f, last != 0);
}

void show_coll4(int a, int b, int c, int d) { show_coll_points({a, b, c, d}); }

void show_coll6(int a, int b, int c, int d, int e, int f) { show_coll_points({a, b, c, d, e, f}); }

namespace {

// S read on the lines its equal-angle record was made with, when that takes
// merges: the record's fact as written, then each merge.
bool show_written_reasons(const Gdd_cond& S)
{
    std::optional<Ea_reading> reading = written_reading(S, marks_of(S).used_before);
    if (!reading || !reading->found || reading->merges.empty())
        return false;
    show_pred(reading->written, false);
    for (std::size_t i = 0; i < reading->merges.size(); ++i)
        show_pred(reading->merges[i], i + 1 == reading->merges.size());
    return true;
}

// Prints the steps, while the list grows behind them.
void explain_steps()
{
    for (std::size_t i = 0; i < g_steps.size(); ++i) {
        // A proof is printed inside the timed part of Prove; the limit also
        // bounds a proof that keeps finding new steps.
        check_time();
        Gdd_cond* S = &g_steps[i];
        const Gdd_fact* rec = cond_fact(S);
        gprint(fmt("\r\n%d. ", S->number));
        print_fact(*S);
        gprint(kBecause);
        if (!S->obj) {
            // A fact no record holds: the facts it follows from, cited where
            // the step was first cited.
            const std::vector<Gdd_cond> support = marks_of(*S).support;
            if (support.empty()) {
                gprint(kTrivially);
                continue;
            }
            g_cite_before = marks_of(*S).used_before;
            for (std::size_t k = 0; k < support.size(); ++k) {
                Gdd_cond f = support[k];
                show_reason_fact(&f);
                gprint(k + 1 == support.size() ? ".\r\n" : ", ");
            }
            continue;
        }
        // Cited through a merged line: the fact as its record has it, and
        // the merge. Any record older than the one that cited S may serve.
        g_cite_before = marks_of(*S).used_before;
        const bool written = show_written_reasons(*S);
        g_cite_before = rec ? rec->born : 0;
        if (written)
            continue;
        Gdd_cond* R = fact_reasons(S);
        if (!R) {
            gprint(kHyp);
            gprint("\r\n");
            continue;
        }
        // Trivial premises (a collinearity of fewer than three points) have
        // no text and are left out.
        std::vector<Gdd_cond*> printed;
        for (Gdd_cond* r = R; r; r = r->next)
            if (r->type != kCondTrivial)
                printed.push_back(r);
        if (printed.empty()) {
            gprint(kTrivially);
            continue;
        }
        if (printed.front()->p[1] == 0) {
            show_merge_reasons(S, R);
            continue;
        }
        for (std::size_t k = 0; k < printed.size(); ++k)
            show_reason(*S, printed[k], k + 1 == printed.size());
    }
    g_cite_before = kAnyBirth;
}

}  // namespace

void show_proof_steps(Gdd_cond* goal)
{
    g_show_state = 0;
    if (g_steps.empty() || &g_steps.front() != goal) {
        const Gdd_cond copy = *goal;
        clear_steps();
        goal = new_step(&copy);
    }
    while (g_steps.size() > 1) {
        g_steps.pop_back();
        g_step_marks.pop_back();
    }
    goal->number = 1;
    goal->next = nullptr;
    g_step_counter = 1;
    explain_steps();
}

// ---- the facts another method's proof rests on -------------------------------------

namespace {

// Facts whose kinds the database has no record for (the configurations a
// full-angle rule names, such as an orthocentre) are printed as they are; a
// kind without a text is left out, its rule states the facts it means too.
bool database_kind(std::int32_t kind)
{
    return (kind >= kCondColl && kind <= kCondRatio) || kind == kCondCongTri || kind == kCondSimTri;
}

// g_latex as the caller's proof has it, for one piece of text.
class Latex_scope {
public:
    explicit Latex_scope(int latex) : saved_(g_latex) { g_latex = static_cast<std::uint8_t>(latex != 0); }
    ~Latex_scope() { g_latex = saved_; }
    Latex_scope(const Latex_scope&) = delete;
    Latex_scope& operator=(const Latex_scope&) = delete;

private:
    std::uint8_t saved_;
};

}  // namespace

void begin_fact_citations()
{
    clear_steps();
    g_cite_before = kAnyBirth;
}

void show_fact_citations(const Gdd_cond* reasons, int latex)
{
    const Latex_scope scope(latex);
    g_show_state = 0;
    // The chain lists the premises last pushed first; they are cited in the
    // order the rule stated them.
    std::vector<Gdd_cond*> cited;
    for (const Gdd_cond* r = reasons; r; r = r->next)
        if (r->type != kCondTrivial &&
            (database_kind(r->type) || r->type == kCondOrthocenter || r->type == kCondIncenter))
            cited.push_back(const_cast<Gdd_cond*>(r));
    for (auto it = cited.rbegin(); it != cited.rend(); ++it) {
        gprint(", ");
        if (!database_kind((*it)->type))
            print_fact(**it);
        else
            show_reason_fact(*it);
    }
}

void show_fact_derivations(int latex)
{
    if (g_steps.empty())
        return;
    const Latex_scope scope(latex);
    g_show_state = 0;
    explain_steps();
}

// ---- the whole proof -------------------------------------------------------------------

void set_cons_text_printer(ConsTextPrinter printer) { cons_printer() = std::move(printer); }

void show_aux_points()
{
    if (g_gdd_npoints <= 0 || g_npoints <= g_gdd_npoints)
        return;
    if (!g_latex)
        gprint(std::string(50, '*') + "\r\n");
    gprint(kAuxAdded);
    if (g_latex)
        gprint("\\begin{verbatim}\r\n");
    for (int i = g_gdd_npoints + 1; i <= g_npoints; ++i) {
        if (cons_printer())
            cons_printer()(i);
        else
            print_aux_cons_text(i);
    }
    if (g_latex)
        gprint("\\end{verbatim}\r\n");
    gprint("\r\n");
}

void show_gdd_proof(int which)
{
    const Gdd_cond fact = which == 2 ? g_fact : g_concl;
    if (!gdd_fact_holds(fact))
        return;
    show_aux_points();
    if (g_latex) {
        gprint("\r\n{\\vskip6pt \\parskip=6pt \\parindent=10pt \r\n");
        gprint("\r\n");
    } else {
        gprint("\r\n");
    }
    gprint(kMachineProof);
    gprint("\r\n");

    clear_steps();
    g_cite_before = kAnyBirth;
    Gdd_cond goal_fact = fact;
    goal_fact.obj = nullptr;
    goal_fact.next = nullptr;
    goal_fact.number = 0;
    Gdd_cond* goal = new_step(&goal_fact);
    if (fact_trivial(*goal)) {
        print_fact(*goal);
        gprint(kTrivially);
        if (g_latex)
            gprint("}\r\n");
        return;
    }
    show_fact(goal, nullptr, kFactLookup);
    if (!goal->obj) {
        // The database holds the goal by combining records (an angle of
        // parallel arms, say): the proof starts from those.
        Fact_support why = fact_support(*goal, kAnyBirth);
        if (why.kind == Fact_support::Kind::Record) {
            goal->obj = why.facts.front().obj;
        } else if (why.kind == Fact_support::Kind::Derived) {
            g_step_marks.front().newest = why.newest;
            g_step_marks.front().support = std::move(why.facts);
        }
    }
    show_proof_steps(goal);
    if (g_latex)
        gprint("}\r\n");
}
