#pragma once
// Shared between the proof printer's files.

#include "gdd/gdd_records.h"

// Prints the reasons of step S whose reason chain R is a merge reason list
// (its first reason names a whole record).
void show_merge_reasons(Gdd_cond* S, Gdd_cond* R);
// The reasons (null: none) of the record a fact names.
Gdd_cond* fact_reasons(const Gdd_cond* fact);
// Plain wording of one looked-up reason: the fact with "(obvious)" or
// "(hyp)", or a new step "(n)" and the fact.
void show_plain_reason(Gdd_cond* r);
// One reason written with points: "(n)" and the fact when a step already
// holds it, else its record looked up and the plain wording.
void show_reason_fact(Gdd_cond* r);
// Ends the process's proof with an inconsistent record: prints "exit: %d"
// and throws ProverAbort.
[[noreturn]] void proof_inconsistent(int code);
