#include "platform/qt_print_dialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool QtPrintDialogs::print_dialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::printer_setup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent_);
    dialog.exec();
}

void QtPrintDialogs::preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint_page)
{
    QPrintPreviewDialog dialog(&printer, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint_page](QPrinter* page_printer) { paint_page(*page_printer); });
    dialog.exec();
}
