#pragma once
// One fact of the database as text, and the questions the proof printer asks
// about a fact: whether two facts are the same, whether a fact is trivially
// true (its record and whether it holds: facts/fact_lookup.h).
//
// A fact is a Gdd_cond: a kind and eight point indices. A fact whose first
// point is 0 (for a cyclic fact: whose second point is 0) stands for its
// database record as a whole and is printed in the record form. A circle
// fact a rule stated without a centre is printed with the centre of the
// record that held it.

#include <cstddef>
#include <string>

#include "facts/fact_lookup.h"
#include "facts/gdd_records.h"
#include "prover/point_names.h"

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
bool fact_equal(const Gdd_cond& a, const Gdd_cond& b);
bool fact_trivial(const Gdd_cond& fact);

// The full angle between lines ab and cd as printed: the angle sign and
// [ab,cd], a point the two lines share written first on both sides.
std::string angle_text(int a, int b, int c, int d);
