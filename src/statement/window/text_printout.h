#pragma once
// Printing the prover's text: the page layout (a fixed number of lines per
// page, one line height apart, tabs expanded) and the dialogs asked first.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QFont;
class QPrinter;
class QWidget;

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

// The print and print-setup dialogs behind an interface, so that tests never
// block. Both answer false for Cancel.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    virtual bool print_dialog(QPrinter& printer, QWidget* parent) = 0;
    virtual bool setup_dialog(QPrinter& printer, QWidget* parent) = 0;
};

class QtPrintDialogs : public PrintDialogs {
public:
    bool print_dialog(QPrinter& printer, QWidget* parent) override;
    bool setup_dialog(QPrinter& printer, QWidget* parent) override;
};

// Answers from a queue (empty: Cancel); `prepare` runs on the printer before
// each answer that is OK (a test points it at a file).
class ScriptedPrintDialogs : public PrintDialogs {
public:
    void push_answer(bool ok) { answers_.push_back(ok); }
    std::function<void(QPrinter&)> prepare;
    bool print_dialog(QPrinter& printer, QWidget* parent) override;
    bool setup_dialog(QPrinter& printer, QWidget* parent) override;
    int print_asked = 0;
    int setup_asked = 0;

private:
    bool next(QPrinter& printer);
    std::deque<bool> answers_;
};

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
