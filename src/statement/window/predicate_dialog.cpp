#include "statement/window/predicate_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "prover/prover.h"
#include "statement/window/prover_window_strings.h"

namespace {

QString qt_text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

Dlg1::Dlg1(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(qt_text(pw_text(pwsid::kPredicateDialog)));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Predicates")), 0, 0);
    predicate_box_ = new QComboBox;
    for (int i = 0; i < kPredicateChoices; ++i)
        predicate_box_->addItem(qt_text(predicate_choice_text(i)));
    grid->addWidget(predicate_box_, 0, 1, 1, 4);

    grid->addWidget(new QLabel(QStringLiteral("Set One")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Set Two")), 2, 0);
    for (int i = 0; i < kPointBoxes; ++i) {
        auto* box = new QComboBox;
        box->setMinimumContentsLength(4);
        point_boxes_[static_cast<std::size_t>(i)] = box;
        grid->addWidget(box, 1 + i / 4, 1 + i % 4);
        connect(box, &QComboBox::activated, this, [this, i](int position) { point_chosen(i, position); });
    }
    connect(predicate_box_, &QComboBox::activated, this, [this](int position) { predicate_chosen(position); });

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    predicate_box_->setCurrentIndex(0);
    predicate_ = 0;
    fill_point_boxes();
}

FactChoice Dlg1::choice() const
{
    FactChoice c;
    c.predicate = predicate_;
    c.points = selections_;
    return c;
}

void Dlg1::predicate_chosen(int position)
{
    predicate_ = position < 0 ? 0 : position;
    fill_point_boxes();
}

void Dlg1::point_chosen(int i, int position)
{
    if (i < 0 || i >= kPointBoxes)
        return;
    selections_[static_cast<std::size_t>(i)] = position < 0 ? 0 : position;
}

void Dlg1::fill_point_boxes()
{
    const auto used = predicate_point_boxes(predicate_);
    for (std::size_t i = 0; i < point_boxes_.size(); ++i) {
        QComboBox* box = point_boxes_[i];
        box->clear();
        selections_[i] = 0;
        if (!used[i])
            continue;
        for (int p = 1; p <= g_npoints && p < kProPointCount; ++p)
            box->addItem(qt_text(g_pro_points[static_cast<std::size_t>(p)].name));
        box->setCurrentIndex(0);
    }
}

std::optional<FactChoice> QtPredicateInput::ask(QWidget* parent, std::string_view caption)
{
    Dlg1 dialog(parent);
    dialog.setWindowTitle(qt_text(caption));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<FactChoice> ScriptedPredicateInput::ask(QWidget*, std::string_view caption)
{
    asked_.emplace_back(caption);
    if (answers_.empty())
        return std::nullopt;
    auto answer = answers_.front();
    answers_.pop_front();
    return answer;
}
