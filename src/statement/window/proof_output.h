#pragma once
// The prover's printing while a proof runs on a thread of its own: text and
// clearings are kept under a lock, in order, and handed to the text window on
// the GUI thread, so the window shows the proof as it comes.

#include <QObject>

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

class ProofOutput : public QObject {
public:
    // What the window does with the output; both run on the GUI thread.
    struct Window {
        std::function<void(std::string_view)> print;
        std::function<void()> clear;
    };

    explicit ProofOutput(Window window, QObject* parent = nullptr);

    // From any thread. The first text or clearing after a hand-over asks the
    // GUI thread for the next one.
    void print(std::string_view text);
    void clear();

    // GUI thread: hands over everything printed so far; a clearing first
    // drops the text printed before it.
    void flush();

private:
    // With the lock held.
    void ask_for_flush();

    Window window_;
    std::mutex mutex_;
    std::string pending_;
    bool cleared_ = false;
    bool flush_asked_ = false;
};
