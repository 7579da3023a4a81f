#pragma once
// The statement as the methods quote it in their proofs and refusals: a
// record in statement syntax, the conclusion in statement syntax and in
// keyword form. The statement layer owns the language and installs the
// texts (set_statement_lines); until it has, every line is empty.

#include <functional>
#include <string>

struct StatementLines {
    std::function<std::string(int)> record;          // "MIDPOINT M A B;\r\n"
    std::function<std::string()> conclusion;         // "SHOW:  COLLINEAR A B C.\r\n"
    std::function<std::string()> conclusion_keywords;  // "COLL A B C.\r\n"
};

void set_statement_lines(StatementLines lines);

std::string statement_record_line(int no);
std::string statement_conclusion_line();
std::string conclusion_keyword_line();
