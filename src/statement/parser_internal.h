#pragma once
// Pieces of the statement parser shared by its files (parser.cpp: the
// statement and its plain lines; parser_circles.cpp: CIRCLE lines and the
// constructions rewritten for the algebraic methods).

#include <initializer_list>
#include <string>

struct Pro_point;

namespace stm_parse {

bool kw(int i, int string_id);
Pro_point& rec(int i);
void set_pots(int i, std::initializer_list<int> pots);
// Resolves count point tokens from token first into pots[0..] of record r;
// false at the first unknown name.
bool resolve_pots(int r, int first, int count);
// Checks that the line of ntok tokens at g_tok ends with ";".
bool line_ends_right(int ntok, bool predicate);
// A construction line: keyword, name, parents, ";". Returns the new record.
int rd_cons(int kind, int ntok);
bool area_or_vector();
bool rewrites_circles();
// Name of the next "o%d" centre record.
std::string centre_name();
void reset_centre_names();

void rd_circle();
void rd_on_bline(int ntok);
void rd_inter_tc(int ntok);
void rd_inter_ls(int ntok);
void rd_inter_ss(int ntok);

}  // namespace stm_parse
