#pragma once
// One fact written as a type and eight point indices. The fact database keeps
// these as queue entries and reasons; the prover keeps its conclusion and the
// user's search fact in the same layout.

#include <array>
#include <cstdint>

struct Gdd_cond {
    std::int32_t type = 0;          // fact kind: concl_kind, or a premise of the full-angle method
    std::uint32_t number = 0;       // proof step number, 0 until printed
    std::array<std::uint32_t, 8> p{};  // point indices p1..p8, 0 = none
    void* obj = nullptr;            // database record the condition announces or names
    Gdd_cond* next = nullptr;       // next condition of its chain
};

// Copies kind, the eight point indices and the link of a predicate record.
void cp_cond(const Gdd_cond& src, Gdd_cond& dst);
