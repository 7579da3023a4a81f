#pragma once
// One record against the key of a lookup: the tests that the first-match
// scans (gdd_scan.h) and the indexed lookups of the same names share, so
// that the two differ only in the candidates they walk.

#include <optional>

#include "facts/fact_tests.h"
#include "facts/gdd_records.h"

// fd_ln3: l holds c and one of a, b, or holds both a and b (any state).
bool ln3_match(const Gdd_line* l, int a, int b, int c);
// fd_ln_meet2: m shares two different points with l.
bool meets_twice(const Gdd_line* l, const Gdd_line* m);

// T is the pair of lines l1 and l2 (either order).
bool tp_is(const Gdd_tline* T, const Gdd_line* l1, const Gdd_line* l2);
// fd_tl_pt: the other line of the live pair T when l is one of its lines and
// the other holds p, else null.
Gdd_line* tp_other_through(const Gdd_tline* T, const Gdd_line* l, int p);
// fd_tp_4pt: the live lines ab and cd; nothing for a degenerate pair or a
// line not recorded.
struct Line_pair {
    const Gdd_line* l1;
    const Gdd_line* l2;
};
std::optional<Line_pair> tp_4pt_lines(int a, int b, int c, int d);

// fd_ea_ln: the canonical form the records are stored in, nothing when a
// line is missing; whether E states it.
std::optional<Ea_lines> ea_key(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4);
bool ea_match(const Gdd_ea* E, const Ea_lines& key);

// fd_ra: the ratio p1p2 / p3p4 = p5p6 / p7p8 asked for, and whether R
// states it up to congruent segments.
struct Ratio_key {
    Ratio_key(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
        : s1(p1, p2), s2(p3, p4), s3(p5, p6), s4(p7, p8)
    {
    }
    Cong_to s1, s2, s3, s4;
};
bool ra_match(const Gdd_ra* R, const Ratio_key& key);
