#pragma once
// Shared between the proof printer's files.

#include <array>

#include "gdd/gdd_records.h"

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
// A fact the wording derives, with its record looked up (collinear points
// each once).
Gdd_cond pred_fact(int kind, const std::array<int, 8>& pts);
// The fact's record (if any) is older than the step being explained, so the
// proof may cite it there.
bool pred_citable(const Gdd_cond& f);
// show_reason_fact, then ".\r\n" when last, else ", ".
void show_pred(Gdd_cond& f, bool last);
// Ends the process's proof with an inconsistent record: prints "exit: %d"
// and throws ProverAbort.
[[noreturn]] void proof_inconsistent(int code);
