#pragma once
// A fact of the database (a Gdd_cond: a kind and eight point indices) looked
// up in it: the record that holds it, and whether it holds at all. A fact
// whose first point is 0 (for a cyclic fact: whose second point is 0)
// stands for its database record as a whole.

#include <cstddef>

#include "facts/gdd_records.h"

// Point i (0 .. 7) of a fact, 0 for none.
inline int fact_pt(const Gdd_cond& fact, int i) { return static_cast<int>(fact.p[static_cast<std::size_t>(i)]); }

// True when the fact stands for its database record rather than for points.
bool is_record_fact(const Gdd_cond& fact);

// The database record that holds a fact written with points; null when none does.
void* lookup_fact(const Gdd_cond& fact);
// A fact written with points notes the record that holds it now in its obj;
// a record fact keeps its obj.
void note_fact_record(Gdd_cond* fact);

// The database test of a predicate (the conclusion's mode-6 test): does the
// fact hold in the database? Kinds without a test (tangent circles, the
// harmonic pair, the equilateral triangle, no conclusion, an equation, ...)
// answer false.
bool gdd_fact_holds(const Gdd_cond& fact);
