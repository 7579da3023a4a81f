#pragma once
// Quantity expressions: the values of ratio lines, CONSTANT expressions and
// the sides of an equation conclusion, read into polynomials.

struct xterm;

// Reads one value at g_tok in the mode g_rd_expr_mode gives, advances g_tok
// past it and returns a new polynomial; on error reports through gerror,
// naming the statement line that starts at token line, and returns null. A
// value whose expansion would pass the reader's size bounds is refused so.
xterm* rd_pol(int line);

// The token after the value that starts at token first, as rd_pol reads it
// in value mode (a ratio value) or in expression mode. It walks the tokens
// alone, needing no point table, so that the pass that numbers the free
// points finds a ratio line's end as the reader will; rd_pol refuses a value
// that would end anywhere else.
int value_end(int first, bool expression_mode);
