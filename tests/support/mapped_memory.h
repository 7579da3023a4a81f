#pragma once
// Whether the page at an address is mapped in this process: storage given
// back to the system is not.

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

inline bool page_mapped(std::uintptr_t address)
{
    const long page = sysconf(_SC_PAGESIZE);
    unsigned char resident = 0;
    void* start = reinterpret_cast<void*>(address & ~static_cast<std::uintptr_t>(page - 1));
    return mincore(start, static_cast<std::size_t>(page), &resident) == 0 || errno != ENOMEM;
}
