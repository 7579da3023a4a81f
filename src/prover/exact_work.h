#pragma once
// How the exact root search keeps to the prover's limits: it counts its
// work in limb operations and looks at the clock now and then, and it asks
// the memory budget before it builds a large polynomial or value. Internal
// to exact_roots.

#include <cstddef>

#include "prover/prover.h"

namespace exact_detail {

// Limb operations between two looks at the prover's clock: a look costs
// about as much as a few dozen of them.
inline constexpr std::size_t kLimbsPerLook = std::size_t{1} << 14;

class Limb_work {
public:
    // One operation on big integers of `limbs` limbs (at least one).
    void add(std::size_t limbs)
    {
        done_ += limbs + 1;
        if (done_ >= kLimbsPerLook) {
            done_ = 0;
            check_time();
        }
    }

private:
    std::size_t done_ = 0;
};

// Ends the run ("run out of memory.") unless `bytes` more fit the budget.
inline void reserve_bytes(std::size_t bytes)
{
    if (!prover_memory_allows(bytes))
        prover_out_of_memory();
}

}  // namespace exact_detail
