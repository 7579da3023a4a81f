#pragma once
// Indexes kept beside the fact lists, so that the lookups the forward
// chaining makes at every step do not walk whole lists.
//
// Each index maps a key (a point, a line, a segment, a pair of lines) to the
// records that hold it, in list order. An index is a superset: a record that
// has since lost the key (a class whose line was merged away, an angle record
// whose line was replaced) stays in its old place, so every lookup checks the
// record itself and returns the first record in list order that the linear
// scan would return. New records are taken in from the lists on the next
// lookup; the few routines that add members to an existing record tell the
// index (index_note).

#include <cstdint>
#include <functional>
#include <vector>

#include "facts/gdd_records.h"

// Forgets everything (the database was emptied).
void gdd_index_reset();

// A record gained members, or had a line replaced in place: index it again.
void index_note(const Gdd_line* l);
void index_note(const Gdd_pline* P);
void index_note(const Gdd_cg* G);
void index_note(const Gdd_ea* E);

// ---- candidate lists, in list order (records of any state) -----------------------------
// Lines that hold (or held) p.
const std::vector<Gdd_line*>& lines_through(int p);
// Classes that hold (or held) l.
const std::vector<Gdd_pline*>& classes_of(const Gdd_line* l);
// Perpendicular pairs with l as one of their lines.
const std::vector<Gdd_tline*>& pairs_of(const Gdd_line* l);
// Congruence groups that hold (or held) segment ab.
const std::vector<Gdd_cg*>& groups_of(int a, int b);
// Ratio records with segment ab (either order) as one of their four segments.
const std::vector<Gdd_ra*>& ratios_with(int a, int b);
// The first equal-angle record in list order, stored as [l1, l2] = [l3, l4]
// or [l1, l3] = [l2, l4], that accept takes.
Gdd_ea* first_ea_with_lines(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4,
                            const std::function<bool(const Gdd_ea*)>& accept);
// Equal-angle records with l and m (either order) among their four lines.
const std::vector<Gdd_ea*>& ea_with_pair(const Gdd_line* l, const Gdd_line* m);
// Equal-angle records stored (or once stored) as [k1, m] = [m, k4] with m
// one of the two lines: the angles that m or n bisects. In list order, each
// once.
std::vector<Gdd_ea*> bisected_by(const Gdd_line* m, const Gdd_line* n);

// The live records before E1 in list order that can combine with E1 by
// transitivity (they share a pair of lines with it), in list order.
std::vector<Gdd_ea*> ea_partners(const Gdd_ea* E1);

// Changes whenever a congruence group is created or gains a member (the
// congruences only grow: a group dies only into a group that holds it).
std::uint64_t cg_generation();
// The ratio records (any state) after the one with seq `after` and before
// R1 in list order that hold a segment congruent to a segment of R1: the
// only ones that can combine with R1. In list order, each once.
std::vector<Gdd_ra*> ra_partners(const Gdd_ra* R1, int after);
