#pragma once
// The roles the statement's named variables take under a method. The
// Groebner method takes the leading variable of a CONSTANT line, when it is
// a named variable, as a parameter; the other methods keep every named
// variable as it is. The reader sets the roles for the method it reads under
// (every Prove reads the statement again under its method,
// statement/kept_statement.h).

// Sets the roles for method as a reading of the statement line by line sets
// them: each CONSTANT line's leading variable under the roles the lines
// before it gave. A role decides the variable's place in the order, so every
// polynomial the statement holds (ratio values, CONSTANT relations, the sides
// of an equation conclusion) is brought back to canonical form.
void set_constant_roles(int method);
