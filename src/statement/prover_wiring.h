#pragma once
// The statement layer hands the layers below it what they ask of the
// statement: the lines the methods quote in their proofs
// (prover/statement_lines.h) and the printer of the database proof's
// auxiliary points. Every way into the statement layer (reading a
// statement, loading an example, the method table of a Prove) wires it
// first; wiring it again changes nothing.
void wire_statement_layer();

// Enters the built methods' entry points into the Prove dispatcher's table
// (done once, when the table is first read).
void register_default_methods();
