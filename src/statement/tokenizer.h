#pragma once
// Cutting a statement text into tokens, and reading a whole statement.

#include <array>
#include <optional>
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
// The marked lines a method reads as statement text, the others being
// comments: "#area" lines under the area, vector and full-angle methods,
// "#wu" lines under Wu's and the Groebner method, none under the database
// method.
enum class MarkedLines { kNone, kArea, kWu };
MarkedLines marked_lines(int method);

// Cuts text into tokens as tokenize_stm does (under g_method, or reading
// the marked lines given), appending them to tokens; false when a token
// beyond kMaxTokens would begin.
bool cut_tokens(std::string_view text, std::vector<std::string>& tokens);
bool cut_tokens(std::string_view text, std::vector<std::string>& tokens, MarkedLines marked);

// A statement text cut into tokens as each method cuts it: the methods
// differ in the marked lines they read.
class StatementCuts {
public:
    explicit StatementCuts(std::string_view text);
    // The tokens method reads; null when they run beyond kMaxTokens.
    const std::vector<std::string>* tokens_for(int method) const;

private:
    std::array<std::optional<std::vector<std::string>>, 3> cuts_;  // by MarkedLines
};

// Reads one statement from its tokens (null: too many, reported as
// " gterm overflow.") under g_method into the point table and the
// conclusion record, or reports its error through gerror. A ProverAbort
// raised while reading (a pool overflow, say) ends the reading like gerror.
void read_statement_tokens(const std::vector<std::string>* tokens);

// Reads one statement from text, as read_statement_tokens does, and keeps
// the reading for the Prove command (statement/kept_statement.h); a reading
// that fails is forgotten with the one before. text normally ends with
// ".~" as the window's read command appends it.
void rd_stm(std::string_view text);

// The text the prover window hands to rd_stm: the window's whole text, with a
// line break when its last line has none, followed by ".~".
std::string window_statement_text(std::string_view window_text);

// The window's read command: rd_stm(window_statement_text(window_text)).
void read_window_statement(std::string_view window_text);
