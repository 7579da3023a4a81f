#pragma once
// How the prover's memory budget is found: the least of a quarter of the
// machine's memory, the room the address-space limit leaves and the room the
// container's memory limit leaves, each with headroom for the program itself.
// The budget is read through prover_memory_budget() (prover/prover.h).

#include <cstddef>
#include <filesystem>
#include <string_view>

// What the system says; 0 where it says nothing (or sets no limit).
struct MemoryLimits {
    std::size_t physical = 0;            // the machine's memory
    std::size_t address_space = 0;       // RLIMIT_AS
    std::size_t address_space_used = 0;  // the process's address space now
    std::size_t container = 0;           // cgroup memory.max (v2) or memory.limit_in_bytes (v1)
    std::size_t container_used = 0;      // the cgroup's memory in use, page cache it may drop not counted
};

// The budget the limits allow.
std::size_t memory_budget_for(const MemoryLimits& limits);

// The container limit and use, read under root (normally "/"): the cgroup of
// the process (proc_self_cgroup: the text of /proc/self/cgroup) first, then
// the cgroup mount's own files.
struct ContainerMemory {
    std::size_t limit = 0;
    std::size_t used = 0;
};
ContainerMemory container_memory(const std::filesystem::path& root, std::string_view proc_self_cgroup);

// The limits of this process now.
MemoryLimits current_memory_limits();

// Reads the limits again and makes them the default budget (the Prove
// dispatcher does at the start of every proof, so that a limit set or a
// container resized since is obeyed).
void refresh_prover_memory_budget();
