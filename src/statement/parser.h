#pragma once
// The statement grammar: the token list of the tokenizer into the point table
// and the conclusion record.

#include <string_view>

// Most records the parser puts into the point table.
constexpr int kMaxParsedPoints = 60;

// Parses g_tokens (see tokenizer.h). Errors go through gerror.
void parse_stm();

// Index of the first record named by token i; reports "Cannot find point %s"
// and gives 0 when there is none.
int fd_pt(int i);

// Appends a record of that kind and name; 0 (and an error report) when the
// point table is full. Names that come from the statement text go through
// add_user_point, which also refuses names longer than 9 characters.
int add_pro_point(int kind, std::string_view name);
int add_user_point(int kind, std::string_view name);
int add_pro_aux(int kind, std::string_view name, int p1, int p2, int p3, int p4 = 0,
                int p5 = 0, int p6 = 0);

// Mode of the quantity reader: value mode (hypothesis values) or expression
// mode (CONSTANT lines and the conclusion).
extern bool g_rd_expr_mode;

// The conclusion after "SHOW:" (conclusion.cpp).
void parse_concl();
void rd_concl_pts(int n);

// Returns every polynomial the point table and the conclusion own to the
// pools and clears their slots.
void free_statement_polys();
