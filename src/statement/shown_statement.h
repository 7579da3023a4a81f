#pragma once
// The statement as the prover window's show button prints it: a text the
// reader takes back into the same records and conclusion. Ratio values,
// constants and the sides of an equation appear as the statement wrote them
// (proofs print them as polynomials); a line the reader made several records
// of appears once, as written.

#include <string>

// The line record no is shown by, ending ";\r\n" (a ratio line written
// without ";" ends "\r\n" alone); "" for a record that belongs to another
// record's line (the further points of a CIRCLE line, the centres, midpoints
// and feet the reader made).
std::string shown_record_line(int no);

// "SHOW: ..." with ".\r\n"; "SHOW: NO." for a statement without conclusion.
std::string shown_conclusion_line();

// "EXAMPLE thm", "HYPOTHESES:", the line of every record (a free point a
// line) and the conclusion. Where that would pass the reader's token limit,
// consecutive free points share a POINT line and a conclusion written as
// nothing ("SHOW: .") is shown so: that text takes no more tokens than the
// one read, so the shown text of a statement read always reads back.
std::string shown_statement_text();
