#include "prover/block_storage.h"

#include <pthread.h>
#include <sys/mman.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

namespace {

struct Span {
    void* start;
    std::size_t bytes;
};

void unmap(const std::vector<Span>& spans)
{
    for (const Span& s : spans)
        munmap(s.start, s.bytes);
}

// Unmaps what it is handed on a thread it starts at the first hand-over.
class Unmapper {
public:
    Unmapper() = default;
    Unmapper(const Unmapper&) = delete;
    Unmapper& operator=(const Unmapper&) = delete;
    ~Unmapper()
    {
        if (!worker_)
            return;
        {
            const std::lock_guard lock(worker_->mutex);
            worker_->stopping = true;
        }
        worker_->work.notify_one();
        worker_->thread.join();
        unmap(worker_->queue);
        delete worker_;
    }

    void hand_over(std::vector<Span> spans)
    {
        if (!worker_ && !no_worker_) {
            try {
                auto w = std::make_unique<Worker>();
                w->thread = std::thread([&w = *w] { run(w); });
                worker_ = w.release();
            } catch (const std::system_error&) {
                no_worker_ = true;
            }
        }
        if (no_worker_) {
            unmap(spans);  // no thread to be had: the caller waits
            return;
        }
        {
            const std::lock_guard lock(worker_->mutex);
            if (worker_->queue.empty())
                worker_->queue = std::move(spans);
            else
                worker_->queue.insert(worker_->queue.end(), spans.begin(), spans.end());
        }
        worker_->work.notify_one();
    }

    void wait()
    {
        if (!worker_)
            return;
        std::unique_lock lock(worker_->mutex);
        worker_->done.wait(lock, [&] { return worker_->queue.empty() && !worker_->busy; });
    }

    // In the child of a fork the worker's thread is not there: another is
    // started at the next hand-over. What the parent had queued stays mapped
    // in the child. Allocates nothing and takes no lock.
    void after_fork()
    {
        if (worker_)
            left_by_fork_ = worker_;  // kept, not destroyed: its thread and lock are the parent's
        worker_ = nullptr;
    }

private:
    struct Worker {
        std::mutex mutex;
        std::condition_variable work;
        std::condition_variable done;
        std::vector<Span> queue;
        bool busy = false;
        bool stopping = false;
        std::thread thread;
    };

    static void run(Worker& w)
    {
        std::unique_lock lock(w.mutex);
        for (;;) {
            w.work.wait(lock, [&] { return w.stopping || !w.queue.empty(); });
            if (w.queue.empty())
                return;
            const std::vector<Span> spans = std::exchange(w.queue, {});
            w.busy = true;
            lock.unlock();
            unmap(spans);
            lock.lock();
            w.busy = false;
            w.done.notify_all();
        }
    }

    Worker* worker_ = nullptr;
    Worker* left_by_fork_ = nullptr;
    bool no_worker_ = false;
};

Unmapper& unmapper()
{
    static Unmapper u;
    static const int fork_aware = pthread_atfork(nullptr, nullptr, [] { u.after_fork(); });
    (void)fork_aware;
    return u;
}

void* map_anywhere(std::size_t bytes)
{
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
}

}  // namespace

void* map_aligned_block(std::size_t bytes)
{
    // The system places a new mapping just below the last one, so after the
    // first aligned block the next ones come aligned (and merge into one
    // mapping); only where that fails is twice the size mapped and cut.
    void* p = map_anywhere(bytes);
    if (!p || reinterpret_cast<std::uintptr_t>(p) % bytes == 0)
        return p;
    munmap(p, bytes);
    char* const wide = static_cast<char*>(map_anywhere(2 * bytes));
    if (!wide)
        return nullptr;
    const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(wide);
    char* const aligned = wide + (bytes - at % bytes) % bytes;
    if (aligned > wide)
        munmap(wide, static_cast<std::size_t>(aligned - wide));
    char* const end = wide + 2 * bytes;
    if (aligned + bytes < end)
        munmap(aligned + bytes, static_cast<std::size_t>(end - (aligned + bytes)));
    return aligned;
}

namespace {

// Adjacent blocks as one span each.
std::vector<Span> spans_of(std::vector<void*>& blocks, std::size_t bytes)
{
    std::sort(blocks.begin(), blocks.end(), std::less<>());
    std::vector<Span> spans;
    for (void* b : blocks) {
        if (!spans.empty() && static_cast<char*>(spans.back().start) + spans.back().bytes == b)
            spans.back().bytes += bytes;
        else
            spans.push_back({b, bytes});
    }
    return spans;
}

}  // namespace

void unmap_blocks(std::vector<void*> blocks, std::size_t bytes)
{
    // A few megabytes take the kernel a millisecond: less than waking the
    // thread that unmaps (and the processors that must forget the pages).
    constexpr std::size_t kUnmappedHere = std::size_t{4} << 20;
    if (blocks.size() * bytes <= kUnmappedHere) {
        unmap(spans_of(blocks, bytes));
        return;
    }
    try {
        unmapper().hand_over(spans_of(blocks, bytes));
    } catch (const std::bad_alloc&) {
        unmap_blocks_now(std::move(blocks), bytes);
    }
}

void unmap_blocks_now(std::vector<void*> blocks, std::size_t bytes)
{
    // One by one: this runs where memory may have run out.
    for (void* b : blocks)
        munmap(b, bytes);
}

void wait_for_unmapped_blocks() { unmapper().wait(); }
