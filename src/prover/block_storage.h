#pragma once
// Storage for the node pools in blocks mapped from the system, each aligned
// to its size so that a node finds its block by masking its address. Blocks
// go back to the system on a thread of their own: unmapping gigabytes takes
// the kernel a fraction of a second per gigabyte, which the end of a proof
// does not wait for.

#include <cstddef>
#include <vector>

// A block of `bytes` (a power of two and a multiple of the page size) at an
// address that is a multiple of `bytes`; null when the system has no room.
void* map_aligned_block(std::size_t bytes);

// While the kernel frees the pages of one call to give memory back, no other
// thread may map or unmap (a pool taking a block, the heap growing): about a
// millisecond for these 16 MiB. A longer run of blocks goes back in pieces of
// this size, which cost the kernel no more in all than one call.
inline constexpr std::size_t kMostBytesUnmappedAtOnce = std::size_t{16} << 20;

// Hands blocks of `bytes` each back to the system, each run of adjacent
// blocks in as few calls as it may, so that the blocks of all pools go back
// best together; the caller goes on at once.
void unmap_blocks(std::vector<void*> blocks, std::size_t bytes);
// The same, returning when they are back (where the program ends), with
// the number of calls made. Allocates nothing.
std::size_t unmap_blocks_now(std::vector<void*> blocks, std::size_t bytes);

// Returns when every block handed to unmap_blocks is back with the system:
// called before anything that must see the memory given back (the next
// run, the memory budget read from the system's limits).
void wait_for_unmapped_blocks();

// For tests: what unmap_blocks hands to its thread from now on stays mapped
// until a caller waits for it, so that a test sees whether the caller waited.
void hold_unmapping_until_waited();
