#include "virtualeventpump.h"

#include "virtualclock.h"

VirtualEventPump::VirtualEventPump(VirtualClock& clock, int stepMs)
    : m_clock(clock)
    , m_stepMs(stepMs) {
}

void VirtualEventPump::processPendingEvents() {
    ++m_calls;
    m_clock.advance(m_stepMs);
    if (m_hook)
        m_hook();
}
