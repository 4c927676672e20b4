#pragma once

#include "platform/clock.h"

#include <QtGlobal>

#include <vector>

class VirtualTimer;

// A clock that moves only when a test advances it. Timers fire in the order of their
// due times (the order of arming on a tie), with nowMs() at their due time.
class VirtualClock final : public Clock {
public:
    VirtualClock() = default;
    ~VirtualClock() override;

    std::unique_ptr<Timer> createTimer(const QString& name, int interval, QObject* owner) override;
    qint64 nowMs() const override { return m_now; }

    // Fires every countdown that runs out up to now + ms, then stands at now + ms.
    void advance(qint64 ms);
    // The timer of that name, or nullptr.
    Timer* timer(const QString& name) const;

private:
    friend class VirtualTimer;
    void schedule(VirtualTimer* timer);
    void unschedule(VirtualTimer* timer);
    void forget(VirtualTimer* timer);

    qint64 m_now = 0;
    quint64 m_nextSequence = 0;
    std::vector<VirtualTimer*> m_timers;
};
