#pragma once

#include "timer.h"

#include <QtGlobal>

#include <memory>

class QObject;

// Where timers come from and what time it is. The program runs on the real clock;
// tests run on a virtual one that they advance by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // A stopped timer with the given interval. The name becomes the object name of the
    // underlying timer, which the owner holds as a child.
    virtual std::unique_ptr<Timer> createTimer(const QString& name, int interval,
                                               QObject* owner) = 0;
    // Milliseconds on a monotonic scale.
    virtual qint64 nowMs() const = 0;
};
