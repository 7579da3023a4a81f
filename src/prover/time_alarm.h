#pragma once
// The time limit of a run watched from a thread of its own, which raises a
// flag when the deadline passes. The time check runs after every small sum
// or product of the arithmetic: reading this flag costs it one load, where
// even the coarse monotonic clock (a call into the vDSO) cost the arithmetic
// several percent.

#include <atomic>
#include <chrono>
#include <cstdint>

class TimeAlarm {
public:
    using Duration = std::chrono::steady_clock::duration;

    TimeAlarm() = default;
    TimeAlarm(const TimeAlarm&) = delete;
    TimeAlarm& operator=(const TimeAlarm&) = delete;
    ~TimeAlarm();

    // Whether the time check must read the clock: the alarm rang, or it was
    // not set for the run that started at tstart with this limit.
    bool needs_look(std::uint32_t tstart, std::int32_t limit) const
    {
        return rung_.load(std::memory_order_relaxed) || tstart != tstart_ || limit != limit_;
    }

    // Sets the alarm of the run (tstart, limit) to ring `remaining` from now,
    // in place of any earlier setting. Called by the checking thread only.
    void set(std::uint32_t tstart, std::int32_t limit, Duration remaining);
    // Forgets the setting: the next check reads the clock and sets it again.
    void forget() { limit_ = kNoLimit; }
    // What the watcher does at the deadline.
    void ring() { rung_.store(true, std::memory_order_relaxed); }
    bool rung() const { return rung_.load(std::memory_order_relaxed); }
    // In the child of a fork the watcher's thread is not there: the alarm
    // forgets its setting and starts another watcher at the next one.
    // Allocates nothing and takes no lock.
    void after_fork();

private:
    static constexpr std::int32_t kNoLimit = -1;  // no run's limit
    struct Watcher;

    void watch(Watcher& w);

    std::atomic<bool> rung_{false};
    // The run the alarm is set for (the checking thread's own).
    std::uint32_t tstart_ = 0;
    std::int32_t limit_ = kNoLimit;
    Watcher* watcher_ = nullptr;       // started at the first setting
    Watcher* left_by_fork_ = nullptr;  // the parent's, whose thread a child lacks
    bool no_watcher_ = false;          // the system gave no thread: every check reads the clock
};
