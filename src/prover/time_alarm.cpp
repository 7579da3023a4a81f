#include "prover/time_alarm.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

struct TimeAlarm::Watcher {
    std::mutex mutex;
    std::condition_variable changed;
    std::chrono::steady_clock::time_point deadline;
    std::uint64_t setting = 0;  // counts settings, so the watcher drops an old deadline
    bool armed = false;
    bool stopping = false;
    std::thread thread;
};

TimeAlarm::~TimeAlarm()
{
    if (!watcher_)
        return;
    {
        const std::lock_guard lock(watcher_->mutex);
        watcher_->stopping = true;
    }
    watcher_->changed.notify_one();
    watcher_->thread.join();
    delete watcher_;
}

void TimeAlarm::set(std::uint32_t tstart, std::int32_t limit, Duration remaining)
{
    tstart_ = tstart;
    limit_ = limit;
    if (!watcher_ && !no_watcher_) {
        try {
            auto w = std::make_unique<Watcher>();
            w->thread = std::thread([this, &w = *w] { watch(w); });
            watcher_ = w.release();
        } catch (const std::system_error&) {
            no_watcher_ = true;
        } catch (const std::bad_alloc&) {
            no_watcher_ = true;
        }
    }
    if (no_watcher_) {
        ring();
        return;
    }
    bool sooner = false;
    {
        const std::lock_guard lock(watcher_->mutex);
        const auto deadline = std::chrono::steady_clock::now() + remaining;
        sooner = !watcher_->armed || deadline < watcher_->deadline;
        watcher_->deadline = deadline;
        ++watcher_->setting;
        watcher_->armed = true;
        // Under the lock the watcher checks the setting before it rings: no
        // ring of an earlier setting comes after this.
        rung_.store(false, std::memory_order_relaxed);
    }
    // A later deadline the watcher finds when it wakes for the earlier one:
    // a run that starts does not wake it.
    if (sooner)
        watcher_->changed.notify_one();
}

void TimeAlarm::after_fork()
{
    if (watcher_)
        left_by_fork_ = watcher_;  // kept, not destroyed: its thread and lock are the parent's
    watcher_ = nullptr;
    forget();
    rung_.store(false, std::memory_order_relaxed);
}

void TimeAlarm::watch(Watcher& w)
{
    std::unique_lock lock(w.mutex);
    while (!w.stopping) {
        const std::uint64_t setting = w.setting;
        const auto set_again = [&] { return w.stopping || w.setting != setting; };
        if (!w.armed) {
            w.changed.wait(lock, set_again);
        } else if (!w.changed.wait_until(lock, w.deadline, set_again)) {
            w.armed = false;
            ring();
        }
    }
}
