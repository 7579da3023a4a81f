// The prover's memory budget and the accounts of the pools and tables that
// grow within it.

#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "prover/block_storage.h"
#include "prover/memory_budget.h"
#include "prover/prover.h"

namespace {

struct MemoryAccounts {
    std::size_t override_bytes = 0;  // set by set_prover_memory_budget
    std::optional<std::size_t> default_bytes;  // from the limits, once read
    std::vector<std::pair<std::string, std::function<std::size_t()>>> holders;
    std::size_t growths = 0;
    std::size_t fail_at = 0;
    GrowthFailure fail_how = GrowthFailure::System;
};

MemoryAccounts& accounts()
{
    static MemoryAccounts a;
    return a;
}

std::size_t prover_memory_held()
{
    std::size_t held = 0;
    for (const auto& [key, fn] : accounts().holders)
        held += fn();
    return held;
}

}  // namespace

void refresh_prover_memory_budget()
{
    // The limits are read with the last run's blocks given back.
    wait_for_unmapped_blocks();
    accounts().default_bytes = memory_budget_for(current_memory_limits());
}

std::size_t prover_memory_budget()
{
    MemoryAccounts& a = accounts();
    if (a.override_bytes != 0)
        return a.override_bytes;
    if (!a.default_bytes)
        refresh_prover_memory_budget();
    return *a.default_bytes;
}

void set_prover_memory_budget(std::size_t bytes) { accounts().override_bytes = bytes; }

void add_prover_memory_holder(std::string key, std::function<std::size_t()> bytes_held)
{
    auto& holders = accounts().holders;
    for (auto& [k, fn] : holders) {
        if (k == key) {
            fn = std::move(bytes_held);
            return;
        }
    }
    holders.emplace_back(std::move(key), std::move(bytes_held));
}

bool prover_memory_allows(std::size_t more)
{
    MemoryAccounts& a = accounts();
    if (++a.growths == a.fail_at) {
        if (a.fail_how == GrowthFailure::System)
            throw std::bad_alloc();
        return false;
    }
    return prover_memory_held() + more <= prover_memory_budget();
}

void prover_out_of_memory()
{
    // The message belongs in the window, also while a LaTeX file is written.
    std::ostream* const file = std::exchange(g_outfile, nullptr);
    gprint(kOutOfMemoryText);
    g_outfile = file;
    throw ProverOutOfMemory();
}

void fail_prover_growth_at(std::size_t nth, GrowthFailure how)
{
    accounts().growths = 0;
    accounts().fail_at = nth;
    accounts().fail_how = how;
}

std::size_t prover_growth_count() { return accounts().growths; }
