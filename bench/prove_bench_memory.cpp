#include "prove_bench_memory.h"

#include <fstream>
#include <string>

#include "prover/block_storage.h"

void reset_peak_memory()
{
    // The last proof's blocks may still be going back to the system.
    wait_for_unmapped_blocks();
    // Writing 5 to clear_refs resets the peak resident size (VmHWM).
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::size_t peak_memory_kb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoul(line.substr(6));
    return 0;
}
