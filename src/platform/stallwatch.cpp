#include "stallwatch.h"

#include "clock.h"

StallWatch::StallWatch(const Clock& clock, qint64 initialCount, qint64 timeoutMs)
    : m_clock(clock)
    , m_timeoutMs(timeoutMs)
    , m_lastCount(initialCount)
    , m_lastProgressMs(clock.nowMs()) {
}

bool StallWatch::stalled(qint64 count) {
    const qint64 now = m_clock.nowMs();
    if (count < m_lastCount)
        m_lastProgressMs = now;
    m_lastCount = count;
    return now - m_lastProgressMs >= m_timeoutMs;
}
