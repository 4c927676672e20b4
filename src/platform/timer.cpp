#include "timer.h"

Timer::Timer(QString name, int interval)
    : m_name(std::move(name))
    , m_interval(interval > 0 ? interval : 0) {
}

void Timer::setInterval(int ms) {
    if (ms < 0)
        ms = 0;
    if (ms == m_interval)
        return;
    m_interval = ms;
    applyState();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    applyState();
}

void Timer::applyState() {
    if (isCounting())
        startCountdown();
    else
        stopCountdown();
}

void Timer::fire() {
    if (!isCounting() || !m_onTimeout)
        return;
    // The handler may replace itself or destroy nothing but state; keep a copy while it runs.
    const Callback callback = m_onTimeout;
    callback();
}
