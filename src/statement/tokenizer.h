#pragma once
// Cutting a statement text into tokens, and reading a whole statement.

#include <string>
#include <string_view>
#include <vector>

// Most tokens one statement may hold.
constexpr int kMaxTokens = 500;

// The tokens of the statement being read (valid during rd_stm; tests may
// fill them with tokenize_stm directly).
extern std::vector<std::string> g_tokens;
extern int g_last_tok;  // index of the last token, -1 when empty
extern int g_tok;       // the parser's current token

// Token i, or "" when i lies outside the token list: every reader goes
// through this so that a statement cut short never reads past the end.
std::string_view tok(int i);
// True when token i exists and equals text.
bool tok_is(int i, std::string_view text);
// Tokens first .. end - 1 as one text that cuts into the same tokens: a
// blank between two tokens, none after "(" or after a sign that opens an
// expression, and none before ")".
std::string tokens_text(int first, int end);

// Fills g_tokens from text. Reading stops at '~' or at the end of text; '.'
// is stored as a token and ends the reading. Overflow reports " gterm
// overflow." through gerror.
void tokenize_stm(std::string_view text);
// Cuts text into tokens as tokenize_stm does, appending them to tokens;
// false when a token beyond kMaxTokens would begin.
bool cut_tokens(std::string_view text, std::vector<std::string>& tokens);

// Reads one statement into the point table and the conclusion record, or
// reports its error through gerror. text normally ends with ".~" as the
// window's read command appends it. A ProverAbort raised while reading
// (a pool overflow, say) ends the reading like gerror.
void rd_stm(std::string_view text);

// The text the prover window hands to rd_stm: the window's whole text, with a
// line break when its last line has none, followed by ".~".
std::string window_statement_text(std::string_view window_text);

// The window's read command: rd_stm(window_statement_text(window_text)).
void read_window_statement(std::string_view window_text);
