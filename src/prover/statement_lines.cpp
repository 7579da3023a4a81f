#include "prover/statement_lines.h"

#include <utility>

namespace {

StatementLines& installed()
{
    static StatementLines lines;
    return lines;
}

}  // namespace

void set_statement_lines(StatementLines lines) { installed() = std::move(lines); }

std::string statement_record_line(int no) { return installed().record ? installed().record(no) : std::string(); }

std::string statement_conclusion_line()
{
    return installed().conclusion ? installed().conclusion() : std::string();
}

std::string conclusion_keyword_line()
{
    return installed().conclusion_keywords ? installed().conclusion_keywords() : std::string();
}
