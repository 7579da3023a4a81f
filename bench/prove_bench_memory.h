#pragma once
// Peak memory of one proof: the process's resident high-water mark, reset
// before each statement (Linux).

#include <cstddef>

// Starts a new high-water mark at the present resident size.
void reset_peak_memory();
// The resident high-water mark since the last reset, in kilobytes; 0 when
// the system does not say.
std::size_t peak_memory_kb();
