#pragma once
// "Input A Predicate": one predicate out of ten and the points it takes, in
// two rows of four point boxes filled with the statement's point names.

#include <QDialog>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "statement/window/fact_choice.h"

class QComboBox;
class QPushButton;

class Dlg1 : public QDialog {
public:
    // Fills the lists at once (the predicate list at position 0 and its
    // point boxes with the names of records 1..g_npoints).
    explicit Dlg1(QWidget* parent = nullptr);

    // The choice as it stands: the predicate's position and the eight point
    // positions (0 where nothing is chosen).
    FactChoice choice() const;

    QComboBox* predicate_box() const { return predicate_box_; }
    QComboBox* point_box(int i) const { return point_boxes_[static_cast<std::size_t>(i)]; }
    QPushButton* ok_button() const { return ok_; }

    // A predicate chosen in the list: every point box is filled anew for it
    // and shows its first point; the point choices start again from 0.
    void predicate_chosen(int position);
    // A point chosen in box i (0..7); a negative position counts as 0.
    void point_chosen(int i, int position);

private:
    void fill_point_boxes();

    QComboBox* predicate_box_ = nullptr;
    std::array<QComboBox*, kPointBoxes> point_boxes_{};
    QPushButton* ok_ = nullptr;
    int predicate_ = 0;
    std::array<int, kPointBoxes> selections_{};
};

// How the fact commands ask for a predicate, so that tests answer without a
// dialog.
class PredicateInput {
public:
    virtual ~PredicateInput() = default;
    // nullopt when the user cancels.
    virtual std::optional<FactChoice> ask(QWidget* parent, std::string_view caption) = 0;
};

// Runs Dlg1 modally.
class QtPredicateInput : public PredicateInput {
public:
    std::optional<FactChoice> ask(QWidget* parent, std::string_view caption) override;
};

// Answers from a queue (nullopt = Cancel; with the queue empty, Cancel) and
// records the captions asked with.
class ScriptedPredicateInput : public PredicateInput {
public:
    void push_answer(std::optional<FactChoice> answer) { answers_.push_back(answer); }
    std::optional<FactChoice> ask(QWidget* parent, std::string_view caption) override;
    const std::vector<std::string>& asked() const { return asked_; }

private:
    std::deque<std::optional<FactChoice>> answers_;
    std::vector<std::string> asked_;
};
