#pragma once
// What a Prove gives back when it ends. Every run starts from the memory a
// freshly started prover has, so that its verdict does not depend on what
// ran before it.

// Gives back what the last proof allocated. With keep_results, what the proof
// left to look at (the database, the equation lists, the proof chain) stays
// and the pools give back every block they do not use; otherwise everything
// goes but the statement, whose polynomials are carried over a reset of the
// pools and the variable table. False when there was no memory to carry them:
// the statement is emptied then, as after an error in it.
bool release_proof_memory(bool keep_results);
