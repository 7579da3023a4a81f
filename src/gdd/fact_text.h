#pragma once
// One fact of the database as text, and the questions the proof printer asks
// about a fact: its database record, whether two facts are the same, whether
// a fact is trivially true, whether it holds at all.
//
// A fact is a Gdd_cond: a kind and eight point indices. A fact whose first
// point is 0 (for a cyclic fact: whose second point is 0) stands for its
// database record as a whole and is printed in the record form.

#include <cstddef>
#include <string>

#include "gdd/gdd_records.h"

// Modes of show_fact.
constexpr int kFactPrint = 1;     // print the fact (no line break)
constexpr int kFactLookup = 2;    // find its database record and store it in fact->obj
constexpr int kFactEqual = 3;     // 1 when the fact equals `other`
constexpr int kFactTrivial = 4;   // 1 when the fact is trivially true

// The fact printer of the proofs and listings; modes above. Modes 1 and 2
// answer 0.
int show_fact(Gdd_cond* fact, const Gdd_cond* other, int mode);

// The same, one mode each.
void print_fact(const Gdd_cond& fact);
void* lookup_fact(const Gdd_cond& fact);
bool fact_equal(const Gdd_cond& a, const Gdd_cond& b);
bool fact_trivial(const Gdd_cond& fact);

// Point i (0 .. 7) of a fact, 0 for none.
inline int fact_pt(const Gdd_cond& fact, int i) { return static_cast<int>(fact.p[static_cast<std::size_t>(i)]); }

// True when the fact stands for its database record rather than for points.
bool is_record_fact(const Gdd_cond& fact);

// The database test of a predicate (the conclusion's mode-6 test): does the
// fact hold in the database? Kinds without a test (tangent circles, the
// harmonic pair, the equilateral triangle, no conclusion, an equation, ...)
// answer false.
bool gdd_fact_holds(const Gdd_cond& fact);

// Name of point p ("" for 0 or an index outside the point table).
const char* gdd_pt_name(int p);

// The full angle between lines ab and cd as printed: the angle sign and
// [ab,cd], a point the two lines share written first on both sides.
std::string angle_text(int a, int b, int c, int d);
