// Loads the probe library given as its argument, makes the probe's
// thread-local block start 16 bytes into a page and ends through the leak
// checker; prints where in its page the block landed. The dynamic TLS test
// runs it in a process of its own, where small allocations still come one
// after another from fresh memory.

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uintptr_t kPage = 4096;
constexpr std::uintptr_t kBlockOffset = 16;  // where the sanitizer takes a block for an old glibc's
constexpr std::size_t kSmallest = 16;        // the probe's block and these allocations share a size class
constexpr std::size_t kMaxTaken = 4 * kPage;
constexpr int kCannotLoad = 2;

}  // namespace

int main(int argc, char** argv)
{
    void* probe = argc == 2 ? dlopen(argv[1], RTLD_NOW) : nullptr;  // loaded for good, as a plugin is
    const auto block = probe ? reinterpret_cast<void* (*)()>(dlsym(probe, "dynamic_tls_block")) : nullptr;
    if (!block) {
        std::fprintf(stderr, "dynamic_tls_exit: %s\n", probe ? "no dynamic_tls_block" : dlerror());
        return kCannotLoad;
    }
    // Take small allocations until the next one, the probe's block, starts
    // 16 bytes into a page.
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
    std::printf("%u\n", static_cast<unsigned>(at % kPage));
    std::fflush(stdout);  // told before the leak checker runs
    return 0;
}
