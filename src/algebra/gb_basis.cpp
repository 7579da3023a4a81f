// The Groebner basis: interreduction, S-polynomials and the basis loop.

#include <algorithm>
#include <utility>
#include <vector>

#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "prover/prover.h"

namespace {

struct Power {
    var_rec* var;
    int deg;
};

// The head monomial as its variables from the top down.
std::vector<Power> head_powers(const xterm* p)
{
    std::vector<Power> out;
    for (; !gconst_p(p); p = pinit(p))
        out.push_back({p->var, ldeg(p)});
    return out;
}

xterm* monomial(const std::vector<Power>& powers)
{
    xterm* m = get_n(1);
    // From the lowest variable up, so that each factor wraps the lower ones.
    for (auto it = powers.rbegin(); it != powers.rend(); ++it)
        m = get_md(it->var, it->deg, m);
    return m;
}

// Cofactors of the least common multiple of the head monomials:
// m1 * c2 = m2 * c1. Each side's excess goes into its own cofactor.
std::pair<xterm*, xterm*> glcm(const xterm* p, const xterm* q)
{
    const std::vector<Power> m1 = head_powers(p), m2 = head_powers(q);
    std::vector<Power> c1, c2;
    std::size_t i = 0, j = 0;
    while (i < m1.size() || j < m2.size()) {
        if (j == m2.size() || (i < m1.size() && vless(m2[j].var, m1[i].var))) {
            c1.push_back(m1[i++]);
        } else if (i == m1.size() || vless(m1[i].var, m2[j].var)) {
            c2.push_back(m2[j++]);
        } else {
            const int d1 = m1[i].deg, d2 = m2[j].deg;
            if (d1 > d2)
                c1.push_back({m1[i].var, d1 - d2});
            else if (d2 > d1)
                c2.push_back({m2[j].var, d2 - d1});
            ++i;
            ++j;
        }
    }
    return {monomial(c1), monomial(c2)};
}

// Removes and returns the least member of list under gless (the first of equals).
dterm* take_least(dterm*& list)
{
    dterm** best = &list;
    for (dterm** link = &list->next; *link; link = &(*link)->next)
        if (gless((*link)->coef, (*best)->coef) && !gless((*best)->coef, (*link)->coef))
            best = link;
    dterm* cell = *best;
    *best = cell->next;
    cell->next = nullptr;
    return cell;
}

// Appends the members of extra not already in B (structurally) to B.
void join_new(dterm*& B, dterm* extra)
{
    while (extra) {
        dterm* cell = extra;
        extra = extra->next;
        cell->next = nullptr;
        if (plist_has(B, cell->coef))
            put_dts(cell);
        else
            plist_join(B, cell);
    }
}

// Normal forms of every member; members that are 0 say nothing and go.
dterm* normalise_all(dterm* list)
{
    dterm* out = nullptr;
    while (list) {
        dterm* cell = list;
        list = list->next;
        cell->next = nullptr;
        cell->coef = gnormal(plist_take(cell));
        if (pzerop(cell->coef))
            put_dts(cell);
        else
            plist_join(out, cell);
    }
    return out;
}

}  // namespace

xterm* gspoly(xterm* p, xterm* q)
{
    auto [c1, c2] = glcm(p, q);
    xterm* h1 = ghead_coef(p);
    xterm* h2 = ghead_coef(q);
    return pminus(ptimes(ptimes(p, h2), c2), ptimes(ptimes(q, h1), c1));
}

GbSplit g_bs(dterm* list)
{
    GbSplit out;
    dterm* remaining = list;
    while (remaining) {
        dterm* least = take_least(remaining);
        least->deg = 1;
        least->next = out.B;
        out.B = least;
        dterm* next = nullptr;
        while (remaining) {
            dterm* cell = remaining;
            remaining = remaining->next;
            cell->next = nullptr;
            if (gred_ps(cell->coef, out.B))
                plist_join(next, cell);
            else
                plist_join(out.R, cell);
        }
        remaining = next;
    }
    return out;
}

dterm* gspolys(const dterm* B)
{
    dterm* S = nullptr;
    for (const dterm* gi = B; gi; gi = gi->next) {
        for (const dterm* gj = gi->next; gj; gj = gj->next) {
            if (gshare_p(gi->coef, gj->coef))
                continue;
            xterm* s = gred(gspoly(cp_poly(gi->coef), cp_poly(gj->coef)), gi);
            if (pzerop(s))
                put_p(s);
            else
                plist_append(S, s, 1);
        }
    }
    return S;
}

namespace {

// Total degree in the variables that are not coefficients.
int poly_degree(const xterm* p)
{
    if (gconst_p(p))
        return 0;
    int d = 0;
    for (const dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        d = std::max(d, t->deg + poly_degree(t->coef));
    }
    return d;
}

int total_degree(const std::vector<Power>& m)
{
    int d = 0;
    for (const Power& p : m)
        d += p.deg;
    return d;
}

// a divides b (both from the top variable down).
bool divides(const std::vector<Power>& a, const std::vector<Power>& b)
{
    std::size_t j = 0;
    for (const Power& p : a) {
        while (j < b.size() && vless(p.var, b[j].var))
            ++j;
        if (j == b.size() || b[j].var != p.var || b[j].deg < p.deg)
            return false;
        ++j;
    }
    return true;
}

std::vector<Power> lcm_of(const std::vector<Power>& a, const std::vector<Power>& b)
{
    std::vector<Power> out;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && vless(b[j].var, a[i].var)))
            out.push_back(a[i++]);
        else if (i == a.size() || vless(a[i].var, b[j].var))
            out.push_back(b[j++]);
        else {
            out.push_back({a[i].var, std::max(a[i].deg, b[j].deg)});
            ++i;
            ++j;
        }
    }
    return out;
}

// Lexicographic order of monomials under vless, from the top variable down.
bool mono_less(const std::vector<Power>& a, const std::vector<Power>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].var != b[i].var)
            return vless(a[i].var, b[i].var);
        if (a[i].deg != b[i].deg)
            return a[i].deg < b[i].deg;
    }
    return a.size() < b.size();
}

// Every term of p divisible by a head of list reduced away, pass after pass
// (one pass of gred can leave terms that an earlier member divides).
xterm* reduce_fully(xterm* p, const dterm* list)
{
    while (!gconst_p(p) && !gred_ps(p, list)) {
        check_time();
        p = gred(p, list);
    }
    return p;
}

// Buchberger's algorithm over a pair queue. A pair is skipped when its heads
// are coprime (Buchberger's criterion) or when a third member's head divides
// their least common multiple and both its pairs with them are done (the
// chain criterion); pairs are taken by least sugar, then least common
// multiple. Members are reduced by the basis as it stands, in place.
class PairQueue {
public:
    // Takes the cells of start, in order, as the first members.
    explicit PairQueue(dterm* start)
    {
        while (start) {
            dterm* cell = start;
            start = start->next;
            cell->next = nullptr;
            append(cell, poly_degree(cell->coef));
        }
    }

    dterm* run()
    {
        while (!pairs_.empty()) {
            check_time();
            const Pair pair = take();
            const std::size_t i = pair.i, j = pair.j;
            if (chain_skips(i, j, pair.lcm))
                continue;
            xterm* s = gspoly(cp_poly(members_[i].cell->coef), cp_poly(members_[j].cell->coef));
            s = reduce_fully(gnormal(s), basis_);
            if (pzerop(s)) {
                put_p(s);
                continue;
            }
            append(get_dt(1, s, nullptr), pair.sugar);
            if (gconst_p(s))
                break;  // the unit ideal: every further pair reduces to 0
        }
        return basis_;
    }

private:
    struct Member {
        dterm* cell;
        std::vector<Power> head;
        int sugar;
    };
    struct Pair {
        std::size_t i, j;
        std::vector<Power> lcm;
        int sugar;
    };

    void append(dterm* cell, int sugar)
    {
        *tail_ = cell;
        tail_ = &cell->next;
        const std::size_t k = members_.size();
        members_.push_back({cell, head_powers(cell->coef), sugar});
        done_.resize(k + 1);
        for (auto& row : done_)
            row.resize(k + 1, false);
        for (std::size_t i = 0; i < k; ++i) {
            const Member& a = members_[i];
            const Member& b = members_[k];
            if (gshare_p(a.cell->coef, b.cell->coef)) {
                mark_done(i, k);
                continue;
            }
            std::vector<Power> l = lcm_of(a.head, b.head);
            const int ld = total_degree(l);
            const int sugar_ab = std::max(a.sugar + ld - total_degree(a.head), b.sugar + ld - total_degree(b.head));
            pairs_.push_back({i, k, std::move(l), sugar_ab});
        }
    }

    void mark_done(std::size_t i, std::size_t j)
    {
        done_[i][j] = true;
        done_[j][i] = true;
    }

    Pair take()
    {
        std::size_t best = 0;
        for (std::size_t n = 1; n < pairs_.size(); ++n) {
            const Pair& a = pairs_[n];
            const Pair& b = pairs_[best];
            if (a.sugar < b.sugar || (a.sugar == b.sugar && mono_less(a.lcm, b.lcm)))
                best = n;
        }
        Pair p = std::move(pairs_[best]);
        pairs_[best] = std::move(pairs_.back());
        pairs_.pop_back();
        mark_done(p.i, p.j);
        return p;
    }

    bool chain_skips(std::size_t i, std::size_t j, const std::vector<Power>& lcm) const
    {
        for (std::size_t k = 0; k < members_.size(); ++k)
            if (k != i && k != j && done_[i][k] && done_[j][k] && divides(members_[k].head, lcm))
                return true;
        return false;
    }

    std::vector<Member> members_;
    std::vector<Pair> pairs_;
    std::vector<std::vector<bool>> done_;
    dterm* basis_ = nullptr;
    dterm** tail_ = &basis_;
};

// Interreduction until nothing changes: members whose terms a lesser head
// divides are reduced by the rest and come back as new members.
dterm* interreduce(dterm* list)
{
    for (;;) {
        GbSplit split = g_bs(list);
        dterm* N = nullptr;
        while (split.R) {
            dterm* cell = split.R;
            split.R = split.R->next;
            cell->next = nullptr;
            cell->coef = gred(plist_take(cell), split.B);
            cell->deg = 1;
            if (pzerop(cell->coef))
                put_dts(cell);
            else
                plist_join(N, cell);
        }
        if (!N)
            return split.B;
        list = split.B;
        join_new(list, N);
    }
}


// Every S-polynomial of the whole basis again after every change, until none
// is left.
dterm* exhaustive_basis(dterm* list)
{
    for (;;) {
        list = interreduce(list);
        dterm* S = gspolys(list);
        if (!S)
            return list;
        plist_join(list, S);
    }
}

}  // namespace

dterm* g_basis(dterm* list)
{
    list = normalise_all(list);
    if (!list)
        return nullptr;
    // Head reduction (mode 2) keeps the exhaustive loop: every pair again
    // after every change.
    if (g_gbmode != 1)
        return exhaustive_basis(list);
    PairQueue queue(interreduce(list));
    return interreduce(queue.run());
}
