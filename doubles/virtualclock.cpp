#include "virtualclock.h"

#include <algorithm>

class VirtualTimer final : public Timer {
public:
    VirtualTimer(VirtualClock& clock, const QString& name, int interval)
        : Timer(name, interval)
        , m_clock(&clock) {}
    ~VirtualTimer() override {
        if (m_clock)
            m_clock->forget(this);
    }

    void detach() { m_clock = nullptr; }
    void runOut() {
        // Periodic: the next countdown starts now, unless the handler restarts or stops it.
        m_clock->schedule(this);
        fire();
    }

    bool m_scheduled = false;
    qint64 m_due = 0;
    quint64 m_sequence = 0;

protected:
    void startCountdown() override {
        if (m_clock)
            m_clock->schedule(this);
    }
    void stopCountdown() override {
        if (m_clock)
            m_clock->unschedule(this);
    }

private:
    VirtualClock* m_clock;
};

VirtualClock::~VirtualClock() {
    for (VirtualTimer* t : m_timers)
        t->detach();
}

std::unique_ptr<Timer> VirtualClock::createTimer(const QString& name, int interval, QObject*) {
    auto timer = std::make_unique<VirtualTimer>(*this, name, interval);
    m_timers.push_back(timer.get());
    return timer;
}

void VirtualClock::schedule(VirtualTimer* timer) {
    timer->m_scheduled = true;
    timer->m_due = m_now + timer->interval();
    timer->m_sequence = m_nextSequence++;
}

void VirtualClock::unschedule(VirtualTimer* timer) {
    timer->m_scheduled = false;
}

void VirtualClock::forget(VirtualTimer* timer) {
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

void VirtualClock::advance(qint64 ms) {
    const qint64 target = m_now + std::max<qint64>(ms, 0);
    for (;;) {
        VirtualTimer* next = nullptr;
        for (VirtualTimer* t : m_timers) {
            if (!t->m_scheduled || t->m_due > target)
                continue;
            if (!next || t->m_due < next->m_due ||
                (t->m_due == next->m_due && t->m_sequence < next->m_sequence))
                next = t;
        }
        if (!next)
            break;
        m_now = next->m_due;
        next->runOut();
    }
    // A timer handler may advance the clock itself (a wait inside a send); time never
    // runs backwards.
    m_now = std::max(m_now, target);
}

Timer* VirtualClock::timer(const QString& name) const {
    for (VirtualTimer* t : m_timers) {
        if (t->name() == name)
            return t;
    }
    return nullptr;
}
