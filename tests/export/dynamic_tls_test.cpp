// Printing loads the JPEG library through the image plugins, and its
// thread-local variables get a block of dynamic TLS. A block that starts 16
// bytes into a page once made the leak checker scan a nonsense range at exit
// and die after every test had passed; here such a block is made on purpose,
// and the test program must still end cleanly.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uintptr_t kPage = 4096;
constexpr std::uintptr_t kBlockOffset = 16;  // where the sanitizer took the block for an old glibc's
constexpr std::size_t kSmallest = 16;        // the probe's block and these allocations share a size class
constexpr std::size_t kMaxTaken = 4 * kPage;

TEST(DynamicTls, ABlockSixteenBytesIntoAPageLeavesTheLeakCheckerWhole)
{
#ifndef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "no leak checker in this build";
#endif
    // Loaded for good, as a plugin is.
    void* probe = dlopen(PLEXATOR_DYNAMIC_TLS_PROBE, RTLD_NOW);
    ASSERT_NE(probe, nullptr) << dlerror();
    const auto block = reinterpret_cast<void* (*)()>(dlsym(probe, "dynamic_tls_block"));
    ASSERT_NE(block, nullptr);

    // Small allocations come one after another: take them until the next
    // one, the thread's block of the probe, starts 16 bytes into a page.
    std::vector<void*> taken;
    taken.reserve(kMaxTaken);
    std::uintptr_t last = 0, gap = 0;
    while (taken.size() < kMaxTaken && !(gap == 2 * kSmallest && (last + gap) % kPage == kBlockOffset)) {
        taken.push_back(std::malloc(kSmallest));
        const auto at = reinterpret_cast<std::uintptr_t>(taken.back());
        gap = at - last;
        last = at;
    }
    const auto at = reinterpret_cast<std::uintptr_t>(block());
    for (void* p : taken)
        std::free(p);
    EXPECT_EQ(at % kPage, kBlockOffset) << "the block did not land where the fault showed";
}

}  // namespace
