#pragma once
// Shared set-up of the forward-chaining tests: statements read with the
// statement reader, their hypothesis facts entered by hand (the facts each
// construction states), a numeric model of the figure, and a check that every
// fact the database holds is true in that model.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "facts/gdd.h"
#include "gdd/fact_text.h"
#include "gdd/forward.h"
#include "prover/prover.h"
#include "statement/tokenizer.h"

namespace chaintest {

struct Vec {
    double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
inline double dist(Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y); }
inline Vec perp(Vec a) { return {-a.y, a.x}; }

// Intersection of the line through p with direction u and the line through q
// with direction v.
inline Vec meet(Vec p, Vec u, Vec q, Vec v)
{
    const double t = cross(q - p, v) / cross(u, v);
    return p + t * u;
}

inline Vec foot(Vec a, Vec b, Vec c)
{
    const Vec u = c - b;
    return b + (dot(a - b, u) / dot(u, u)) * u;
}

inline Vec circumcentre(Vec a, Vec b, Vec c)
{
    return meet(0.5 * (a + b), perp(b - a), 0.5 * (a + c), perp(c - a));
}

// The intersections of the line through p with direction u and the circle
// with centre o and radius r; the one that is not `other` comes first.
inline Vec line_circle(Vec p, Vec u, Vec o, double r, Vec other)
{
    const double a = dot(u, u), b = 2 * dot(u, p - o), c = dot(p - o, p - o) - r * r;
    const double disc = std::sqrt(std::max(0.0, b * b - 4 * a * c));
    const Vec x1 = p + ((-b + disc) / (2 * a)) * u;
    const Vec x2 = p + ((-b - disc) / (2 * a)) * u;
    return dist(x1, other) > dist(x2, other) ? x1 : x2;
}

class ChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prover_reset();
        g_fa_stage = 0;
        g_tri_mode = 0;
    }
    void TearDown() override
    {
        free_gdd();
        g_timing = 0;
        set_prover_clock({});
    }

    // Reads a statement (hypothesis lines and a conclusion, "NO." for none);
    // a reader error fails the test.
    void read(std::string_view hyps, std::string_view show)
    {
        rd_stm("EXAMPLE t\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + "\n.~");
        ASSERT_EQ(g_abort, 0) << out.text();
        ASSERT_GE(g_npoints, 2);
    }

    static int pt(std::string_view name)
    {
        for (int i = 1; i <= g_npoints; ++i)
            if (g_pro_points[static_cast<std::size_t>(i)].name == name)
                return i;
        ADD_FAILURE() << "no point " << name;
        return 0;
    }

    // The facts a construction states about its point X (kinds the tests use).
    static void enter_hypothesis(int no)
    {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        const int X = no;
        auto p = [&](int i) { return static_cast<int>(r.pots[static_cast<std::size_t>(i)]); };
        const int A = p(0), B = p(1), C = p(2), D = p(3), E = p(4), F = p(5);
        switch (r.kind) {
        case 102: add_line(0, X, B, C); add_tline(0, X, A, B, C); break;
        case 103: add_mid(0, X, A, B); add_line(0, X, A, B); break;
        case 105: add_cir3(0, X, A, B, C); break;
        case 106: add_tline(0, X, A, B, C); add_tline(0, X, B, A, C); add_tline(0, X, C, B, A); break;
        case 110: add_line(0, X, A, B); break;
        case 111: add_pline(0, X, A, B, C); break;
        case 112: add_tline(0, X, A, B, C); break;
        case 113: add_cir2(0, A, X, B); break;
        case 116: add_line(0, X, A, B); add_line(0, X, C, D); break;
        case 117: add_line(0, X, A, B); add_pline(0, X, C, D, E); break;
        case 118: add_line(0, X, A, B); add_tline(0, X, C, D, E); break;
        case 119: add_pline(0, X, A, B, C); add_pline(0, X, D, E, F); break;
        case 120: add_pline(0, X, A, B, C); add_tline(0, X, D, E, F); break;
        case 121: add_tline(0, X, A, B, C); add_tline(0, X, D, E, F); break;
        case 122:
            add_line(0, X, A, B);
            add_cir2(0, C, X, D);
            if ((A == C && B == D) || (B == C && A == D))
                add_mid(0, C, X, D);
            break;
        case 125: add_cir2(0, A, X, B); add_cir2(0, C, X, D); break;
        case 129: add_line(0, X, A, B); add_mid(0, A, X, B); break;
        case 132:
        case 133: add_tline(0, X, A, A, B); add_cir2(0, A, X, B); break;
        default: break;
        }
    }

    static void enter_hypotheses()
    {
        for (int i = 1; i <= g_npoints; ++i)
            enter_hypothesis(i);
    }

    // Coordinates of every point for one random choice of the free points
    // and parameters (index = point number).
    static std::vector<Vec> model(unsigned seed)
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<double> coord(-10.0, 10.0);
        std::uniform_real_distribution<double> param(0.3, 1.7);
        std::vector<Vec> v(static_cast<std::size_t>(g_npoints) + 1);
        for (int no = 1; no <= g_npoints; ++no) {
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
            auto q = [&](int i) { return v[r.pots[static_cast<std::size_t>(i)]]; };
            Vec& X = v[static_cast<std::size_t>(no)];
            switch (r.kind) {
            case 102: X = foot(q(0), q(1), q(2)); break;
            case 103: X = 0.5 * (q(0) + q(1)); break;
            case 105: X = circumcentre(q(0), q(1), q(2)); break;
            case 106: X = meet(q(0), perp(q(2) - q(1)), q(1), perp(q(2) - q(0))); break;
            case 110: X = q(0) + param(rng) * (q(1) - q(0)); break;
            case 111: X = q(0) + param(rng) * (q(2) - q(1)); break;
            case 112: X = q(0) + param(rng) * perp(q(2) - q(1)); break;
            case 113: {
                const double angle = param(rng) * 3.0;
                const double rad = dist(q(0), q(1));
                X = q(0) + Vec{rad * std::cos(angle), rad * std::sin(angle)};
                break;
            }
            case 116: X = meet(q(0), q(1) - q(0), q(2), q(3) - q(2)); break;
            case 117: X = meet(q(0), q(1) - q(0), q(2), q(4) - q(3)); break;
            case 118: X = meet(q(0), q(1) - q(0), q(2), perp(q(4) - q(3))); break;
            case 119: X = meet(q(0), q(2) - q(1), q(3), q(5) - q(4)); break;
            case 120: X = meet(q(0), q(2) - q(1), q(3), perp(q(5) - q(4))); break;
            case 121: X = meet(q(0), perp(q(2) - q(1)), q(3), perp(q(5) - q(4))); break;
            case 122: X = line_circle(q(0), q(1) - q(0), q(2), dist(q(2), q(3)), q(3)); break;
            case 123: X = line_circle(q(0), q(2) - q(1), q(3), dist(q(3), q(4)), q(4)); break;
            case 125: {
                // The second common point of two circles through one point is
                // its mirror image in the line of centres.
                const Vec f = foot(q(1), q(0), q(2));
                X = 2.0 * f - q(1);
                break;
            }
            case 129: X = 2.0 * q(0) - q(1); break;
            case 132: X = q(0) + perp(q(1) - q(0)); break;
            case 133: X = q(0) - perp(q(1) - q(0)); break;
            default: X = {coord(rng), coord(rng)}; break;
            }
        }
        return v;
    }

    GprintCapture out;
};

// The conclusion's database test, as the conclusion semantics ask it.
inline bool concl_holds() { return gdd_fact_holds(g_concl); }

// ---- numeric truth of the database's records ------------------------------------------

class ModelCheck {
public:
    explicit ModelCheck(std::vector<Vec> v) : v_(std::move(v)) {}

    // Descriptions of the records that are false in the model (any state).
    // A record naming a line through two points that the model puts in one
    // place (an auxiliary point may coincide with another point) says
    // nothing checkable and is passed over.
    std::vector<std::string> false_records() const
    {
        std::vector<std::string> bad;
        for (const Gdd_line* l : g_ln_list)
            for (int i = 2; i <= l->last; ++i)
                if (!coll(l->pts[0], l->pts[1], l->pts[static_cast<std::size_t>(i)]))
                    bad.push_back(desc("line", l));
        for (const Gdd_pline* P : g_pn_list)
            for (int i = 1; i <= P->last; ++i)
                if (proper(P->lines[0]) && proper(P->lines[static_cast<std::size_t>(i)]) &&
                    !para(P->lines[0], P->lines[static_cast<std::size_t>(i)]))
                    bad.push_back(desc("pline", P));
        for (const Gdd_tline* T : g_tn_list)
            if (proper(T->l1) && proper(T->l2) && !perpl(T->l1, T->l2))
                bad.push_back(desc("tline", T));
        for (const Gdd_cir* C : g_cir_list)
            if (!cyclic(C))
                bad.push_back(desc("circle", C));
        for (const Gdd_mid* M : g_mid_list)
            if (!near(pt(M->m), 0.5 * (pt(M->a) + pt(M->b))))
                bad.push_back(desc("midpoint", M));
        for (const Gdd_ea* E : g_ea_list)
            if (proper(E->l1) && proper(E->l2) && proper(E->l3) && proper(E->l4) && !eq_angle(E))
                bad.push_back(desc("eqangle", E));
        for (const Gdd_cg* G : g_cg_list)
            for (int i = 1; i <= G->last; ++i)
                if (!eq_len(G->end1[0], G->end2[0], G->end1[static_cast<std::size_t>(i)],
                            G->end2[static_cast<std::size_t>(i)]))
                    bad.push_back(desc("cong", G));
        for (const Gdd_tri* T : g_st_list)
            if (!similar(T, false))
                bad.push_back(desc("similar", T));
        for (const Gdd_tri* T : g_ct_list)
            if (!similar(T, true))
                bad.push_back(desc("congruent", T));
        for (const Gdd_ra* R : g_ra_list) {
            const auto& p = R->pts;
            const double lhs = len(p[0], p[1]) * len(p[6], p[7]);
            const double rhs = len(p[2], p[3]) * len(p[4], p[5]);
            if (!close(lhs, rhs))
                bad.push_back(desc("ratio", R));
        }
        return bad;
    }

    // The fact with the given kind and points is true in the model.
    bool holds(int kind, const std::array<int, 8>& p) const
    {
        switch (kind) {
        case 148: return coll(p[0], p[1], p[2]);
        case 149: return para_pts(p[0], p[1], p[2], p[3]);
        case 150: return perp_pts(p[0], p[1], p[2], p[3]);
        case 151: return near(pt(p[0]), 0.5 * (pt(p[1]) + pt(p[2])));
        case 152: {
            // p1 the centre (0: none), p2.. the points.
            std::vector<int> pts;
            for (int i = 1; i < 8; ++i)
                if (p[static_cast<std::size_t>(i)])
                    pts.push_back(p[static_cast<std::size_t>(i)]);
            if (p[0]) {
                for (int q : pts)
                    if (!eq_len(p[0], pts[0], p[0], q))
                        return false;
                return true;
            }
            if (pts.size() < 4)
                return true;
            const Vec o = circumcentre(pt(pts[0]), pt(pts[1]), pt(pts[2]));
            for (std::size_t i = 3; i < pts.size(); ++i)
                if (!close(dist(o, pt(pts[i])), dist(o, pt(pts[0]))))
                    return false;
            return true;
        }
        case 153: return eq_len(p[0], p[1], p[2], p[3]);
        case 155: return close(len(p[0], p[1]) * len(p[6], p[7]), len(p[2], p[3]) * len(p[4], p[5]));
        case 154: return close_angle(angle(p[0], p[1], p[2], p[3]), angle(p[4], p[5], p[6], p[7]));
        default: return true;
        }
    }

private:
    static constexpr double kTol = 1e-6;

    Vec pt(int i) const { return v_.at(static_cast<std::size_t>(i)); }
    // The line's first two points are apart, so it has a direction.
    bool proper(const Gdd_line* l) const { return dist(pt(l->pts[0]), pt(l->pts[1])) > 1e-6; }
    double len(int a, int b) const { return dist(pt(a), pt(b)); }
    static bool close(double a, double b) { return std::abs(a - b) <= kTol * (1.0 + std::abs(a) + std::abs(b)); }
    static bool near(Vec a, Vec b) { return dist(a, b) <= kTol * (1.0 + std::hypot(a.x, a.y)); }
    bool coll(int a, int b, int c) const
    {
        const Vec u = pt(b) - pt(a), w = pt(c) - pt(a);
        return std::abs(cross(u, w)) <= kTol * (1.0 + std::hypot(u.x, u.y) * std::hypot(w.x, w.y));
    }
    static Vec dir(const Vec& a, const Vec& b)
    {
        const Vec u = b - a;
        const double n = std::hypot(u.x, u.y);
        return {u.x / n, u.y / n};
    }
    bool para_pts(int a, int b, int c, int d) const
    {
        return std::abs(cross(dir(pt(a), pt(b)), dir(pt(c), pt(d)))) <= kTol;
    }
    bool perp_pts(int a, int b, int c, int d) const
    {
        return std::abs(dot(dir(pt(a), pt(b)), dir(pt(c), pt(d)))) <= kTol;
    }
    bool para(const Gdd_line* l, const Gdd_line* m) const { return para_pts(l->pts[0], l->pts[1], m->pts[0], m->pts[1]); }
    bool perpl(const Gdd_line* l, const Gdd_line* m) const { return perp_pts(l->pts[0], l->pts[1], m->pts[0], m->pts[1]); }
    bool eq_len(int a, int b, int c, int d) const { return close(len(a, b), len(c, d)); }
    // Direction angle of line ab, from line cd to ... modulo a straight angle.
    double angle(int a, int b, int c, int d) const
    {
        const Vec u = pt(b) - pt(a), w = pt(d) - pt(c);
        double t = std::atan2(w.y, w.x) - std::atan2(u.y, u.x);
        t = std::fmod(t, M_PI);
        if (t < 0)
            t += M_PI;
        return t;
    }
    static bool close_angle(double s, double t)
    {
        const double d = std::abs(s - t);
        return d <= 1e-6 || std::abs(d - M_PI) <= 1e-6;
    }
    bool eq_angle(const Gdd_ea* E) const
    {
        auto ang = [&](const Gdd_line* l, const Gdd_line* m) { return angle(l->pts[0], l->pts[1], m->pts[0], m->pts[1]); };
        return close_angle(ang(E->l1, E->l2), ang(E->l3, E->l4));
    }
    bool cyclic(const Gdd_cir* C) const
    {
        if (C->centre) {
            const double r = len(C->centre, C->pts[0]);
            for (int i = 1; i <= C->last; ++i)
                if (!close(len(C->centre, C->pts[static_cast<std::size_t>(i)]), r))
                    return false;
            return true;
        }
        if (C->last < 3)
            return true;
        const Vec o = circumcentre(pt(C->pts[0]), pt(C->pts[1]), pt(C->pts[2]));
        const double r = dist(o, pt(C->pts[0]));
        for (int i = 3; i <= C->last; ++i)
            if (!close(dist(o, pt(C->pts[static_cast<std::size_t>(i)])), r))
                return false;
        return true;
    }
    // Member k against member 0: the side ratios and orientation agree.
    bool similar(const Gdd_tri* T, bool congruent) const
    {
        for (int k = 1; k <= T->last; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const Vec a = pt(T->va[0]), b = pt(T->vb[0]), c = pt(T->vc[0]);
            const Vec d = pt(T->va[i]), e = pt(T->vb[i]), f = pt(T->vc[i]);
            // (b - a) / (c - a) as complex numbers, conjugated for a reversed member.
            auto quot = [](Vec p, Vec q, bool conj) {
                const double n = dot(q, q);
                Vec z{(p.x * q.x + p.y * q.y) / n, (p.y * q.x - p.x * q.y) / n};
                if (conj)
                    z.y = -z.y;
                return z;
            };
            // A triangle with two corners in one place has no shape to compare.
            if (std::min({dist(a, b), dist(b, c), dist(a, c), dist(d, e), dist(e, f), dist(d, f)}) < 1e-6)
                continue;
            const bool reversed = T->num[0] * T->num[i] < 0;
            if (!near(quot(b - a, c - a, false), quot(e - d, f - d, reversed)))
                return false;
            if (congruent && !close(dist(a, b), dist(d, e)))
                return false;
        }
        return true;
    }
    template <class R>
    static std::string desc(const char* kind, const R* rec)
    {
        return std::string(kind) + " #" + std::to_string(rec->seq) + " lemma " + std::to_string(rec->lemma) +
               " state " + std::to_string(rec->state);
    }

    std::vector<Vec> v_;
};

}  // namespace chaintest
