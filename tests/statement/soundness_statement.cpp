#include "soundness_statement.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>

#include "soundness_figure.h"

namespace soundness {
namespace {

const std::map<std::string, int>& parents()
{
    static const std::map<std::string, int> table{
        {"MIDPOINT", 2},        {"SYM", 2},             {"LRATIO", 2},          {"MRATIO", 2},
        {"PRATIO", 3},          {"ON_LINE", 2},         {"ON_BLINE", 2},        {"ON_TLINE", 3},
        {"ON_PLINE", 3},        {"ON_CIRCLE", 2},       {"ON_ALINE", 5},        {"INTERSECTION_LL", 4},
        {"FOOT", 3},            {"INTERSECTION_TT", 6}, {"INTERSECTION_LT", 5}, {"INTERSECTION_LP", 5},
        {"INTERSECTION_PP", 6}, {"INTERSECTION_PT", 6}, {"INTERSECTION_LC", 4}, {"INTERSECTION_PC", 5},
        {"INTERSECTION_TC", 5}, {"INTERSECTION_LS", 5}, {"INTERSECTION_LR", 5}, {"INTERSECTION_CC", 4},
        {"REFLECTION", 3},      {"INTERSECTION_SS", 6}, {"INTERSECTION_CR", 5}, {"INTERSECTION_RR", 6},
        {"CENTROID", 3},        {"ORTHOCENTER", 3},     {"CIRCUMCENTER", 3},    {"INCENTER", 3},
        {"INVERSION", 3},       {"HARMONIC", 3},        {"PSQUARE", 2},         {"NSQUARE", 2},
        {"EQ_TRIANGLE", 2},     {"SIM_TRIANGLE", 5},
    };
    return table;
}

const std::map<std::string, int>& predicates()
{
    static const std::map<std::string, int> table{{"COLLINEAR", 3},  {"PARALLEL", 4}, {"PERPENDICULAR", 4},
                                                  {"EQDISTANCE", 4}, {"EQANGEL", 6},  {"COCIRCLE", 4}};
    return table;
}

// Conclusion predicates and their point counts ("=" is an equation).
const std::vector<std::pair<std::string, int>>& conclusions()
{
    static const std::vector<std::pair<std::string, int>> table{
        {"COLLINEAR", 3}, {"PARALLEL", 4}, {"PERPENDICULAR", 4}, {"EQDISTANCE", 4}, {"EQANGEL", 6},
        {"MIDPOINT", 3},  {"EQ_PRODUCT", 8}, {"COCIRCLE", 4},    {"TANGENT", 4},    {"=", 0},
        {"NO", 0},
    };
    return table;
}

// Quantity terms of equation sides and their point counts.
const std::vector<std::pair<std::string, int>>& terms()
{
    static const std::vector<std::pair<std::string, int>> table{
        {"AREA", 3}, {"AREA", 4}, {"PY", 3}, {"SQ_DIS", 2}, {"RATIO", 4}, {"ANGLE", 4}};
    return table;
}

constexpr double kRepeatChance = 0.2;     // parents drawn from a tiny pool, so they repeat
constexpr double kPatternChance = 0.1;   // a construction ill-posed by its shape
constexpr double kMeetingChance = 0.15;  // a predicate point whose two lines meet at a named point
constexpr double kHoldingChance = 0.5;    // a conclusion searched to hold
constexpr int kHoldingTries = 80;
constexpr int kMaxPoints = 20;
constexpr double kPredicateVersionChance = 0.5;  // the statement comes as predicates
constexpr double kReplaceChance = 0.75;          // of such a statement, each construction with a form
constexpr double kPastFreedomChance = 0.5;       // constructions after points with freedom replaced too

class Builder {
public:
    Builder(std::mt19937_64& rng, int max_constructions) : rng_(rng), max_constructions_(max_constructions) {}

    Statement make();

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    std::string fresh_name() { return std::string(1, static_cast<char>('A' + names_++)); }
    const std::string& any() { return points_[below(static_cast<int>(points_.size()))]; }
    std::vector<std::string> pick(int n, bool repeating);
    void add_construction();
    void add_meeting_point();
    Conclusion random_conclusion(bool distinct);
    std::string random_term(bool distinct);
    void write_as_predicates();

    std::mt19937_64& rng_;
    int max_constructions_;
    Statement s_;
    std::vector<std::string> points_;
    int names_ = 0;
};

std::vector<std::string> Builder::pick(int n, bool repeating)
{
    std::vector<std::string> out;
    if (repeating) {
        std::vector<std::string> pool;
        for (int i = 0; i < 2 + below(2); ++i)
            pool.push_back(any());
        for (int i = 0; i < n; ++i)
            out.push_back(pool[below(static_cast<int>(pool.size()))]);
        return out;
    }
    std::vector<std::string> all = points_;
    std::shuffle(all.begin(), all.end(), rng_);
    for (int i = 0; i < n; ++i)
        out.push_back(i < static_cast<int>(all.size()) ? all[i] : any());
    return out;
}

void Builder::add_construction()
{
    const auto& table = parents();
    auto it = table.begin();
    std::advance(it, below(static_cast<int>(table.size())));
    Line l{it->first, fresh_name(), pick(it->second, chance(kRepeatChance))};
    if (chance(kPatternChance)) {
        // Shapes with no proper solution or a solution at a named point.
        const auto p = pick(3, false);
        if (l.keyword == "INTERSECTION_LS") l.args = {p[0], p[1], p[0], p[1], p[2]};
        else if (l.keyword == "INTERSECTION_SS") l.args = {p[0], p[1], p[2], p[0], p[1], any()};
        else if (l.keyword == "INTERSECTION_LP") l.args = {p[0], p[1], p[2], p[0], p[1]};
        else if (l.keyword == "INTERSECTION_LL") l.args = {p[0], p[1], p[1], p[0]};
        else if (l.keyword == "INTERSECTION_LC") l.args = {p[0], p[1], p[2], p[0]};
        else if (l.keyword == "INTERSECTION_CC") l.args = {p[0], p[2], p[1], p[2]};
        else if (l.keyword == "INTERSECTION_PP") l.args = {p[0], p[1], p[2], p[2], p[1], p[2]};
        else if (l.keyword == "INTERSECTION_TT") l.args = {p[0], p[1], p[2], p[1], p[2], p[1]};
    }
    if (l.keyword.find("RATIO") != std::string::npos) {
        static const int values[][2] = {{1, 2}, {2, 3}, {-1, 1}, {1, 3}, {3, 1}, {0, 1}, {1, -1}};
        const auto& v = values[below(7)];
        l.ratio_num = v[0];
        l.ratio_den = v[1];
    }
    points_.push_back(l.point);
    s_.lines.push_back(std::move(l));
}

// A point whose two lines both pass through a named point P, written as
// predicates after a point Y with freedom of its own (which the reader
// numbers after it): one line through P and Y, or, as with the altitudes of
// a triangle, the perpendicular to a side through the orthocentre H of P, A
// and Y. The lines meet only at P where Y is generic; they are one line only
// where Y is not.
void Builder::add_meeting_point()
{
    static const std::vector<std::string> freedom{"ON_LINE", "ON_CIRCLE", "ON_TLINE", "ON_PLINE", "ON_BLINE"};
    // Two lines of each keyword: through P and A (or P perpendicular or
    // parallel to A B), and through P and Y (or P perpendicular or parallel
    // to Y A or Y B).
    static const std::vector<std::pair<std::string, std::string>> meeting{
        {"INTERSECTION_LL", "PAPY"},   {"INTERSECTION_LT", "PAPYB"}, {"INTERSECTION_LP", "PAPYB"},
        {"INTERSECTION_TT", "PABPYA"}, {"INTERSECTION_PP", "PABPYA"}, {"INTERSECTION_PT", "PABPYA"}};
    const std::vector<std::string> base = pick(3, false);
    const std::string& keyword = freedom[static_cast<std::size_t>(below(static_cast<int>(freedom.size())))];
    Line semi{keyword, fresh_name(), pick(construction_parent_count(keyword), false)};
    const std::string y = semi.point;
    points_.push_back(y);
    s_.lines.push_back(std::move(semi));
    Line x{"INTERSECTION_TT", fresh_name(), {}};
    if (chance(0.5)) {
        Line h{"ORTHOCENTER", fresh_name(), {base[0], base[1], y}};
        x.args = {base[0], base[1], base[2], h.point, base[1], y};
        points_.push_back(h.point);
        s_.lines.push_back(std::move(h));
    } else {
        const auto& [intersection, shape] = meeting[static_cast<std::size_t>(below(static_cast<int>(meeting.size())))];
        x.keyword = intersection;
        for (char c : shape)
            x.args.push_back(c == 'P' ? base[0] : c == 'A' ? base[1] : c == 'B' ? base[2] : y);
    }
    x.as_predicates = !predicate_form(x).empty();
    points_.push_back(x.point);
    s_.lines.push_back(std::move(x));
}

std::string Builder::random_term(bool distinct)
{
    const auto& [keyword, n] = terms()[below(static_cast<int>(terms().size()))];
    std::string text = keyword;
    for (const auto& p : pick(n, !distinct && chance(kRepeatChance)))
        text += " " + p;
    return keyword == "AREA" || keyword == "PY" ? "(" + text + ")" : text;
}

Conclusion Builder::random_conclusion(bool distinct)
{
    const auto& [keyword, n] = conclusions()[below(static_cast<int>(conclusions().size()) - (distinct ? 1 : 0))];
    Conclusion c{keyword, {}, {}, {}};
    if (keyword == "=") {
        c.lhs = random_term(distinct);
        const int kind = below(3);
        if (kind == 0) {
            c.rhs = c.lhs.find("RATIO") != std::string::npos ? (chance(0.5) ? "1" : "-1") : "0";
        } else {
            // Both sides the same kind of quantity.
            do
                c.rhs = random_term(distinct);
            while (c.rhs.substr(0, 3) != c.lhs.substr(0, 3));
        }
    } else {
        c.args = pick(n, !distinct && chance(kRepeatChance));
    }
    return c;
}

Statement Builder::make()
{
    const int base = below(10);
    Line first{"POINT", "", {}};
    const int free = 3 + below(2);
    for (int i = 0; i < free; ++i)
        first.args.push_back(fresh_name());
    if (base < 2)
        first.keyword = "CIRCLE";
    points_ = first.args;
    s_.lines.push_back(first);
    if (base == 2) {
        // A hypothesis predicate that places a new free point.
        const std::string d = fresh_name();
        s_.lines.front().args.push_back(d);
        auto it = predicates().begin();
        std::advance(it, below(static_cast<int>(predicates().size())));
        Line pred{it->first, "", pick(it->second - 1, chance(kRepeatChance))};
        pred.args.push_back(d);
        points_.push_back(d);
        s_.lines.push_back(pred);
    }
    const int constructions = 1 + below(max_constructions_);
    for (int i = 0; i < constructions && names_ < kMaxPoints; ++i)
        add_construction();
    if (chance(kMeetingChance) && names_ + 3 <= kMaxPoints)
        add_meeting_point();
    s_.conclusion = {"NO", {}, {}, {}};
    const std::uint64_t figure_seed = rng_();
    if (chance(kHoldingChance) && judge(s_, figure_seed, 2).proper_figures >= 2) {
        for (int t = 0; t < kHoldingTries; ++t) {
            s_.conclusion = random_conclusion(true);
            if (judge(s_, rng_(), 2).truth == Truth::Holds) {
                if (chance(kPredicateVersionChance))
                    write_as_predicates();
                return s_;
            }
        }
    }
    s_.conclusion = random_conclusion(false);
    if (chance(kPredicateVersionChance))
        write_as_predicates();
    return s_;
}

// Constructions that leave their point some freedom: their records draw
// free values in the prover's figures.
bool leaves_freedom(const std::string& keyword)
{
    return keyword.starts_with("ON_") || keyword == "HARMONIC" || keyword == "SIM_TRIANGLE" || keyword == "CIRCLE";
}

// The predicate version: constructions replaced by their predicates, at
// least one where any can be. The reader numbers the points of POINT lines
// before all others, so a construction replaced after a CIRCLE line or a
// construction with freedom gets its point numbered before the points with
// freedom its predicates name; half the statements stop replacing at the
// first such line, so that its point keeps its place among them.
void Builder::write_as_predicates()
{
    const bool past_freedom = chance(kPastFreedomChance);
    std::vector<Line*> replaceable;
    for (Line& l : s_.lines) {
        if (!predicate_form(l).empty())
            replaceable.push_back(&l);
        else if (leaves_freedom(l.keyword) && !past_freedom)
            break;
    }
    bool any = false;
    for (Line* l : replaceable) {
        if (chance(kReplaceChance)) {
            l->as_predicates = true;
            any = true;
        } else if (leaves_freedom(l->keyword) && !past_freedom) {
            break;
        }
    }
    if (!any && !replaceable.empty())
        replaceable.front()->as_predicates = true;
}

// The predicates of the construction keyword's form over X (the point) and
// the arguments a0, a1, ... of the line.
const std::map<std::string, std::vector<std::vector<std::string>>>& predicate_forms()
{
    static const std::map<std::string, std::vector<std::vector<std::string>>> table{
        {"MIDPOINT", {{"COLLINEAR", "X", "0", "1"}, {"EQDISTANCE", "X", "0", "X", "1"}}},
        {"SYM", {{"COLLINEAR", "X", "0", "1"}, {"EQDISTANCE", "0", "X", "0", "1"}}},
        {"ON_LINE", {{"COLLINEAR", "X", "0", "1"}}},
        {"ON_BLINE", {{"EQDISTANCE", "X", "0", "X", "1"}}},
        {"ON_TLINE", {{"PERPENDICULAR", "X", "0", "1", "2"}}},
        {"ON_PLINE", {{"PARALLEL", "X", "0", "1", "2"}}},
        {"ON_CIRCLE", {{"EQDISTANCE", "0", "X", "0", "1"}}},
        {"ON_ALINE", {{"EQANGEL", "X", "0", "1", "2", "3", "4"}}},
        {"INTERSECTION_LL", {{"COLLINEAR", "X", "0", "1"}, {"COLLINEAR", "X", "2", "3"}}},
        {"FOOT", {{"COLLINEAR", "X", "1", "2"}, {"PERPENDICULAR", "0", "X", "1", "2"}}},
        {"INTERSECTION_TT", {{"PERPENDICULAR", "X", "0", "1", "2"}, {"PERPENDICULAR", "X", "3", "4", "5"}}},
        {"INTERSECTION_LT", {{"COLLINEAR", "X", "0", "1"}, {"PERPENDICULAR", "X", "2", "3", "4"}}},
        {"INTERSECTION_LP", {{"COLLINEAR", "X", "0", "1"}, {"PARALLEL", "X", "2", "3", "4"}}},
        {"INTERSECTION_PP", {{"PARALLEL", "X", "0", "1", "2"}, {"PARALLEL", "X", "3", "4", "5"}}},
        {"INTERSECTION_PT", {{"PARALLEL", "X", "0", "1", "2"}, {"PERPENDICULAR", "X", "3", "4", "5"}}},
        {"INTERSECTION_LC", {{"COLLINEAR", "X", "0", "1"}, {"EQDISTANCE", "2", "X", "2", "3"}}},
        {"INTERSECTION_PC", {{"PARALLEL", "X", "0", "1", "2"}, {"EQDISTANCE", "3", "X", "3", "4"}}},
        {"INTERSECTION_TC", {{"PERPENDICULAR", "X", "0", "1", "2"}, {"EQDISTANCE", "3", "X", "3", "4"}}},
        {"INTERSECTION_LS", {{"COLLINEAR", "X", "0", "1"}, {"COCIRCLE", "X", "2", "3", "4"}}},
        {"INTERSECTION_LR", {{"COLLINEAR", "X", "0", "1"}, {"EQDISTANCE", "2", "X", "3", "4"}}},
        {"INTERSECTION_CC", {{"EQDISTANCE", "0", "X", "0", "1"}, {"EQDISTANCE", "2", "X", "2", "3"}}},
        {"INTERSECTION_SS", {{"COCIRCLE", "X", "0", "1", "2"}, {"COCIRCLE", "X", "3", "4", "5"}}},
        {"INTERSECTION_CR", {{"EQDISTANCE", "0", "X", "0", "1"}, {"EQDISTANCE", "2", "X", "3", "4"}}},
        {"INTERSECTION_RR", {{"EQDISTANCE", "0", "X", "1", "2"}, {"EQDISTANCE", "3", "X", "4", "5"}}},
        {"REFLECTION", {{"EQDISTANCE", "1", "X", "1", "0"}, {"EQDISTANCE", "2", "X", "2", "0"}}},
        {"CIRCUMCENTER", {{"EQDISTANCE", "X", "0", "X", "1"}, {"EQDISTANCE", "X", "0", "X", "2"}}},
        {"ORTHOCENTER", {{"PERPENDICULAR", "X", "0", "1", "2"}, {"PERPENDICULAR", "X", "1", "0", "2"}}},
        {"PSQUARE", {{"PERPENDICULAR", "0", "X", "0", "1"}, {"EQDISTANCE", "0", "X", "0", "1"}}},
        {"NSQUARE", {{"PERPENDICULAR", "0", "X", "0", "1"}, {"EQDISTANCE", "0", "X", "0", "1"}}},
        {"EQ_TRIANGLE", {{"EQDISTANCE", "X", "0", "0", "1"}, {"EQDISTANCE", "X", "1", "0", "1"}}},
    };
    return table;
}

// The predicate asks something of its points: no line or angle of it, and
// no circle, has a point named twice, and its two sides differ.
bool asks_something(const Line& p)
{
    const auto& a = p.args;
    auto apart = [&](std::initializer_list<std::size_t> idx) {
        std::vector<std::string> names;
        for (std::size_t i : idx)
            names.push_back(a[i]);
        std::sort(names.begin(), names.end());
        return std::adjacent_find(names.begin(), names.end()) == names.end();
    };
    auto same = [&](std::vector<std::string> x, std::vector<std::string> y) {
        std::vector<std::string> reversed(y.rbegin(), y.rend());
        return x == y || x == reversed;
    };
    const std::string& k = p.keyword;
    if (k == "COLLINEAR") return apart({0, 1, 2});
    if (k == "COCIRCLE") return apart({0, 1, 2, 3});
    if (k == "EQANGEL")
        return apart({0, 1}) && apart({1, 2}) && apart({3, 4}) && apart({4, 5}) &&
               !same({a[0], a[1], a[2]}, {a[3], a[4], a[5]});
    return apart({0, 1}) && apart({2, 3}) && !same({a[0], a[1]}, {a[2], a[3]});
}

}  // namespace

std::vector<Line> predicate_form(const Line& construction)
{
    const auto it = predicate_forms().find(construction.keyword);
    if (it == predicate_forms().end())
        return {};
    std::vector<Line> out;
    for (const auto& form : it->second) {
        Line p{form[0], "", {}};
        for (std::size_t i = 1; i < form.size(); ++i)
            p.args.push_back(form[i] == "X" ? construction.point
                                            : construction.args[static_cast<std::size_t>(std::stoi(form[i]))]);
        if (!asks_something(p))
            return {};
        out.push_back(std::move(p));
    }
    return out;
}

namespace {

void write_line(std::ostream& out, const Line& l)
{
    out << l.keyword;
    if (!l.point.empty())
        out << ' ' << l.point;
    for (const auto& a : l.args)
        out << ' ' << a;
    if (l.keyword.find("RATIO") != std::string::npos)
        out << ' ' << l.ratio_num << ' ' << l.ratio_den;
    out << ";";
}

}  // namespace

std::string Statement::text() const
{
    std::ostringstream out;
    out << "EXAMPLE fuzz\nHYPOTHESES:\n";
    std::ostringstream constructions;
    for (const auto& l : lines) {
        if (!l.as_predicates) {
            write_line(out, l);
            out << "\n";
            continue;
        }
        out << "POINT " << l.point << ";\n";
        for (const Line& p : predicate_form(l)) {
            write_line(out, p);
            out << "\n";
        }
        constructions << ' ';
        write_line(constructions, l);
    }
    out << "SHOW: ";
    if (conclusion.keyword == "=") {
        out << conclusion.lhs << " = " << conclusion.rhs;
    } else {
        out << conclusion.keyword;
        for (const auto& a : conclusion.args)
            out << ' ' << a;
    }
    out << ".\n";
    if (!constructions.str().empty())
        out << "CONSTRUCTIONS:" << constructions.str() << "\n";
    return out.str();
}

namespace {

std::vector<std::string> words_of(const std::string& part)
{
    std::vector<std::string> w;
    std::istringstream in(part);
    for (std::string t; in >> t;)
        w.push_back(t);
    return w;
}

// One hypothesis line in the generator's form; nothing for an empty part.
std::optional<Line> line_from_words(std::vector<std::string> w)
{
    if (w.empty())
        return std::nullopt;
    Line l{w[0], "", {}};
    const bool declares = l.keyword == "POINT" || l.keyword == "CIRCLE" || predicate_point_count(l.keyword) > 0;
    std::size_t i = 1;
    if (!declares && w.size() > 1)
        l.point = w[i++];
    if (l.keyword.find("RATIO") != std::string::npos && w.size() >= 2) {
        l.ratio_den = std::stoi(w.back());
        w.pop_back();
        l.ratio_num = std::stoi(w.back());
        w.pop_back();
    }
    l.args.assign(w.begin() + static_cast<std::ptrdiff_t>(std::min(i, w.size())), w.end());
    return l;
}

std::vector<Line> lines_of(const std::string& text)
{
    std::vector<Line> out;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ';');)
        if (auto l = line_from_words(words_of(part)))
            out.push_back(std::move(*l));
    return out;
}

}  // namespace

Statement statement_from_text(const std::string& text)
{
    Statement s;
    const std::size_t hyps = text.find("HYPOTHESES:");
    const std::size_t show = text.find("SHOW:");
    const std::size_t end = text.find('.', show);
    // The constructions that lines written as predicates stand for, by point.
    std::map<std::string, Line> constructed;
    const std::size_t listed = text.find("CONSTRUCTIONS:", end);
    if (listed != std::string::npos)
        for (Line& l : lines_of(text.substr(listed + 14))) {
            l.as_predicates = true;
            constructed[l.point] = l;
        }
    const std::vector<Line> written = lines_of(text.substr(hyps + 11, show - hyps - 11));
    for (std::size_t i = 0; i < written.size(); ++i) {
        const Line& l = written[i];
        const auto it = l.keyword == "POINT" && l.args.size() == 1 ? constructed.find(l.args[0]) : constructed.end();
        if (it == constructed.end()) {
            s.lines.push_back(l);
            continue;
        }
        s.lines.push_back(it->second);
        i += predicate_form(it->second).size();
    }
    std::string concl = text.substr(show + 5, end == std::string::npos ? std::string::npos : end - show - 5);
    const std::size_t eq = concl.find('=');
    if (eq != std::string::npos) {
        auto trim = [](std::string t) {
            const std::size_t b = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
            return b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
        };
        s.conclusion = {"=", {}, trim(concl.substr(0, eq)), trim(concl.substr(eq + 1))};
    } else {
        auto w = words_of(concl);
        s.conclusion.keyword = w.empty() ? "NO" : w[0];
        if (!w.empty())
            s.conclusion.args.assign(w.begin() + 1, w.end());
    }
    return s;
}

const std::vector<std::string>& construction_keywords()
{
    static const std::vector<std::string> all = [] {
        std::vector<std::string> v;
        for (const auto& [k, n] : parents())
            v.push_back(k);
        return v;
    }();
    return all;
}

int construction_parent_count(const std::string& keyword)
{
    const auto it = parents().find(keyword);
    return it == parents().end() ? 0 : it->second;
}

const std::vector<std::string>& conclusion_keywords()
{
    static const std::vector<std::string> all = [] {
        std::vector<std::string> v;
        for (const auto& [k, n] : conclusions())
            v.push_back(k);
        return v;
    }();
    return all;
}

int predicate_point_count(const std::string& keyword)
{
    const auto it = predicates().find(keyword);
    return it == predicates().end() ? 0 : it->second;
}

Statement Generator::next()
{
    Builder b(rng_, max_constructions_);
    return b.make();
}

}  // namespace soundness
