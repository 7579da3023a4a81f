#pragma once
// The dialogs of printing behind a small interface, so that the print
// commands run in tests without ever blocking.

#include <deque>
#include <functional>
#include <string>
#include <utility>

class QPrinter;

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The print dialog for `printer`; false when the user cancels.
    virtual bool print_dialog(QPrinter& printer) = 0;
    // Printer set-up: printer, paper and orientation, kept in `printer`.
    virtual void printer_setup(QPrinter& printer) = 0;
    // Shows the page until the user closes the preview; paint_page paints it
    // on the printer it is given, as often as the preview asks.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint_page) = 0;
};

// Answers the print dialog from a queue (true with the queue empty) and sends
// what is printed or previewed to a PDF file, so that tests can look at it.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    explicit ScriptedPrintDialogs(std::string pdf_path = {}) : pdf_path_(std::move(pdf_path)) {}

    void push_answer(bool print) { answers_.push_back(print); }
    bool print_dialog(QPrinter& printer) override;
    void printer_setup(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint_page) override;

    int print_dialogs() const { return print_dialogs_; }
    int setups() const { return setups_; }
    int previews() const { return previews_; }

private:
    void to_pdf(QPrinter& printer) const;

    std::string pdf_path_;
    std::deque<bool> answers_;
    int print_dialogs_ = 0;
    int setups_ = 0;
    int previews_ = 0;
};
