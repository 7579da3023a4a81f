#pragma once
// The choice made in the predicate dialog (a predicate and eight point
// positions) and the fact record it stands for.

#include <array>
#include <string_view>

#include "prover/gdd_cond.h"

// Predicates the dialog offers, in its list order 0..9.
inline constexpr int kPredicateChoices = 10;
// Point boxes of the dialog: four in the first row, four in the second.
inline constexpr int kPointBoxes = 8;

struct FactChoice {
    int predicate = 0;               // 0..9, position in the predicate list
    std::array<int, kPointBoxes> points{};  // 0-based positions in the point lists
};

// The predicate's name in the list ("COLLINEAR", ...); "" outside 0..9.
std::string_view predicate_choice_text(int predicate);
// Which of the eight point boxes the predicate uses.
std::array<bool, kPointBoxes> predicate_point_boxes(int predicate);

// Clears p1..p8 of fact and sets its kind and points from the choice (point
// number = position + 1). Equal angles go in as the two lines through each
// angle's middle point; equal products keep the order shown.
void fact_from_choice(const FactChoice& choice, Gdd_cond& fact);
