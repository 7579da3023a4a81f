#pragma once
// Printing the prover's text: the page layout (a fixed number of lines per
// page, one line height apart, tabs expanded). The dialogs asked first are
// the platform's print dialogs (platform/print_dialogs.h), the same as the
// drawings' printing asks.

#include <string>
#include <string_view>
#include <vector>

class QFont;
class QPrinter;

// Pages a text of `lines` lines takes at `lines_per_page` (at least one
// page, and no empty page after a text that fills its last page).
int printout_page_count(int lines, int lines_per_page);

// Lines [first, end) of page `page` (from 1).
struct PageLines {
    int first = 0;
    int end = 0;
};
PageLines printout_page_lines(int page, int lines, int lines_per_page);

// Tabs expanded to the next multiple of `tab` columns.
std::string expand_tabs(std::string_view line, int tab = 8);

// The printout of the text window: its lines in its font (or Arial 12 when it
// has none), as many to a page as the page's height holds.
class APXPrintOut {
public:
    APXPrintOut(std::vector<std::string> lines, const QFont* font);
    // Prints every page on printer; the number of pages printed, 0 when the
    // printer could not be started.
    int Print(QPrinter& printer);
    // Lines per page on that printer.
    int lines_per_page(QPrinter& printer) const;

private:
    std::vector<std::string> lines_;
    const QFont* font_;
};
