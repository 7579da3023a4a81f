#include "statement/window/fact_choice.h"

#include <cstdint>

#include "prover/conclusion_kinds.h"
#include "prover/keywords.h"
#include "prover/prover_strings.h"

namespace {

struct PredicateRow {
    int text_id;
    std::int32_t kind;
    const char* boxes;  // '1' where the box is filled
    // The box (0-based) whose point goes into p1..p8, in order.
    std::array<int, 8> slots;
};

constexpr int kNone = -2;  // past the last point
constexpr int kZero = -1;  // a point slot that stays 0

constexpr std::array<PredicateRow, kPredicateChoices> kRows{{
    {sid::kCollinear, concl_kind::kCollinear, "11100000", {0, 1, 2, kNone, kNone, kNone, kNone, kNone}},
    {sid::kParallel, concl_kind::kParallel, "11001100", {0, 1, 4, 5, kNone, kNone, kNone, kNone}},
    {sid::kPerpendicular, concl_kind::kPerpendicular, "11001100", {0, 1, 4, 5, kNone, kNone, kNone, kNone}},
    {2180, concl_kind::kMidpoint, "11100000", {0, 1, 2, kNone, kNone, kNone, kNone, kNone}},
    {sid::kCocircle, concl_kind::kCyclic, "11110000", {kZero, 0, 1, 2, 3, kNone, kNone, kNone}},
    {sid::kEqdistance, concl_kind::kEqualDistance, "11001100", {0, 1, 4, 5, kNone, kNone, kNone, kNone}},
    {sid::kEqangle, concl_kind::kEqualAngle, "11101110", {0, 1, 1, 2, 4, 5, 5, 6}},
    {sid::kEqProduct, concl_kind::kEqualProduct, "11111111", {0, 1, 2, 3, 4, 5, 6, 7}},
    {sid::kSimTriangle, concl_kind::kSimilar, "11101110", {0, 1, 2, 4, 5, 6, kNone, kNone}},
    {sid::kConTriangle, concl_kind::kCongruent, "11101110", {0, 1, 2, 4, 5, 6, kNone, kNone}},
}};

bool valid(int predicate) { return predicate >= 0 && predicate < kPredicateChoices; }

}  // namespace

std::string_view predicate_choice_text(int predicate)
{
    return valid(predicate) ? stm_string(kRows[static_cast<std::size_t>(predicate)].text_id) : std::string_view();
}

std::array<bool, kPointBoxes> predicate_point_boxes(int predicate)
{
    std::array<bool, kPointBoxes> used{};
    if (!valid(predicate))
        return used;
    const char* boxes = kRows[static_cast<std::size_t>(predicate)].boxes;
    for (std::size_t i = 0; i < used.size(); ++i)
        used[i] = boxes[i] == '1';
    return used;
}

void fact_from_choice(const FactChoice& choice, Gdd_cond& fact)
{
    fact.p.fill(0);
    if (!valid(choice.predicate))
        return;
    const PredicateRow& row = kRows[static_cast<std::size_t>(choice.predicate)];
    fact.type = row.kind;
    for (std::size_t k = 0; k < row.slots.size(); ++k) {
        const int box = row.slots[k];
        if (box == kNone)
            break;
        if (box == kZero)
            continue;
        fact.p[k] = static_cast<std::uint32_t>(choice.points[static_cast<std::size_t>(box)] + 1);
    }
}
