#include "statement/window/proof_output.h"

#include <utility>

ProofOutput::ProofOutput(Window window, QObject* parent) : QObject(parent), window_(std::move(window)) {}

void ProofOutput::print(std::string_view text)
{
    const std::scoped_lock lock(mutex_);
    pending_.append(text);
    ask_for_flush();
}

void ProofOutput::clear()
{
    const std::scoped_lock lock(mutex_);
    // What was printed before the clearing would only be removed again.
    pending_.clear();
    cleared_ = true;
    ask_for_flush();
}

void ProofOutput::ask_for_flush()
{
    if (flush_asked_)
        return;
    flush_asked_ = true;
    // Posting is safe from any thread; the call runs in this object's thread
    // and is dropped with the object.
    QMetaObject::invokeMethod(this, [this] { flush(); }, Qt::QueuedConnection);
}

void ProofOutput::flush()
{
    std::string text;
    bool cleared = false;
    {
        const std::scoped_lock lock(mutex_);
        text.swap(pending_);
        cleared = std::exchange(cleared_, false);
        flush_asked_ = false;
    }
    if (cleared && window_.clear)
        window_.clear();
    if (!text.empty() && window_.print)
        window_.print(text);
}
