#pragma once
// A proof runs on a thread of its own; tests that look at its result wait
// for its end in the event loop, where the proof's end is delivered.

#include <QCoreApplication>
#include <QEventLoop>

#include "statement/window/tosk_app.h"

inline void wait_for_proof(const toskApp& app)
{
    while (app.proving())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
