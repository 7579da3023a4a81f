#pragma once
// A proving method for the tests of a proof that runs while the windows stay
// alive: it prints a first line, then waits at its time checks until the test
// lets it go, so the test looks at the windows while the proof is surely
// running, whatever the machine's speed. Let go, it prints a last line and
// finds the statement true. A stop request or the time limit ends it at a
// time check like any method.

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "prover/prover.h"
#include "statement/prove.h"

class GatedMethod {
public:
    explicit GatedMethod(int method) : method_(method), saved_(get_method_entry(method))
    {
        set_method_entry(method, {[this] { run(); }, {}});
    }
    ~GatedMethod() { set_method_entry(method_, saved_); }
    GatedMethod(const GatedMethod&) = delete;
    GatedMethod& operator=(const GatedMethod&) = delete;

    // Blocks until the method has printed its first line.
    void wait_until_entered()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return entered_; });
    }
    void release()
    {
        const std::scoped_lock lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    // True once the method has returned or was thrown out of.
    bool left()
    {
        const std::scoped_lock lock(mutex_);
        return left_;
    }
    bool finished()
    {
        const std::scoped_lock lock(mutex_);
        return finished_;
    }

private:
    void run()
    {
        struct Leave {
            GatedMethod& gate;
            ~Leave()
            {
                const std::scoped_lock lock(gate.mutex_);
                gate.left_ = true;
            }
        } leave{*this};
        gprint("first step\r\n");
        {
            const std::scoped_lock lock(mutex_);
            entered_ = true;
            changed_.notify_all();
        }
        std::unique_lock lock(mutex_);
        while (!released_) {
            lock.unlock();
            check_time();
            lock.lock();
            changed_.wait_for(lock, std::chrono::milliseconds(1), [this] { return released_; });
        }
        finished_ = true;
        lock.unlock();
        gprint("last step\r\n");
        g_result = 1;
    }

    int method_;
    MethodEntry saved_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool released_ = false;
    bool left_ = false;
    bool finished_ = false;
};
