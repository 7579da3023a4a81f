#pragma once
// The statement as the prover window's show button prints it: a text the
// reader takes back into the same records and conclusion. Ratio values,
// constants and the sides of an equation appear as the statement wrote them
// (proofs print them as polynomials); a line the reader made several records
// of appears once, as written; consecutive free points share a POINT line. So
// the shown text of a statement read takes no more tokens than it did.

#include <string>

// The line record no is shown by, ending ";\r\n" (a ratio line written
// without ";" ends "\r\n" alone); "" for a record that belongs to another
// record's line (the further points of a CIRCLE line, the centres, midpoints
// and feet the reader made).
std::string shown_record_line(int no);

// "SHOW: ..." with ".\r\n".
std::string shown_conclusion_line();

// "EXAMPLE thm", "HYPOTHESES:", the line of every record (free points in
// runs on one line) and the conclusion.
std::string shown_statement_text();
