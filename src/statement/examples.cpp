#include "statement/examples.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "statement/prover.h"

namespace {

struct ExampleRecord {
    const char* name;
    int kind;
    std::vector<const char*> parents;  // by name, resolved against earlier records
};

struct Example {
    int id;
    std::string_view menu_text;
    std::vector<ExampleRecord> records;
    int concl_kind;
    std::array<const char*, 8> concl;  // point names by slot, nullptr = 0
};

const std::vector<Example>& examples()
{
    static const std::vector<Example> list = {
        {315, "Parallelogram",
         {{"A", 101, {}}, {"B", 101, {}}, {"C", 101, {}},
          {"D", 119, {"A", "B", "C", "C", "A", "B"}},
          {"O", 116, {"A", "C", "B", "D"}}},
         151, {"O", "A", "C"}},
        {316, "Orthocenter",
         {{"A", 101, {}}, {"B", 101, {}}, {"C", 101, {}},
          {"E", 102, {"A", "B", "C"}},
          {"F", 102, {"B", "A", "C"}},
          {"H", 116, {"E", "A", "F", "B"}},
          {"T", 116, {"A", "B", "C", "H"}}},
         150, {"A", "B", "C", "H"}},
        {317, "Simson",
         {{"A", 101, {}}, {"B", 101, {}}, {"C", 101, {}},
          {"O", 105, {"A", "B", "C"}},
          {"D", 113, {"O", "A"}},
          {"E", 102, {"D", "A", "B"}},
          {"F", 102, {"D", "A", "C"}},
          {"G", 102, {"D", "B", "C"}}},
         148, {"E", "F", "G"}},
        {318, "Pedal Triangle",
         {{"A", 101, {}}, {"B", 101, {}}, {"C", 101, {}}, {"P", 101, {}},
          {"A1", 102, {"P", "B", "C"}},
          {"B1", 102, {"P", "A", "C"}},
          {"C1", 102, {"P", "A", "B"}},
          {"A2", 102, {"P", "B1", "C1"}},
          {"B2", 102, {"P", "A1", "C1"}},
          {"C2", 102, {"P", "A1", "B1"}},
          {"A3", 102, {"P", "B2", "C2"}},
          {"B3", 102, {"P", "A2", "C2"}},
          {"C3", 102, {"P", "A2", "B2"}}},
         154, {"A", "B", "B", "C", "A3", "B3", "B3", "C3"}},
        {319, "Pappus",
         {{"A", 101, {}}, {"B", 101, {}}, {"E", 101, {}}, {"F", 101, {}}, {"R", 101, {}},
          {"P", 116, {"A", "F", "B", "E"}},
          {"C", 116, {"A", "B", "F", "R"}},
          {"G", 116, {"E", "F", "B", "R"}},
          {"Q", 116, {"A", "G", "E", "C"}}},
         148, {"R", "P", "Q"}},
        {320, "Miquel Circle",
         {{"P1", 101, {}}, {"P2", 101, {}}, {"P3", 101, {}}, {"P4", 101, {}}, {"P5", 101, {}},
          {"Q1", 116, {"P2", "P5", "P1", "P3"}},
          {"Q2", 116, {"P1", "P3", "P2", "P4"}},
          {"Q3", 116, {"P2", "P4", "P3", "P5"}},
          {"Q4", 116, {"P3", "P5", "P4", "P1"}},
          {"Q5", 116, {"P4", "P1", "P2", "P5"}},
          {"O1", 105, {"P1", "Q1", "Q5"}},
          {"O2", 105, {"P2", "Q1", "Q2"}},
          {"O3", 105, {"P3", "Q2", "Q3"}},
          {"O4", 105, {"P4", "Q3", "Q4"}},
          {"O5", 105, {"P5", "Q4", "Q5"}},
          {"M1", 125, {"O1", "Q1", "O2", "Q1"}},
          {"M2", 125, {"O2", "Q2", "O3", "Q2"}},
          {"M3", 125, {"O3", "Q3", "O4", "Q3"}},
          {"M4", 125, {"O4", "Q4", "O5", "Q4"}},
          {"M5", 125, {"O5", "Q5", "O1", "Q5"}}},
         152, {nullptr, "M1", "M2", "M3", "M5"}},
        {337, "Square",
         {{"A", 101, {}}, {"B", 101, {}}, {"C", 101, {}},
          {"F", 132, {"A", "B"}},
          {"H", 133, {"A", "C"}},
          {"M", 103, {"B", "C"}},
          {"E", 119, {"F", "A", "B", "B", "A", "F"}},
          {"G", 119, {"H", "A", "C", "C", "A", "H"}}},
         150, {"F", "H", "A", "M"}},
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
    for (auto& p : g_pro_points)
        p.hyp_predicate = false;
    int n = 0;
    for (const auto& r : ex.records) {
        auto& p = g_pro_points[static_cast<std::size_t>(++n)];
        p.kind = static_cast<std::uint32_t>(r.kind);
        p.name = r.name;
        p.pots.fill(0);
        std::size_t k = 0;
        for (const char* parent : r.parents)
            p.pots[k++] = static_cast<std::uint32_t>(index_of(parent, n - 1));
    }
    g_npoints = n;
    g_concl.type = ex.concl_kind;
    for (std::size_t k = 0; k < 8; ++k)
        g_concl.p[k] = ex.concl[k] ? static_cast<std::uint32_t>(index_of(ex.concl[k], n)) : 0;
}

}  // namespace

std::span<const ExampleInfo> example_menu() { return kMenu; }

bool load_example(int id)
{
    g_concl.p.fill(0);
    for (const auto& ex : examples()) {
        if (ex.id == id) {
            write_example(ex);
            return true;
        }
    }
    return false;
}
