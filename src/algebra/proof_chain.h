#pragma once
// The proof chain of the area, vector and full-angle methods: one record per
// step of the proof, each an equation between two products, linked from the
// conclusion on. The methods build it; the machine-proof printer shows it.

#include <cstdint>
#include <string>
#include <vector>

#include "prover/poly.h"

struct Gdd_cond;

// One elimination: var = num / den, or, without num, the equation den = 0.
// A full-angle rule also keeps the database facts it rests on (its premise
// chain, shared with the database, which outlives the proof text); a step
// without a variable carries only such facts (those the conclusion's full
// angles used).
struct elim_step {
    var_rec* var = nullptr;
    xterm* num = nullptr;
    xterm* den = nullptr;
    Gdd_cond* reasons = nullptr;
    elim_step* next = nullptr;
};

// Kinds of proof records besides the eliminations of a point (a positive
// type) and the passes of the area method (-10 ... -30).
constexpr std::int8_t kQuotConclusion = 0;  // the conclusion or a plain quotient
constexpr std::int8_t kQuotCancel = -1;     // common factors cancelled (see cancelled)
constexpr std::int8_t kQuotPlain = -2;      // printed without justification
constexpr std::int8_t kQuotFullAngle = 99;  // a full-angle step

// nc * (product of np) = dc * (product of dp). nc and dc are constant
// polynomials (integers of any size) owned by the record like its lists.
// Factor lists are polynomial lists whose tag is the factor's exponent; no
// list means 1. dc 0: the record has no denominator.
struct quot_rec {
    xterm* nc = nullptr;
    dterm* np = nullptr;
    xterm* dc = nullptr;
    dterm* dp = nullptr;
    std::int8_t type = kQuotConclusion;
    elim_step* steps = nullptr;    // the eliminations that led here
    dterm* cancelled = nullptr;    // type -1: the cancelled factors
    quot_rec* next = nullptr;
};

// The chain: a head record whose next is the first record, and the last one.
extern quot_rec g_proof_head;
extern quot_rec* g_proof_tail;

// A new zeroed record or step, owned by the chain's storage until
// clear_proof_chain. The polynomials put into them belong to them.
quot_rec* new_quot_rec();
elim_step* new_elim_step(var_rec* var, xterm* num, xterm* den);
// Appends rec to the chain and makes it the tail.
void append_quot(quot_rec* rec);
// Empties the chain and frees every record and step made since the last
// clear, with their polynomials (unless the pools were reset meanwhile).
void clear_proof_chain();

// ---- conditions of the proof ------------------------------------------------------
//
// Every value var = num / den used by an elimination holds only where den is
// not zero. The denominators are kept here and eliminated with the later
// points; one that becomes the zero polynomial means the proof divided by
// zero and proves nothing.
struct ndg_entry {
    xterm* den = nullptr;   // owned; the denominator as far as it is eliminated
    std::string origin;     // the quantity whose value had this denominator
};
std::vector<ndg_entry>& ndg_entries();
// Copies of the entries, to go back to after passes that are undone.
std::vector<ndg_entry> ndg_snapshot();
void ndg_restore(std::vector<ndg_entry> saved);

// A run that must end without a verdict (a zero denominator, 0 / 0) prints
// its reason once and is marked stopped until the next proof.
void proof_not_proved(const std::string& reason);
bool proof_stopped();
