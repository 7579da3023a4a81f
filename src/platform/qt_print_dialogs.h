#pragma once
// The toolkit's print, page set-up and preview dialogs.

#include <QPointer>
#include <QWidget>

#include "platform/print_dialogs.h"

class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    bool print_dialog(QPrinter& printer) override;
    void printer_setup(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint_page) override;

private:
    QPointer<QWidget> parent_;
};
