#pragma once
// The prover's clock held still for tests of a proof on its own thread: no
// proof runs out of time unless the test moves the clock past the limit, so
// a time-out comes exactly when the test wants it, whatever the machine's
// speed. The time limit is given back as it was.

#include <atomic>
#include <cstdint>

#include "prover/prover.h"

struct HeldProverClock {
    std::atomic<std::uint32_t> now{0};
    const std::int32_t saved_limit = g_timelimit;

    HeldProverClock() { set_prover_clock([this] { return now.load(); }); }
    ~HeldProverClock()
    {
        set_prover_clock({});
        g_timelimit = saved_limit;
    }
    HeldProverClock(const HeldProverClock&) = delete;
    HeldProverClock& operator=(const HeldProverClock&) = delete;
};
