#include "window/calculator_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "animate/animate_strings.h"
#include "platform/string_table.h"
#include "window/animation_adapter.h"
#include "window/draw_app.h"

namespace {

struct KeyCap {
    CalcKey key;
    const char* label;
};

// Four rows of eight keys.
constexpr int kColumns = 8;
constexpr std::array<KeyCap, 32> kKeys{{
    {CalcKey::D7, "7"},     {CalcKey::D8, "8"},      {CalcKey::D9, "9"},    {CalcKey::Divide, "/"},
    {CalcKey::Open, "("},   {CalcKey::Close, ")"},   {CalcKey::Sin, "sin"}, {CalcKey::Asin, "asin"},
    {CalcKey::D4, "4"},     {CalcKey::D5, "5"},      {CalcKey::D6, "6"},    {CalcKey::Times, "*"},
    {CalcKey::Power, "^"},  {CalcKey::Sqrt, "sqrt"}, {CalcKey::Cos, "cos"}, {CalcKey::Acos, "acos"},
    {CalcKey::D1, "1"},     {CalcKey::D2, "2"},      {CalcKey::D3, "3"},    {CalcKey::Minus, "-"},
    {CalcKey::Abs, "abs"},  {CalcKey::Pi, "pi"},     {CalcKey::Tan, "tan"}, {CalcKey::Atan, "atan"},
    {CalcKey::D0, "0"},     {CalcKey::Point, "."},   {CalcKey::Back, "<-"}, {CalcKey::Plus, "+"},
    {CalcKey::Ln, "ln"},    {CalcKey::Log, "log"},   {CalcKey::Exp, "exp"}, {CalcKey::Clear, "C"},
}};

class QtCalculatorView : public CalculatorView {
public:
    explicit QtCalculatorView(CalculatorKeys& keys)
    {
        QWidget* parent = g_app ? static_cast<QWidget*>(g_app->frame()) : nullptr;
        dialog_ = new TCalc(keys, parent);
        dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog_->show();
    }
    ~QtCalculatorView() override
    {
        // Closed from inside one of its own key calls, possibly: the dialog
        // goes when the event loop next runs.
        if (dialog_) {
            dialog_->detach();
            dialog_->hide();
            dialog_->deleteLater();
        }
    }
    void show_expression(const std::string& expression, const std::string& value) override
    {
        if (dialog_)
            dialog_->show_expression(QString::fromStdString(expression), QString::fromStdString(value));
    }
    void bring_forward() override
    {
        if (dialog_) {
            dialog_->show();
            dialog_->raise();
            dialog_->activateWindow();
        }
    }

private:
    QPointer<TCalc> dialog_;
};

}  // namespace

CalculatorFactory qt_calculator_factory()
{
    return [](CalculatorKeys& keys) -> std::unique_ptr<CalculatorView> {
        return std::make_unique<QtCalculatorView>(keys);
    };
}

QString TCalc::key_label(CalcKey key)
{
    for (const KeyCap& cap : kKeys)
        if (cap.key == key)
            return QString::fromLatin1(cap.label);
    return {};
}

TCalc::TCalc(CalculatorKeys& keys, QWidget* parent) : QDialog(parent), keys_(&keys)
{
    register_animate_strings();
    setWindowTitle(QString::fromStdString(load_string(asid::kCalculatorTitle)));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    expression_ = new QLineEdit(this);
    expression_->setReadOnly(true);
    expression_->setObjectName(QStringLiteral("expression"));
    value_ = new QLabel(this);
    value_->setObjectName(QStringLiteral("value"));
    layout->addWidget(expression_);
    layout->addWidget(value_);

    auto* grid = new QGridLayout;
    int i = 0;
    for (const KeyCap& cap : kKeys) {
        auto* button = new QPushButton(QString::fromLatin1(cap.label), this);
        button->setObjectName(QStringLiteral("key_") + QString::fromLatin1(cap.label));
        button->setAutoDefault(false);
        const CalcKey key = cap.key;
        connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(button, i / kColumns, i % kColumns);
        ++i;
    }
    layout->addLayout(grid);

    auto* row = new QHBoxLayout;
    auto* ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setObjectName(QStringLiteral("ok"));
    connect(ok_button, &QPushButton::clicked, this, [this] { ok(); });
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    row->addStretch();
    row->addWidget(ok_button);
    row->addWidget(cancel);
    layout->addLayout(row);
}

void TCalc::show_expression(const QString& expression, const QString& value)
{
    expression_->setText(expression);
    value_->setText(value);
}

QString TCalc::expression() const { return expression_->text(); }
QString TCalc::value() const { return value_->text(); }

void TCalc::press(CalcKey key)
{
    if (keys_ && !keys_->key(key))
        QApplication::beep();
}

void TCalc::ok()
{
    if (keys_)
        keys_->finish();
}

void TCalc::reject()
{
    // Closing the dialog drops the expression.
    CalculatorKeys* keys = keys_;
    keys_ = nullptr;
    QDialog::reject();
    if (keys)
        keys->cancel();
}
