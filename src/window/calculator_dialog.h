#pragma once
// The calculator dialog: the expression of the computation list being built,
// its value, and keys for numbers, operators, brackets and functions. Its
// keys go to the application's animation provider; a quantity of the list
// enters the expression by a click on its row in the drawing.

#include <QDialog>

#include "animate/expression_builder.h"

class QLabel;
class QLineEdit;
class CalculatorKeys;

class TCalc : public QDialog {
public:
    TCalc(CalculatorKeys& keys, QWidget* parent = nullptr);

    // What the dialog shows.
    void show_expression(const QString& expression, const QString& value);
    QString expression() const;
    QString value() const;

    // The provider is done with the dialog: its keys reach nobody any more.
    void detach() { keys_ = nullptr; }

    // The key button of a key (object name "key_<label>"), for tests.
    static QString key_label(CalcKey key);

    // Cancel, Escape or the close box: the expression is dropped.
    void reject() override;

private:
    void press(CalcKey key);
    void ok();

    CalculatorKeys* keys_;
    QLineEdit* expression_ = nullptr;
    QLabel* value_ = nullptr;
};
