#pragma once

#include <QtGlobal>

class Clock;

// Watches a count that should keep going down (bytes waiting on the serial line) and tells
// when it has not gone down for a while: the line is stalled and waiting is pointless.
class StallWatch {
public:
    static constexpr qint64 DefaultTimeoutMs = 2000;

    StallWatch(const Clock& clock, qint64 initialCount, qint64 timeoutMs = DefaultTimeoutMs);
    // Takes the latest count; true once it has not gone down for the whole timeout.
    bool stalled(qint64 count);

private:
    const Clock& m_clock;
    qint64 m_timeoutMs;
    qint64 m_lastCount;
    qint64 m_lastProgressMs;
};
