// The printed proofs of the built-in examples and of a corpus of statements
// (some of whose proofs once cited themselves, the goal, or a step resting on
// the step that cited it): every database proof numbers its steps so that the
// citations form an acyclic graph over printed steps and never name the goal;
// every full-angle proof is a chain of rewritings ending in zero, each
// rewriting by a value the database gave naming the facts it used, and the
// derived ones followed by their derivations in the database's form. No
// proof prints an empty reason, and a step about full angles, parallels or
// perpendiculars explained by such facts follows from them by adding and
// subtracting angles, with the lines identified only by the hypotheses' lines
// and the collinearities the step cites. A circle fact is cited with the
// centre its record has. The window text, and for the database method the
// whole database it reached, are also
// compared with tests/data/gdd/corpus/<method>_<case>.txt (time figures
// masked); each run's actual text is left in the test output folder under the
// same name, so an intended change is reviewed with diff and copied over.
// The prover runs on the counted clock, so every run ends at the same step on
// any machine and every text is compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "facts/gdd_lookup.h"
#include "facts/gdd_records.h"
#include "gdd/gdd_display.h"
#include "prover/proof_tex_file.h"
#include "prover/prover.h"
#include "statement/examples.h"
#include "statement/prove_run.h"
#include "support/counted_prover_clock.h"
#include "support/golden_file.h"
#include "support/test_dirs.h"

namespace {

// Step number -> the step numbers its reasons cite.
using Citations = std::map<int, std::vector<int>>;

Citations database_citations(const std::string& text)
{
    Citations cites;
    const std::size_t proof = text.find("The Machine Proof");
    if (proof == std::string::npos)
        return cites;
    static const std::regex step_head(R"(\r\n([0-9]+)\. )");
    static const std::regex reference(R"(\(([0-9]+)\))");
    std::vector<std::pair<int, std::size_t>> heads;  // number, start of its text
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(), step_head);
         it != std::sregex_iterator(); ++it)
        heads.emplace_back(std::stoi((*it)[1]), proof + static_cast<std::size_t>(it->position() + it->length()));
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const std::size_t end = i + 1 < heads.size() ? heads[i + 1].second : text.size();
        const std::string body = text.substr(heads[i].second, end - heads[i].second);
        const std::size_t because = body.find("because");
        auto& refs = cites[heads[i].first];
        if (because == std::string::npos)
            continue;
        for (auto it = std::sregex_iterator(body.begin() + static_cast<std::ptrdiff_t>(because), body.end(), reference);
             it != std::sregex_iterator(); ++it)
            refs.push_back(std::stoi((*it)[1]));
    }
    return cites;
}

// Every cited step is printed, none cites the goal (a database proof's step
// 1), and the steps can be ordered so that each comes after every step it
// cites.
void expect_acyclic(const Citations& cites, bool step1_is_goal = true)
{
    std::map<int, int> uncited_reasons;
    for (const auto& [step, refs] : cites) {
        uncited_reasons[step] += static_cast<int>(refs.size());
        for (int r : refs) {
            EXPECT_TRUE(cites.count(r)) << "step " << step << " cites (" << r << "), which is not printed";
            if (step1_is_goal) {
                EXPECT_NE(r, 1) << "step " << step << " cites the goal";
            }
        }
    }
    // Peel off steps whose cited steps are all peeled; a cycle stays behind.
    std::vector<int> ready;
    for (const auto& [step, refs] : cites)
        if (refs.empty())
            ready.push_back(step);
    std::map<int, std::vector<int>> cited_by;
    for (const auto& [step, refs] : cites)
        for (int r : refs)
            cited_by[r].push_back(step);
    std::size_t peeled = 0;
    while (!ready.empty()) {
        const int s = ready.back();
        ready.pop_back();
        ++peeled;
        for (int user : cited_by[s])
            if (--uncited_reasons[user] == 0)
                ready.push_back(user);
    }
    EXPECT_EQ(peeled, cites.size()) << "the citations of " << cites.size() - peeled << " steps form a cycle";
}

// After the conclusion: "because" lines each followed by the rewritten
// polynomial, the last one zero.
void expect_rewriting_chain(const std::string& text)
{
    const std::size_t proof = text.find("The Machine Proof");
    ASSERT_NE(proof, std::string::npos) << text;
    static const std::regex because_then_poly(R"(\r\nbecause [^\r]*\r\n\r\n = ([^\r]*)\r\n)");
    std::string last;
    int steps = 0;
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(),
                                        because_then_poly);
         it != std::sregex_iterator(); ++it, ++steps)
        last = (*it)[1];
    int becauses = 0;
    for (std::size_t at = text.find("\r\nbecause ", proof); at != std::string::npos;
         at = text.find("\r\nbecause ", at + 1))
        ++becauses;
    EXPECT_EQ(steps, becauses) << text;
    if (steps > 0) {
        EXPECT_EQ(last, "0") << text;
    }
}

// ---- a printed proof read back ----------------------------------------------------

// A reason list split at its separators (", " outside brackets).
std::vector<std::string> split_reasons(const std::string& list)
{
    std::vector<std::string> parts;
    std::string cur;
    int depth = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (c == '[' || c == '(')
            ++depth;
        if (c == ']' || c == ')')
            --depth;
        if (depth == 0 && c == ',' && i + 1 < list.size() && list[i + 1] == ' ') {
            parts.push_back(cur);
            cur.clear();
            ++i;
            continue;
        }
        cur += c;
    }
    parts.push_back(cur);
    return parts;
}

struct PrintedStep {
    int number = 0;
    std::string fact;
    std::string because;               // the text after "because ", up to the step's end
    std::vector<std::string> reasons;  // that text split at its separators
};

// The numbered steps after "The Machine Proof" (a database proof, or the
// derivations after a full-angle chain).
std::vector<PrintedStep> printed_steps(const std::string& text)
{
    std::vector<PrintedStep> steps;
    const std::size_t proof = text.find("The Machine Proof");
    if (proof == std::string::npos)
        return steps;
    static const std::regex step(R"(\r\n([0-9]+)\. ([^\r]*),\r\n   because ([^\r]*)\r\n)");
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(), step);
         it != std::sregex_iterator(); ++it) {
        PrintedStep st;
        st.number = std::stoi((*it)[1]);
        st.fact = (*it)[2];
        st.because = (*it)[3];
        std::string list = st.because;
        if (!list.empty() && list.back() == '.')
            list.pop_back();
        st.reasons = split_reasons(list);
        steps.push_back(st);
    }
    return steps;
}

// A reason without its step number and its "(hyp)" or "(obvious)".
std::string bare_fact(std::string r)
{
    static const std::regex number(R"(^\([0-9]+\))");
    r = std::regex_replace(r, number, "");
    for (const char* mark : {"(hyp)", "(obvious)"}) {
        const std::string m = mark;
        if (r.rfind(m, 0) == 0)
            r = r.substr(m.size());
        if (r.size() >= m.size() && r.compare(r.size() - m.size(), m.size(), m) == 0)
            r.resize(r.size() - m.size());
    }
    return r;
}

// ---- steps about full angles checked by angle arithmetic ----------------------------

using Segment = std::pair<std::string, std::string>;

// A fact as relations between lines: an equal-angle fact [s0, s1] = [s2, s3],
// a parallel or perpendicular pair, or a collinear set of points.
struct AngleFact {
    enum Kind { kAngle, kPara, kPerp, kColl } kind;
    std::vector<Segment> segs;
    std::vector<std::string> points;  // kColl
};

// The point names of the statement, longest first.
std::vector<std::string> point_names()
{
    std::vector<std::string> names;
    for (int i = 1; i <= g_npoints; ++i)
        names.push_back(g_pro_points[static_cast<std::size_t>(i)].name);
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return names;
}

std::optional<Segment> segment(const std::string& two, const std::vector<std::string>& names)
{
    for (const std::string& a : names)
        if (two.rfind(a, 0) == 0)
            for (const std::string& b : names)
                if (two.size() == a.size() + b.size() && two.compare(a.size(), b.size(), b) == 0)
                    return Segment{a, b};
    return std::nullopt;
}

std::optional<AngleFact> angle_fact(const std::string& text, const std::vector<std::string>& names)
{
    static const std::regex angles("^\u2220\\[([^,\\]]+),([^,\\]]+)\\] = \u2220\\[([^,\\]]+),([^,\\]]+)\\]$");
    static const std::regex para("^([^ ]+)\u2225([^ ]+)$");
    static const std::regex perp("^([^ ]+) \u22A5 ([^ ]+)$");
    static const std::regex coll("^(.+) lines$");
    std::smatch m;
    AngleFact f{AngleFact::kColl, {}, {}};
    std::vector<std::string> twos;
    if (std::regex_match(text, m, angles)) {
        f.kind = AngleFact::kAngle;
        twos = {m[1], m[2], m[3], m[4]};
    } else if (std::regex_match(text, m, para)) {
        f.kind = AngleFact::kPara;
        twos = {m[1], m[2]};
    } else if (std::regex_match(text, m, perp)) {
        f.kind = AngleFact::kPerp;
        twos = {m[1], m[2]};
    } else if (std::regex_match(text, m, coll)) {
        std::string pts = m[1];
        std::string cur;
        for (char c : pts + ",") {
            if (c == ',') {
                if (!cur.empty())
                    f.points.push_back(cur);
                cur.clear();
            } else if (c != ' ') {
                cur += c;
            }
        }
        return f;
    } else {
        return std::nullopt;
    }
    for (const std::string& two : twos) {
        const auto sgm = segment(two, names);
        if (!sgm)
            return std::nullopt;
        f.segs.push_back(*sgm);
    }
    return f;
}

// Point sets known to be lines: sets sharing two points are one line.
using LineSets = std::vector<std::set<std::string>>;

void close_lines(LineSets& lines)
{
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < lines.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < lines.size() && !merged; ++j) {
                std::size_t shared = 0;
                for (const std::string& p : lines[j])
                    shared += lines[i].count(p);
                if (shared >= 2) {
                    lines[i].insert(lines[j].begin(), lines[j].end());
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
    }
}

// The hypotheses' lines: line records of three or more points no rule made.
LineSets hypothesis_lines()
{
    LineSets lines;
    for (const Gdd_line* l : g_ln_list) {
        if (l->reasons || l->count() < 3)
            continue;
        std::set<std::string> pts;
        for (int k = 0; k < l->count(); ++k)
            pts.insert(g_pro_points[static_cast<std::size_t>(l->pts[static_cast<std::size_t>(k)])].name);
        lines.push_back(pts);
    }
    return lines;
}

// Rows: relations as coefficients of line variables (columns by line).
struct Relations {
    const LineSets* lines;
    std::map<std::string, std::size_t> column;
    std::vector<std::map<std::size_t, double>> rows;

    std::size_t line_of(const Segment& s)
    {
        std::string key;
        for (std::size_t i = 0; i < lines->size(); ++i)
            if ((*lines)[i].count(s.first) && (*lines)[i].count(s.second))
                key = "L" + std::to_string(i);
        if (key.empty())
            key = std::min(s.first, s.second) + "|" + std::max(s.first, s.second);
        return column.emplace(key, column.size()).first->second;
    }
    // The relation of an angle, parallel or perpendicular fact (the right
    // angle of a perpendicular is left out: only the lines are compared).
    std::map<std::size_t, double> row(const AngleFact& f)
    {
        std::map<std::size_t, double> r;
        if (f.kind == AngleFact::kAngle) {
            r[line_of(f.segs[1])] += 1;
            r[line_of(f.segs[0])] -= 1;
            r[line_of(f.segs[3])] -= 1;
            r[line_of(f.segs[2])] += 1;
        } else {
            r[line_of(f.segs[0])] += 1;
            r[line_of(f.segs[1])] -= 1;
        }
        return r;
    }
};

std::size_t rank(std::vector<std::map<std::size_t, double>> rows, std::size_t columns)
{
    std::vector<std::vector<double>> m;
    for (const auto& r : rows) {
        std::vector<double> v(columns, 0.0);
        for (const auto& [c, x] : r)
            v[c] += x;
        m.push_back(v);
    }
    std::size_t rk = 0;
    for (std::size_t c = 0; c < columns && rk < m.size(); ++c) {
        std::size_t pivot = rk;
        while (pivot < m.size() && std::fabs(m[pivot][c]) < 1e-9)
            ++pivot;
        if (pivot == m.size())
            continue;
        std::swap(m[pivot], m[rk]);
        for (std::size_t i = 0; i < m.size(); ++i) {
            if (i == rk || std::fabs(m[i][c]) < 1e-9)
                continue;
            const double k = m[i][c] / m[rk][c];
            for (std::size_t j = 0; j < columns; ++j)
                m[i][j] -= k * m[rk][j];
        }
        ++rk;
    }
    return rk;
}

// Each step whose fact and reasons are all about full angles, parallels,
// perpendiculars and collinear points follows from its reasons. Returns the
// number of steps checked.
int expect_angle_steps_follow(const std::vector<PrintedStep>& steps)
{
    const std::vector<std::string> names = point_names();
    int checked = 0;
    for (const PrintedStep& st : steps) {
        const auto goal = angle_fact(st.fact, names);
        if (!goal || goal->kind == AngleFact::kColl)
            continue;
        LineSets lines = hypothesis_lines();
        std::vector<AngleFact> used;
        bool all_angles = true;
        for (const std::string& r : st.reasons) {
            const auto f = angle_fact(bare_fact(r), names);
            if (!f) {
                all_angles = false;
                break;
            }
            if (f->kind == AngleFact::kColl)
                lines.emplace_back(f->points.begin(), f->points.end());
            else
                used.push_back(*f);
        }
        if (!all_angles || used.empty())
            continue;
        close_lines(lines);
        Relations rel{&lines, {}, {}};
        std::vector<std::map<std::size_t, double>> rows;
        for (const AngleFact& f : used)
            rows.push_back(rel.row(f));
        const auto target = rel.row(*goal);
        const std::size_t columns = rel.column.size();
        auto with_goal = rows;
        with_goal.push_back(target);
        ++checked;
        EXPECT_EQ(rank(with_goal, columns), rank(rows, columns))
            << "step " << st.number << " (" << st.fact << ") does not follow from " << st.because;
    }
    return checked;
}

// No reason list has an empty entry ("because , x", "x, .", "because  and
// y", a bare "(obvious)").
void expect_no_empty_reason(const std::string& text)
{
    static const std::regex empty(
        R"(because (,|\.| and)|, (,|\.)|and \.|(because |, |and )\((obvious|hyp)\)(,|\.| and|\r))");
    std::smatch m;
    EXPECT_FALSE(std::regex_search(text, m, empty)) << "empty reason at \"" << m.str() << "\" in\n" << text;
}

// ---- "(obvious)" only for what the lines as written make true ------------------------

// Segments on one line as the statement has it: the same two points, or two
// segments of one of the hypotheses' lines.
bool written_same_line(const Segment& s, const Segment& t, const LineSets& lines)
{
    if ((s.first == t.first && s.second == t.second) || (s.first == t.second && s.second == t.first))
        return true;
    for (const auto& l : lines)
        if (l.count(s.first) && l.count(s.second) && l.count(t.first) && l.count(t.second))
            return true;
    return false;
}

bool point_segment(const Segment& s) { return s.first == s.second; }

// The fact of a reason printed "(obvious)" holds of the hypotheses' lines
// alone: a segment equal to itself, a line parallel to itself, an angle
// whose arms are pairwise the same lines, points on one line (or a fact
// about a segment of one point). A derived fact (a perpendicular, an angle
// resting on parallels or perpendiculars) must be cited with its
// derivation instead.
bool obvious_as_written(const std::string& fact, const std::vector<std::string>& names, const LineSets& lines)
{
    const auto f = angle_fact(fact, names);
    if (!f) {
        static const std::regex equal_segments("^([^ ]+) = ([^ ]+)$");
        std::smatch m;
        if (!std::regex_match(fact, m, equal_segments))
            return false;
        const auto s = segment(m[1], names), t = segment(m[2], names);
        return s && t && (written_same_line(*s, *t, {}) || (point_segment(*s) && point_segment(*t)));
    }
    if ((f->kind == AngleFact::kPara || f->kind == AngleFact::kPerp) &&
        (point_segment(f->segs[0]) || point_segment(f->segs[1])))
        return true;
    switch (f->kind) {
    case AngleFact::kAngle:
        return (written_same_line(f->segs[0], f->segs[2], lines) && written_same_line(f->segs[1], f->segs[3], lines)) ||
               (written_same_line(f->segs[0], f->segs[1], lines) && written_same_line(f->segs[2], f->segs[3], lines));
    case AngleFact::kPara: return written_same_line(f->segs[0], f->segs[1], lines);
    case AngleFact::kPerp: return false;
    case AngleFact::kColl: {
        const std::set<std::string> pts(f->points.begin(), f->points.end());
        if (pts.size() < 3)
            return true;
        for (const auto& l : lines)
            if (std::includes(l.begin(), l.end(), pts.begin(), pts.end()))
                return true;
        return false;
    }
    }
    return false;
}

// Every "(obvious)" of a proof's reason lists. Returns how many there are.
int expect_obvious_only_as_written(const std::string& text)
{
    const std::vector<std::string> names = point_names();
    LineSets lines = hypothesis_lines();
    close_lines(lines);
    static const std::regex reasons(R"(because ([^\r]*))");
    int obvious = 0, checked = 0;
    for (std::size_t at = text.find("(obvious)"); at != std::string::npos; at = text.find("(obvious)", at + 1))
        ++obvious;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), reasons); it != std::sregex_iterator(); ++it) {
        std::string list = (*it)[1];
        if (!list.empty() && list.back() == '.')
            list.pop_back();
        for (const std::string& r : split_reasons(list)) {
            if (r.size() < 9 || r.compare(r.size() - 9, 9, "(obvious)") != 0)
                continue;
            ++checked;
            EXPECT_TRUE(obvious_as_written(bare_fact(r), names, lines))
                << "\"" << r << "\" is not true of the lines as written, yet cited without derivation in\n" << text;
        }
    }
    EXPECT_EQ(checked, obvious) << "an \"(obvious)\" outside a reason list in\n" << text;
    return obvious;
}

// ---- circles cited with their centres ----------------------------------------------

int point_named(const std::string& name)
{
    for (int i = 1; i <= g_npoints; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].name == name)
            return i;
    return 0;
}

// A circle fact printed without a centre ("cyclic:[A,B,C,D]", in LaTeX
// "cyclic:[$A,B,C,D$]") is held by a circle record that knows none: a fact
// whose record has a centre, be it cited for inscribed angles or for equal
// radii, prints it.
void expect_circles_cited_with_centres(const std::string& text)
{
    static const std::regex cyclic(R"(cyclic:\[\$?(\([^)]*\))?([^\]$]*)\$?\])");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), cyclic); it != std::sregex_iterator(); ++it) {
        if ((*it)[1].matched)
            continue;
        std::vector<int> pts;
        std::istringstream names((*it)[2].str());
        for (std::string name; std::getline(names, name, ',');)
            pts.push_back(point_named(name));
        bool held_without_centre = false;
        for (const Gdd_cir* c : g_cir_list)
            held_without_centre = held_without_centre ||
                                  (c->centre == 0 &&
                                   std::all_of(pts.begin(), pts.end(), [&](int p) { return p && on_cir(p, c); }));
        EXPECT_TRUE(held_without_centre) << "\"" << it->str() << "\" is cited without its circle's centre in\n"
                                         << text;
    }
}

// ---- the full-angle proof's citations -----------------------------------------------

// The rewriting chain names, after each elimination that sets an angle to a
// constant (and after an equivalence that is already 0 = 0), the facts it
// rests on; every numbered fact it cites is printed with its derivation.
void expect_chain_cites(const std::string& text)
{
    const std::size_t proof = text.find("The Machine Proof");
    ASSERT_NE(proof, std::string::npos);
    static const std::regex because_line(R"(\r\nbecause ([^\r]*)\r\n)");
    Citations cites;
    int chain_refs = 0;
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(proof), text.end(), because_line);
         it != std::sregex_iterator(); ++it) {
        const std::vector<std::string> parts = split_reasons((*it)[1]);
        const std::string& elimination = parts.front();
        const std::string value = elimination.substr(elimination.find(" = ") + 3);
        if (value.find("\u2220") == std::string::npos) {
            EXPECT_GT(parts.size(), 1u) << "\"" << elimination << "\" names no fact:\n" << text;
        }
        for (std::size_t k = 1; k < parts.size(); ++k) {
            std::smatch m;
            static const std::regex number(R"(^\(([0-9]+)\))");
            if (std::regex_search(parts[k], m, number)) {
                cites[0].push_back(std::stoi(m[1]));
                ++chain_refs;
            }
        }
    }
    const std::size_t equivalent = text.find("This is equivalent to:   0 = 0");
    if (equivalent != std::string::npos) {
        EXPECT_EQ(text.compare(equivalent + 30, 2, ", "), 0) << "a conclusion that is 0 names no fact:\n" << text;
    }
    for (const PrintedStep& st : printed_steps(text)) {
        auto& refs = cites[st.number];
        static const std::regex reference(R"(\(([0-9]+)\))");
        for (auto it = std::sregex_iterator(st.because.begin(), st.because.end(), reference);
             it != std::sregex_iterator(); ++it)
            refs.push_back(std::stoi((*it)[1]));
    }
    if (chain_refs > 0)
        expect_acyclic(cites, false);
}

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Limits in seconds of the counted clock, a thousand time checks each: the
// runs here need at most a few thousand checks.
constexpr int kCheckLimit = 100;

// The database saturates the Square only after two dozen auxiliary points, a
// quarter of a million time checks, and lists 77,000 lines of facts: far too
// long a run and a text for this test. The forward chaining tests check every
// fact it derives there.
constexpr int kSquare = 337;

// The window text, the database's listing after it for the database method.
void expect_golden(const ProveRun& run, int method, const std::string& name)
{
    static const std::regex time(R"(Time :[0-9.]+)");
    std::string text = "result: " + run.result + "\n" + std::regex_replace(run.window_text, time, "Time :#");
    if (method == kMethodDatabase) {
        GprintCapture gib;
        show_gib(0);
        text += gib.text();
    }
    const std::string file = (method == kMethodDatabase ? "database_" : "angle_") + name + ".txt";
    const auto dir = per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "gdd_corpus");
    std::ofstream(dir / file, std::ios::binary) << text;
    EXPECT_EQ(text, read_file(std::filesystem::path(PLEXATOR_TEST_DATA) / "gdd" / "corpus" / file)) << file;
}

// Returns the number of steps checked by angle arithmetic.
int check_run(const ProveRun& run, int method, const std::string& name)
{
    EXPECT_NE(run.result, "timeout") << name << " needs more time checks than the limit allows";
    expect_golden(run, method, name);
    if (run.result != "true")
        return 0;
    expect_no_empty_reason(run.window_text);
    expect_obvious_only_as_written(run.window_text);
    expect_circles_cited_with_centres(run.window_text);
    if (method == kMethodDatabase) {
        const Citations cites = database_citations(run.window_text);
        EXPECT_FALSE(cites.empty()) << run.window_text;
        expect_acyclic(cites);
        // Every record's reasons, as the database listing prints them.
        GprintCapture gib;
        show_gib(1);
        expect_no_empty_reason(gib.text());
        expect_circles_cited_with_centres(gib.text());
    } else {
        expect_rewriting_chain(run.window_text);
        expect_chain_cites(run.window_text);
    }
    return expect_angle_steps_follow(printed_steps(run.window_text));
}

class ProofCitationsTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override { prover_reset(); }

    CountedProverClock clock_;
};

TEST_P(ProofCitationsTest, BuiltInExamples)
{
    int proved = 0;
    int checked = 0;
    for (const ExampleInfo& e : example_menu()) {
        if (GetParam() == kMethodDatabase && e.id == kSquare)
            continue;
        SCOPED_TRACE(std::string(e.menu_text));
        const ProveRun run = prove_example(e.id, GetParam(), kCheckLimit);
        proved += run.result == "true";
        checked += check_run(run, GetParam(), "example" + std::to_string(e.id));
    }
    EXPECT_GE(proved, 4);
    EXPECT_GE(checked, 10);
}

TEST_P(ProofCitationsTest, Corpus)
{
    static const char* const statements[] = {
        // congruent triangles from a group merged out of two
        "POINT A B C;\nON_PLINE D A B C;\nPSQUARE E D B;\nPSQUARE F E B;\nON_CIRCLE G E F;\nMIDPOINT H F B;\n"
        "SHOW: EQDISTANCE F H D B.",
        // the goal once cited itself
        "POINT A B C;\nON_TLINE D C A B;\nORTHOCENTER E D A B;\nCIRCUMCENTER F B A C;\nSHOW: PARALLEL C E D E.",
        "POINT A B C;\nORTHOCENTER D B C A;\nON_CIRCLE E A B;\nINTERSECTION_LL F B E A D;\nON_TLINE G D C A;\n"
        "SHOW: PARALLEL B G G D.",
        // a step once cited itself
        "POINT A B C;\nON_LINE D A C;\nON_PLINE E B C A;\nON_PLINE F E A C;\nON_PLINE G E D A;\n"
        "ON_TLINE H B E G;\nSHOW: PARALLEL G F F B.",
        // a step once cited the goal
        "POINT A B C;\nFOOT D C B A;\nCIRCUMCENTER E C D A;\nMIDPOINT F D E;\nORTHOCENTER G E C B;\n"
        "SHOW: COLLINEAR E A C.",
        "POINT A B C;\nFOOT D A B C;\nFOOT E B A C;\nFOOT F C A B;\nINTERSECTION_LL H A D B E;\n"
        "SHOW: EQANGEL E D H H D F.",
        "POINT A B C;\nCIRCUMCENTER O A B C;\nON_CIRCLE E O A;\nFOOT F E B C;\nFOOT G E A C;\nFOOT H E A B;\n"
        "SHOW: COLLINEAR F G H.",
        "POINT A B C;\nCIRCUMCENTER O A B C;\nFOOT E B A C;\nFOOT F C A B;\nSHOW: PERPENDICULAR A O E F.",
        // Classic theorems the full-angle method took straight from the
        // database, once printed as the conclusion being its own reason: the
        // midline, Varignon's parallelogram, the midline of a trapezoid, a
        // conclusion the database holds before any rewriting.
        "POINT A B C;\nMIDPOINT E A B;\nMIDPOINT D A C;\nSHOW: PARALLEL E D B C.",
        "POINT A B C D;\nMIDPOINT E A B;\nMIDPOINT F B C;\nMIDPOINT G C D;\nMIDPOINT H D A;\nSHOW: PARALLEL E F G H.",
        "POINT A B C;\nON_PLINE D C A B;\nMIDPOINT E A D;\nMIDPOINT F B C;\nSHOW: PARALLEL E F A B.",
        "POINT A B C;\nINTERSECTION_PP D A B C C A B;\nMIDPOINT M A C;\nSHOW: COLLINEAR B M D.",
        // The butterfly: a circle centred on the chord's midpoint M was
        // derived from OM perpendicular to CG, which no record held (OM is
        // perpendicular to AB, and CG parallel to it); it was cited as
        // obvious, and is now a step of its own.
        "POINT O A;\nON_CIRCLE B O A;\nMIDPOINT M A B;\nON_CIRCLE C O A;\nINTERSECTION_LC D C M O C;\n"
        "ON_CIRCLE E O A;\nINTERSECTION_LC F E M O E;\nINTERSECTION_LL P C F A B;\nINTERSECTION_LL Q E D A B;\n"
        "SHOW: MIDPOINT M P Q.",
    };
    int proved = 0;
    int number = 0;
    for (const char* s : statements) {
        SCOPED_TRACE(s);
        const ProveRun run =
            prove_statement_text(std::string("EXAMPLE t\nHYPOTHESES:\n") + s + "\n", GetParam(), kCheckLimit);
        proved += run.result == "true";
        check_run(run, GetParam(), "corpus" + std::to_string(++number));
    }
    EXPECT_GE(proved, 8);
}

// IMO 2015 Problem 4 in the database method: a step once cited, through the
// line that merged A, O, W and X (the conclusion), the reasons of another
// record; each record is now cited for the lines it was derived for.
TEST(ProofCitationsImo, DatabaseCitesEachRecordForItsOwnLines)
{
    prover_reset();
    const ProveRun run = prove_statement_text(
        "EXAMPLE imo_2015_p4\nHYPOTHESES:\n"
        "POINT A F R1 R2; MIDPOINT U A F; ON_TLINE O U A F; FOOT W F A O; SYM G W F;\n"
        "INTERSECTION_LC B A R1 O A; INTERSECTION_LC D F R2 A F; INTERSECTION_LC C B D O B;\n"
        "INTERSECTION_LC E D B A D; CIRCUMCENTER O3 B D F; INTERSECTION_LC K A B O3 B;\n"
        "CIRCUMCENTER O4 C G E; INTERSECTION_LC L A C O4 C; INTERSECTION_LL X F K G L;\n"
        "SHOW: COLLINEAR X O A.\n",
        kMethodDatabase, 60);
    EXPECT_EQ(run.result, "true");
    EXPECT_GE(check_run(run, kMethodDatabase, "imo_2015_p4"), 5);
    prover_reset();
}

// The circle about O through B, A, D and E, merged with the one about O
// through E and F, is cited for inscribed angles and for the radii OA = BO:
// with its centre, in the window and in the LaTeX file alike.
TEST_F(ProofCitationsTest, MergedCircleIsCitedWithItsCentre)
{
    const std::filesystem::path dir = per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "gdd-latex");
    const std::string saved_dir = g_tex_dir;
    g_tex_dir = dir.string();
    std::filesystem::remove(proof_tex_path());
    const ProveRun run = prove_statement_text(
        "EXAMPLE circle_centre\nHYPOTHESES:\n"
        "POINT B C; MIDPOINT O B C; ON_CIRCLE A O B; INTERSECTION_TC D O A B O B; MIDPOINT L O A;\n"
        "INTERSECTION_TC E L O A O B; SYM F L E; INTERSECTION_LP J A C O A D;\n"
        "SHOW: EQANGEL E C J J C F.\n",
        kMethodDatabase, kCheckLimit);
    g_tex_dir = saved_dir;
    EXPECT_EQ(run.result, "true");
    check_run(run, kMethodDatabase, "circle_centre");
    const std::string latex = read_file(dir / "example.tex");
    expect_circles_cited_with_centres(latex);
    static const std::regex time(R"(Time :[0-9.]+)");
    expect_golden_file("gdd", "circle_centre.tex", std::regex_replace(latex, time, "Time :#"));
}

// Statements with constructions that state no facts in the database (their
// points stay out of it) beside theorems of several steps.
TEST_F(ProofCitationsTest, DatabaseProofsBesideConstructionsWithoutFacts)
{
    static const char* const statements[] = {
        "POINT A B C;\nCENTROID X A B C;\nCIRCUMCENTER O A B C;\nON_BLINE K A B;\nON_CIRCLE E O A;\nFOOT F E B C;\n"
        "FOOT G E A C;\nFOOT H E A B;\nSHOW: COLLINEAR F G H.",
        "POINT A B C;\nHARMONIC D A B C;\nLRATIO P A B 1 3;\nCIRCUMCENTER O A B C;\nFOOT E B A C;\nFOOT F C A B;\n"
        "SHOW: PERPENDICULAR A O E F.",
        "POINT A B C;\nINVERSION J A B C;\nCONSTANT (AREA A B C) - 1;\nFOOT D A B C;\nFOOT E B A C;\nFOOT F C A B;\n"
        "INTERSECTION_LL H A D B E;\nSHOW: EQANGEL E D H H D F.",
        "POINT A B C U V;\nSIM_TRIANGLE S A B C U V;\nMRATIO Q A C 2 1;\nPRATIO R A B C 1 2;\nON_PLINE D A B C;\n"
        "PSQUARE E D B;\nPSQUARE F E B;\nON_CIRCLE G E F;\nMIDPOINT H F B;\nSHOW: EQDISTANCE F H D B.",
    };
    int number = 0;
    for (const char* s : statements) {
        SCOPED_TRACE(s);
        const ProveRun run =
            prove_statement_text(std::string("EXAMPLE t\nHYPOTHESES:\n") + s + "\n", kMethodDatabase, 60);
        EXPECT_EQ(run.result, "true") << run.window_text;
        check_run(run, kMethodDatabase, "without_facts" + std::to_string(++number));
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, ProofCitationsTest, ::testing::Values(kMethodDatabase, kMethodFullAngle),
                         [](const auto& info) { return info.param == kMethodDatabase ? "Database" : "FullAngle"; });

}  // namespace
