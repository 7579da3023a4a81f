#pragma once
// Shared between the proof printer's files.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "facts/gdd_records.h"

// Prints the reasons of step S whose reason chain R is a merge reason list
// (its first reason names a whole record).
void show_merge_reasons(Gdd_cond* S, Gdd_cond* R);
// The reasons (null: none) of the record a fact names.
Gdd_cond* fact_reasons(const Gdd_cond* fact);
// Plain wording of one looked-up reason: the fact with "(obvious)" or
// "(hyp)", or a new step "(n)" and the fact.
void show_plain_reason(Gdd_cond* r);
// One reason written with points, its record looked up already: "(n)" and
// the fact when a step holds it, else the plain wording.
void show_reason_fact(Gdd_cond* r);
// A fact written with these points (collinear points each once, zeros
// dropped), no record looked up.
Gdd_cond point_fact(int kind, const std::array<int, 8>& pts);
// A fact the wording derives: point_fact with its record looked up.
Gdd_cond pred_fact(int kind, const std::array<int, 8>& pts);
// The fact's record (if any) is older than the step being explained, so the
// proof may cite it there.
bool pred_citable(const Gdd_cond& f);
// show_reason_fact, then ".\r\n" when last, else ", ".
void show_pred(Gdd_cond& f, bool last);
// Ends the process's proof with an inconsistent record: prints "exit: %d"
// and throws ProverAbort.
[[noreturn]] void proof_inconsistent(int code);

// ---- facts read on the lines their record was made with (proof_written.cpp) ----

// Segment ab on line l as a record made before `before` knew it: an empty
// (trivial) fact when a and b are points of l, the collinearity of a, b and
// l's first two points when an old enough line record holds them, none
// otherwise.
std::optional<Gdd_cond> line_merge_fact(int a, int b, const Gdd_line* l, std::uint64_t before);

// The eight readings of an equal-angle fact [0, 1] = [2, 3] (also those of
// transitivity): the order its four segments are taken in.
inline constexpr std::array<std::array<int, 4>, 8> kEaReadings{{
    {0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0},
    {0, 2, 1, 3}, {2, 0, 3, 1}, {1, 3, 0, 2}, {3, 1, 2, 0},
}};

// An equal-angle fact S (written with points) read on the lines its record
// was made with, in the reading that needs the fewest merges.
struct Ea_reading {
    bool found = false;
    Gdd_cond written;                // S on the record's lines as made (obj the record)
    std::vector<Gdd_cond> merges;    // collinearities carrying a segment of S onto its line
    std::uint64_t newest = 0;        // birth of the youngest of the record and the merges' lines
};
// That reading when S is an equal-angle fact written with points that a
// record holds; none for any other fact.
std::optional<Ea_reading> written_reading(const Gdd_cond& S, std::uint64_t before);

// Birth of the youngest record an explanation of f cites for f itself: its
// record, or for an equal-angle fact read through merged lines also the lines
// of the merges. 0 for a fact without a record.
std::uint64_t fact_newest(const Gdd_cond& f, std::uint64_t before);
// f is an equal-angle fact whose record was made for smaller lines than f
// names: its proof cites the record's fact as written and the merges.
bool read_through_merges(const Gdd_cond& f, std::uint64_t before);
// The birth below which the step being explained may cite records.
std::uint64_t cite_before();

// ---- premises no record held (proof_support.cpp) ----

// How a fact without a record is cited by a step that may cite only records
// born before `before`.
struct Fact_support {
    enum class Kind {
        Unknown,   // nothing found: printed as obvious
        Obvious,   // holds of the lines as the hypotheses state them
        Record,    // an older record holds it: facts is that fact with its record
        Derived,   // facts are what it follows from (some may have no record
                   // themselves and are explained in turn)
    } kind = Kind::Unknown;
    std::vector<Gdd_cond> facts;
    std::uint64_t newest = 0;   // birth of the youngest record among them
};
Fact_support fact_support(const Gdd_cond& f, std::uint64_t before);
// A new step for a fact no record holds, explained by the facts of `why`.
Gdd_cond* new_supported_step(const Gdd_cond* fact, Fact_support why);
