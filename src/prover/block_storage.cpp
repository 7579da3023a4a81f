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

// Unmaps blocks of `bytes` each, a run of adjacent blocks in as few calls as
// it may: every call costs the kernel a flush of the other processors'
// address caches, so that gigabytes given back block by block took it twice
// as long or more. Sorts the blocks in place and allocates nothing. Returns
// the calls made.
std::size_t unmap_in_runs(std::vector<void*>& blocks, std::size_t bytes)
{
    std::sort(blocks.begin(), blocks.end(), std::less<>());
    std::size_t calls = 0;
    for (std::size_t first = 0; first < blocks.size();) {
        std::size_t end = first + 1;
        while (end < blocks.size() && static_cast<char*>(blocks[end - 1]) + bytes == blocks[end])
            ++end;
        char* const start = static_cast<char*>(blocks[first]);
        const std::size_t run = (end - first) * bytes;
        for (std::size_t done = 0; done < run; ++calls) {
            const std::size_t piece = std::min(kMostBytesUnmappedAtOnce, run - done);
            munmap(start + done, piece);
            done += piece;
        }
        first = end;
    }
    return calls;
}

struct Batch {
    std::vector<void*> blocks;
    std::size_t bytes;
};

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
        for (Batch& b : worker_->queue)
            unmap_in_runs(b.blocks, b.bytes);
        delete worker_;
    }

    void hand_over(Batch batch)
    {
        bool queued = false;
        if (started()) {
            {
                const std::lock_guard lock(worker_->mutex);
                try {
                    worker_->queue.push_back(std::move(batch));
                    queued = true;
                } catch (const std::bad_alloc&) {
                }
            }
            worker_->work.notify_one();
        }
        if (!queued)
            unmap_in_runs(batch.blocks, batch.bytes);  // no thread or no room to queue: the caller waits
    }

    void wait()
    {
        if (!worker_)
            return;
        std::unique_lock lock(worker_->mutex);
        if (!worker_->queue.empty() && worker_->held) {
            worker_->held = false;
            worker_->work.notify_one();
        }
        worker_->done.wait(lock, [&] { return worker_->queue.empty() && !worker_->busy; });
    }

    void hold_until_waited()
    {
        if (!started())
            return;
        const std::lock_guard lock(worker_->mutex);
        worker_->held = true;
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
        std::vector<Batch> queue;
        bool busy = false;
        bool held = false;  // tests keep the queue until a caller waits
        bool stopping = false;
        std::thread thread;
    };

    // Whether the worker runs, starting it where it does not yet.
    bool started()
    {
        if (!worker_ && !no_worker_) {
            try {
                auto w = std::make_unique<Worker>();
                w->thread = std::thread([&w = *w] { run(w); });
                worker_ = w.release();
            } catch (const std::system_error&) {
                no_worker_ = true;  // the system gives no thread
            } catch (const std::bad_alloc&) {
                // Perhaps at the next hand-over.
            }
        }
        return worker_ != nullptr;
    }

    static void run(Worker& w)
    {
        std::unique_lock lock(w.mutex);
        for (;;) {
            w.work.wait(lock, [&] { return w.stopping || (!w.held && !w.queue.empty()); });
            if (w.queue.empty())
                return;
            std::vector<Batch> batches = std::exchange(w.queue, {});
            w.busy = true;
            lock.unlock();
            for (Batch& b : batches)
                unmap_in_runs(b.blocks, b.bytes);
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

void unmap_blocks(std::vector<void*> blocks, std::size_t bytes)
{
    // A few megabytes take the kernel a millisecond: less than waking the
    // thread that unmaps (and the processors that must forget the pages).
    constexpr std::size_t kUnmappedHere = std::size_t{4} << 20;
    if (blocks.size() * bytes <= kUnmappedHere)
        unmap_in_runs(blocks, bytes);
    else
        unmapper().hand_over({std::move(blocks), bytes});
}

std::size_t unmap_blocks_now(std::vector<void*> blocks, std::size_t bytes) { return unmap_in_runs(blocks, bytes); }

void wait_for_unmapped_blocks() { unmapper().wait(); }

void hold_unmapping_until_waited() { unmapper().hold_until_waited(); }
