#pragma once
// The statement reader's facts (prover/parse_facts.h) entered into the
// deductive database.

#include "prover/parse_facts.h"

// Records the fact and enters it into the database.
void enter_parse_fact(const ParseFact& fact);
// Enters every recorded fact again (after the database was emptied).
void replay_parse_facts();

// Centre of the first database circle with a known centre through a, b, c; 0 if none.
int parse_fd_cir3(int a, int b, int c);
