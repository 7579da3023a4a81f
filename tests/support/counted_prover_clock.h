#pragma once
// The prover's clock for tests that prove whole statements: every look at it
// is one tick later, so a time limit counts the prover's own time checks. A
// run then ends at the same step in every build and on every machine, however
// busy, and what the test checks never changes with the machine's speed.

#include <cstdint>

#include "prover/prover.h"

class CountedProverClock {
public:
    CountedProverClock() { set_prover_clock([this] { return ++ticks_; }); }
    ~CountedProverClock() { set_prover_clock({}); }
    CountedProverClock(const CountedProverClock&) = delete;
    CountedProverClock& operator=(const CountedProverClock&) = delete;

private:
    std::uint32_t ticks_ = 0;
};
