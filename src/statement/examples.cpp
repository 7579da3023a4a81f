#include "statement/examples.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "prover/prover.h"
#include "statement/kept_statement.h"
#include "statement/prover_wiring.h"
#include "statement/statement_records.h"

namespace {

struct ExampleRecord {
    const char* name;
    int kind;
    std::vector<const char*> parents;  // by name, resolved against earlier records
};

ExampleRecord free_point(const char* name) { return {name, cons_kind::kFreePoint, {}}; }

struct Example {
    int id;
    std::string_view menu_text;
    std::vector<ExampleRecord> records;
    int conclusion;  // its kind
    std::array<const char*, 8> concl;  // point names by slot, nullptr = 0
};

const std::vector<Example>& examples()
{
    static const std::vector<Example> list = {
        {315, "Parallelogram",
         {free_point("A"), free_point("B"), free_point("C"),
          {"D", cons_kind::kInterPlinePline, {"A", "B", "C", "C", "A", "B"}},
          {"O", cons_kind::kInterLineLine, {"A", "C", "B", "D"}}},
         concl_kind::kMidpoint, {"O", "A", "C"}},
        {316, "Orthocenter",
         {free_point("A"), free_point("B"), free_point("C"),
          {"E", cons_kind::kFoot, {"A", "B", "C"}},
          {"F", cons_kind::kFoot, {"B", "A", "C"}},
          {"H", cons_kind::kInterLineLine, {"E", "A", "F", "B"}},
          {"T", cons_kind::kInterLineLine, {"A", "B", "C", "H"}}},
         concl_kind::kPerpendicular, {"A", "B", "C", "H"}},
        {317, "Simson",
         {free_point("A"), free_point("B"), free_point("C"),
          {"O", cons_kind::kCircumcenter, {"A", "B", "C"}},
          {"D", cons_kind::kOnCircle, {"O", "A"}},
          {"E", cons_kind::kFoot, {"D", "A", "B"}},
          {"F", cons_kind::kFoot, {"D", "A", "C"}},
          {"G", cons_kind::kFoot, {"D", "B", "C"}}},
         concl_kind::kCollinear, {"E", "F", "G"}},
        {318, "Pedal Triangle",
         {free_point("A"), free_point("B"), free_point("C"), free_point("P"),
          {"A1", cons_kind::kFoot, {"P", "B", "C"}},
          {"B1", cons_kind::kFoot, {"P", "A", "C"}},
          {"C1", cons_kind::kFoot, {"P", "A", "B"}},
          {"A2", cons_kind::kFoot, {"P", "B1", "C1"}},
          {"B2", cons_kind::kFoot, {"P", "A1", "C1"}},
          {"C2", cons_kind::kFoot, {"P", "A1", "B1"}},
          {"A3", cons_kind::kFoot, {"P", "B2", "C2"}},
          {"B3", cons_kind::kFoot, {"P", "A2", "C2"}},
          {"C3", cons_kind::kFoot, {"P", "A2", "B2"}}},
         concl_kind::kEqualAngle, {"A", "B", "B", "C", "A3", "B3", "B3", "C3"}},
        {319, "Pappus",
         {free_point("A"), free_point("B"), free_point("E"), free_point("F"), free_point("R"),
          {"P", cons_kind::kInterLineLine, {"A", "F", "B", "E"}},
          {"C", cons_kind::kInterLineLine, {"A", "B", "F", "R"}},
          {"G", cons_kind::kInterLineLine, {"E", "F", "B", "R"}},
          {"Q", cons_kind::kInterLineLine, {"A", "G", "E", "C"}}},
         concl_kind::kCollinear, {"R", "P", "Q"}},
        {320, "Miquel Circle",
         {free_point("P1"), free_point("P2"), free_point("P3"), free_point("P4"), free_point("P5"),
          {"Q1", cons_kind::kInterLineLine, {"P2", "P5", "P1", "P3"}},
          {"Q2", cons_kind::kInterLineLine, {"P1", "P3", "P2", "P4"}},
          {"Q3", cons_kind::kInterLineLine, {"P2", "P4", "P3", "P5"}},
          {"Q4", cons_kind::kInterLineLine, {"P3", "P5", "P4", "P1"}},
          {"Q5", cons_kind::kInterLineLine, {"P4", "P1", "P2", "P5"}},
          {"O1", cons_kind::kCircumcenter, {"P1", "Q1", "Q5"}},
          {"O2", cons_kind::kCircumcenter, {"P2", "Q1", "Q2"}},
          {"O3", cons_kind::kCircumcenter, {"P3", "Q2", "Q3"}},
          {"O4", cons_kind::kCircumcenter, {"P4", "Q3", "Q4"}},
          {"O5", cons_kind::kCircumcenter, {"P5", "Q4", "Q5"}},
          {"M1", cons_kind::kInterCircleCircle, {"O1", "Q1", "O2", "Q1"}},
          {"M2", cons_kind::kInterCircleCircle, {"O2", "Q2", "O3", "Q2"}},
          {"M3", cons_kind::kInterCircleCircle, {"O3", "Q3", "O4", "Q3"}},
          {"M4", cons_kind::kInterCircleCircle, {"O4", "Q4", "O5", "Q4"}},
          {"M5", cons_kind::kInterCircleCircle, {"O5", "Q5", "O1", "Q5"}}},
         concl_kind::kCyclic, {nullptr, "M1", "M2", "M3", "M5"}},
        {337, "Square",
         {free_point("A"), free_point("B"), free_point("C"),
          {"F", cons_kind::kPositiveSquare, {"A", "B"}},
          {"H", cons_kind::kNegativeSquare, {"A", "C"}},
          {"M", cons_kind::kMidpoint, {"B", "C"}},
          {"E", cons_kind::kInterPlinePline, {"F", "A", "B", "B", "A", "F"}},
          {"G", cons_kind::kInterPlinePline, {"H", "A", "C", "C", "A", "H"}}},
         concl_kind::kPerpendicular, {"F", "H", "A", "M"}},
    };
    return list;
}

constexpr ExampleInfo kMenu[] = {
    {315, "Parallelogram"}, {316, "Orthocenter"}, {317, "Simson"},        {337, "Square"},
    {319, "Pappus"},        {318, "Pedal Triangle"}, {320, "Miquel Circle"},
};

// Index of the record named name among records 1..count; 0 if none.
int index_of(const char* name, int count)
{
    for (int i = 1; i <= count; ++i)
        if (g_pro_points[static_cast<std::size_t>(i)].name == name)
            return i;
    return 0;
}

void write_example(const Example& ex)
{
    // The circles of the statement read before and the marks its reader left
    // on the records are not the example's.
    forget_reader_marks();
    int n = 0;
    for (const auto& r : ex.records) {
        auto& p = g_pro_points[static_cast<std::size_t>(++n)];
        p.clear();
        p.kind = static_cast<std::uint32_t>(r.kind);
        p.name = r.name;
        std::size_t k = 0;
        for (const char* parent : r.parents)
            p.pots[k++] = static_cast<std::uint32_t>(index_of(parent, n - 1));
    }
    g_npoints = n;
    g_concl.type = ex.conclusion;
    for (std::size_t k = 0; k < 8; ++k)
        g_concl.p[k] = ex.concl[k] ? static_cast<std::uint32_t>(index_of(ex.concl[k], n)) : 0;
    // Every Prove starts from the example as loaded.
    keep_loaded_statement();
}

}  // namespace

std::span<const ExampleInfo> example_menu() { return kMenu; }

bool load_example(int id)
{
    wire_statement_layer();
    g_concl.p.fill(0);
    for (const auto& ex : examples()) {
        if (ex.id == id) {
            write_example(ex);
            return true;
        }
    }
    // The tables no longer hold the statement kept: a Prove proves them as
    // they stand.
    forget_kept_statement();
    return false;
}
