#pragma once

#include "eventpump.h"

// Runs the event loop for a couple of milliseconds per call: the wait neither spins a
// core nor blocks when nothing happens (a kernel queue draining raises no event).
class QtEventPump final : public EventPump {
public:
    void processPendingEvents() override;
};
