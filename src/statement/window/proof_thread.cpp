#include "statement/window/proof_thread.h"

#include <utility>

#include "prover/prover.h"

ProofThread::ProofThread(QObject* parent) : QObject(parent) {}

ProofThread::~ProofThread()
{
    if (!running())
        return;
    request_prover_stop();
    join();
}

bool ProofThread::start(Job job, Done done)
{
    if (running())
        return false;
    done_ = std::move(done);
    failure_ = nullptr;
    withdraw_prover_stop();
    worker_ = std::jthread([this, job = std::move(job)] {
        try {
            job();
        } catch (...) {
            failure_ = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this] { finish(); }, Qt::QueuedConnection);
    });
    return true;
}

void ProofThread::stop()
{
    if (!running())
        return;
    request_prover_stop();
    finish();
}

void ProofThread::join()
{
    worker_.join();
    // A request left standing would stop the next proof, on whatever thread.
    withdraw_prover_stop();
}

void ProofThread::finish()
{
    // A stop may have come between the job's end and this queued call.
    if (!running())
        return;
    join();
    const Done done = std::exchange(done_, nullptr);
    const std::exception_ptr failure = std::exchange(failure_, nullptr);
    if (done)
        done();
    if (failure)
        std::rethrow_exception(failure);
}
