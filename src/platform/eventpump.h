#pragma once

// Lets a wait keep the program alive: timer ticks, operator commands and the serial
// port's own I/O run inside it. Used by the send's flow control and the shutdown drain.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Processes what is pending, returning after a short moment at most.
    virtual void processPendingEvents() = 0;
};
