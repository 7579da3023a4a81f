#include "statement/tokenizer.h"

#include "prover/parse_facts.h"
#include "prover/point_names.h"
#include "prover/prover.h"
#include "statement/kept_statement.h"
#include "statement/parser.h"
#include "statement/prover_wiring.h"

std::vector<std::string> g_tokens;
int g_last_tok = -1;
int g_tok = 0;

std::string_view tok(int i)
{
    if (i < 0 || i > g_last_tok || i >= static_cast<int>(g_tokens.size()))
        return {};
    return g_tokens[static_cast<std::size_t>(i)];
}

bool tok_is(int i, std::string_view text)
{
    return i >= 0 && i <= g_last_tok && tok(i) == text;
}

std::string tokens_text(int first, int end)
{
    std::string out;
    for (int i = first; i < end; ++i) {
        const std::string_view prev = tok(i - 1), t = tok(i);
        const bool opening_sign =
            (prev == "+" || prev == "-") && (i - 1 == first || tok_is(i - 2, "(") || tok_is(i - 2, "="));
        if (i > first && prev != "(" && t != ")" && !opening_sign)
            out += ' ';
        out += t;
    }
    return out;
}

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\0'; }

bool is_single_char_token(char c)
{
    switch (c) {
    case '(': case ')': case '*': case '+': case '-': case '/': case ';': case '=': case '^':
        return true;
    default:
        return false;
    }
}

// Characters that end a word. A tab does not: inside a word it is kept.
bool ends_word(char c)
{
    switch (c) {
    case '\r': case '\n': case ' ': case '\0': case '~': case ';': case '.':
    case '(': case ')': case '+': case '-': case '*': case '/': case '^': case '=':
        return true;
    default:
        return false;
    }
}

void trace_tokens()
{
    std::string out;
    for (int i = 0; i <= g_last_tok; ++i) {
        out += fmt("%d:  %s ", i, g_tokens[static_cast<std::size_t>(i)].c_str());
        if (g_tokens[static_cast<std::size_t>(i)] == ";" || g_tokens[static_cast<std::size_t>(i)] == ")")
            out += "\r\n";
    }
    out += "\r\n";
    gprint(out);
}

void trace_table()
{
    std::string out;
    for (int i = 1; i <= g_npoints; ++i) {
        const auto& p = g_pro_points[static_cast<std::size_t>(i)];
        out += fmt("[%d]: name: %s type: %d aux: %d; pots:", i, p.name.c_str(),
                   static_cast<int>(p.kind), static_cast<int>(p.aux));
        for (auto q : p.pots)
            out += " " + pt_name(static_cast<int>(q));
        out += "\r\n";
    }
    out += fmt("type: %d pots:", g_concl.type);
    for (auto q : g_concl.p)
        out += " " + pt_name(static_cast<int>(q));
    out += "\r\n";
    gprint(out);
}

}  // namespace

MarkedLines marked_lines(int method)
{
    if (method == kMethodArea || method == kMethodVector || method == kMethodFullAngle)
        return MarkedLines::kArea;
    if (method == kMethodWu || method == kMethodGroebner)
        return MarkedLines::kWu;
    return MarkedLines::kNone;
}

bool cut_tokens(std::string_view text, std::vector<std::string>& tokens)
{
    return cut_tokens(text, tokens, marked_lines(g_method));
}

bool cut_tokens(std::string_view text, std::vector<std::string>& tokens, MarkedLines marked)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] != '~') {
        const char c = text[i];
        if (is_separator(c)) {
            ++i;
            continue;
        }
        if (c == '#') {
            const std::string_view rest = text.substr(i + 1);
            if (rest.starts_with("area") && marked == MarkedLines::kArea) {
                i += 5;
            } else if (rest.starts_with("wu") && marked == MarkedLines::kWu) {
                i += 3;
            } else {
                while (i < n && text[i] != '\n' && text[i] != '~')
                    ++i;
            }
            continue;
        }
        // A token begins here.
        if (tokens.size() >= static_cast<std::size_t>(kMaxTokens))
            return false;
        if (c == '.') {
            tokens.emplace_back(".");
            break;
        }
        if (is_single_char_token(c)) {
            tokens.emplace_back(1, c);
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < n && !ends_word(text[i]))
            ++i;
        tokens.emplace_back(text.substr(start, i - start));
    }
    return true;
}

void tokenize_stm(std::string_view text)
{
    g_tokens.clear();
    const bool fits = cut_tokens(text, g_tokens);
    g_last_tok = static_cast<int>(g_tokens.size()) - 1;
    if (!fits) {
        gerror(" gterm overflow.");
        return;
    }
    if (g_trace)
        trace_tokens();
}

StatementCuts::StatementCuts(std::string_view text)
{
    for (const MarkedLines marked : {MarkedLines::kNone, MarkedLines::kArea, MarkedLines::kWu}) {
        std::vector<std::string> tokens;
        if (cut_tokens(text, tokens, marked))
            cuts_[static_cast<std::size_t>(marked)] = std::move(tokens);
    }
}

const std::vector<std::string>* StatementCuts::tokens_for(int method) const
{
    const auto& cut = cuts_[static_cast<std::size_t>(marked_lines(method))];
    return cut ? &*cut : nullptr;
}

void read_statement_tokens(const std::vector<std::string>* tokens)
{
    wire_statement_layer();
    g_abort = 0;
    try {
        if (tokens) {
            g_tokens = *tokens;
            g_last_tok = static_cast<int>(g_tokens.size()) - 1;
            if (g_trace)
                trace_tokens();
            parse_stm();
        } else {
            gerror(" gterm overflow.");
        }
    } catch (const ProverAbort&) {
        // The message is already printed; the statement is abandoned.
        g_npoints = 0;
        g_abort = 1;
    }
    if (g_abort)
        g_parse_facts.clear();  // they belong to a statement that was not read
    else if (g_trace)
        trace_table();
    g_tokens.clear();
    g_last_tok = -1;
    g_tok = 0;
}

void rd_stm(std::string_view text)
{
    StatementCuts cuts(text);
    read_statement_tokens(cuts.tokens_for(g_method));
    if (g_abort)
        forget_kept_statement();
    else
        keep_reading(std::move(cuts));
}

std::string window_statement_text(std::string_view window_text)
{
    // The whole text the user sees, its last line too (usually the SHOW
    // line). The end mark goes on a line of its own, so that a comment
    // closing the text does not swallow it.
    std::string text(window_text);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    text += ".~";
    return text;
}

void read_window_statement(std::string_view window_text) { rd_stm(window_statement_text(window_text)); }
