#include "statement/tokenizer.h"

#include "prover/parse_facts.h"
#include "prover/point_names.h"
#include "prover/prover.h"
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

bool method_reads_area_lines()
{
    return g_method == kMethodArea || g_method == kMethodVector || g_method == kMethodFullAngle;
}

bool method_reads_wu_lines() { return g_method == kMethodWu || g_method == kMethodGroebner; }

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

bool cut_tokens(std::string_view text, std::vector<std::string>& tokens)
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
            if (rest.starts_with("area") && method_reads_area_lines()) {
                i += 5;
            } else if (rest.starts_with("wu") && method_reads_wu_lines()) {
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

void rd_stm(std::string_view text)
{
    wire_statement_layer();
    g_abort = 0;
    try {
        tokenize_stm(text);
        if (!g_abort)
            parse_stm();
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
