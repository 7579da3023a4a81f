#include "platform/print_dialogs.h"

#include <QPrinter>

void ScriptedPrintDialogs::to_pdf(QPrinter& printer) const
{
    if (pdf_path_.empty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf_path_));
}

bool ScriptedPrintDialogs::print_dialog(QPrinter& printer)
{
    ++print_dialogs_;
    bool answer = true;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (answer)
        to_pdf(printer);
    return answer;
}

void ScriptedPrintDialogs::printer_setup(QPrinter&) { ++setups_; }

void ScriptedPrintDialogs::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint_page)
{
    ++previews_;
    to_pdf(printer);
    paint_page(printer);
}
