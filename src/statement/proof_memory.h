#pragma once
// What a Prove gives back when it ends. Every run starts from the memory a
// freshly started prover has, so that its verdict does not depend on what
// ran before it.

// Gives back what the last proof allocated. With keep_results, the database
// and the equation lists that the window's commands show after a proof stay
// (the pools give back every block they do not use); otherwise everything
// goes but the statement, whose polynomials are carried over a reset of the
// pools and the variable table.
void release_proof_memory(bool keep_results);
