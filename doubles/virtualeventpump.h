#pragma once

#include "platform/eventpump.h"

#include <functional>

class VirtualClock;

// Each call moves the virtual clock by one step (timers due in it fire) and then runs an
// optional hook, for example to let the port double drain its queue.
class VirtualEventPump final : public EventPump {
public:
    explicit VirtualEventPump(VirtualClock& clock, int stepMs = 1);
    void processPendingEvents() override;
    void setHook(std::function<void()> hook) { m_hook = std::move(hook); }
    int calls() const { return m_calls; }

private:
    VirtualClock& m_clock;
    int m_stepMs;
    int m_calls = 0;
    std::function<void()> m_hook;
};
