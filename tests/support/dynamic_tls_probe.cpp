// A library loaded at run time with a thread-local variable: its block of
// dynamic TLS is allocated with malloc on the first use in each thread, as
// for the JPEG library the image plugins load.

#include <cstdint>

namespace {
thread_local std::uint64_t probe_block[2];  // 16 bytes: the smallest malloc size class
}

extern "C" void* dynamic_tls_block() { return probe_block; }
