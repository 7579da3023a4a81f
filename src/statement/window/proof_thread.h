#pragma once
// Runs one proof at a time on a thread of its own while the GUI thread stays
// in its event loop. The prover's routines work on global tables, so while a
// job runs the GUI thread leaves them alone; it learns of the end through a
// call queued to its own thread.

#include <QObject>

#include <exception>
#include <functional>
#include <thread>

class ProofThread : public QObject {
public:
    using Job = std::function<void()>;
    using Done = std::function<void()>;

    explicit ProofThread(QObject* parent = nullptr);
    // A job still running is stopped and waited for; its `done` does not run.
    ~ProofThread() override;
    ProofThread(const ProofThread&) = delete;
    ProofThread& operator=(const ProofThread&) = delete;

    // True from start() until `done` has begun.
    bool running() const { return worker_.joinable(); }

    // Runs job on the proof thread; done follows on this object's thread once
    // the job has ended and its thread is joined. An exception the job lets
    // out is thrown again there, after done. False (nothing started) while
    // another job runs.
    bool start(Job job, Done done);

    // Asks the running job to stop at its next time check, waits for it and
    // runs done. Nothing when no job runs.
    void stop();

private:
    // GUI thread: joins the ended job and runs done.
    void finish();
    void join();

    std::jthread worker_;
    Done done_;
    std::exception_ptr failure_;  // written by the job's thread before it ends
};
