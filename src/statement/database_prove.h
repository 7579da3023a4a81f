#pragma once
// The database method as the Prove dispatcher runs it, after the hypothesis
// facts are in the database: the forward chaining (gdd/forward.h) with the
// conclusion semantics as its test of the conclusion. The outcome is in
// g_result; a run that does not reach the conclusion says what the database
// could not take.

// Method kMethodDatabase.
void do_gdd();
