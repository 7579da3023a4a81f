#include "statement/shown_statement.h"

#include <string>
#include <vector>

#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"
#include "statement/tokenizer.h"

namespace {

std::string value_text(const xterm* value) { return value ? poly_text(value, 0) : std::string(); }

// A ratio or CONSTANT line as the statement wrote it (a ratio line keeps the
// ";" it had, a CONSTANT line always has one); one that no text gave (a
// drawing's ratio, an integer) with its values printed.
std::string valued_line(int no)
{
    const Pro_point& r = cons::record(no);
    const bool constant = cons::kind_of(no) == cons_kind::kConstant;
    if (!r.written.empty())
        return constant ? r.written + ";" : r.written;
    if (constant)
        return std::string(stm_string(sid::kConstant)) + " " + value_text(r.ps[0]) + ";";
    return cons::ratio_head(no) + " " + value_text(r.ps[0]) + " " + value_text(r.ps[1]) + ";";
}

bool is_free_point(int no)
{
    return cons::kind_of(no) == cons_kind::kFreePoint && !cons::record(no).hyp_predicate;
}

}  // namespace

std::string shown_record_line(int no)
{
    const Pro_point& r = cons::record(no);
    if (r.generated || r.kind == static_cast<std::uint32_t>(cons_kind::kPlaceholder))
        return "";
    if (!r.hyp_predicate) {
        switch (cons::kind_of(no)) {
        case cons_kind::kLratio: case cons_kind::kMratio: case cons_kind::kPratio: case cons_kind::kConstant:
            return valued_line(no) + "\r\n";
        case cons_kind::kCircleDefining: case cons_kind::kCirclePoint: case cons_kind::kCircleFurther:
            // The CIRCLE line, at its first point.
            return r.written.empty() ? "" : r.written + ";\r\n";
        default:
            break;
        }
    }
    if (const std::string line = cons::rewritten_line(no); !line.empty())
        return line + ";\r\n";
    return cons_statement_text(no);
}

std::string shown_conclusion_line()
{
    const std::string show(stm_string(sid::kShow));
    if (g_concl.type != concl_kind::kEquation)
        return concl_statement_text();
    if (g_concl_written)
        return show + " " + *g_concl_written + ".\r\n";
    return show + " " + value_text(g_concl_lhs) + " = " + value_text(g_concl_rhs) + ".\r\n";
}

namespace {

// The statement's text. Gathered, consecutive free points share one POINT
// line and a conclusion written as nothing is shown so: the text then takes
// no more tokens than the one read (a line a free point takes three tokens a
// point, "NO" one more).
std::string statement_text(bool gathered)
{
    std::string out = fmt("%s thm \r\n", std::string(stm_string(sid::kExample)).c_str());
    out += std::string(stm_string(sid::kHypotheses)) + "\r\n";
    for (int i = 1; i <= g_npoints;) {
        if (!gathered || !is_free_point(i)) {
            out += shown_record_line(i++);
            continue;
        }
        out += stm_string(sid::kPoint);
        for (; i <= g_npoints && is_free_point(i); ++i)
            out += " " + cons::record(i).name;
        out += ";\r\n";
    }
    const bool written_empty = g_concl.type == concl_kind::kNone && g_concl_written && g_concl_written->empty();
    if (gathered && written_empty)
        return out + std::string(stm_string(sid::kShow)) + " .\r\n";
    return out + shown_conclusion_line();
}

bool within_token_limit(const std::string& text)
{
    std::vector<std::string> tokens;
    return cut_tokens(window_statement_text(text), tokens);
}

}  // namespace

std::string shown_statement_text()
{
    std::string text = statement_text(false);
    if (within_token_limit(text))
        return text;
    return statement_text(true);
}
